#pragma once

#include "LayoutSurface.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <map>

class QPainter;

// The print face "ＭＳ 明朝", then free Mincho faces where it is not installed.
QStringList printFontFamilies();
// Texts are navy; lines are black.
inline constexpr QColor kPrintTextColour{0, 0, 128};

// Draws on an active QPainter in device dots. The painter must not be scaled:
// a scaled painter would scale the font sizes too, which are points on paper.
class PainterSurface : public LayoutSurface {
public:
    PainterSurface(QPainter& painter, LayoutFactors factors, const QStringList& families = printFontFamilies());

protected:
    void paintText(const SurfaceText& text) override;
    void paintLine(const SurfaceLine& line) override;

private:
    struct SizedFont {
        QFont font;
        qreal ascent = 0; // in device dots, from the device's own metrics
    };
    const SizedFont& fontOfSize(int points);

    QPainter& painter_;
    QFont baseFont_;
    std::map<int, SizedFont> fonts_;
    int currentPoints_ = -1;
};
