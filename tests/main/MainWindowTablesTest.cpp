#include "WindowTestSupport.h"

#include "sheet/RecordFile.h"
#include "spreadsheet/TableFile.h"

#include <QFile>
#include <QLineEdit>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLES "/sample.kav");

RecordSheet sampleSheet()
{
    RecordSheet sheet;
    QString company;
    RecordFile::load(kSample, company, sheet);
    return sheet;
}

} // namespace

class MainWindowTablesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedTablesOpenBackAsTheSameList_data();
    void savedTablesOpenBackAsTheSameList();
    void readerNotesAreShownAfterTheOpen();
    void aTableIsShownBeforeItReplacesTheList();
    void aHostileTableIsShownAndTheListStaysWhole();
};

void MainWindowTablesTest::savedTablesOpenBackAsTheSameList_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("xlsx") << u"一覧.xlsx"_qs;
    QTest::newRow("csv") << u"一覧.csv"_qs;
}

void MainWindowTablesTest::savedTablesOpenBackAsTheSameList()
{
    QFETCH(QString, name);
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.prompts.openAnswer = kSample;
    w.openRecordFile();
    fx.makeUnsavedEdit();
    const RecordSheet edited = w.document().sheet();

    // Saving as a table is an export: the record file and its unsaved edit stay.
    fx.prompts.saveAnswer = fx.path(name);
    QVERIFY(w.saveRecordFile());
    QVERIFY(QFile::exists(fx.path(name)));
    QCOMPARE(w.fileName(), kSample);
    QVERIFY(w.document().isModified());

    WindowFixture other;
    MainWindow& reader = other.show(); // the company box holds the settings' 〇〇〇〇株式会社
    other.prompts.openAnswer = fx.path(name);
    reader.openRecordFile();
    QCOMPARE(other.prompts.importsShown, 1);
    QVERIFY2(other.prompts.errors.isEmpty(), qPrintable(other.prompts.errors.join(u'\n')));
    QVERIFY(other.prompts.notices.isEmpty());
    QVERIFY(reader.document().sheet() == edited);
    QCOMPARE(other.grid()->model()->index(0, ColFrom1).data().toString(), edited.cell(ColFrom1, 1));
    QCOMPARE(other.child<QLineEdit>("companyNameEdit")->text(), u"〇〇〇〇株式会社"_qs);
    QVERIFY(reader.document().isModified());

    // The next save proposes a record file beside the table, never the table.
    QCOMPARE(reader.fileName(), fx.path(u"一覧.kav"_qs));
    other.prompts.saveAnswer = reader.fileName();
    QVERIFY(reader.saveRecordFile());
    QCOMPARE(other.prompts.saveStarts.last(), fx.path(u"一覧.kav"_qs));
    RecordSheet reread;
    QString company;
    RecordFile::load(fx.path(u"一覧.kav"_qs), company, reread);
    QVERIFY(reread == edited);
    QCOMPARE(company, u"〇〇〇〇株式会社"_qs);
    QVERIFY(!reader.document().isModified());
}

void MainWindowTablesTest::aTableIsShownBeforeItReplacesTheList()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.prompts.openAnswer = kSample;
    w.openRecordFile();
    const RecordSheet sample = w.document().sheet();
    const QString table = fx.path(u"一覧.csv"_qs);
    TableFile::writeCsv(table, sample);

    // Declined: the list, its file name and its saved state stay.
    fx.prompts.declineImport = true;
    fx.prompts.openAnswer = table;
    w.openRecordFile();
    QCOMPARE(fx.prompts.importsShown, 1);
    QVERIFY(fx.prompts.errors.isEmpty());
    QVERIFY(w.document().sheet() == sample);
    QCOMPARE(w.fileName(), kSample);
    QVERIFY(!w.document().isModified());

    // Taken under the user's choice of columns: the column left out arrives empty.
    QStringList formatsShown;
    MainWindowPrompts prompts = fx.prompts.prompts();
    prompts.confirmImport = [&](const ImportedTable& shown, const std::optional<CsvTable::TextFormat>& format) {
        formatsShown << (format ? format->encoding + u' ' + format->separator : u"workbook"_qs);
        TableLayout layout = TableRows::detectLayout(shown.rows);
        std::ranges::replace(layout.recordColumnOf, int(ColFrom1), TableLayout::kSkip);
        return std::optional(layout);
    };
    w.setPrompts(prompts);
    w.openRecordFile();
    QCOMPARE(formatsShown, QStringList{u"UTF-8 ,"_qs});
    QCOMPARE(w.fileName(), fx.path(u"一覧.kav"_qs));
    QCOMPARE(w.document().sheet().rowCount(), sample.rowCount());
    QVERIFY(!sample.cell(ColFrom1, 1).isEmpty());
    QVERIFY(w.document().sheet().cell(ColFrom1, 1).isEmpty());
    QCOMPARE(w.document().sheet().cell(ColTo1, 1), sample.cell(ColTo1, 1));
}

void MainWindowTablesTest::readerNotesAreShownAfterTheOpen()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    const QString path = fx.path(u"wide.csv"_qs);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"No.,(自) NAME-1\r\n1,盤A,,,,,,,,,,余分\r\n2,盤B\r\n"_qs.toUtf8());
    file.close();

    fx.prompts.openAnswer = path;
    w.openRecordFile();
    QVERIFY(fx.prompts.errors.isEmpty());
    QCOMPARE(fx.prompts.notices.size(), 1);
    QVERIFY2(fx.prompts.notices.first().contains(u"L 列"_qs), qPrintable(fx.prompts.notices.first()));
    QCOMPARE(w.document().sheet().recordCount, 2);
    QCOMPARE(w.document().sheet().cell(ColFrom1, 2), u"盤B"_qs);
}

void MainWindowTablesTest::aHostileTableIsShownAndTheListStaysWhole()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.prompts.openAnswer = kSample;
    w.openRecordFile();
    fx.child<QLineEdit>("companyNameEdit")->setText(u"未保存の名"_qs);
    TableFile::writeXlsx(fx.path(u"good.xlsx"_qs), sampleSheet());
    QFile good(fx.path(u"good.xlsx"_qs));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray workbook = good.readAll();
    QFile truncated(fx.path(u"truncated.xlsx"_qs));
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    truncated.write(workbook.left(workbook.size() / 2));
    truncated.close();
    const RecordSheet before = w.document().sheet();

    fx.prompts.openAnswer = truncated.fileName();
    w.openRecordFile();
    QCOMPARE(fx.prompts.errors.size(), 1);
    QVERIFY2(fx.prompts.errors.first().startsWith(u"ファイル "_qs + truncated.fileName() + u" は開けません。"_qs),
             qPrintable(fx.prompts.errors.first()));
    QVERIFY(w.document().sheet() == before);
    QCOMPARE(w.document().sheet().recordCount, sampleSheet().recordCount);
    QCOMPARE(fx.child<QLineEdit>("companyNameEdit")->text(), u"未保存の名"_qs);
    QCOMPARE(w.fileName(), kSample);
    QVERIFY(w.document().isModified());
}

int runMainWindowTableTests(int argc, char** argv)
{
    MainWindowTablesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTablesTest.moc"
