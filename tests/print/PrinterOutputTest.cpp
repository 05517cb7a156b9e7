#include "GuiApplication.h"
#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "print/PrinterOutput.h"
#include "sheet/Failure.h"

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
    }
    mutable int drawn = 0;

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

TEST_F(PrinterOutputTest, PageSetUpForcesA4PortraitZeroMarginsAndAtLeast600Dpi)
{
    for (const auto& [asked, expected] : std::vector<std::pair<int, int>>{{300, 600}, {600, 600}, {1200, 1200}}) {
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
    const auto printer = pdfPrinter(path, 1200);
    PrinterOutput::setUpPage(*printer);
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

} // namespace
