#include "PagePreview.h"

#include "print/PageImage.h"
#include "print/PageSource.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr double kScreenPixelsPerMillimetre = 96 / 25.4;
// Grey ground around and between the pages.
constexpr int kGap = 12;
constexpr int kScrollStep = 40;

} // namespace

PagePreview::PagePreview(const PageSource& pages, QWidget* parent)
    : QAbstractScrollArea(parent), pages_(pages), pageCount_(pages.pageCount())
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    updateScrollBars();
}

QSize PagePreview::pageSize() const
{
    return PageImage::paperPixels(kScreenPixelsPerMillimetre * zoom_);
}

int PagePreview::pageStride() const
{
    return pageSize().height() + kGap;
}

QRect PagePreview::pageRect(int page) const
{
    const QSize size = pageSize();
    // A page narrower than the view stands in its middle.
    const int left = std::max(kGap, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    const int top = kGap + (page - 1) * pageStride() - verticalScrollBar()->value();
    return {QPoint(left, top), size};
}

int PagePreview::currentPage() const
{
    const QScrollBar* bar = verticalScrollBar();
    if (bar->maximum() > 0 && bar->value() == bar->maximum())
        return pageCount_;
    const int stride = pageStride();
    const int height = pageSize().height();
    const int top = bar->value();
    const int bottom = top + viewport()->height();
    const int last = std::min(pageCount_, std::max(0, bottom - kGap) / stride + 1);
    int best = std::clamp(std::max(0, top - kGap) / stride + 1, 1, std::max(1, pageCount_));
    int bestShown = 0;
    for (int page = best; page <= last; ++page) {
        const int pageTop = kGap + (page - 1) * stride;
        const int shown = std::min(bottom, pageTop + height) - std::max(top, pageTop);
        if (shown > bestShown) {
            best = page;
            bestShown = shown;
        }
    }
    return best;
}

void PagePreview::goToPage(int page)
{
    page = std::clamp(page, 1, std::max(1, pageCount_));
    verticalScrollBar()->setValue((page - 1) * pageStride());
}

void PagePreview::setZoom(double zoom)
{
    fitPage_ = false;
    applyZoom(zoom);
}

void PagePreview::fitPageToView()
{
    fitPage_ = true;
    applyZoom(zoomFittingThePage());
}

double PagePreview::zoomFittingThePage() const
{
    const QSizeF actualSize = PageImage::paperPixels(kScreenPixelsPerMillimetre);
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    return std::min(room.width() / actualSize.width(), room.height() / actualSize.height());
}

void PagePreview::applyZoom(double zoom)
{
    zoom = std::clamp(zoom, kMinimumZoom, kMaximumZoom);
    if (zoom == zoom_)
        return;
    const int page = currentPage();
    zoom_ = zoom;
    updateScrollBars();
    goToPage(page);
    viewport()->update();
}

void PagePreview::updateScrollBars()
{
    const QSize size = pageSize();
    const QSize view = viewport()->size();
    // A full sheet gives 16,667 type A pages: at the largest zoom some 75 million
    // pixels, well inside the scroll bar's range.
    const qint64 height = qint64(pageCount_) * pageStride() + kGap;
    const int width = size.width() + 2 * kGap;
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<qint64>(0, height - view.height())));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(kScrollStep);
    horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(kScrollStep);
    reportCurrentPage();
}

void PagePreview::reportCurrentPage()
{
    const int page = currentPage();
    if (page != reportedPage_) {
        reportedPage_ = page;
        Q_EMIT currentPageChanged(page);
    }
}

void PagePreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (fitPage_)
        applyZoom(zoomFittingThePage());
}

void PagePreview::scrollContentsBy(int dx, int dy)
{
    QAbstractScrollArea::scrollContentsBy(dx, dy);
    reportCurrentPage();
}

void PagePreview::paintEvent(QPaintEvent* event)
{
    if (pageCount_ < 1)
        return;
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    const int scrolled = verticalScrollBar()->value();
    const int first = std::max(1, (scrolled + exposed.top() - kGap) / pageStride() + 1);
    const int last = std::min(pageCount_, (scrolled + exposed.bottom()) / pageStride() + 1);
    const qreal pixelRatio = devicePixelRatioF();
    for (int page = first; page <= last; ++page) {
        const QRect onView = pageRect(page);
        const QRect part = onView.intersected(exposed);
        if (part.isEmpty())
            continue;
        // Drawn at the screen's own pixels, so pages stay sharp on high-density screens.
        const QSize paper = (QSizeF(onView.size()) * pixelRatio).toSize();
        const QRect partOfPaper((QPointF(part.topLeft() - onView.topLeft()) * pixelRatio).toPoint(),
                                (QSizeF(part.size()) * pixelRatio).toSize());
        painter.drawImage(part, PageImage::draw(pages_, page, paper, partOfPaper));
    }
}
