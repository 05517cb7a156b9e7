#include "../TestFiles.h"
#include "TestSupport.h"
#include "../DocumentEdits.h"
#include "sheet/CsvTable.h"
#include "sheet/Failure.h"
#include "sheet/RecordDocument.h"
#include "sheet/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>

namespace {

// A saved list of three records, numbered out of order in rows 1..3.
struct SavedList {
    QTemporaryDir dir;
    RecordDocument document;

    QString path(const QString& name) const { return dir.filePath(name); }

    SavedList()
    {
        RecordSheet sheet;
        sheet.editRow(1) = Record{u"2"_qs, u"盤B"_qs};
        sheet.editRow(2) = Record{u"1"_qs, u"盤A"_qs};
        sheet.editRow(3) = Record{u"3"_qs, u"盤C"_qs};
        sheet.recordCount = 3;
        RecordFile::save(path(u"list.kav"_qs), u"甲電設"_qs, sheet);
        document.open(path(u"list.kav"_qs));
    }
};

TEST(RecordDocument, ModifiedIsDecidedByContent)
{
    using Edit = std::function<void(RecordDocument&)>;
    const auto yes = [](const QString&) { return true; };
    const auto no = [](const QString&) { return false; };
    struct Case {
        const char* name;
        Edit edit;
        bool modified;
    };
    const Case cases[] = {
        {"sort that reorders", [](RecordDocument& d) { d.sortRecords(); }, true},
        {"renumber that renumbers", [](RecordDocument& d) { d.renumberRecords(); }, true},
        {"sort then renumber of an already ordered list",
         [](RecordDocument& d) {
             d.sortRecords();
             d.renumberRecords();
             d.save(d.fileName());
             d.sortRecords();
             d.renumberRecords();
         },
         false},
        {"paste", [](RecordDocument& d) { d.pasteText(4, u"4\t盤D\r\n"); }, true},
        {"paste of nothing", [](RecordDocument& d) { d.pasteText(4, u""); }, false},
        {"paste of the same texts", [](RecordDocument& d) { d.pasteText(1, u"2\t盤B\r\n"); }, false},
        {"confirmed row delete", [yes](RecordDocument& d) { d.deleteRow(2, yes); }, true},
        {"declined row delete", [no](RecordDocument& d) { d.deleteRow(2, no); }, false},
        {"range delete", [](RecordDocument& d) { int up = 3; d.deleteRows(2, up, {}); }, true},
        {"declined one-row delete still renumbers",
         [no](RecordDocument& d) { int up = 2; d.deleteRows(2, up, no); }, true},
        {"delete from the header row", [](RecordDocument& d) { int up = 0; d.deleteRows(2, up, {}); }, false},
        {"delete all", [](RecordDocument& d) { d.deleteAllRecords(); }, true},
        {"company name", [](RecordDocument& d) { d.setCompanyName(u"乙電設"_qs); }, true},
        {"company name set back",
         [](RecordDocument& d) {
             d.setCompanyName(u"乙電設"_qs);
             d.setCompanyName(u"甲電設"_qs);
         },
         false},
        {"cell edited and edited back",
         [](RecordDocument& d) {
             editList(d, [](RecordSheet& s) { s.setCell(ColPurpose, 2, u"動力"_qs); });
             editList(d, [](RecordSheet& s) { s.setCell(ColPurpose, 2, QString()); });
         },
         false},
        {"record count alone", [](RecordDocument& d) { editList(d, [](RecordSheet& s) { s.recordCount = 4; }); },
         true},
        {"an empty row added", [](RecordDocument& d) { editList(d, [](RecordSheet& s) { s.setRowCount(101); }); },
         true},
        {"edit then save", [](RecordDocument& d) {
             d.sortRecords();
             d.save(d.fileName());
         },
         false},
    };
    for (const Case& c : cases) {
        SavedList list;
        ASSERT_FALSE(list.document.isModified()) << c.name;
        QSignalSpy flips(&list.document, &RecordDocument::modifiedChanged);
        c.edit(list.document);
        EXPECT_EQ(list.document.isModified(), c.modified) << c.name;
        // The signal reports every flip, so a view of the flag never goes stale.
        if (!flips.isEmpty())
            EXPECT_EQ(flips.last().at(0).toBool(), c.modified) << c.name;
        else
            EXPECT_FALSE(c.modified) << c.name;
    }
}

TEST(RecordDocument, EveryEditTellsTheViews)
{
    SavedList list;
    QSignalSpy changed(&list.document, &RecordDocument::changed);
    list.document.sortRecords();
    list.document.renumberRecords();
    EXPECT_THROW(list.document.pasteText(kMaxRowCount - 1, u"a\r\nb\r\n"), Failure);
    EXPECT_EQ(changed.size(), 3);
}

TEST(RecordDocument, AFailedOpenLeavesTheDocumentWhole)
{
    struct Case {
        const char* name;
        QByteArray content; // written to bad.kav; "folder": bad.kav is a folder
    };
    const Case cases[] = {
        {"PNG picture", QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010806000000")},
        {"folder", "folder"},
        {"truncated record file", "乙電設\r\n2\r\n5\r\nNo.,a\r\n1,受電盤\r\n"},
        {"row count not a number", "乙電設\r\n2\r\nabc\r\n"},
    };
    for (const Case& c : cases) {
        SavedList list;
        list.document.setCompanyName(u"未保存の名"_qs); // unsaved state must survive too
        const QString bad = list.path(u"bad.kav"_qs);
        if (c.content == "folder")
            ASSERT_TRUE(QDir().mkpath(bad));
        else
            writeFile(bad, c.content);
        const RecordSheet sheetBefore = list.document.sheet();
        const QString fileBefore = list.document.fileName();
        QSignalSpy changed(&list.document, &RecordDocument::changed);

        EXPECT_THROW(list.document.open(bad), Failure) << c.name;
        EXPECT_TRUE(list.document.sheet() == sheetBefore) << c.name;
        EXPECT_EQ(list.document.sheet().recordCount, 3) << c.name;
        EXPECT_EQ(list.document.companyName(), u"未保存の名"_qs) << c.name;
        EXPECT_EQ(list.document.fileName(), fileBefore) << c.name;
        EXPECT_TRUE(list.document.isModified()) << c.name;
        EXPECT_TRUE(changed.isEmpty()) << c.name;
    }
}

TEST(RecordDocument, AnImportedTableBecomesAnUnsavedListBesideItsSource)
{
    SavedList list;
    const ImportedTable table{{RecordSheet::headerTexts(), Record{u"7"_qs, u"盤Z"_qs}, Record{u"5"_qs, u"盤Y"_qs}},
                              {u"注意"_qs}};
    QSignalSpy changed(&list.document, &RecordDocument::changed);

    const QStringList notes = list.document.importTable(table, list.path(u"一覧.2024.xlsx"_qs));

    // The table's own note first, then the one on the file's numbers.
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0], u"注意"_qs);
    const RecordSheet& sheet = list.document.sheet();
    // In the file's order, numbered 1..n.
    EXPECT_EQ(sheet.recordCount, 2);
    EXPECT_EQ(sheet.cell(ColFrom1, 1), u"盤Z"_qs);
    EXPECT_EQ(sheet.cell(ColNumber, 1), u"1"_qs);
    EXPECT_EQ(sheet.cell(ColFrom1, 2), u"盤Y"_qs);
    EXPECT_TRUE(sheet.cell(ColFrom1, 3).isEmpty());
    EXPECT_EQ(list.document.companyName(), u"甲電設"_qs);
    EXPECT_EQ(list.document.fileName(), list.path(u"一覧.2024.kav"_qs));
    EXPECT_TRUE(list.document.isModified());
    EXPECT_FALSE(changed.isEmpty());

    // The empty list is the baseline: taking the records out again leaves nothing to save.
    list.document.deleteAllRecords();
    EXPECT_FALSE(list.document.isModified());
}

TEST(RecordDocument, AMultiLineCsvCellImportsAsOneLineAndTheListSavesAndReadsBack)
{
    SavedList list;
    const QString csvPath = list.path(u"一覧.csv"_qs);
    const QByteArray csv = "No.,(自) NAME-1,用途\r\n1,\"盤A\r\n1階\",電灯\r\n2,盤B,\"動力\n予備\"\r\n";
    const QStringList notes = list.document.importTable(CsvTable::parse(csv, csvPath), csvPath);
    EXPECT_EQ(list.document.sheet().cell(ColFrom1, 1), u"盤A 1階"_qs);
    EXPECT_EQ(list.document.sheet().cell(ColPurpose, 2), u"動力 予備"_qs);
    EXPECT_TRUE(notes.contains(u"改行を含むセル 2 か所は、改行を空白にしました（No.1 の (自) NAME-1、No.2 の 用途）。"_qs))
        << notes.join(u'\n').toStdString();

    list.document.save(list.document.fileName());
    RecordDocument reopened;
    reopened.open(list.path(u"一覧.kav"_qs));
    EXPECT_TRUE(reopened.sheet() == list.document.sheet());
}

TEST(RecordDocument, AnImportThatDoesNotFitLeavesTheDocumentWhole)
{
    SavedList list;
    list.document.setCompanyName(u"未保存の名"_qs);
    const RecordSheet sheetBefore = list.document.sheet();
    const QString fileBefore = list.document.fileName();
    ImportedTable tooLong;
    tooLong.rows.resize(kMaxRowCount, Record{u"1"_qs, u"盤"_qs});

    EXPECT_THROW(list.document.importTable(tooLong, list.path(u"long.csv"_qs)), Failure);
    EXPECT_TRUE(list.document.sheet() == sheetBefore);
    EXPECT_EQ(list.document.companyName(), u"未保存の名"_qs);
    EXPECT_EQ(list.document.fileName(), fileBefore);
    EXPECT_TRUE(list.document.isModified());
}

TEST(RecordDocument, FromFilesTakesTheSettingsCompanyUnlessTheRecordFileHasOne)
{
    SavedList list;
    Settings settings = Settings::defaults();
    settings.lines[0] = u"設定の会社"_qs;
    SettingsFile::save(list.path(u"kiroku.ggs"_qs), settings);

    const auto withoutRecords = RecordDocument::fromFiles({}, list.path(u"kiroku.ggs"_qs));
    EXPECT_EQ(withoutRecords->companyName(), u"設定の会社"_qs);
    EXPECT_EQ(withoutRecords->sheet().recordCount, 0);
    EXPECT_FALSE(withoutRecords->isModified());

    const auto withRecords = RecordDocument::fromFiles(list.path(u"list.kav"_qs), list.path(u"missing.ggs"_qs));
    EXPECT_EQ(withRecords->companyName(), u"甲電設"_qs);
    EXPECT_EQ(withRecords->settings().lines, Settings::defaults().lines);
    EXPECT_TRUE(withRecords->sheet() == list.document.sheet());

    EXPECT_THROW(RecordDocument::fromFiles(list.path(u"missing.kav"_qs), {}), Failure);
}

TEST(RecordDocument, SaveSettingsWritesTheCompanyNameAndTheCaptionsForTheNextStart)
{
    SavedList list;
    const QString path = list.path(u"kiroku.ggs"_qs);
    for (int i = 0; i < 6; ++i)
        list.document.setCaptionForNextStart(i, QString::number(i + 1));
    list.document.saveSettings(path);
    Settings written{};
    ASSERT_TRUE(SettingsFile::load(path, written));
    EXPECT_EQ(written.lines[0], u"甲電設"_qs);
    EXPECT_EQ(written.lines[6], u"6"_qs);
    // The captions in memory are not the ones written: they come from the settings file only.
    EXPECT_EQ(list.document.settings().lines[6], Settings::defaults().lines[6]);
}

} // namespace
