// The print job and the window's print commands, with the print dialog and
// the warning replaced by hooks so that nothing blocks.
#include "PdfReadBack.h"
#include "print/LayoutSurface.h"
#include "print/SamplePictures.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintJob.h"
#include "print/ui/PreviewDialog.h"
#include "print/ui/PagePreview.h"

#include <QApplication>
#include <QLabel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QPushButton>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

RecordSheet numberedSheet(int count)
{
    RecordSheet sheet;
    sheet.setRowCount(count + 1);
    for (int r = 1; r <= count; ++r) {
        sheet.setCell(ColNumber, r, QString::number(r));
        sheet.setCell(ColFrom1, r, u"東棟"_qs);
        sheet.setCell(ColTo1, r, u"西棟"_qs);
    }
    sheet.recordCount = count;
    return sheet;
}

// Pages that fail while drawing the second one.
class FailingPages : public PageSource {
public:
    int pageCount() const override { return 3; }
    void drawPage(LayoutSurface& surface, int page) const override
    {
        if (page == 2)
            throw std::runtime_error("out of paper");
        surface.text({0, 0}, u"page"_qs, 10);
    }
};

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList warnings;
    int dialogs = 0;

    QString pdfPath() const { return dir.filePath(u"job.pdf"_qs); }

    // Hooks that choose PDF output (or cancel, or an unwritable file) and
    // collect warnings instead of showing them.
    PrintJobHooks hooks(bool confirm = true, QString path = {})
    {
        if (path.isEmpty())
            path = pdfPath();
        return {
            [this, confirm, path](QPrinter& printer) {
                ++dialogs;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                return confirm;
            },
            [this](const QString& message) { warnings << message; },
            {},
        };
    }

    QString pdfText(const QString& path) const
    {
        return PdfReadBack::run(u"pdftotext"_qs, {path, u"-"_qs}).out;
    }

private Q_SLOTS:
    // The print dialog remembers the user's last destination in the user's
    // settings: keep them inside the test's folder.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_qs).toLocal8Bit()); }

    void init()
    {
        warnings.clear();
        dialogs = 0;
        QFile::remove(pdfPath());
    }

    void cancelledPrintEndsQuietly()
    {
        const RecordSheet sheet = numberedSheet(3);
        PrintJob job(nullptr, hooks(false));
        QVERIFY(!job.print(TypeBPlates(sheet, PlateSize::Trunk, u"No."_qs)));
        QCOMPARE(dialogs, 1);
        QVERIFY(warnings.isEmpty());
        QVERIFY(!QFile::exists(pdfPath()));
    }

    void anyFailureShowsTheWarningOnce()
    {
        const RecordSheet sheet = numberedSheet(3);
        PrintJob unwritable(nullptr, hooks(true, dir.filePath(u"no/such/folder/job.pdf"_qs)));
        QVERIFY(!unwritable.print(TypeBPlates(sheet, PlateSize::Trunk, u"No."_qs)));
        QCOMPARE(warnings, QStringList{u"情報不足で印刷出来ませんでした。"_qs});

        warnings.clear();
        PrintJob failing(nullptr, hooks());
        QVERIFY(!failing.print(FailingPages()));
        QCOMPARE(warnings, QStringList{u"情報不足で印刷出来ませんでした。"_qs});
        // The document was ended: the first page and the begun second one came out.
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 2);
    }

    void commandsPrintInTheGivenTextOrderAndFillTheResolutionLabels()
    {
        QWidget window;
        auto* across = new QLabel(&window);
        auto* down = new QLabel(&window);
        const RecordSheet sheet = numberedSheet(7);
        const Settings f = Settings::defaults();
        PrintJobHooks labelled = hooks();
        labelled.showResolution = showResolutionIn(across, down);
        OutputOptions options;
        options.captions = f;
        PrintCommands commands(&window, sheet, [&options] { return options; }, labelled);

        options.order = TextOrder::FromTo;
        commands.printTypeA();
        QVERIFY(warnings.isEmpty());
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 2);
        QVERIFY(pdfText(pdfPath()).contains(u"(自)東棟"_qs));
        QCOMPARE(across->text(), u"1200 [DPI]"_qs);
        QCOMPARE(down->text(), u"1200 [DPI]"_qs);

        options.order = TextOrder::ToFrom;
        commands.printTypeA();
        QVERIFY(pdfText(pdfPath()).contains(u"(至)東棟"_qs));

        // A label the window no longer has is left out.
        delete down;
        options.order = TextOrder::Standard;
        commands.printTypeA();
        QVERIFY(warnings.isEmpty());
        QCOMPARE(across->text(), u"1200 [DPI]"_qs);
    }

    void eachCommandRunsItsPrint()
    {
        QWidget window;
        const RecordSheet sheet = numberedSheet(37);
        const Settings f = Settings::defaults();
        OutputOptions options;
        options.captions = f;
        options.noBoxText = u"番号"_qs;
        PrintCommands commands(&window, sheet, [&options] { return options; }, hooks());

        commands.printTypeB(PlateSize::Trunk); // 24 a page
        QCOMPARE(dialogs, 1);
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 2);
        QCOMPARE(pdfText(pdfPath()).count(u"番号"_qs), 48);

        options.noBoxText.clear(); // the No. text is read anew for every print
        commands.printTypeB(PlateSize::Branch); // 36 a page
        QCOMPARE(dialogs, 2);
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 2);
        QCOMPARE(pdfText(pdfPath()).count(u"番号"_qs), 0);

        commands.printTypeA();
        QCOMPARE(dialogs, 3);
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 7); // 37 type A plates
    }

    void previewShowsTheSamePagesAndPrintsThem()
    {
        QWidget window;
        const RecordSheet sheet = numberedSheet(37);
        const Settings f = Settings::defaults();
        OutputOptions options;
        options.captions = f;
        options.size = PlateSize::Branch;
        PrintCommands commands(&window, sheet, [&options] { return options; }, hooks());

        int previewPages = -1;
        QString countShown;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            previewPages = dialog->preview()->pageCount();
            countShown = dialog->findChild<QLabel*>(u"pageCount"_qs)->text();
            QCOMPARE(dialogs, 0); // nothing printed before the user asks
            // Printing from the preview runs the print dialog and the same job.
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"printButton"_qs), Qt::LeftButton);
            dialog->reject();
        });
        commands.previewTypeB();
        QCOMPARE(previewPages, 2); // branch size for 37 records
        QCOMPARE(countShown, u"/ 2 ページ"_qs);
        QCOMPARE(dialogs, 1);
        QVERIFY(warnings.isEmpty());
        QCOMPARE(PdfReadBack::pageCount(pdfPath()), 2);
        QCOMPARE(pdfText(pdfPath()).count(u"自"_qs), 72);
    }

    // Reprinting one damaged sheet: the range chosen in the print dialog is what comes out.
    void thePageRangeChosenIsPrinted()
    {
        const RecordSheet sheet = numberedSheet(37); // type A: 7 pages of 6 plates
        const Settings f = Settings::defaults();
        PrintJobHooks ranged = hooks();
        ranged.choosePrinter = [this, choose = ranged.choosePrinter](QPrinter& printer) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return choose(printer);
        };
        QVERIFY(PrintJob(nullptr, ranged).print(TypeAPlates(sheet, f, TextOrder::Standard)));
        QVERIFY(warnings.isEmpty());
        const auto pages = PdfReadBack::words(pdfPath());
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(PdfReadBack::wordsOf(pages[0], u"No.7"_qs).size(), size_t(1));
        QCOMPARE(PdfReadBack::wordsOf(pages[1], u"No.18"_qs).size(), size_t(1));
        for (const auto& page : pages) {
            QVERIFY(PdfReadBack::wordsOf(page, u"No.6"_qs).empty());
            QVERIFY(PdfReadBack::wordsOf(page, u"No.19"_qs).empty());
        }
    }

    // The same through the print dialog itself, with its from and to boxes.
    void thePageRangeChosenInThePrintDialogIsPrinted()
    {
        QWidget window;
        const RecordSheet sheet = numberedSheet(37);
        const Settings f = Settings::defaults();
        PrintJobHooks realDialog = hooks();
        realDialog.choosePrinter = {};
        OutputOptions options;
        options.captions = f;
        PrintCommands commands(&window, sheet, [&options] { return options; }, realDialog);
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* printers = dialog->findChild<QComboBox*>(u"printers"_qs);
            printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)" comes last
            dialog->findChild<QLineEdit*>(u"filename"_qs)->setText(pdfPath());
            dialog->findChild<QRadioButton*>(u"printRange"_qs)->click();
            dialog->findChild<QSpinBox*>(u"from"_qs)->setValue(3);
            dialog->findChild<QSpinBox*>(u"to"_qs)->setValue(4);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        commands.printTypeA();
        QVERIFY(warnings.isEmpty());
        const auto pages = PdfReadBack::words(pdfPath());
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(PdfReadBack::wordsOf(pages[0], u"No.13"_qs).size(), size_t(1));
        QCOMPARE(PdfReadBack::wordsOf(pages[1], u"No.24"_qs).size(), size_t(1));
    }

    // Printed to a PDF file once, the next print dialog (of this command or
    // another, in this run or the next) starts from the same file.
    void thePrintDialogStartsFromTheLastFileChosen()
    {
        QWidget window;
        const RecordSheet sheet = numberedSheet(2);
        const OutputOptions options;
        PrintJobHooks realDialog = hooks();
        realDialog.choosePrinter = {};
        PrintCommands commands(&window, sheet, [&options] { return options; }, realDialog);
        const QString chosen = dir.filePath(u"chosen/plates.pdf"_qs);
        QVERIFY(QDir().mkpath(QFileInfo(chosen).absolutePath()));
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* printers = dialog->findChild<QComboBox*>(u"printers"_qs);
            printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)" comes last
            dialog->findChild<QLineEdit*>(u"filename"_qs)->setText(chosen);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        commands.printTypeA();
        QVERIFY(QFile::exists(chosen));

        QString shownFile;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shownFile = dialog->findChild<QLineEdit*>(u"filename"_qs)->text();
            dialog->reject();
        });
        commands.printTypeB(PlateSize::Trunk);
        QCOMPARE(shownFile, chosen);
    }

    void aListWithoutRecordsIsNotPrintedOrPreviewed()
    {
        QWidget window;
        const RecordSheet sheet = numberedSheet(0);
        const Settings f = Settings::defaults();
        OutputOptions options;
        options.captions = f;
        PrintCommands commands(&window, sheet, [&options] { return options; }, hooks());
        commands.printTypeA();
        commands.printTypeB(PlateSize::Trunk);
        commands.printTypeB(PlateSize::Branch);
        commands.previewTypeA(); // would block here if a preview opened
        commands.previewTypeB();
        QCOMPARE(warnings, QStringList(5, u"印刷する記録がありません"_qs));
        QCOMPARE(dialogs, 0);
        QVERIFY(!QFile::exists(pdfPath()));
    }

    void samplePicturesAreDrawnToTheirSize()
    {
        for (const auto& [picture, size] : {std::pair{sampleTypeAPicture(QSize(445, 123)), QSize(445, 123)},
                                            std::pair{sampleTypeBPicture(QSize(171, 108)), QSize(171, 108)}}) {
            QCOMPARE(picture.size(), size);
            const QImage image = picture.toImage();
            int navy = 0, dark = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    navy += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
                    dark += c.red() < 100 && c.green() < 100 && c.blue() < 100;
                }
            }
            QVERIFY2(navy > 50, "navy texts");
            QVERIFY2(dark > 200, "black frame");
        }
    }
};

QTEST_MAIN(PrintWindowTest)
#include "PrintWindowTest.moc"
