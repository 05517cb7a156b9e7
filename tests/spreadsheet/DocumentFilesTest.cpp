#include "../TestFiles.h"
#include "SpreadsheetTestSupport.h"

#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/TableFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

// A document holding a saved record file of three records, then an unsaved
// company name: every part of its state is one a failed open must keep.
struct SavedDocument {
    QTemporaryDir dir;
    RecordDocument document;

    QString path(const char16_t* name) const { return dir.filePath(q(name)); }

    SavedDocument()
    {
        RecordFile::save(path(u"list.kav"), q(u"甲電設"),
                         recordsOf({{q(u"1"), q(u"盤A")}, {q(u"2"), q(u"盤B")}, {q(u"3"), q(u"盤C")}}));
        document.open(path(u"list.kav"));
        document.setCompanyName(q(u"未保存の名"));
    }
};

TEST(DocumentFilesTest, ContentDecidesTheKindBeforeTheName)
{
    QTemporaryDir dir;
    const QByteArray recordFile = "甲電設\r\n1\r\n2\r\nNo.,(自) NAME-1\r\n1,盤A\r\n";
    const QByteArray csv = "No.,(自) NAME-1\r\n1,盤A\r\n";
    struct Case {
        const char* name;
        QByteArray content;
        bool table;
    };
    const Case cases[] = {
        {"list.kav", recordFile, false},
        {"list.txt", recordFile, false},
        {"renamed.csv", recordFile, false},
        {"numbers.csv", "No.\r\n1\r\n2\r\n3\r\n", true},
        {"list", recordFile, false},
        {"list.CSV", csv, true},
        {"list.txt", csv, true},
        {"list.kav", csv, false}, // a .kav name keeps the record file's own messages
        {"book.kav", QByteArray("PK\x03\x04", 4) + "rest", true},
        {"book", QByteArray::fromHex("D0CF11E0A1B11AE1") + "rest", true},
        {"empty.dat", QByteArray(), true},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        writeFile(path, c.content);
        EXPECT_EQ(DocumentFiles::isTableFile(path), c.table) << c.name << ": " << c.content.left(12).toStdString();
    }
    // Unreadable: left to the record file's load, which says why.
    EXPECT_FALSE(DocumentFiles::isTableFile(dir.filePath(q(u"missing.csv"))));
}

TEST(DocumentFilesTest, TheSelectedTypeAddsItsExtension)
{
    const QString xlsx = QString::fromUtf16(TableFile::kXlsxFilter);
    const QString csv = QString::fromUtf16(TableFile::kCsvFilter);
    struct Case {
        QString path;
        QString filter;
        QString expected;
    };
    const Case cases[] = {
        {q(u"/d/一覧"), xlsx, q(u"/d/一覧.xlsx")},
        {q(u"/d/一覧.XLSX"), xlsx, q(u"/d/一覧.XLSX")},
        {q(u"/d/一覧"), csv, q(u"/d/一覧.csv")},
        {q(u"/d/一覧.csv"), csv, q(u"/d/一覧.csv")},
        {q(u"/d/一覧"), q(u"記録ファイル (*.kav)"), q(u"/d/一覧")}, // the save adds .kav
        {q(u"/d/一覧.csv"), q(u"記録ファイル (*.kav)"), q(u"/d/一覧.csv")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentFiles::withFilterSuffix(c.path, c.filter), c.expected) << c.path.toStdString();

    // Every type the save dialog offers is one the open dialog reads back,
    // and its default type shows them all.
    const QStringList openTypes = DocumentFiles::openFilters().split(q(u";;"));
    EXPECT_EQ(openTypes.front(), q(u"読み込めるファイル (*.kav *.xlsx *.csv)"));
    EXPECT_EQ(openTypes.back(), q(u"すべてのファイル (*)"));
    for (const QString& filter : DocumentFiles::saveFilters().split(q(u";;"))) {
        EXPECT_TRUE(openTypes.contains(filter)) << filter.toStdString();
        const QString pattern = filter.section(u'(', 1).chopped(1);
        EXPECT_TRUE(openTypes.front().contains(pattern)) << pattern.toStdString();
    }
}

TEST(DocumentFilesTest, SavedTablesOpenAsTheSameSheetAndLeaveTheDocumentAlone)
{
    for (const char16_t* name : {u"out.xlsx", u"out.csv"}) {
        SavedDocument saved;
        const RecordSheet sheet = saved.document.sheet();
        DocumentFiles::save(saved.document, saved.path(name));

        // An export: the record file stays the document's file, the change unsaved.
        EXPECT_EQ(saved.document.fileName(), saved.path(u"list.kav"));
        EXPECT_TRUE(saved.document.isModified());

        RecordDocument reopened;
        reopened.setCompanyName(q(u"乙電設"));
        EXPECT_TRUE(DocumentFiles::open(reopened, saved.path(name)).isEmpty());
        EXPECT_TRUE(reopened.sheet() == sheet) << QString::fromUtf16(name).toStdString();
        EXPECT_EQ(reopened.companyName(), q(u"乙電設"));
        EXPECT_EQ(reopened.fileName(), saved.path(u"out.kav"));
    }
}

TEST(DocumentFilesTest, ARecordFileStillOpensAndSaves)
{
    SavedDocument saved;
    DocumentFiles::save(saved.document, saved.path(u"copy"));
    EXPECT_FALSE(saved.document.isModified());
    EXPECT_EQ(saved.document.fileName(), saved.path(u"copy"));

    RecordDocument reopened;
    DocumentFiles::open(reopened, saved.path(u"copy.kav"));
    EXPECT_EQ(reopened.companyName(), q(u"未保存の名"));
    EXPECT_TRUE(reopened.sheet() == saved.document.sheet());
}

TEST(DocumentFilesTest, AHostileTableIsRefusedAndTheDocumentStaysWhole)
{
    SavedDocument valid;
    DocumentFiles::save(valid.document, valid.path(u"good.xlsx"));
    const QByteArray workbook = readFile(valid.path(u"good.xlsx"));
    ASSERT_GT(workbook.size(), 200);

    struct Case {
        const char16_t* name;
        QByteArray content;
    };
    const Case cases[] = {
        {u"truncated.xlsx", workbook.left(workbook.size() / 2)},
        {u"zip only.xlsx", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')},
        {u"encrypted.xlsx", QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0')},
        {u"binary.csv", QByteArray::fromHex("00FF00FE0001")},
    };
    for (const Case& c : cases) {
        SavedDocument saved;
        const QString bad = saved.path(c.name);
        writeFile(bad, c.content);
        const RecordSheet before = saved.document.sheet();
        QString message;
        try {
            DocumentFiles::open(saved.document, bad);
        } catch (const Failure& failure) {
            message = failure.message();
        }
        const std::string name = QString::fromUtf16(c.name).toStdString();
        EXPECT_TRUE(message.contains(bad)) << name << ": " << message.toStdString();
        EXPECT_TRUE(saved.document.sheet() == before) << name;
        EXPECT_EQ(saved.document.sheet().recordCount, 3) << name;
        EXPECT_EQ(saved.document.companyName(), q(u"未保存の名")) << name;
        EXPECT_EQ(saved.document.fileName(), saved.path(u"list.kav")) << name;
        EXPECT_TRUE(saved.document.isModified()) << name;
    }
}

} // namespace
