#include "../FileFaults.h"
#include "GuiApplication.h"
#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "print/PrinterOutput.h"
#include "sheet/Failure.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// Pages with one line each; optionally fails while drawing one of them.
class LinePages : public PageSource {
public:
    LinePages(int count, int failingPage = 0) : count_(count), failingPage_(failingPage) {}
    int pageCount() const override { return count_; }
    void drawPage(LayoutSurface& surface, int page) const override
    {
        if (page == failingPage_)
            throw std::runtime_error("drawing failed");
        surface.line({0, 0}, {600, 600}, 1);
        ++drawn;
        drawnPages.push_back(page);
    }
    bool hasRecords() const override { return count_ > 0; }
    mutable int drawn = 0;
    mutable std::vector<int> drawnPages;

private:
    int count_;
    int failingPage_;
};

class PrinterOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }

    std::unique_ptr<QPrinter> pdfPrinter(const QString& path, int dpi)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setResolution(dpi);
        return printer;
    }

    // A 1200 dpi PDF printer set up as the print job does, printing pages
    // from..to (from 0: no range chosen).
    std::unique_ptr<QPrinter> jobPdfPrinter(const QString& path, int from = 0, int to = 0)
    {
        auto printer = pdfPrinter(path, 1200);
        PrinterOutput::setUpPage(*printer);
        if (from > 0) {
            printer->setPrintRange(QPrinter::PageRange);
            printer->setFromTo(from, to);
        }
        return printer;
    }

    QTemporaryDir dir;
};

TEST(LayoutFactors, AreTheResolutionDividedBy600WithTheRemainderDropped)
{
    struct Case {
        int across, down;
        LayoutFactors factors;
        bool canDraw;
    };
    for (const Case& c : std::vector<Case>{{600, 600, {1, 1}, true},
                                           {1200, 1200, {2, 2}, true},
                                           {1199, 600, {1, 1}, true},
                                           {2400, 1200, {4, 2}, true},
                                           {300, 600, {0, 1}, false},
                                           {300, 300, {0, 0}, false}}) {
        const LayoutFactors factors = LayoutFactors::forResolution(c.across, c.down);
        EXPECT_EQ(factors, c.factors) << c.across << " x " << c.down;
        EXPECT_EQ(factors.canDraw(), c.canDraw) << c.across << " x " << c.down;
    }
}

TEST_F(PrinterOutputTest, PageSetUpForcesA4PortraitZeroMarginsAndAMultipleOf600Dpi)
{
    // Any other resolution would scale the plates by (dpi div 600) / (dpi / 600).
    const std::vector<std::pair<int, int>> resolutions{{300, 1200},  {600, 600},   {720, 1200}, {1000, 1200},
                                                       {1200, 1200}, {1440, 1200}, {2400, 2400}};
    for (const auto& [asked, expected] : resolutions) {
        const auto printer = pdfPrinter(dir.filePath(u"out.pdf"_qs), asked);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setPageOrientation(QPageLayout::Landscape);
        printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);

        const PrinterResolution resolution = PrinterOutput::setUpPage(*printer);
        EXPECT_EQ(resolution.across, expected) << asked << " dpi";
        EXPECT_EQ(resolution.down, expected) << asked << " dpi";
        EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(printer->pageLayout().margins(), QMarginsF(0, 0, 0, 0));
    }
    EXPECT_EQ(PrinterResolution::labelText(1200), u"1200 [DPI]");
}

TEST_F(PrinterOutputTest, DrawsEveryPageIntoOneDocument)
{
    const QString path = dir.filePath(u"three.pdf"_qs);
    const auto printer = jobPdfPrinter(path);
    const LinePages pages(3);
    PrinterOutput::drawDocument(*printer, pages);
    EXPECT_EQ(pages.drawn, 3);
    EXPECT_EQ(PdfReadBack::pageCount(path), 3);
}

TEST_F(PrinterOutputTest, AFailureEndsTheDocumentKeepingThePagesDrawnAndReportsTheMessage)
{
    const QString path = dir.filePath(u"partial.pdf"_qs);
    const auto printer = pdfPrinter(path, 600);
    PrinterOutput::setUpPage(*printer);
    try {
        PrinterOutput::drawDocument(*printer, LinePages(5, 3));
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), u"情報不足で印刷出来ませんでした。");
    }
    // The document was ended, not cancelled: pages 1 and 2 and the begun page 3 are out.
    EXPECT_EQ(PdfReadBack::pageCount(path), 3);
}

TEST_F(PrinterOutputTest, ADocumentThatCannotBeginFails)
{
    const auto printer = pdfPrinter(dir.filePath(u"missing-folder/out.pdf"_qs), 600);
    PrinterOutput::setUpPage(*printer);
    EXPECT_THROW(PrinterOutput::drawDocument(*printer, LinePages(1)), Failure);
}

TEST_F(PrinterOutputTest, OnlyThePagesOfTheChosenRangeArePrinted)
{
    struct Case {
        int from, to; // 0: no range chosen
        std::vector<int> pages;
    };
    for (const Case& c : std::vector<Case>{{0, 0, {1, 2, 3, 4, 5}}, {2, 2, {2}}, {4, 9, {4, 5}}, {1, 3, {1, 2, 3}}}) {
        const QString path = dir.filePath(u"range.pdf"_qs);
        const auto printer = jobPdfPrinter(path, c.from, c.to);
        const LinePages pages(5);
        std::vector<int> reportedTotals;
        PrinterOutput::drawDocument(*printer, pages, [&](int, int total) {
            reportedTotals.push_back(total);
            return true;
        });
        EXPECT_EQ(pages.drawnPages, c.pages) << c.from << "-" << c.to;
        EXPECT_EQ(PdfReadBack::pageCount(path), static_cast<int>(c.pages.size())) << c.from << "-" << c.to;
        EXPECT_EQ(reportedTotals, std::vector<int>(c.pages.size(), static_cast<int>(c.pages.size())));
    }
}

TEST_F(PrinterOutputTest, NothingIsPrintedWithoutRecordsOrPagesInTheRange)
{
    struct Case {
        int pageCount, from, to;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0}, {5, 6, 8}}) {
        const QString path = dir.filePath(u"nothing.pdf"_qs);
        const auto printer = jobPdfPrinter(path, c.from, c.to);
        const LinePages pages(c.pageCount);
        try {
            PrinterOutput::drawDocument(*printer, pages);
            ADD_FAILURE() << "printed " << c.pageCount << " pages, range " << c.from << "-" << c.to;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.message(), u"印刷する記録がありません");
        }
        EXPECT_EQ(pages.drawn, 0);
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(PrinterOutputTest, ACancelStopsAfterThePageAndLeavesNoFile)
{
    const QString path = dir.filePath(u"cancelled.pdf"_qs);
    const auto printer = jobPdfPrinter(path);
    const LinePages pages(10);
    const auto outcome = PrinterOutput::drawDocument(*printer, pages, [](int drawn, int) { return drawn < 3; });
    EXPECT_EQ(outcome, PrinterOutput::Outcome::Cancelled);
    EXPECT_EQ(pages.drawn, 3);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrinterOutputTest, APdfCutShortByAFullDiskIsReportedAndRemoved)
{
    const QString path = dir.filePath(u"full.pdf"_qs);
    const auto printer = jobPdfPrinter(path);
    const LinePages pages(200);
    try {
        const FileFaults::ScopedFileSizeLimit full(8 * 1024);
        PrinterOutput::drawDocument(*printer, pages);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), u"ファイル \""_qs + path + u"\" を作成できません。ディスクの空き容量が足りません。"_qs);
    }
    EXPECT_FALSE(QFile::exists(path));

    // The same document with room to spare is written whole.
    const auto roomy = jobPdfPrinter(path);
    PrinterOutput::drawDocument(*roomy, pages);
    EXPECT_EQ(PdfReadBack::pageCount(path), 200);
}

} // namespace
