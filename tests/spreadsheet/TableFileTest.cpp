#include "../TestFiles.h"
#include "SpreadsheetTestSupport.h"
#include "XlsxReadBack.h"

#include "../sheet/TableCells.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "sheet/EraDate.h"
#include "spreadsheet/TableFile.h"
#include "spreadsheet/TemplateSheet.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/XlsxWriter.h"
#include "spreadsheet/ZipParts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <QTemporaryDir>

#include <zip.h>

#include <functional>


#include <utility>
#include <vector>

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

using Parts = std::vector<std::pair<QString, QByteArray>>;

void writeZip(const QString& path, const Parts& parts)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : parts) {
        ASSERT_EQ(zipOpenNewFileInZip64(zip, name.toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, bytes.constData(), static_cast<unsigned>(bytes.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

// Runs a tool to its end; its output is shown when it fails.
void run(const QString& program, const QStringList& arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForStarted()) << program.toStdString();
    ASSERT_TRUE(process.waitForFinished(timeoutMs)) << program.toStdString();
    ASSERT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
}

// LibreOffice converts a file to .xlsx in dir, with a scratch profile of its own.
QString convertWithLibreOffice(const QTemporaryDir& dir, const QString& input, const QStringList& extra = {})
{
    const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("lo-profile"))).toString();
    QStringList arguments{QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless")};
    arguments << extra << QStringLiteral("--convert-to") << QStringLiteral("xlsx") << QStringLiteral("--outdir")
              << dir.filePath(QStringLiteral("lo-out")) << input;
    run(QStringLiteral("soffice"), arguments);
    return dir.filePath(QStringLiteral("lo-out/") + QFileInfo(input).completeBaseName() + QStringLiteral(".xlsx"));
}

// Every kind of cell a workbook holds, written by hand as the format allows:
// the sheet to read is the second one, found by its name.
Parts handMadeWorkbook()
{
    const QByteArray main = R"(xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";
    const QByteArray rels = R"(xmlns="http://schemas.openxmlformats.org/package/2006/relationships")";
    const QByteArray relType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    return {
        {q(u"_rels/.rels"), "<Relationships " + rels + "><Relationship Id=\"rId1\" Type=\"" + relType
                                + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {q(u"xl/workbook.xml"),
         "<workbook " + main + R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
             + "<sheets><sheet name=\"メモ\" sheetId=\"1\" r:id=\"rId1\"/>"
             + QString(q(u"<sheet name=\"ｹｰﾌﾞﾙ一覧表\" sheetId=\"2\" r:id=\"rId2\"/>")).toUtf8() + "</sheets></workbook>"},
        {q(u"xl/_rels/workbook.xml.rels"),
         "<Relationships " + rels + ">" + "<Relationship Id=\"rId1\" Type=\"" + relType
             + "worksheet\" Target=\"worksheets/sheet1.xml\"/>" + "<Relationship Id=\"rId2\" Type=\"" + relType
             + "worksheet\" Target=\"/xl/worksheets/sheet2.xml\"/>" + "<Relationship Id=\"rId3\" Type=\"" + relType
             + "sharedStrings\" Target=\"sharedStrings.xml\"/>" + "<Relationship Id=\"rId4\" Type=\"" + relType
             + "styles\" Target=\"styles.xml\"/></Relationships>"},
        {q(u"xl/sharedStrings.xml"),
         QString(q(u"<sst ") + QString::fromUtf8(main)
                 + q(u"><si><t>No.</t></si>"
                     u"<si><r><t>ｹｰﾌﾞﾙ</t></r><r><rPr><b/></rPr><t>種類</t></r>"
                     u"<rPh sb=\"0\" eb=\"2\"><t>シュルイ</t></rPh><phoneticPr fontId=\"1\"/></si>"
                     u"<si><t>行1_x000D_\n行2</t></si><si><t>結合</t></si></sst>"))
             .toUtf8()},
        {q(u"xl/styles.xml"),
         "<styleSheet " + main + "><numFmts count=\"2\">"
             + QString(q(u"<numFmt numFmtId=\"176\" formatCode=\"[$-411]ggge&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"))
                   .toUtf8()
             + "<numFmt numFmtId=\"177\" formatCode=\"#,##0\"/></numFmts>"
             + "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
             + "<cellXfs count=\"4\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"176\"/><xf numFmtId=\"177\"/></cellXfs>"
             + "</styleSheet>"},
        {q(u"xl/worksheets/sheet1.xml"),
         "<worksheet " + main + "><sheetData><row r=\"1\"><c r=\"A1\"><v>99</v></c></row></sheetData></worksheet>"},
        {q(u"xl/worksheets/sheet2.xml"),
         QString(q(u"<worksheet ") + QString::fromUtf8(main) + q(u"><sheetData>"
             u"<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
             u"<row r=\"2\"><c r=\"A2\"><v>1</v></c>"
             u"<c r=\"B2\" t=\"inlineStr\"><is><r><t>電灯</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">分電盤 </t></r></is></c>"
             u"<c r=\"D2\" t=\"str\"><f>\"L-\"&amp;1</f><v>L-1</v></c>"
             u"<c r=\"E2\" s=\"1\"><v>46366</v></c><c r=\"F2\" s=\"2\"><v>46366</v></c><c r=\"G2\" s=\"3\"><v>1500</v></c></row>"
             u"<row r=\"4\"><c t=\"b\"><v>1</v></c><c t=\"e\"><v>#DIV/0!</v></c><c><v>0.30000000000000004</v></c>"
             u"<c t=\"s\"><v>2</v></c><c r=\"K4\"><f>1+1</f></c><c r=\"L4\"><v>12</v></c></row>"
             u"<row r=\"5\"><c r=\"B5\" t=\"s\"><v>3</v></c><c r=\"C5\" t=\"s\"><v>0</v></c></row>"
             u"<row r=\"7\" spans=\"1:11\"><c r=\"A7\" s=\"1\"/></row>"
             u"</sheetData><mergeCells count=\"1\"><mergeCell ref=\"B5:C6\"/></mergeCells></worksheet>"))
             .toUtf8()},
    };
}

TEST(TableFileTest, ReadsEveryKindOfCellOfAHandMadeWorkbook)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(q(u"hand.xlsx"));
    writeZip(path, handMadeWorkbook());

    const ImportedTable table = TableFile::read(path);
    const TableCells expected = {
        {u"No.", u"ｹｰﾌﾞﾙ種類"},                                  // rich text joined, phonetic guide left out
        {u"1", u"電灯分電盤 ", u"", u"L-1", u"令和8年12月10日", u"令和8年12月10日", u"1500"},
        {},                                                       // a row the file leaves out
        {u"TRUE", u"#DIV/0!", u"0.30000000000000004", u"行1\r\n行2"}, // cells without addresses
        {u"", u"結合"},                                           // the covered C5 shows nothing
    };
    EXPECT_EQ(cellsOf(table), expected);
    ASSERT_EQ(table.notes.size(), 3) << table.notes.join(u'|').toStdString();
    EXPECT_TRUE(table.notes[0].contains(q(u"2 枚のシートのうち「ｹｰﾌﾞﾙ一覧表」"))) << table.notes[0].toStdString();
    EXPECT_TRUE(table.notes[1].contains(q(u"L 列"))) << table.notes[1].toStdString();
    EXPECT_TRUE(table.notes[2].contains(q(u"1 個: K4"))) << table.notes[2].toStdString(); // a formula without its value
}

// Written by Python's openpyxl: a date, numbers, a gap in a row, a merged
// range, a formula it cannot compute (no value), after a sheet to pass over.
const char kOpenpyxlScript[] = R"(
import sys, datetime, openpyxl
book = openpyxl.Workbook()
book.active.title = "other"
book.active["A1"] = "not this sheet"
sheet = book.create_sheet("ｹｰﾌﾞﾙ一覧表")
sheet.append(["No.", "(自) NAME-1", "(自) NAME-2"])
sheet.append([1, "キュービクル", None, "電灯分電盤 ", 1.5, 0.1, datetime.datetime(2026, 12, 10)])
sheet.append([2, "merged", "covered", "=1+2", True, 1000000, "001"])
sheet["I2"] = datetime.date(2019, 5, 1)
sheet["I2"].number_format = "yyyy/m/d"
sheet.merge_cells("B3:C3")
book.save(sys.argv[1])
)";

TEST(TableFileTest, ReadsAWorkbookWrittenByOpenpyxl)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(q(u"make.py"));
    const QString path = dir.filePath(q(u"openpyxl.xlsx"));
    writeFile(script, kOpenpyxlScript);
    run(q(u"/usr/bin/python3"), {script, path});

    const TableCells expected = {
        {u"No.", u"(自) NAME-1", u"(自) NAME-2"},
        {u"1", u"キュービクル", u"", u"電灯分電盤 ", u"1.5", u"0.1", u"令和8年12月10日", u"", u"令和1年5月1日"},
        {u"2", u"merged", u"", u"", u"TRUE", u"1000000", u"001"},
    };
    EXPECT_EQ(cellsOf(TableFile::read(path)), expected);
}

TEST(TableFileTest, ReadsWorkbooksWrittenByLibreOffice)
{
    QTemporaryDir dir;
    // From a .csv: numbers, a date, a gap in a row and a text kept as text.
    const QString csv = dir.filePath(q(u"fromcsv.csv"));
    writeFile(csv, q(u"No.,(自) NAME-1\n1,電灯,,1.5,0.1,2026-12-10,\"a,b\"\n\n3,動力\n").toUtf8());
    const QString fromCsv = convertWithLibreOffice(dir, csv, {q(u"--infilter=CSV:44,34,76,1")});
    const TableCells csvExpected = {
        {u"No.", u"(自) NAME-1"},
        {u"1", u"電灯", u"", u"1.5", u"0.1", u"令和8年12月10日", u"a,b"},
        {},
        {u"3", u"動力"},
    };
    EXPECT_EQ(cellsOf(TableFile::read(fromCsv)), csvExpected);

    // From a flat .ods: rich text, a merged range, a date and a computed formula.
    const QString fods = dir.filePath(q(u"fromods.fods"));
    writeFile(fods, q(uR"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <style:style style:name="T1" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
  <number:date-style style:name="N1"><number:year number:style="long"/><number:text>/</number:text><number:month/><number:text>/</number:text><number:day/></number:date-style>
  <number:boolean-style style:name="N2"><number:boolean/></number:boolean-style>
  <style:style style:name="ce1" style:family="table-cell" style:data-style-name="N1"/>
  <style:style style:name="ce2" style:family="table-cell" style:data-style-name="N2"/>
 </office:automatic-styles>
 <office:body><office:spreadsheet><table:table table:name="ｹｰﾌﾞﾙ一覧表">
  <table:table-row><table:table-cell office:value-type="string"><text:p>No.</text:p></table:table-cell></table:table-row>
  <table:table-row>
   <table:table-cell office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>
   <table:table-cell office:value-type="string"><text:p>電灯<text:span text:style-name="T1">分電盤</text:span></text:p></table:table-cell>
   <table:table-cell/>
   <table:table-cell table:formula="of:=2*3" office:value-type="float" office:value="6"><text:p>6</text:p></table:table-cell>
   <table:table-cell table:style-name="ce1" office:value-type="date" office:date-value="2026-12-10"><text:p>2026-12-10</text:p></table:table-cell>
  </table:table-row>
  <table:table-row>
   <table:table-cell office:value-type="float" office:value="2"><text:p>2</text:p></table:table-cell>
   <table:table-cell table:number-columns-spanned="2" office:value-type="string"><text:p>結合</text:p></table:table-cell>
   <table:covered-table-cell/>
   <table:table-cell table:style-name="ce2" office:value-type="boolean" office:boolean-value="false"><text:p>FALSE</text:p></table:table-cell>
  </table:table-row>
 </table:table></office:spreadsheet></office:body></office:document>
)").toUtf8());
    const QString fromOds = convertWithLibreOffice(dir, fods);
    const TableCells odsExpected = {
        {u"No."},
        {u"1", u"電灯分電盤", u"", u"6", u"令和8年12月10日"},
        {u"2", u"結合", u"", u"FALSE"},
    };
    EXPECT_EQ(cellsOf(TableFile::read(fromOds)), odsExpected);
}

// The sheet's records as rows of texts without their trailing empty cells.
TableCells recordsOf(const RecordSheet& sheet)
{
    std::vector<Record> rows;
    for (int r = 1; r <= sheet.recordCount; ++r)
        rows.push_back(sheet.row(r));
    return cellsOf(ImportedTable{rows, {}, {}});
}

// Our entry sheet template as the program writes it, filled in by openpyxl
// the way a user fills it in a spreadsheet application.
const char kFillEntrySheetScript[] = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book["ｹｰﾌﾞﾙ一覧表"]
sheet["B2"] = "キュービクル"
sheet["D2"] = "電灯分電盤"
sheet["G2"] = "CV 14sq-3C"
sheet["B3"] = "動力盤"
sheet["F3"] = "001"
book.save(sys.argv[2])
)";

TEST(TableFileTest, OurEntrySheetReadsBackAsExactlyItsFilledRows)
{
    QTemporaryDir dir;
    const QString blank = dir.filePath(q(u"template.xlsx"));
    Workbook workbook;
    const EraDate today = EraDate::forDate(QDate(2026, 12, 10));
    TemplateSheet::build(workbook, q(u"甲電設"), today, [] {});
    XlsxWriter::write(workbook, blank);

    RecordSheet sheet;
    TableFile::open(blank, sheet);
    EXPECT_EQ(sheet.recordCount, 0) << "numbers, defaults and notes alone are no records";

    const QString script = dir.filePath(q(u"fill.py"));
    const QString filled = dir.filePath(q(u"filled.xlsx"));
    writeFile(script, kFillEntrySheetScript);
    run(q(u"/usr/bin/python3"), {script, blank, filled});
    const QStringList notes = TableFile::open(filled, sheet);
    EXPECT_EQ(recordsOf(sheet), (TableCells{{u"1", u"キュービクル", u"", u"電灯分電盤", u"", u"", u"CV 14sq-3C", u"",
                                             u"令和8年12月10日", u"甲電設", u"令和8年"},
                                            {u"2", u"動力盤", u"", u"", u"", u"001"}}));
    ASSERT_EQ(notes.size(), 1) << notes.join(u'|').toStdString();
    EXPECT_TRUE(notes[0].contains(q(u"「ｹｰﾌﾞﾙ一覧表」を読みました"))) << notes[0].toStdString();
}

// Lists as users send them, written by openpyxl: a hidden first sheet, the
// list on the sheet the workbook was left on, a title above headings in
// other spellings and order, rows without numbers and a formula a script
// wrote without its value.
const char kUsersWorkbookScript[] = R"(
import sys, openpyxl
book = openpyxl.Workbook()
book.active.title = "old"
book.active["A1"] = "hidden sheet"
book.active.sheet_state = "hidden"
sheet = book.create_sheet("一覧")
sheet.append(["ケーブル一覧 2026年度"])
sheet.append([])
sheet.append([None, "ｹｰﾌﾞﾙ種類", "行き先", "番号", "自", "用途"])
sheet.append([None, "CV 14sq-3C", "電灯分電盤", 1, "キュービクル", "電灯"])
sheet.append([None, "VVF 2.0-2C", "動力盤", None, "キュービクル", "=A1&\"x\""])
sheet.append([None, "IV 5.5sq", "照明盤", None, "=B4"])
book.create_sheet("memo")["A1"] = "not this one"
book.active = 1
book.save(sys.argv[1])
)";

TEST(TableFileTest, AUsersWorkbookIsReadFromItsActiveSheetByItsHeadings)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(q(u"make.py"));
    const QString path = dir.filePath(q(u"users.xlsx"));
    writeFile(script, kUsersWorkbookScript);
    run(q(u"/usr/bin/python3"), {script, path});

    RecordSheet sheet;
    const QStringList notes = TableFile::open(path, sheet);
    EXPECT_EQ(recordsOf(sheet), (TableCells{{u"1", u"キュービクル", u"", u"電灯分電盤", u"", u"", u"CV 14sq-3C", u"電灯"},
                                            {u"2", u"キュービクル", u"", u"動力盤", u"", u"", u"VVF 2.0-2C"},
                                            {u"3", u"", u"", u"照明盤", u"", u"", u"IV 5.5sq"}}));
    const QString all = notes.join(u'|');
    EXPECT_TRUE(all.contains(q(u"3 枚のシートのうち「一覧」"))) << all.toStdString();
    EXPECT_TRUE(all.contains(q(u"2 個: F5、E6"))) << all.toStdString();
    EXPECT_TRUE(all.contains(q(u"見出しの行より上の 1 行"))) << all.toStdString();
}

TEST(TableFileTest, AnExportedCsvRunsNoFormulaInLibreOfficeAndReadsBackTheSame)
{
    const std::vector<QString> texts = {q(u"=HYPERLINK(\"http://example.com\",\"x\")"), q(u"=cmd|' /C calc'!A0"), q(u"+1+2"),
                                        q(u"-3+4"), q(u"@SUM(1,2)"), q(u"'=1+1"), q(u"a;=1+1"), q(u"a\t=1+1"),
                                        q(u"a,=1+1")};
    RecordSheet sheet;
    for (size_t i = 0; i < texts.size(); ++i) {
        sheet.editRow(int(i) + 1) = Record{QString::number(i + 1), texts[i], q(u"盤")};
    }
    sheet.recordCount = int(texts.size());
    QTemporaryDir dir;
    const QString csv = dir.filePath(q(u"export.csv"));
    TableFile::write(csv, sheet);

    RecordSheet readBack;
    EXPECT_TRUE(TableFile::open(csv, readBack).isEmpty());
    EXPECT_EQ(readBack, sheet);

    // The file's commas, and semicolons or tabs besides, as a user may tick
    // them in LibreOffice's text import.
    for (const char16_t* separators : {u"44", u"44/59", u"44/9"}) {
        SCOPED_TRACE(QString::fromUtf16(separators).toStdString());
        const QString converted = convertWithLibreOffice(
            dir, csv, {u"--infilter=CSV:"_qs + QString::fromUtf16(separators) + u",34,76,1"_qs});
        ZipParts zip(converted);
        const std::optional<QByteArray> sheetXml = zip.read(q(u"xl/worksheets/sheet1.xml"));
        ASSERT_TRUE(sheetXml.has_value());
        EXPECT_FALSE(sheetXml->contains("<f>") || sheetXml->contains("<f ")) << sheetXml->toStdString();
        const ImportedTable shown = TableFile::read(converted);
        ASSERT_EQ(shown.rows.size(), texts.size() + 1);
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(shown.rows[i + 1][ColFrom1].endsWith(texts[i])) << shown.rows[i + 1][ColFrom1].toStdString();
            EXPECT_EQ(shown.rows[i + 1][ColFrom2], q(u"盤"));
        }
    }
}

RecordSheet sampleSheet()
{
    QString company;
    RecordSheet sheet;
    RecordFile::load(QStringLiteral(TAGRIO_TEST_DATA "/../../samples/sample.kav"), company, sheet);
    return sheet;
}

RecordSheet largeSheet(int records)
{
    RecordSheet sheet;
    sheet.setRowCount(records + 1);
    for (int r = 1; r <= records; ++r) {
        Record& row = sheet.editRow(r);
        row[ColNumber] = QString::number(r);
        row[ColFrom1] = QStringLiteral("%1F 電灯分電盤 ").arg(r % 9 + 1);
        row[ColTo1] = QStringLiteral("L-%1").arg(r);
        row[ColCircuit] = QStringLiteral("%1").arg(r % 40, 3, 10, QChar(u'0')); // "007" stays text
        row[ColCableType] = QStringLiteral("CV 14sq-3C");
        row[ColConstructionDate] = QStringLiteral("令和8年12月10日");
        row[ColManufactureYear] = QStringLiteral("令和8年");
    }
    sheet.recordCount = records;
    return sheet;
}

TEST(TableFileTest, SavedFilesOpenAsTheSameSheet)
{
    RecordSheet tricky = sampleSheet();
    tricky.editRow(9) = Record{q(u"9"), q(u"=1+1"), q(u"a,\"b\""), q(u"a;b\"c"), q(u" lead"), q(u"001"), q(u"1.50"),
                               q(u"TRUE"), q(u"No."), q(u"\t"), q(u"𠮷")};
    tricky.editRow(10) = Record{q(u"10"), q(u"=HYPERLINK(\"http://x\",\"y\")"), q(u"=cmd|' /C calc'!A0"), q(u"+1"), q(u"-2"),
                                q(u"@SUM(1)"), q(u"'quoted"), q(u"''=x"), q(u"'"), q(u"trail "), q(u"-")};
    tricky.recordCount = 10;
    const struct {
        const char* name;
        RecordSheet sheet;
    } sheets[] = {{"sample", sampleSheet()}, {"texts a reader might change", tricky}, {"10,000 records", largeSheet(10000)}};

    QTemporaryDir dir;
    for (const auto& s : sheets) {
        for (const char16_t* name : {u"list.xlsx", u"list.csv"}) {
            SCOPED_TRACE(std::string(s.name) + " as " + QString::fromUtf16(name).toStdString());
            const QString path = dir.filePath(q(name));
            TableFile::write(path, s.sheet);
            RecordSheet opened;
            opened.editRow(5)[ColFrom1] = q(u"replaced");
            EXPECT_TRUE(TableFile::open(path, opened).isEmpty());
            EXPECT_EQ(opened, s.sheet);
        }
    }
}

TEST(TableFileTest, SavedWorkbookHasTheEntrySheetLayoutAndCsvItsBytes)
{
    QTemporaryDir dir;
    const RecordSheet sheet = sampleSheet();
    const QString xlsx = dir.filePath(q(u"list.xlsx"));
    TableFile::writeXlsx(xlsx, sheet);
    const XlsxFile file = XlsxFile::read(xlsx);
    const XlsxSheet& table = file.sheet(q(u"ｹｰﾌﾞﾙ一覧表"));
    EXPECT_EQ(table.text(q(u"G1")), u"ｹｰﾌﾞﾙ種類");
    EXPECT_TRUE(table.cell(q(u"A2"))->type.isEmpty()) << "record numbers are numbers";
    EXPECT_EQ(table.text(q(u"A2")), u"1");
    EXPECT_EQ(table.cell(q(u"F2"))->type, u"inlineStr") << "circuit numbers stay texts";
    EXPECT_NEAR(table.columnWidths.at(7), 20, 1) << "column G is as wide as the template's";
    EXPECT_EQ(table.cell(q(u"A10")), nullptr) << "nothing past the last record";

    const QString csv = dir.filePath(q(u"list.csv"));
    TableFile::writeCsv(csv, sheet);
    const QByteArray bytes = readFile(csv);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "No.,(自) NAME-1,"));
    EXPECT_TRUE(bytes.endsWith("令和8年\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 9);
}

// A hostile or broken file, made in dir; the text its message must hold.
struct HostileCase {
    const char* name;
    std::function<void(const QString& path)> make;
    const char16_t* messagePart;
};

QByteArray ourWorkbookBytes(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(q(u"good.xlsx"));
    TableFile::writeXlsx(path, sampleSheet());
    return readFile(path);
}

// Sets the declared uncompressed size of the named part, in its local and
// central headers, as a zip bomb's would read.
QByteArray withDeclaredSize(QByteArray zip, const QByteArray& partName, quint32 size)
{
    const auto patch = [&](const char* signature, int sizeOffset, int nameOffset) {
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4)) {
            if (zip.mid(at + nameOffset, partName.size()) != partName)
                continue;
            for (int i = 0; i < 4; ++i)
                zip[at + sizeOffset + i] = char((size >> (8 * i)) & 0xFF);
        }
    };
    patch("PK\x03\x04", 22, 30);
    patch("PK\x01\x02", 24, 46);
    return zip;
}

TEST(TableFileTest, BadFilesAreRefusedWithAMessageAndLeaveTheSheetAsItWas)
{
    QTemporaryDir dir;
    const QByteArray good = ourWorkbookBytes(dir);
    ASSERT_FALSE(good.isEmpty());
    QByteArray scrambled = good;
    for (qsizetype i = 200; i < scrambled.size() - 200; i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    QByteArray manyRowsCsv;
    for (int r = 0; r <= kMaxRowCount; ++r)
        manyRowsCsv += QByteArray::number(r + 1) + ",x\r\n";

    const std::vector<HostileCase> cases = {
        {"truncated zip", [&](const QString& p) { writeFile(p, good.left(good.size() / 2)); }, u"表の形式が壊れています"},
        {"scrambled zip", [&](const QString& p) { writeFile(p, scrambled); }, u"表の形式が壊れています"},
        {"encrypted workbook", [](const QString& p) { writeFile(p, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(4096, '\0')); }, u"パスワード"},
        {"declared size past the limit", [&](const QString& p) { writeFile(p, withDeclaredSize(good, "xl/worksheets/sheet1.xml", 0xFFFFFF00u)); }, u"大きすぎます"},
        {"zip without a workbook", [](const QString& p) { writeZip(p, {{q(u"readme.txt"), "hello"}}); }, u"ブックの部品がありません"},
        {"broken sheet XML", [](const QString& p) {
             Parts parts = handMadeWorkbook();
             parts.back().second.chop(40);
             writeZip(p, parts);
         }, u"sheet2.xml"},
        {"more rows than the sheet takes (csv)", [&](const QString& p) { writeFile(p, manyRowsCsv); }, u"100000"},
        {"more rows than the sheet takes (xlsx)", [](const QString& p) {
             Parts parts = handMadeWorkbook();
             parts.back().second.replace("<row r=\"7\" spans=\"1:11\"><c r=\"A7\" s=\"1\"/></row>",
                                         "<row r=\"100001\"><c r=\"A100001\"><v>1</v></c></row>");
             writeZip(p, parts);
         }, u"100000"},
        {"empty file", [](const QString& p) { writeFile(p, QByteArray()); }, u"空のファイルです"},
        {"only blank cells", [](const QString& p) { writeFile(p, "\xEF\xBB\xBF,,\r\n\r\n"); }, u"セルがひとつもありません"},
        {"empty workbook", [](const QString& p) {
             Parts parts = handMadeWorkbook();
             parts.back().second = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData/></worksheet>";
             writeZip(p, parts);
         }, u"セルがひとつもありません"},
        {"binary garbage named .csv", [](const QString& p) { writeFile(p, QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20)); }, u"CSV"},
    };

    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(q(u"hostile.csv")); // the name must not matter
        QFile::remove(path);
        c.make(path);
        RecordSheet sheet = sampleSheet();
        const RecordSheet before = sheet;
        try {
            TableFile::open(path, sheet);
            ADD_FAILURE() << "opened";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(q(c.messagePart))) << failure.what();
            EXPECT_TRUE(failure.message().startsWith(q(u"ファイル ") + path + q(u" は開けません。 "))) << failure.what();
        }
        EXPECT_EQ(sheet, before);
    }
}

} // namespace
