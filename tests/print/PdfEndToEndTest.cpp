// tagrio-cli pdf, read back with poppler: page counts, texts and positions in
// points (1 layout unit = 72/600 pt).
#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "sheet/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLE);
constexpr double kPointsPerUnit = 72.0 / 600.0;

using PdfReadBack::Page;
using PdfReadBack::ProcessRun;
using PdfReadBack::run;
using PdfReadBack::wordsOf;

class PdfEndToEnd : public ::testing::Test {
protected:
    // Writes the PDF and reads it back; fails the test when tagrio-cli fails.
    std::vector<Page> pdf(const QStringList& args, const QString& records = kSample)
    {
        const QString out = dir.filePath(u"out.pdf"_qs);
        const ProcessRun result = run(QStringLiteral(TAGRIO_CLI), QStringList{u"pdf"_qs} + args + QStringList{records, u"-o"_qs, out});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, out + u"\n"_qs);
        // Positions depend on the face's ascent: they are checked for IPAMincho.
        const ProcessRun fonts = run(u"pdffonts"_qs, {out});
        if (!fonts.out.contains(u"IPAMincho"_qs) && fonts.out.count(u'\n') > 2)
            ADD_FAILURE() << "the PDF does not use IPAMincho:\n" << fonts.out.toStdString();
        return PdfReadBack::words(out);
    }

    // The first page of the last PDF written, as a grey picture at 100 dpi.
    QByteArray renderedFirstPage()
    {
        const QString picture = dir.filePath(u"page"_qs);
        run(u"pdftoppm"_qs, {u"-gray"_qs, u"-r"_qs, u"100"_qs, u"-singlefile"_qs, dir.filePath(u"out.pdf"_qs), picture});
        QFile file(picture + u".pgm"_qs);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString recordFile(int count)
    {
        const QString path = dir.filePath(QString::number(count) + u".kav"_qs);
        RecordFile::save(path, u"会社"_qs, numberedSheet(count));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(PdfEndToEnd, TypeAPlatesStand980UnitsApart)
{
    const std::vector<Page> pages = pdf({u"a"_qs});
    ASSERT_EQ(pages.size(), 2u); // 8 records
    const auto first = wordsOf(pages[0], u"No.1"_qs);
    const auto second = wordsOf(pages[0], u"No.2"_qs);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NEAR(first[0].x, 4200 * kPointsPerUnit, 0.05);
    // 10 units above the first row, whose offset is 50 below the plate top at 540.
    EXPECT_NEAR(first[0].y, 580 * kPointsPerUnit, 0.3);
    EXPECT_NEAR(second[0].y - first[0].y, 980 * kPointsPerUnit, 0.05);
    EXPECT_EQ(wordsOf(pages[1], u"No.12"_qs).size(), 1u);
    EXPECT_EQ(wordsOf(pages[1], u"製造年"_qs).size(), 0u);
    EXPECT_EQ(wordsOf(pages[1], u"ケーブル製造年"_qs).size(), 6u);
    // Record 1 from the sample, in the text column.
    const auto circuit = wordsOf(pages[0], u"14sq-3C"_qs);
    ASSERT_EQ(circuit.size(), 1u);
    EXPECT_NEAR(circuit[0].y, (540 + 200 - 10) * kPointsPerUnit, 0.3);
}

TEST_F(PdfEndToEnd, TypeATextOrderFromTheOption)
{
    const std::vector<Page> pages = pdf({u"a"_qs, u"--order"_qs, u"to-from"_qs});
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(wordsOf(pages[0], u"(至)キュービクル"_qs).size(), 2u);
    EXPECT_EQ(wordsOf(pages[0], u"(自)電灯分電盤"_qs).size(), 2u);
    EXPECT_TRUE(wordsOf(pages[0], u"キュービクル"_qs).empty());
}

TEST_F(PdfEndToEnd, TypeBTrunkPlatesInEightRowsOfThree)
{
    const std::vector<Page> pages = pdf({u"b-trunk"_qs});
    ASSERT_EQ(pages.size(), 1u);
    const auto numbers = wordsOf(pages[0], u"No."_qs);
    ASSERT_EQ(numbers.size(), 24u);
    EXPECT_NEAR(numbers[0].x, (820 + 37) * kPointsPerUnit, 0.05);
    EXPECT_NEAR(numbers[0].y, (460 + 35) * kPointsPerUnit, 0.3);
    EXPECT_NEAR(numbers[1].x - numbers[0].x, 1190 * kPointsPerUnit, 0.05);
    EXPECT_NEAR(numbers[3].y - numbers[0].y, 780 * kPointsPerUnit, 0.05);
    EXPECT_EQ(wordsOf(pages[0], u"自"_qs).size(), 24u);
    // CVT 60sq, CVT 100sq and 6600V CVT 38sq of the sample
    EXPECT_EQ(wordsOf(pages[0], u"CVT"_qs).size(), 3u);
}

TEST_F(PdfEndToEnd, TypeBBranchShiftsItsStripLabelsBySixDots)
{
    for (const auto& [dpi, x] : std::vector<std::pair<QString, double>>{{u"600"_qs, (670 - 6) / 600.0 * 72},
                                                                        {u"1200"_qs, (1340 - 6) / 1200.0 * 72}}) {
        const std::vector<Page> pages = pdf({u"b-branch"_qs, u"--dpi"_qs, dpi});
        ASSERT_EQ(pages.size(), 1u);
        const auto from = wordsOf(pages[0], u"自"_qs);
        ASSERT_EQ(from.size(), 36u) << dpi.toStdString() << " dpi";
        EXPECT_NEAR(from[0].x, x, 0.05) << dpi.toStdString() << " dpi";
        EXPECT_NEAR(from[0].y, (460 + 88) * kPointsPerUnit, 0.3);
        EXPECT_NEAR(from[3].y - from[0].y, 500 * kPointsPerUnit, 0.05);
    }
}

TEST_F(PdfEndToEnd, NoBoxTextFromTheOption)
{
    EXPECT_EQ(wordsOf(pdf({u"b-trunk"_qs, u"--no-box"_qs, u"番号"_qs}).at(0), u"番号"_qs).size(), 24u);
    const std::vector<Page> cleared = pdf({u"b-trunk"_qs, u"--no-box"_qs, QString()});
    EXPECT_TRUE(wordsOf(cleared.at(0), u"No."_qs).empty());
    EXPECT_EQ(wordsOf(cleared.at(0), u"自"_qs).size(), 24u);
}

TEST_F(PdfEndToEnd, PageCountsFollowTheRecordCount)
{
    struct Case {
        const char* kind;
        int records;
        size_t pages;
    };
    for (const Case& c : std::vector<Case>{{"a", 7, 2}, {"b-trunk", 25, 2}, {"b-branch", 37, 2}}) {
        const std::vector<Page> pages = pdf({QString::fromLatin1(c.kind)}, recordFile(c.records));
        EXPECT_EQ(pages.size(), c.pages) << c.kind << ", " << c.records << " records";
        // The last record opens the last page.
        EXPECT_EQ(wordsOf(pages.back(), u"R"_qs + QString::number(c.records)).size(), 1u) << c.kind;
    }
}

TEST_F(PdfEndToEnd, AListWithoutRecordsPrintsNothing)
{
    const QString records = recordFile(0);
    const QString out = dir.filePath(u"empty.pdf"_qs);
    for (const QString& kind : {u"a"_qs, u"b-trunk"_qs, u"b-branch"_qs}) {
        const ProcessRun result = run(QStringLiteral(TAGRIO_CLI), {u"pdf"_qs, kind, records, u"-o"_qs, out});
        EXPECT_EQ(result.exitCode, 1) << kind.toStdString();
        EXPECT_EQ(result.err, u"印刷する記録がありません\n") << kind.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << kind.toStdString();
    }
}

// A resolution that is no multiple of 600 dpi must not shrink the plates:
// 720 dpi prints the texts and lines where 1200 dpi does.
TEST_F(PdfEndToEnd, PlatesKeepTheirPlaceAtAnyResolution)
{
    for (const QString& kind : {u"a"_qs, u"b-branch"_qs}) {
        const std::vector<Page> at1200 = pdf({kind, u"--dpi"_qs, u"1200"_qs});
        const QByteArray lines1200 = renderedFirstPage();
        const std::vector<Page> at720 = pdf({kind, u"--dpi"_qs, u"720"_qs});
        const QByteArray lines720 = renderedFirstPage();

        ASSERT_EQ(at720.size(), at1200.size()) << kind.toStdString();
        ASSERT_FALSE(at1200.empty());
        const Page& fine = at1200[0];
        const Page& coarse = at720[0];
        ASSERT_EQ(coarse.size(), fine.size()) << kind.toStdString();
        ASSERT_GT(fine.size(), 20u);
        for (size_t i = 0; i < fine.size(); ++i) {
            EXPECT_EQ(coarse[i].text, fine[i].text);
            EXPECT_NEAR(coarse[i].x, fine[i].x, 0.5) << coarse[i].text.toStdString();
            EXPECT_NEAR(coarse[i].y, fine[i].y, 0.5) << coarse[i].text.toStdString();
        }
        // The frames and cut lines: the rendered pages are the same picture.
        EXPECT_GT(lines1200.size(), 500000);
        EXPECT_TRUE(lines720 == lines1200) << kind.toStdString() << ": the lines differ";
    }
}

TEST_F(PdfEndToEnd, FailuresAndUsageErrors)
{
    // The reason is told, with the file.
    const QString unwritable = dir.filePath(u"no/such/folder.pdf"_qs);
    const ProcessRun failed = run(QStringLiteral(TAGRIO_CLI), {u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, unwritable});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, u"ファイル \""_qs + unwritable + u"\" を作成できません。フォルダーが見つかりません。\n"_qs);

    for (const QStringList& args : {QStringList{u"pdf"_qs, u"c"_qs, kSample, u"-o"_qs, dir.filePath(u"x.pdf"_qs)},
                                    QStringList{u"pdf"_qs, u"a"_qs, kSample},
                                    QStringList{u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, dir.filePath(u"x.pdf"_qs), u"--dpi"_qs, u"0"_qs}}) {
        const ProcessRun usage = run(QStringLiteral(TAGRIO_CLI), args);
        EXPECT_EQ(usage.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(usage.err.startsWith(u"tagrio-cli: "_qs)) << usage.err.toStdString();
    }
}

} // namespace

TEST_F(PdfEndToEnd, CharactersBeyondTheBasicPlaneGetAFaceThatHasThem)
{
    // 𠮷 (U+20BB7) is in no IPA face; the fallback list must reach one that has it.
    RecordSheet sheet = numberedSheet(1);
    sheet.editRow(1)[ColFrom1] = u"𠮷野家"_qs;
    const QString records = dir.filePath(u"yoshi.kav"_qs);
    RecordFile::save(records, u"会社"_qs, sheet);
    const QString out = dir.filePath(u"yoshi.pdf"_qs);
    const ProcessRun result = run(QStringLiteral(TAGRIO_CLI), {u"pdf"_qs, u"b-trunk"_qs, records, u"-o"_qs, out});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(run(u"pdffonts"_qs, {out}).out.contains(u"NotoSerifCJK"_qs));
}
