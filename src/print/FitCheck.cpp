#include "FitCheck.h"

#include "LayoutSurface.h"
#include "PainterSurface.h"
#include "TypeAPlates.h"
#include "TypeBPlates.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <map>

namespace {

constexpr double kUnitsPerMm = kLayoutUnitsPerInch / 25.4;
constexpr double kSmallestOverhangMm = 0.1;

// Keeps one plate's named texts and vertical lines, in layout units (factor 1).
class MeasuringSurface : public LayoutSurface {
public:
    MeasuringSurface() : LayoutSurface(LayoutFactors{1, 1}) {}

    struct LeftOut {
        QString rest;
        QString lineName;
    };

    std::vector<SurfaceText> texts;
    std::vector<SurfaceLine> verticals;
    std::vector<LeftOut> leftOut;

    void clear()
    {
        texts.clear();
        verticals.clear();
        leftOut.clear();
    }

protected:
    void paintText(const SurfaceText& text) override
    {
        if (!text.lineName.isEmpty())
            texts.push_back(text);
    }
    void paintLine(const SurfaceLine& line) override
    {
        if (line.from.x() == line.to.x())
            verticals.push_back(line);
    }
    void textLeftOut(const QString& rest, const QString& lineName) override { leftOut.push_back({rest, lineName}); }
};

// Text widths in layout units: a 600 dpi image is a device of layout units.
class TextMeasure {
public:
    TextMeasure() : device_(1, 1, QImage::Format_Mono)
    {
        constexpr int kDotsPerMetre = static_cast<int>(kLayoutUnitsPerInch / 0.0254 + 0.5);
        device_.setDotsPerMeterX(kDotsPerMetre);
        device_.setDotsPerMeterY(kDotsPerMetre);
        base_.setFamilies(printFontFamilies());
        base_.setStyleHint(QFont::Serif);
    }

    // Width and height of the text's box.
    QSizeF size(const QString& text, int points)
    {
        auto found = metrics_.find(points);
        if (found == metrics_.end()) {
            QFont font = base_;
            font.setPointSize(points);
            found = metrics_.emplace(points, QFontMetricsF(font, &device_)).first;
        }
        return {found->second.horizontalAdvance(text), found->second.height()};
    }

private:
    QImage device_;
    QFont base_;
    std::map<int, QFontMetricsF> metrics_;
};

// The nearest vertical line right of x that spans height y; none: no limit.
std::optional<int> rightLimit(const std::vector<SurfaceLine>& verticals, double x, double y)
{
    std::optional<int> nearest;
    for (const SurfaceLine& line : verticals) {
        const int lineX = line.from.x();
        const int top = std::min(line.from.y(), line.to.y());
        const int bottom = std::max(line.from.y(), line.to.y());
        if (lineX > x && y >= top && y <= bottom && (!nearest || lineX < *nearest))
            nearest = lineX;
    }
    return nearest;
}

// Draws the record of `row` as the first plate of a page; returns the right
// edge of that plate's frame.
int drawPlate(MeasuringSurface& surface, const RecordSheet& sheet, int row, const FitCheckPlates& plates)
{
    const Record& record = sheet.recordOrEmpty(row);
    if (plates.kind == PlateKind::TypeA) {
        const Settings captions = plates.captions ? *plates.captions : Settings::defaults();
        TypeAPlates(sheet, captions, plates.order).drawPlate(surface, TypeAPlates::kFirstPlateTop, row, record);
        const QRect frame = TypeAPlates::plateFrame(1);
        return frame.x() + frame.width();
    }
    const PlateSize size = plates.kind == PlateKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch;
    const TypeBPlates painter(sheet, size, plates.noBoxText);
    const QPoint base = TypeBPlates::plateBase(TypeBGeometry::of(size), 1);
    painter.drawPlateTexts(surface, base, record);
    painter.drawPlateLines(surface, base);
    return base.x() + TypeBGeometry::of(size).frameRight;
}

} // namespace

std::vector<OverlongText> findOverlongTexts(const RecordSheet& sheet, const std::vector<int>& rows,
                                            const FitCheckPlates& plates)
{
    std::vector<OverlongText> overlong;
    MeasuringSurface surface;
    TextMeasure measure;
    for (int row : rows) {
        surface.clear();
        const int frameRight = drawPlate(surface, sheet, row, plates);
        const QString& number = sheet.cell(ColNumber, row);
        const QString recordNumber = number.isEmpty() ? QString::number(row) : number;
        for (const SurfaceText& text : surface.texts) {
            const QSizeF size = measure.size(text.text, text.points);
            const QPoint topLeft = text.device; // factor 1: device dots are layout units
            const int limit =
                std::min(rightLimit(surface.verticals, topLeft.x(), topLeft.y() + size.height() / 2).value_or(frameRight),
                         frameRight);
            const double overhangMm = (topLeft.x() + size.width() - limit) / kUnitsPerMm;
            if (overhangMm >= kSmallestOverhangMm)
                overlong.push_back({recordNumber, text.lineName, overhangMm, {}});
        }
        for (const MeasuringSurface::LeftOut& left : surface.leftOut)
            overlong.push_back({recordNumber, left.lineName, 0, left.rest});
    }
    return overlong;
}
