#include "PreviewDialog.h"

#include "PagePreview.h"
#include "ui/NumberBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr std::array kZoomSteps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
// The zoom box's first entry: a whole page, whatever the window's size.
constexpr double kFitPage = 0;

QPushButton* addButton(QHBoxLayout* bar, const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}

} // namespace

PreviewDialog::PreviewDialog(const PageSource& pages, std::function<void()> print, QWidget* parent)
    : QDialog(parent), preview_(new PagePreview(pages)), pageBox_(new UiStyle::NumberBox), pageCountLabel_(new QLabel),
      zoomBox_(new QComboBox), print_(std::move(print))
{
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    preview_->setObjectName(QStringLiteral("preview"));

    auto* bar = new QHBoxLayout;
    QPushButton* previous = addButton(bar, QStringLiteral("前のページ"), QStringLiteral("previousPage"));
    pageBox_->setObjectName(QStringLiteral("pageBox"));
    pageBox_->setRange(1, std::max(1, preview_->pageCount()));
    pageBox_->setKeyboardTracking(false);
    bar->addWidget(pageBox_);
    pageCountLabel_->setObjectName(QStringLiteral("pageCount"));
    pageCountLabel_->setText(QStringLiteral("/ %1 ページ").arg(preview_->pageCount()));
    bar->addWidget(pageCountLabel_);
    QPushButton* next = addButton(bar, QStringLiteral("次のページ"), QStringLiteral("nextPage"));
    bar->addSpacing(16);
    QPushButton* zoomOut = addButton(bar, QStringLiteral("縮小"), QStringLiteral("zoomOut"));
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    zoomBox_->addItem(QStringLiteral("ページ全体"), kFitPage);
    for (const double zoom : kZoomSteps)
        zoomBox_->addItem(QStringLiteral("%1 %").arg(qRound(zoom * 100)), zoom);
    bar->addWidget(zoomBox_);
    QPushButton* zoomIn = addButton(bar, QStringLiteral("拡大"), QStringLiteral("zoomIn"));
    bar->addStretch();
    QPushButton* printButton = addButton(bar, QStringLiteral("印刷..."), QStringLiteral("printButton"));
    QPushButton* close = addButton(bar, QStringLiteral("閉じる"), QStringLiteral("closeButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);

    connect(previous, &QPushButton::clicked, this, [this] { preview_->goToPage(preview_->currentPage() - 1); });
    connect(next, &QPushButton::clicked, this, [this] { preview_->goToPage(preview_->currentPage() + 1); });
    connect(pageBox_, &QSpinBox::valueChanged, preview_, &PagePreview::goToPage);
    connect(preview_, &PagePreview::currentPageChanged, this, [this](int page) {
        const QSignalBlocker quiet(pageBox_);
        pageBox_->setValue(page);
    });
    connect(zoomOut, &QPushButton::clicked, this, [this] { stepZoom(-1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { stepZoom(+1); });
    connect(zoomBox_, &QComboBox::activated, this, [this](int index) {
        const double zoom = zoomBox_->itemData(index).toDouble();
        if (zoom == kFitPage)
            preview_->fitPageToView();
        else
            preview_->setZoom(zoom);
    });
    connect(printButton, &QPushButton::clicked, this, [this] { print_(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Opens at the paper's real size where the screen allows, a whole page in view.
    const QSize page = preview_->pageSize();
    QSize wanted(page.width() + 80, page.height() + 120);
    if (const QScreen* screen = parent ? parent->screen() : this->screen())
        wanted = wanted.boundedTo(screen->availableSize() * 0.9);
    resize(wanted);
    preview_->fitPageToView();
    zoomBox_->setCurrentIndex(zoomBox_->findData(kFitPage));
    pageBox_->setValue(preview_->currentPage());
}

void PreviewDialog::stepZoom(int steps)
{
    // From a fitted page, the next step up or down from the zoom it came to.
    const double zoom = preview_->zoom();
    int index = zoomBox_->currentIndex();
    if (preview_->fitsPageToView()) {
        const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
        const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
        const auto step = steps > 0 ? above : (below == kZoomSteps.begin() ? below : below - 1);
        index = zoomBox_->findData(*std::min(step, kZoomSteps.end() - 1));
    } else {
        index = std::clamp(index + steps, 1, zoomBox_->count() - 1);
    }
    zoomBox_->setCurrentIndex(index);
    preview_->setZoom(zoomBox_->itemData(index).toDouble());
}
