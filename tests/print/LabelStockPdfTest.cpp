// tagrio-cli pdf on label stock and tagrio-cli check, read back with poppler:
// each option's plates are compared with where a normal print puts them.
#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "print/TypeBPlates.h"
#include "sheet/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using PdfReadBack::Page;
using PdfReadBack::ProcessRun;
using PdfReadBack::run;
using PdfReadBack::Word;
using PdfReadBack::wordsOf;

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kTolerance = 0.05 * kPointsPerMm;

class LabelStockPdf : public ::testing::Test {
protected:
    QString recordFile(const RecordSheet& sheet)
    {
        const QString path = dir.filePath(QString::number(++files) + u".kav"_qs);
        RecordFile::save(path, u"会社"_qs, sheet);
        return path;
    }

    ProcessRun cli(const QStringList& args) { return run(QStringLiteral(TAGRIO_CLI), args); }

    std::vector<Page> pdf(const QString& kind, const QString& records, const QStringList& options = {})
    {
        const QString out = dir.filePath(u"out.pdf"_qs);
        QFile::remove(out);
        const ProcessRun result = cli(QStringList{u"pdf"_qs, kind, records, u"-o"_qs, out} + options);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return PdfReadBack::words(out);
    }

    // The one word with this text on the page.
    static Word only(const Page& page, const QString& text)
    {
        const auto found = wordsOf(page, text);
        EXPECT_EQ(found.size(), 1u) << text.toStdString();
        return found.empty() ? Word{} : found.front();
    }

    QTemporaryDir dir;
    int files = 0;
};

TEST_F(LabelStockPdf, StartPositionPutsTheFirstRecordOnThatPlate)
{
    const QString records = recordFile(numberedSheet(8));
    const std::vector<Page> normal = pdf(u"a"_qs, records);
    const std::vector<Page> started = pdf(u"a"_qs, records, {u"--start"_qs, u"5"_qs});
    ASSERT_EQ(started.size(), 2u);
    const Word plate5 = only(normal[0], u"No.5"_qs);
    const Word first = only(started[0], u"No.1"_qs);
    EXPECT_NEAR(first.x, plate5.x, 0.01);
    EXPECT_NEAR(first.y, plate5.y, 0.01);
    EXPECT_NEAR(only(started[0], u"R1"_qs).y, only(normal[0], u"R5"_qs).y, 0.01);
    // Labels 1 to 4 are used up: nothing at all is printed on them.
    for (const Word& word : started[0])
        EXPECT_GE(word.y, plate5.y - 5) << word.text.toStdString();
    EXPECT_EQ(only(started[1], u"R3"_qs).y, only(normal[0], u"R1"_qs).y);
}

TEST_F(LabelStockPdf, RecordListAndCopiesFillPlatesInOrder)
{
    const QString records = recordFile(numberedSheet(30));
    const std::vector<Page> normal = pdf(u"b-trunk"_qs, records);
    const std::vector<Word> plates = wordsOf(normal[0], u"No."_qs); // one per plate, in plate order

    const std::vector<Page> listed = pdf(u"b-trunk"_qs, records, {u"--records"_qs, u"3-4"_qs});
    ASSERT_EQ(listed.size(), 1u);
    for (int r = 1; r <= 30; ++r) {
        const auto found = wordsOf(listed[0], u"R"_qs + QString::number(r));
        EXPECT_EQ(found.size(), r == 3 || r == 4 ? 1u : 0u) << "R" << r;
    }
    EXPECT_NEAR(only(listed[0], u"R3"_qs).x, only(normal[0], u"R1"_qs).x, 0.01);
    EXPECT_NEAR(only(listed[0], u"R4"_qs).x, only(normal[0], u"R2"_qs).x, 0.01);
    EXPECT_NEAR(only(listed[0], u"R4"_qs).y, only(normal[0], u"R2"_qs).y, 0.01);

    const std::vector<Page> copied = pdf(u"b-trunk"_qs, records, {u"--copies"_qs, u"2"_qs});
    ASSERT_EQ(copied.size(), 3u); // 60 plates
    const auto twice = wordsOf(copied[0], u"R1"_qs);
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_NEAR(twice[0].x, only(normal[0], u"R1"_qs).x, 0.01);
    EXPECT_NEAR(twice[1].x, only(normal[0], u"R2"_qs).x, 0.01);
    EXPECT_NEAR(wordsOf(copied[0], u"R2"_qs).at(0).x, only(normal[0], u"R3"_qs).x, 0.01);
    EXPECT_EQ(wordsOf(copied[2], u"R30"_qs).size(), 2u);
    ASSERT_EQ(plates.size(), 24u);
}

TEST_F(LabelStockPdf, PageCountsFollowStartRecordsAndCopies)
{
    struct Case {
        const char* kind;
        int records;
        QStringList options;
        size_t pages;
    };
    const std::vector<Case> cases = {
        {"a", 6, {u"--start"_qs, u"1"_qs}, 1},
        {"a", 6, {u"--start"_qs, u"2"_qs}, 2},
        {"a", 6, {u"--start"_qs, u"4"_qs, u"--copies"_qs, u"3"_qs}, 4}, // 3 + 18 plates
        {"a", 20, {u"--records"_qs, u"2-4,18"_qs, u"--copies"_qs, u"3"_qs}, 2},
        {"b-trunk", 30, {u"--start"_qs, u"24"_qs}, 3},
        {"b-branch", 10, {u"--start"_qs, u"30"_qs, u"--copies"_qs, u"2"_qs}, 2},
        {"b-branch", 40, {u"--records"_qs, u"1-36"_qs}, 1},
    };
    for (const Case& c : cases) {
        const std::vector<Page> pages = pdf(QString::fromLatin1(c.kind), recordFile(numberedSheet(c.records)), c.options);
        EXPECT_EQ(pages.size(), c.pages) << c.kind << " " << c.options.join(u' ').toStdString();
    }
}

TEST_F(LabelStockPdf, OffsetAndScaleMoveEveryText)
{
    const QString records = recordFile(numberedSheet(8));
    for (const QString& kind : {u"a"_qs, u"b-branch"_qs}) {
        const std::vector<Page> normal = pdf(kind, records);
        const std::vector<Page> shifted = pdf(kind, records, {u"--offset"_qs, u"2,3"_qs});
        const std::vector<Page> scaled = pdf(kind, records, {u"--scale"_qs, u"101,102"_qs});
        ASSERT_EQ(shifted.size(), normal.size());
        ASSERT_EQ(scaled.size(), normal.size());
        for (size_t p = 0; p < normal.size(); ++p) {
            ASSERT_EQ(shifted[p].size(), normal[p].size());
            ASSERT_EQ(scaled[p].size(), normal[p].size());
            for (size_t i = 0; i < normal[p].size(); ++i) {
                const Word& word = normal[p][i];
                EXPECT_EQ(shifted[p][i].text, word.text);
                EXPECT_NEAR(shifted[p][i].x - word.x, 2 * kPointsPerMm, kTolerance) << word.text.toStdString();
                EXPECT_NEAR(shifted[p][i].y - word.y, 3 * kPointsPerMm, kTolerance) << word.text.toStdString();
                // The whole page stretches about the paper's corner, glyphs with it:
                // every word starts and ends where the stretch puts it.
                EXPECT_EQ(scaled[p][i].text, word.text);
                EXPECT_NEAR(scaled[p][i].x, word.x * 1.01, kTolerance) << word.text.toStdString();
                EXPECT_NEAR(scaled[p][i].right, word.right * 1.01, kTolerance) << word.text.toStdString();
                EXPECT_NEAR(scaled[p][i].y, word.y * 1.02, kTolerance) << word.text.toStdString();
            }
        }
    }
}

TEST_F(LabelStockPdf, LabelsAfterTheLastPlateStayBlankOnLabelStock)
{
    // Plates per page: a type A plate shows its number, a type B plate its No. box.
    const auto plates = [](const QString& kind, const Page& page) {
        return std::count_if(page.begin(), page.end(), [&](const Word& word) {
            return kind == u"a" ? word.text.startsWith(u"No.") : word.text == u"No.";
        });
    };
    struct Case {
        const char* kind;
        int records;
        QStringList options;
        std::vector<long> platesPerPage;
    };
    const QStringList labelStock = {u"--start"_qs, u"5"_qs, u"--records"_qs, u"2-4"_qs, u"--copies"_qs, u"2"_qs};
    const std::vector<Case> cases = {
        // A plain print fills its last page with empty plates, as it always has.
        {"a", 8, {}, {6, 6}},
        {"b-trunk", 8, {}, {24}},
        {"b-branch", 40, {}, {36, 36}},
        // On label stock the labels after the last plate stay blank for the next print.
        {"a", 8, labelStock, {2, 4}},
        {"b-trunk", 8, labelStock, {6}},
        {"a", 3, {u"--start"_qs, u"2"_qs}, {3}},
        {"b-branch", 40, {u"--records"_qs, u"1-37"_qs}, {36, 1}},
        {"b-trunk", 3, {u"--copies"_qs, u"2"_qs}, {6}},
    };
    for (const Case& c : cases) {
        const QString kind = QString::fromLatin1(c.kind);
        std::vector<long> counts;
        for (const Page& page : pdf(kind, recordFile(numberedSheet(c.records)), c.options))
            counts.push_back(plates(kind, page));
        EXPECT_EQ(counts, c.platesPerPage) << c.kind << " " << c.options.join(u' ').toStdString();
    }
}

TEST_F(LabelStockPdf, FifteenByteTrunkCableTypeKeepsItsWordsOnOneLineInItsStrip)
{
    RecordSheet sheet = numberedSheet(1);
    sheet.setCell(ColCableType, 1, u"6.6KV CV-T 60sq"_qs);
    const std::vector<Page> pages = pdf(u"b-trunk"_qs, recordFile(sheet));
    ASSERT_EQ(pages.size(), 1u);
    // The strip's right-hand cell of the first plate, in points.
    const QRect frame = TypeBPlates::plateFrame(PlateSize::Trunk, 1);
    const double cellLeft = (frame.left() + TypeBGeometry::of(PlateSize::Trunk).splitX) * 72.0 / 600;
    const double cellRight = frame.right() * 72.0 / 600;
    const Word first = only(pages[0], u"6.6KV"_qs);
    for (const QString& text : {u"6.6KV"_qs, u"CV-T"_qs, u"60sq"_qs}) {
        const Word word = only(pages[0], text);
        EXPECT_NEAR(word.y, first.y, 0.1) << text.toStdString();
        EXPECT_GT(word.x, cellLeft) << text.toStdString();
        EXPECT_LT(word.right, cellRight) << text.toStdString();
    }
    EXPECT_LT(only(pages[0], u"CV-T"_qs).x, only(pages[0], u"60sq"_qs).x);
}

TEST_F(LabelStockPdf, BadValuesFailWithoutAFile)
{
    const QString records = recordFile(numberedSheet(8));
    const QString out = dir.filePath(u"bad.pdf"_qs);
    const std::vector<QStringList> cases = {
        {u"a"_qs, records, u"--start"_qs, u"7"_qs},
        {u"b-trunk"_qs, records, u"--start"_qs, u"0"_qs},
        {u"b-branch"_qs, records, u"--start"_qs, u"37"_qs},
        {u"a"_qs, records, u"--copies"_qs, u"10"_qs},
        {u"a"_qs, records, u"--records"_qs, u"3-"_qs},
        {u"a"_qs, records, u"--records"_qs, u"20-30"_qs}, // selects nothing
        {u"a"_qs, records, u"--offset"_qs, u"20.1,0"_qs},
        {u"a"_qs, records, u"--offset"_qs, u"2"_qs},
        {u"a"_qs, records, u"--scale"_qs, u"94.9,100"_qs},
        {u"calibration-a"_qs, u"--scale"_qs, u"100,x"_qs},
    };
    for (const QStringList& args : cases) {
        const ProcessRun result = cli(QStringList{u"pdf"_qs} + args + QStringList{u"-o"_qs, out});
        EXPECT_EQ(result.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(u"--"_qs + args[args.size() - 2].mid(2))) << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << args.join(u' ').toStdString();
    }
}

TEST_F(LabelStockPdf, CalibrationPageForEachKind)
{
    for (const QString& kind : {u"calibration-a"_qs, u"calibration-b-trunk"_qs, u"calibration-b-branch"_qs}) {
        const QString out = dir.filePath(kind + u".pdf"_qs);
        const ProcessRun result = cli({u"pdf"_qs, kind, u"-o"_qs, out, u"--offset"_qs, u"1,1"_qs});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(PdfReadBack::pageCount(out), 1) << kind.toStdString();
        EXPECT_TRUE(run(u"pdftotext"_qs, {out, u"-"_qs}).out.contains(u"位置調整用テストページ"_qs));
    }
}

TEST_F(LabelStockPdf, CheckListsTextsTooLongForTheirPlate)
{
    RecordSheet sheet = numberedSheet(3);
    const QString farAway = u"第一工場東棟地下二階特別高圧受変電設備室主幹盤第二制御盤室"_qs;
    sheet.setCell(ColFrom1, 2, farAway);
    sheet.setCell(ColTo1, 2, farAway);
    const QString records = recordFile(sheet);

    const ProcessRun a = cli({u"check"_qs, u"a"_qs, records});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    const QStringList lines = a.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << a.out.toStdString(); // the route in two lines, both too long
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        EXPECT_EQ(fields[0], u"2"_qs);
        EXPECT_EQ(fields[1], u"行　き　先"_qs);
        EXPECT_GT(fields[2].toDouble(), 5.0);
        EXPECT_EQ(fields[3], QString()) << "nothing left out";
    }

    // Type B shows two rows of six characters of a name and leaves the rest out.
    const ProcessRun b = cli({u"check"_qs, u"b-branch"_qs, records});
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    EXPECT_TRUE(b.out.contains(u"2\t(自) NAME-1\t0.0\t高圧受変電設備室主幹盤第二制御盤室\n"_qs))
        << b.out.toStdString();

    // A list of records that fit says nothing; one that names nothing fails.
    const ProcessRun fits = cli({u"check"_qs, u"b-trunk"_qs, records, u"--records"_qs, u"1,3"_qs});
    EXPECT_EQ(fits.exitCode, 0);
    EXPECT_EQ(fits.out, QString());
    EXPECT_EQ(cli({u"check"_qs, u"a"_qs, records, u"--records"_qs, u"9"_qs}).exitCode, 1);
}

} // namespace
