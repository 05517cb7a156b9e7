#pragma once

#include <QAbstractScrollArea>

class PageSource;

// The pages of a print one under the other on a grey ground, drawn by the
// print's own painters when they come into view and never kept: opening the
// preview of any number of pages costs the pages in view, and scrolling
// costs only the pages scrolled to.
class PagePreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr double kMinimumZoom = 0.25;
    static constexpr double kMaximumZoom = 4.0;

    // pages must outlive the preview.
    explicit PagePreview(const PageSource& pages, QWidget* parent = nullptr);

    int pageCount() const { return pageCount_; }
    // The page that fills most of the view, the first of equals (the last
    // one once scrolled to the end).
    int currentPage() const;
    // Scrolls page `page` (clamped to 1..pageCount) to the top of the view.
    void goToPage(int page);

    // 1 shows the paper at its real size on a 96 dpi screen.
    double zoom() const { return zoom_; }
    // Clamped to kMinimumZoom..kMaximumZoom; keeps the current page in view.
    void setZoom(double zoom);
    // Zooms so that a whole page fits the view, and keeps it so while the
    // view is resized, until setZoom() chooses a zoom of its own.
    void fitPageToView();
    bool fitsPageToView() const { return fitPage_; }

    // Pixel size of one page at the current zoom.
    QSize pageSize() const;
    // Where page `page` lies in the viewport's coordinates.
    QRect pageRect(int page) const;

Q_SIGNALS:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int pageStride() const;
    double zoomFittingThePage() const;
    void applyZoom(double zoom);
    void updateScrollBars();
    void reportCurrentPage();

    const PageSource& pages_;
    int pageCount_;
    double zoom_ = 1.0;
    bool fitPage_ = false;
    int reportedPage_ = 0;
};
