#include "../main/WindowTestSupport.h"

#include "entry/EntryFormLayout.h"
#include "entry/EntryRecord.h"
#include "entry/EntryForm.h"
#include "sheet/RecordFile.h"
#include "sheet/SingleLineText.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

enum class Delivery { Typed, Pasted };

// Puts text into a box as the user would: typed (one key event carrying the
// text, as a keyboard or input method delivers it) or pasted with Ctrl+V over
// the whole old text.
void enter(QLineEdit* box, const QString& text, Delivery delivery)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    if (delivery == Delivery::Pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
    }
}

} // namespace

class EntryRoundTripTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lineBreaksNeverReachTheSavedFile_data();
    void lineBreaksNeverReachTheSavedFile();
    void newRecordKeepsRowsPastedWithoutNumbers();
    void companyNameBoxKeepsLongNamesWhole();
};

void EntryRoundTripTest::lineBreaksNeverReachTheSavedFile_data()
{
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<Delivery>("delivery");
    const std::pair<const char*, QString> breaks[] = {
        {"CR LF", u"\r\n"_qs}, {"LF", u"\n"_qs}, {"CR", u"\r"_qs}, {"U+2028", u"\u2028"_qs}};
    for (const auto& [name, lineBreak] : breaks) {
        QTest::addRow("%s typed", name) << lineBreak << Delivery::Typed;
        QTest::addRow("%s pasted", name) << lineBreak << Delivery::Pasted;
    }
}

// Every field of record 3 and the company name get a text with a break inside
// and one at the end; the saved file must read back as exactly the sheet.
void EntryRoundTripTest::lineBreaksNeverReachTheSavedFile()
{
    QFETCH(QString, lineBreak);
    QFETCH(Delivery, delivery);

    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(5);
    EntryForm form2(w.document());
    w.setEntryForm(&form2);

    const auto withBreaks = [&](const QString& first, const QString& second) {
        return first + lineBreak + second + lineBreak;
    };
    enter(fx.child<QLineEdit>("companyNameEdit"), withBreaks(u"タグリオ"_qs, u"電設"_qs), delivery);

    QTimer::singleShot(0, &form2, [&] {
        for (const EntryFormLayout::DataField& item : EntryFormLayout::kDataFields) {
            auto* box = form2.findChild<QLineEdit*>(QLatin1String(item.objectName));
            enter(box, withBreaks(u"CVT 60sq"_qs, QString::number(item.column)), delivery);
        }
        QPushButton* registerButton = form2.findChild<QPushButton*>(u"registerButton"_qs);
        QTest::mouseClick(registerButton, Qt::LeftButton);
    });
    fx.clickCell(1, 3);
    QTest::mouseDClick(fx.viewport(), Qt::LeftButton, {}, fx.cellCentre(1, 3));

    Record expected3{u"3"_qs};
    for (Column column : kDataColumns)
        expected3[column] = u"CVT 60sq "_qs + QString::number(column);
    QCOMPARE(w.document().sheet().row(3), expected3);
    QCOMPARE(w.document().companyName(), u"タグリオ 電設"_qs);

    fx.prompts.saveAnswer = fx.path(u"plan"_qs);
    QVERIFY(w.saveRecordFile());
    QVERIFY(fx.prompts.errors.isEmpty());

    QString company;
    RecordSheet reread;
    RecordFile::load(fx.path(u"plan.kav"_qs), company, reread);
    QCOMPARE(company, u"タグリオ 電設"_qs);
    QCOMPARE(reread.recordCount, 5);
    QCOMPARE(reread.rowCount(), w.document().sheet().rowCount());
    for (int r = 0; r < reread.rowCount(); ++r)
        QCOMPARE(reread.row(r), w.document().sheet().row(r));
}

void EntryRoundTripTest::newRecordKeepsRowsPastedWithoutNumbers()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    EntryForm form2(w.document());
    w.setEntryForm(&form2);

    // Columns B to K of three records, copied from a spreadsheet.
    QStringList lines;
    for (int r = 1; r <= 3; ++r) {
        QStringList cells{QString()};
        for (int column = ColFrom1; column <= ColManufactureYear; ++column)
            cells << u"r%1c%2"_qs.arg(r).arg(column);
        lines << cells.join(u'\t');
    }
    fx.clickCell(1, 1);
    QGuiApplication::clipboard()->setText(lines.join(u"\r\n"_qs) + u"\r\n"_qs);
    QTest::keyClick(fx.grid(), Qt::Key_V, Qt::ControlModifier);
    const RecordSheet pasted = w.document().sheet();
    QCOMPARE(pasted.row(3)[ColManufactureYear], u"r3c10"_qs);

    QString proposedNumber;
    QTimer::singleShot(0, &form2, [&] {
        proposedNumber = form2.findChild<QLabel*>(u"recordNumberLabel"_qs)->text();
        enter(form2.findChild<QLineEdit*>(u"from1Field"_qs), u"新しい盤"_qs, Delivery::Typed);
        QTest::mouseClick(form2.findChild<QPushButton*>(u"registerButton"_qs), Qt::LeftButton);
    });
    fx.clickCell(1, 8);
    QTest::mouseDClick(fx.viewport(), Qt::LeftButton, {}, fx.cellCentre(1, 8));

    const RecordSheet& sheet = w.document().sheet();
    for (int r = 1; r <= 3; ++r)
        QCOMPARE(sheet.row(r), pasted.row(r));
    QCOMPARE(sheet.row(4)[ColNumber], u"4"_qs);
    QCOMPARE(sheet.row(4)[ColFrom1], u"新しい盤"_qs);
    QCOMPARE(sheet.recordCount, 4);
    QVERIFY(!proposedNumber.isEmpty());
}

void EntryRoundTripTest::companyNameBoxKeepsLongNamesWhole()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    const QString longName = QString(40000, u'社');
    enter(fx.child<QLineEdit>("companyNameEdit"), longName, Delivery::Pasted);
    QCOMPARE(w.document().companyName().size(), longName.size());
}

QTEST_MAIN(EntryRoundTripTest)
#include "EntryRoundTripTest.moc"
