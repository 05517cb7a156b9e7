// The output panel's label stock group, driven through its real controls:
// the prints go to a PDF (the print dialog replaced by a hook) and are read
// back with poppler.
#include "WindowTestSupport.h"
#include "print/PrinterAdjustments.h"
#include "print/ui/CalibrationDialog.h"
#include "print/ui/LabelStockPanel.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/StockPositionPicture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

constexpr double kPointsPerUnit = 72.0 / 600.0;

struct Word {
    QString text;
    double x = 0;
    double y = 0;
};

// Every word of the PDF's first page, as pdftotext -bbox places it.
std::vector<Word> firstPageWords(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_qs, {u"-bbox"_qs, u"-l"_qs, u"1"_qs, pdf, u"-"_qs});
    process.waitForFinished(60000);
    std::vector<Word> words;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"word") {
            const double x = xml.attributes().value(u"xMin"_qs).toDouble();
            const double y = xml.attributes().value(u"yMin"_qs).toDouble();
            words.push_back({xml.readElementText(), x, y});
        }
    }
    return words;
}

std::vector<Word> wordsOf(const std::vector<Word>& words, const QString& text)
{
    std::vector<Word> found;
    std::copy_if(words.begin(), words.end(), std::back_inserter(found), [&](const Word& w) { return w.text == text; });
    return found;
}

// Where the "No." text of type A plate `position` lands, in points.
double numberTop(int position) { return (540 + 980 * (position - 1) + 40) * kPointsPerUnit; }

void clickCentre(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

void typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class LabelStockWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fx;
    QStringList informed;
    QStringList overlongAsked;
    bool printAnyway = false;
    int dialogs = 0;

    QString pdfPath() const { return fx->path(u"plates.pdf"_qs); }
    LabelStockPanel* panel() const { return fx->child<LabelStockPanel>("LabelStockGroup"); }

    // The window with its output panel open, printing to a PDF in the fixture's folder.
    void openWindow(int records)
    {
        fx = std::make_unique<WindowFixture>();
        // Printer adjustments go to the fixture's folder, not the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fx->path(u"config"_qs));
        fx->show();
        fx->fillRecords(records);
        auto* commands = fx->window->findChild<PrintCommands*>();
        QVERIFY(commands);
        commands->setJobHooks({[this](QPrinter& printer) {
                                   ++dialogs;
                                   printer.setOutputFormat(QPrinter::PdfFormat);
                                   printer.setOutputFileName(pdfPath());
                                   return true;
                               },
                               [](const QString& message) { QFAIL(qPrintable(message)); },
                               {},
                               {}});
        commands->inform = [this](const QString& message) { informed << message; };
        commands->confirmOverlong = [this](const QString& report) {
            overlongAsked << report;
            return printAnyway;
        };
        commands->printerNames = [] { return QStringList{u"Office"_qs}; };
        clickCentre(fx->child<QPushButton>("outputPanelButton"));
        QVERIFY(panel()->isVisible());
    }

    std::vector<Word> printTypeA()
    {
        QFile::remove(pdfPath());
        clickCentre(fx->child<QPushButton>("typeAPrintButton"));
        return firstPageWords(pdfPath());
    }

private Q_SLOTS:
    void init()
    {
        informed.clear();
        overlongAsked.clear();
        printAnyway = false;
        dialogs = 0;
    }

    void listedRecordsFromAStartPositionWithCopies()
    {
        openWindow(8);
        // Opening the panel shows the records that came in while it was hidden.
        QCOMPARE(panel()->picture->printedOnFirstSheet(), 6);
        clickCentre(panel()->listedRecords);
        QVERIFY(panel()->listBox->isEnabled());
        typeInto(panel()->listBox, u"3-4"_qs);
        typeInto(panel()->startBox, u"2"_qs);
        typeInto(panel()->copiesBox, u"2"_qs);
        QCOMPARE(panel()->picture->usedUp(), 1);
        QCOMPARE(panel()->picture->printedOnFirstSheet(), 4);

        const std::vector<Word> words = printTypeA();
        QCOMPARE(dialogs, 1);
        const auto three = wordsOf(words, u"No.3"_qs);
        const auto four = wordsOf(words, u"No.4"_qs);
        QCOMPARE(three.size(), size_t(2));
        QCOMPARE(four.size(), size_t(2));
        QVERIFY(wordsOf(words, u"No.1"_qs).empty());
        QVERIFY(wordsOf(words, u"No.5"_qs).empty());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(qAbs(three[size_t(i)].y - numberTop(2 + i)) < 0.3);
            QVERIFY(qAbs(four[size_t(i)].y - numberTop(4 + i)) < 0.3);
        }
    }

    void selectedRowsOfTheSheet()
    {
        openWindow(8);
        clickCentre(fx->child<QPushButton>("outputPanelButton")); // back to the sheet to select rows
        fx->clickCell(1, 5);
        fx->clickCell(1, 6, Qt::ShiftModifier);
        clickCentre(fx->child<QPushButton>("outputPanelButton"));
        clickCentre(panel()->selectedRecords);
        QCOMPARE(panel()->picture->printedOnFirstSheet(), 2);
        const std::vector<Word> words = printTypeA();
        QCOMPARE(wordsOf(words, u"No.5"_qs).size(), size_t(1));
        QCOMPARE(wordsOf(words, u"No.6"_qs).size(), size_t(1));
        QVERIFY(qAbs(wordsOf(words, u"No.5"_qs).at(0).y - numberTop(1)) < 0.3);
        QVERIFY(wordsOf(words, u"No.7"_qs).empty());
    }

    void badChoicesPrintNothing()
    {
        openWindow(8);
        clickCentre(panel()->listedRecords);
        typeInto(panel()->listBox, u"3-x"_qs);
        clickCentre(fx->child<QPushButton>("typeAPrintButton"));
        typeInto(panel()->listBox, u"40-50"_qs);
        clickCentre(fx->child<QPushButton>("typeAPrintButton"));
        QCOMPARE(dialogs, 0);
        QCOMPARE(informed.size(), 2);
        QVERIFY(informed[0].contains(u"番号指定が読めません"_qs));
        QVERIFY(informed[1].contains(u"記録がありません"_qs));

        // Position 20 is on trunk stock, not on type A's six plates.
        clickCentre(fx->child<QRadioButton>("branchSizeChoice"));
        clickCentre(fx->child<QRadioButton>("trunkSizeChoice"));
        QCOMPARE(panel()->plateKind(), PlateKind::TypeBTrunk);
        typeInto(panel()->startBox, u"20"_qs);
        QCOMPARE(panel()->startBox->value(), 20);
        clickCentre(panel()->allRecords);
        clickCentre(fx->child<QPushButton>("typeAPrintButton"));
        QCOMPARE(dialogs, 0);
        QVERIFY(informed.last().contains(u"1 から 6"_qs));
    }

    void overlongTextsAskBeforePrinting()
    {
        openWindow(3);
        fx->editSheet([](RecordSheet& sheet) {
            sheet.setCell(ColPurpose, 2, u"第一工場東棟地下二階特別高圧受変電設備室主幹盤第二制御盤室行き"_qs);
        });
        clickCentre(fx->child<QPushButton>("typeAPrintButton"));
        QCOMPARE(overlongAsked.size(), 1);
        QVERIFY(overlongAsked[0].startsWith(u"No.2　用　　　途"_qs));
        QCOMPARE(dialogs, 0);

        printAnyway = true;
        QCOMPARE(wordsOf(printTypeA(), u"No.2"_qs).size(), size_t(1));
        QCOMPARE(dialogs, 1);

        // On demand, for the kind the group shows.
        clickCentre(panel()->checkButton);
        QVERIFY(informed.last().contains(u"No.2"_qs));
    }

    // After a type A print the check still covers what was chosen beside it:
    // a cable type that fits type A but not type B is found on demand.
    void fitCheckCoversTheKindsChosenBesideIt()
    {
        openWindow(3);
        fx->editSheet([](RecordSheet& sheet) { sheet.setCell(ColCableType, 2, u"600V CV-T 3×150sq"_qs); });
        printAnyway = true;
        printTypeA();
        QCOMPARE(panel()->plateKind(), PlateKind::TypeA);

        const QString fits = u"%1: すべての文字が枠に収まっています。"_qs;
        const QString cut = u"%1: 枠からはみ出す文字があります。\nNo.2　ｹｰﾌﾞﾙ種類"_qs;
        const QString a = u"Ａ種"_qs, trunk = u"Ｂ種（幹線）"_qs, branch = u"Ｂ種（分岐）"_qs;
        const struct {
            int choice;
            QStringList said; // each kind checked, in order, with its finding
        } cases[] = {
            {0, {fits.arg(a), cut.arg(trunk), cut.arg(branch)}},
            {1, {fits.arg(a)}},
            {2, {cut.arg(trunk)}},
            {3, {cut.arg(branch)}},
        };
        QCOMPARE(panel()->checkKindBox->currentIndex(), 0);
        for (const auto& c : cases) {
            panel()->checkKindBox->setCurrentIndex(c.choice);
            clickCentre(panel()->checkButton);
            const QStringList findings = informed.last().split(u"\n\n"_qs);
            QCOMPARE(findings.size(), c.said.size());
            for (int i = 0; i < findings.size(); ++i)
                QVERIFY2(findings[i].startsWith(c.said[i]), qPrintable(findings[i]));
        }

        // Where the plates would start does not change what fits.
        panel()->checkKindBox->setCurrentIndex(0);
        typeInto(panel()->startBox, u"20"_qs);
        clickCentre(panel()->checkButton);
        QCOMPARE(informed.last().split(u"\n\n"_qs).size(), 3);

        // A record choice that makes no plates is told once, for every kind.
        clickCentre(panel()->listedRecords);
        typeInto(panel()->listBox, u"99"_qs);
        clickCentre(panel()->checkButton);
        QVERIFY2(informed.last().contains(u"99"_qs) && !informed.last().contains(a), qPrintable(informed.last()));
        QCOMPARE(dialogs, 1);
    }

    void calibrationKeptPerPrinterAndApplied()
    {
        openWindow(2);
        const std::vector<Word> plain = printTypeA();
        const auto plainNumber = wordsOf(plain, u"No.1"_qs);
        QCOMPARE(plainNumber.size(), size_t(1));

        bool edited = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CalibrationDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->printerBox->currentText(), u"Office"_qs);
            typeInto(dialog->offsetXBox, u"1.5"_qs);
            dialog->printerBox->setCurrentIndex(1); // PDF
            QCOMPARE(dialog->offsetXBox->value(), 0.0);
            typeInto(dialog->offsetXBox, u"2"_qs);
            typeInto(dialog->offsetYBox, u"3"_qs);
            clickCentre(dialog->testPrintButton);
            edited = true;
            dialog->reject();
        });
        clickCentre(panel()->calibrateButton);
        QVERIFY(edited);
        QVERIFY(firstPageWords(pdfPath()).size() >= 1); // the calibration page went to the PDF
        QCOMPARE(dialogs, 2);

        const auto shifted = wordsOf(printTypeA(), u"No.1"_qs);
        QCOMPARE(shifted.size(), size_t(1));
        QVERIFY(qAbs(shifted[0].x - plainNumber[0].x - 2 * 72 / 25.4) < 0.15);
        QVERIFY(qAbs(shifted[0].y - plainNumber[0].y - 3 * 72 / 25.4) < 0.15);

        // A restart reads the same values back, each printer its own.
        PrinterAdjustments restarted;
        QCOMPARE(restarted.of(u"PDF"_qs), (PageAdjustment{2.0, 3.0, 100.0, 100.0}));
        QCOMPARE(restarted.of(u"Office"_qs).offsetXMm, 1.5);
    }
};

int runLabelStockWindowTests(int argc, char** argv)
{
    LabelStockWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LabelStockWindowTest.moc"
