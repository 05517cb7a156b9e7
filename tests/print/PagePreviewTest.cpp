// The preview window over a very long print: only the pages in view are
// drawn, navigation and zoom reach any page, and the page count is shown.
#include "print/LayoutSurface.h"
#include "print/PageSource.h"
#include "print/ui/PagePreview.h"
#include "print/ui/PreviewDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <utility>
#include <cmath>
#include <vector>

namespace {

// As many pages as type A plates of a full sheet of 100,000 rows; each page
// says which it is and is remembered when drawn.
class CountedPages : public PageSource {
public:
    int pageCount() const override { return 16667; }
    void drawPage(LayoutSurface& surface, int page) const override
    {
        surface.text({600, 600}, u"Page "_qs + QString::number(page), 40);
        surface.line({600, 1200}, {4200, 1200}, 17);
        drawn.push_back(page);
    }
    mutable std::vector<int> drawn;
};

int navyPixels(const QImage& image)
{
    int navy = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            navy += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
        }
    }
    return navy;
}

} // namespace

class PagePreviewTest : public QObject {
    Q_OBJECT

    CountedPages pages;
    int prints = 0;
    std::unique_ptr<PreviewDialog> dialog;

    PagePreview* preview() const { return dialog->preview(); }
    QSpinBox* pageBox() const { return dialog->findChild<QSpinBox*>(u"pageBox"_qs); }
    void click(const char* button) const
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    // The pages drawn by the paints the last steps asked for.
    std::vector<int> pagesDrawnNow()
    {
        pages.drawn.clear();
        preview()->viewport()->repaint();
        return pages.drawn;
    }

private Q_SLOTS:
    void init()
    {
        pages.drawn.clear();
        prints = 0;
        dialog = std::make_unique<PreviewDialog>(pages, [this] { ++prints; });
        dialog->resize(900, 700);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup() { dialog.reset(); }

    void opensDrawingOnlyThePagesInView()
    {
        QTRY_VERIFY(!pages.drawn.empty());
        QVERIFY(std::all_of(pages.drawn.begin(), pages.drawn.end(), [](int page) { return page <= 2; }));
        QCOMPARE(preview()->pageCount(), 16667);
        QCOMPARE(dialog->findChild<QLabel*>(u"pageCount"_qs)->text(), u"/ 16667 ページ"_qs);
        QCOMPARE(pageBox()->value(), 1);
        // The painters' texts reach the screen.
        QVERIFY(navyPixels(preview()->viewport()->grab().toImage()) > 100);

        click("printButton");
        QCOMPARE(prints, 1);
    }

    void navigationReachesAnyPageAndDrawsOnlyIt()
    {
        pageBox()->setValue(5000);
        QCOMPARE(preview()->currentPage(), 5000);
        std::vector<int> drawn = pagesDrawnNow();
        QVERIFY(!drawn.empty());
        QVERIFY(std::all_of(drawn.begin(), drawn.end(), [](int page) { return page == 5000 || page == 5001; }));

        click("nextPage");
        QCOMPARE(preview()->currentPage(), 5001);
        QCOMPARE(pageBox()->value(), 5001);
        click("previousPage");
        click("previousPage");
        QCOMPARE(pageBox()->value(), 4999);

        // The wheel over the pages scrolls them; the page box follows.
        QWidget* viewport = preview()->viewport();
        const QPoint middle = viewport->rect().center();
        for (int turn = 0; turn < 30; ++turn) {
            QWheelEvent wheel(middle, viewport->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        }
        QVERIFY(preview()->currentPage() > 4999);
        QCOMPARE(pageBox()->value(), preview()->currentPage());

        pageBox()->setValue(16667);
        QCOMPARE(preview()->currentPage(), 16667);
        drawn = pagesDrawnNow();
        QVERIFY(std::find(drawn.begin(), drawn.end(), 16667) != drawn.end());
    }

    void opensWithAWholePageInViewAndThePageBoxFollowsIt()
    {
        auto* zoomBox = dialog->findChild<QComboBox*>(u"zoomBox"_qs);
        QCOMPARE(zoomBox->currentText(), u"ページ全体"_qs);
        QVERIFY(preview()->viewport()->rect().contains(preview()->pageRect(1)));
        // Stays whole when the window grows or shrinks.
        for (const QSize size : {QSize(1200, 1000), QSize(500, 400)}) {
            dialog->resize(size);
            QTRY_VERIFY(preview()->viewport()->rect().contains(preview()->pageRect(1)));
        }
        dialog->resize(900, 700);
        QTRY_VERIFY(preview()->viewport()->rect().contains(preview()->pageRect(1)));
        QVERIFY(preview()->pageSize().width() > 100);

        // Scrolled past the middle of a page, the next one fills most of the view.
        const int stride = preview()->pageRect(2).top() - preview()->pageRect(1).top();
        QScrollBar* bar = preview()->verticalScrollBar();
        for (const auto& [share, page] : {std::pair{0.3, 1}, std::pair{0.7, 2}, std::pair{1.3, 2}, std::pair{1.7, 3}}) {
            bar->setValue(qRound(share * stride));
            QCOMPARE(pageBox()->value(), page);
        }
    }

    void zoomKeepsTheCurrentPage()
    {
        auto* zoomBox = dialog->findChild<QComboBox*>(u"zoomBox"_qs);
        zoomBox->setCurrentIndex(zoomBox->findData(1.0));
        Q_EMIT zoomBox->activated(zoomBox->currentIndex());
        QCOMPARE(preview()->zoom(), 1.0);
        pageBox()->setValue(300);
        const QSize actualSize = preview()->pageSize();
        click("zoomIn");
        QCOMPARE(preview()->zoom(), 1.25);
        QVERIFY(std::abs(preview()->pageSize().width() - actualSize.width() * 1.25) <= 1);
        QCOMPARE(preview()->currentPage(), 300);
        for (int i = 0; i < 3; ++i)
            click("zoomOut");
        QCOMPARE(preview()->zoom(), 0.5);
        QCOMPARE(dialog->findChild<QComboBox*>(u"zoomBox"_qs)->currentText(), u"50 %"_qs);
        QCOMPARE(preview()->currentPage(), 300);
        for (int i = 0; i < 20; ++i)
            click("zoomOut");
        QCOMPARE(preview()->zoom(), PagePreview::kMinimumZoom);
        // At a quarter of the size several pages are in view, every one drawn.
        const std::vector<int> drawn = pagesDrawnNow();
        QVERIFY(std::find(drawn.begin(), drawn.end(), 301) != drawn.end());
        QVERIFY(std::all_of(drawn.begin(), drawn.end(), [](int page) { return page >= 300 && page <= 305; }));
    }
};

QTEST_MAIN(PagePreviewTest)
#include "PagePreviewTest.moc"
