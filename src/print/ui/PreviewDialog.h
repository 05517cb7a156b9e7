#pragma once

#include <QDialog>

#include <functional>

class PagePreview;
class PageSource;
class QComboBox;
class QLabel;
class QSpinBox;

// The print preview window: the pages, page navigation with the page count,
// zoom, and a print button that runs the normal print of the same pages.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    // pages must outlive the dialog; print runs the print dialog and the print.
    PreviewDialog(const PageSource& pages, std::function<void()> print, QWidget* parent = nullptr);

    PagePreview* preview() const { return preview_; }

private:
    void stepZoom(int steps);

    PagePreview* preview_;
    QSpinBox* pageBox_;
    QLabel* pageCountLabel_;
    QComboBox* zoomBox_;
    std::function<void()> print_;
};
