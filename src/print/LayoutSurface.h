#pragma once

#include "PageAdjustment.h"

#include <QPoint>
#include <QPointF>
#include <QString>

// Nameplate layouts are measured in 1/600 inch from the top-left corner of the
// printable area. A device coordinate is the layout value times the factor of
// its axis, the device resolution div 600: whole device dots per layout unit,
// so a 1200 dpi printer draws the same page at exactly twice the dots.
inline constexpr int kLayoutUnitsPerInch = 600;

struct LayoutFactors {
    int horizontal = 1;
    int vertical = 1;

    // The remainder is dropped: 1199 dpi gives 1, 300 dpi gives 0.
    static LayoutFactors forResolution(int dotsPerInchAcross, int dotsPerInchDown);
    bool canDraw() const { return horizontal > 0 && vertical > 0; }
    friend bool operator==(const LayoutFactors&, const LayoutFactors&) = default;
};

// One text as the surface places it: by its top-left corner, as a Windows
// text-out does, not by its baseline.
struct SurfaceText {
    QString text;
    QPoint layout;    // layout units
    QPoint shiftDots; // device dots added after scaling, never scaled
    int points = 0;   // font size on paper
    QPoint device;    // where the top-left corner lands on the device
    QString lineName; // which line of the plate the text belongs to, for the fit check
};

// One straight black line; the pen width is in device dots and not scaled.
struct SurfaceLine {
    QPoint from;
    QPoint to;
    int penDots = 0;
    QPoint deviceFrom;
    QPoint deviceTo;
};

// What the page painters draw on: texts and lines in layout units. A painter-
// backed surface feeds printers, PDFs, previews and pictures; a recording
// surface lets tests read a page back.
class LayoutSurface {
public:
    explicit LayoutSurface(LayoutFactors factors) : factors_(factors) {}
    virtual ~LayoutSurface() = default;
    LayoutSurface(const LayoutSurface&) = delete;
    LayoutSurface& operator=(const LayoutSurface&) = delete;

    LayoutFactors factors() const { return factors_; }
    QPoint toDevice(QPoint layout) const;

    // Shifts and stretches everything drawn from now on about the page's top-left
    // corner: positions, and on a painter also glyphs and pens.
    void setAdjustment(const PageAdjustment& adjustment);
    const PageAdjustment& adjustment() const { return adjustment_; }
    // Device dots per millimetre of the layout, across and down.
    QPointF dotsPerMm() const;
    // Names the plate line the following texts belong to.
    void setLineName(const QString& name) { lineName_ = name; }

    // An empty text draws nothing.
    void text(QPoint at, const QString& text, int points, QPoint shiftDots = {});
    void line(QPoint from, QPoint to, int penDots);
    // The end of a text that its line's rule leaves out; nothing is drawn.
    void leaveOut(const QString& rest)
    {
        if (!rest.isEmpty())
            textLeftOut(rest, lineName_);
    }

protected:
    virtual void paintText(const SurfaceText& text) = 0;
    virtual void paintLine(const SurfaceLine& line) = 0;
    virtual void adjustmentChanged() {}
    virtual void textLeftOut(const QString& /*rest*/, const QString& /*lineName*/) {}

private:
    QPoint adjusted(QPoint device) const;

    LayoutFactors factors_;
    PageAdjustment adjustment_;
    QString lineName_;
};
