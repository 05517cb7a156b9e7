#include "PainterSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

QStringList printFontFamilies()
{
    // On Windows the plates print in MS Mincho as asked, Yu Mincho standing in
    // where it is missing; elsewhere in the IPA or Noto Mincho faces.
    return {u"ＭＳ 明朝"_qs, u"MS Mincho"_qs, u"Yu Mincho"_qs, u"IPAMincho"_qs, u"IPAexMincho"_qs, u"Noto Serif CJK JP"_qs};
}

PainterSurface::PainterSurface(QPainter& painter, LayoutFactors factors, const QStringList& families)
    : LayoutSurface(factors), painter_(painter)
{
    baseFont_.setFamilies(families);
    baseFont_.setStyleHint(QFont::Serif);
    // Texts are drawn without a background box, like a clear brush.
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrush(Qt::NoBrush);
}

const PainterSurface::SizedFont& PainterSurface::fontOfSize(int points)
{
    auto found = fonts_.find(points);
    if (found == fonts_.end()) {
        QFont font = baseFont_;
        font.setPointSize(points);
        // Metrics of the device itself: a screen's metrics would misplace the text.
        const qreal ascent = QFontMetricsF(font, painter_.device()).ascent();
        found = fonts_.emplace(points, SizedFont{font, ascent}).first;
    }
    return found->second;
}

void PainterSurface::paintText(const SurfaceText& text)
{
    const SizedFont& sized = fontOfSize(text.points);
    if (currentPoints_ != text.points) {
        painter_.setFont(sized.font);
        currentPoints_ = text.points;
    }
    painter_.setPen(kPrintTextColour);
    // A Windows text-out places the top of the text at y; Qt wants the baseline.
    painter_.drawText(QPointF(text.device.x(), text.device.y() + sized.ascent), text.text);
}

void PainterSurface::paintLine(const SurfaceLine& line)
{
    // Round ends, like the geometric pens of a Windows printer.
    painter_.setPen(QPen(Qt::black, line.penDots, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(line.deviceFrom, line.deviceTo);
}
