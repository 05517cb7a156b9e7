#pragma once

#include "LayoutSurface.h"
#include "ShapedTexts.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTransform>

#include <map>

class QPainter;

// The print face "ＭＳ 明朝", then free Mincho faces where it is not installed.
QStringList printFontFamilies();
// Texts are navy; lines are black.
inline constexpr QColor kPrintTextColour{0, 0, 128};

// Draws on an active QPainter in device dots. Layout units become dots by the
// exact factor, by hand: a painter scale would scale the font sizes too, which
// are points on paper. A page adjustment, though, stretches the whole page,
// glyphs and pens included, so it goes into the painter's transform.
class PainterSurface : public LayoutSurface {
public:
    PainterSurface(QPainter& painter, LayoutFactors factors, const QStringList& families = printFontFamilies());

protected:
    void paintText(const SurfaceText& text) override;
    void paintLine(const SurfaceLine& line) override;
    void adjustmentChanged() override;

private:
    struct SizedFont {
        QFont font;
        qreal ascent = 0; // in device dots, from the device's own metrics
    };
    const SizedFont& fontOfSize(int points);

    QPainter& painter_;
    QTransform baseTransform_; // the painter's own, e.g. a preview's zoom
    QFont baseFont_;
    std::map<int, SizedFont> fonts_;
    ShapedTexts shaped_;
    bool textPenSet_ = false; // the painter holds the text colour, not a line's pen
};
