#include "PageImage.h"

#include "LayoutSurface.h"
#include "PageSource.h"
#include "PainterSurface.h"
#include "PrinterOutput.h"

#include <QPageSize>
#include <QPainter>

namespace PageImage {
namespace {

constexpr double kMillimetresPerInch = 25.4;

QSizeF paperMillimetres()
{
    return QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
}

} // namespace

QSize paperPixels(double pixelsPerMillimetre)
{
    return (paperMillimetres() * pixelsPerMillimetre).toSize();
}

QImage draw(const PageSource& pages, int page, QSize paper, QRect part)
{
    // The image claims the print resolution, so that the painters place texts
    // and size fonts exactly as on paper; the painter's scale then brings the
    // page down to the screen, fonts and all.
    constexpr int dotsPerInch = PrinterOutput::kDefaultDotsPerInch;
    constexpr int dotsPerMetre = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
    QImage image(part.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);

    const QSizeF paperDots = paperMillimetres() / kMillimetresPerInch * dotsPerInch;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(-part.topLeft());
    painter.scale(paper.width() / paperDots.width(), paper.height() / paperDots.height());
    PainterSurface surface(painter, LayoutFactors::forResolution(dotsPerInch, dotsPerInch));
    pages.drawPage(surface, page);
    return image;
}

} // namespace PageImage
