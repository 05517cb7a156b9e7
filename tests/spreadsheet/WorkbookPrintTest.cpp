// Prints the three nameplate workbooks with LibreOffice (headless, to PDF)
// and reads the pages back: one laid-out page to a sheet of paper, the
// right plates on it, and the same plate pitch everywhere, near the sizes
// the output panel names.
#include "SpreadsheetTestSupport.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/XlsxWriter.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMillimetre = 72 / 25.4; // points

enum class Kind { TypeA, Trunk, Branch };

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};
using Page = std::vector<Word>;

// Records 1..n whose circuit numbers C-n tell the plates apart; long ones
// fill every text far past what a plate holds.
RecordSheet records(int n, bool longTexts)
{
    RecordSheet sheet = numberedRecords(n);
    for (int r = 1; r <= n; ++r) {
        Record& record = sheet.editRow(r);
        const auto text = [&](const char* shortText, int repeat) {
            return QString::fromUtf8(shortText).repeated(longTexts ? repeat : 1);
        };
        record[1] = text("第一変電所電気室", 4);
        record[2] = QStringLiteral("LV-%1").arg(r);
        record[3] = text("第二工場棟動力分電盤", 4);
        record[4] = QStringLiteral("P-%1").arg(r);
        record[ColCircuit] = QStringLiteral("C-%1").arg(r);
        record[ColCableType] = text("CV 14sq-3C 600V架橋ポリエチレン絶縁ビニルシースケーブル", 2);
        record[ColPurpose] = text("非常用発電機から消火ポンプへの動力幹線", 3);
        record[9] = text("タグリオ電設株式会社", 3);
    }
    return sheet;
}

std::vector<Page> readPages(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    const QString xml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    std::vector<Page> pages;
    for (const QString& pageXml : xml.split(QStringLiteral("<page ")).mid(1)) {
        Page& page = pages.emplace_back();
        for (const auto& m : word.globalMatch(pageXml))
            page.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                            m.captured(4).toDouble(), m.captured(5)});
    }
    return pages;
}

std::vector<Word> wordsNamed(const Page& page, const QString& text)
{
    std::vector<Word> found;
    std::ranges::copy_if(page, std::back_inserter(found), [&](const Word& w) { return w.text == text; });
    return found;
}

// The distinct steps between sorted positions, rounded to 0.1 point.
std::vector<double> steps(std::vector<double> positions)
{
    std::ranges::sort(positions);
    const auto end = std::unique(positions.begin(), positions.end(), [](double a, double b) { return b - a < 1; });
    positions.erase(end, positions.end());
    std::vector<double> found;
    for (size_t i = 1; i < positions.size(); ++i) {
        const double step = std::round((positions[i] - positions[i - 1]) * 10) / 10;
        if (std::ranges::find_if(found, [&](double s) { return std::abs(s - step) < 0.3; }) == found.end())
            found.push_back(step);
    }
    return found;
}

void expectNear5Percent(double points, double nominalMm, const char* what)
{
    EXPECT_NEAR(points / kMillimetre, nominalMm, nominalMm * 0.05) << what;
}

struct Case {
    Kind kind;
    int records;
    bool longTexts;
    QString name() const
    {
        const char* kinds[] = {"a", "trunk", "branch"};
        return QStringLiteral("%1-%2%3").arg(QString::fromLatin1(kinds[int(kind)])).arg(records).arg(longTexts ? QStringLiteral("L") : QString());
    }
};

class WorkbookPrintTest : public testing::Test {
protected:
    QTemporaryDir folder;

    void writeWorkbook(const Case& c)
    {
        Workbook workbook;
        const RecordSheet sheet = records(c.records, c.longTexts);
        if (c.kind == Kind::TypeA)
            TypeASheet::build(workbook, sheet, Settings::defaults(), [] {});
        else
            TypeBSheet::build(workbook, sheet, QStringLiteral("No."),
                              c.kind == Kind::Trunk ? PlateSize::Trunk : PlateSize::Branch, [] {});
        XlsxWriter::write(workbook, folder.filePath(c.name() + QStringLiteral(".xlsx")));
    }

    // All workbooks in one run: starting the office suite takes most of the time.
    void printAll(const std::vector<Case>& cases)
    {
        QStringList arguments{QStringLiteral("-env:UserInstallation=file://") + folder.filePath(QStringLiteral("profile")),
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                              QStringLiteral("--outdir"), folder.path()};
        for (const Case& c : cases)
            arguments << folder.filePath(c.name() + QStringLiteral(".xlsx"));
        QProcess soffice;
        soffice.start(QStringLiteral("soffice"), arguments);
        ASSERT_TRUE(soffice.waitForFinished(180000)) << "soffice did not finish";
    }

    // True when the strip of the page (in points) prints nothing.
    bool blank(const QString& pdf, int pageNumber, double left, double top, double right, double bottom)
    {
        const QString stem = folder.filePath(QStringLiteral("page"));
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                                       QStringLiteral("-f"), QString::number(pageNumber),
                                                       QStringLiteral("-l"), QString::number(pageNumber),
                                                       QStringLiteral("-singlefile"), pdf, stem});
        const QImage image(stem + QStringLiteral(".pgm"));
        for (int y = int(std::ceil(top)); y < int(bottom); ++y)
            for (int x = int(std::ceil(left)); x < int(right); ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    return false;
        return true;
    }

    void checkTypeA(const Case& c, const QString& pdf, const std::vector<Page>& pages)
    {
        const int perSheet = TypeASheet::pageCount(c.records);
        ASSERT_EQ(int(pages.size()), 3 * perSheet) << "three sheets of page blocks";
        std::vector<double> pitches;
        for (size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(testing::Message() << "page " << p + 1);
            const Page& page = pages[p];
            const int first = 6 * int(p % size_t(perSheet)) + 1;
            const auto captions = wordsNamed(page, QStringLiteral("行"));
            ASSERT_EQ(captions.size(), 6u) << "six whole plates";
            for (int r = first; r < first + 6 && r <= c.records; ++r)
                EXPECT_EQ(wordsNamed(page, QStringLiteral("No.%1").arg(r)).size(), 1u) << "No." << r;
            EXPECT_EQ(wordsNamed(page, QStringLiteral("No.%1").arg(first + 6)).size(), 0u);
            std::vector<double> tops;
            for (const Word& w : captions)
                tops.push_back(w.yMin);
            const std::vector<double> pitch = steps(tops);
            ASSERT_EQ(pitch.size(), 1u);
            pitches.push_back(pitch[0]);
            expectNear5Percent(pitch[0], 40, "plate height");

            // Row 2 of the first plate: caption from column C, circuit text from I (six columns on).
            const auto cableCaptions = wordsNamed(page, QStringLiteral("ｹ"));
            const Word& caption = *std::ranges::min_element(cableCaptions, {}, &Word::yMin);
            const auto circuit = std::ranges::find_if(page, [&](const Word& w) {
                return w.text.startsWith(u'【') && std::abs(w.yMin - caption.yMin) < 1;
            });
            ASSERT_NE(circuit, page.end());
            const double column = (circuit->xMin - caption.xMin) / 6;
            expectNear5Percent(19 * column, 150, "plate width, columns B to T");
            // Nothing prints in the gutter column U between the frame and the number.
            const double frameRight = caption.xMin + 18 * column;
            const Word number = wordsNamed(page, QStringLiteral("No.%1").arg(first)).front();
            EXPECT_TRUE(blank(pdf, int(p) + 1, frameRight + 2, caption.yMin, number.xMin - 2, caption.yMax))
                << "circuit text runs past the frame";
        }
        EXPECT_LT(*std::ranges::max_element(pitches) - *std::ranges::min_element(pitches), 0.3) << "same pitch everywhere";
    }

    void checkTypeB(const Case& c, const std::vector<Page>& pages)
    {
        const PlateSize size = c.kind == Kind::Trunk ? PlateSize::Trunk : PlateSize::Branch;
        const int plates = TypeBSheet::platesPerPage(size);
        ASSERT_EQ(int(pages.size()), (c.records + plates - 1) / plates);
        const double nominalWidth = c.kind == Kind::Trunk ? 50 : 42;
        const double nominalHeight = c.kind == Kind::Trunk ? 33 : 21;
        std::vector<std::vector<double>> pitches;
        for (size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(testing::Message() << "page " << p + 1);
            const Page& page = pages[p];
            const auto from = wordsNamed(page, QStringLiteral("自"));
            ASSERT_EQ(int(from.size()), plates) << "whole plates only";
            const int first = plates * int(p) + 1;
            for (int r = first; r < first + plates && r <= c.records; ++r)
                EXPECT_EQ(wordsNamed(page, QStringLiteral("C-%1").arg(r)).size(), 1u) << "C-" << r;
            // The first plate, top left, holds the page's first record.
            const auto topLeft = std::ranges::min_element(page, {}, [](const Word& w) {
                return w.text.startsWith(QStringLiteral("C-")) ? w.yMin * 1000 + w.xMin : 1e12;
            });
            EXPECT_EQ(topLeft->text, QStringLiteral("C-%1").arg(first));
            std::vector<double> xs, ys;
            for (const Word& w : from) {
                xs.push_back(w.xMin);
                ys.push_back(w.yMin);
            }
            const auto across = steps(xs), down = steps(ys);
            ASSERT_EQ(across.size(), 1u);
            ASSERT_EQ(down.size(), 1u);
            expectNear5Percent(across[0], nominalWidth, "plate pitch across");
            expectNear5Percent(down[0], nominalHeight, "plate pitch down");
            pitches.push_back({across[0], down[0]});
        }
        for (const auto& pitch : pitches) {
            EXPECT_NEAR(pitch[0], pitches[0][0], 0.3);
            EXPECT_NEAR(pitch[1], pitches[0][1], 0.3);
        }
    }
};

TEST_F(WorkbookPrintTest, EveryLaidOutPagePrintsWholeOnOneSheet)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    std::vector<Case> cases;
    for (Kind kind : {Kind::TypeA, Kind::Trunk, Kind::Branch})
        for (const auto& [count, longTexts] : {std::pair{7, false}, std::pair{25, false}, std::pair{7, true}})
            cases.push_back({kind, count, longTexts});
    for (const Case& c : cases)
        writeWorkbook(c);
    printAll(cases);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name().toStdString());
        const QString pdf = folder.filePath(c.name() + QStringLiteral(".pdf"));
        ASSERT_TRUE(QFile::exists(pdf));
        const std::vector<Page> pages = readPages(pdf);
        if (c.kind == Kind::TypeA)
            checkTypeA(c, pdf, pages);
        else
            checkTypeB(c, pages);
    }
}

} // namespace
