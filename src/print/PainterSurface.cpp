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
    : LayoutSurface(factors), painter_(painter), baseTransform_(painter.worldTransform()), shaped_(painter.device())
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
        QFont sized = baseFont_;
        sized.setPointSize(points);
        // Made for the device once: a layout then shares this font and the face it
        // found instead of looking the face up for every text.
        const QFont font(sized, painter_.device());
        // Metrics of the device itself: a screen's metrics would misplace the text.
        const qreal ascent = QFontMetricsF(font, painter_.device()).ascent();
        found = fonts_.emplace(points, SizedFont{font, ascent}).first;
    }
    return found->second;
}

void PainterSurface::paintText(const SurfaceText& text)
{
    const SizedFont& sized = fontOfSize(text.points);
    if (!textPenSet_) {
        painter_.setPen(kPrintTextColour);
        textPenSet_ = true;
    }
    // Unadjusted dots: the painter's transform carries the adjustment.
    const QPoint at = toDevice(text.layout) + text.shiftDots;
    // A Windows text-out places the top of the text at y; a layout puts its
    // line's own ascent above the baseline, which must sit at y + the font's ascent.
    const QTextLayout& layout = shaped_.layout(text.text, sized.font, text.points);
    layout.draw(&painter_, QPointF(at.x(), at.y() + sized.ascent - layout.lineAt(0).ascent()));
}

void PainterSurface::paintLine(const SurfaceLine& line)
{
    // Round ends, like the geometric pens of a Windows printer.
    painter_.setPen(QPen(Qt::black, line.penDots, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    textPenSet_ = false;
    painter_.drawLine(toDevice(line.from), toDevice(line.to));
}

void PainterSurface::adjustmentChanged()
{
    const QPointF perMm = dotsPerMm();
    const QTransform wanted =
        adjustment().isIdentity() ? baseTransform_ : adjustment().transform(perMm.x(), perMm.y()) * baseTransform_;
    // Every page sets its adjustment; an unchanged one must not touch the painter's state.
    if (painter_.worldTransform() != wanted)
        painter_.setWorldTransform(wanted);
}
