#include "TypeBPlates.h"

#include "LayoutSurface.h"
#include "sheet/NameplateTexts.h"
#include "sheet/TextCodec.h"

#include <algorithm>

namespace {

// A date line longer than this is broken into constructor and date.
constexpr int kOneLineDateMax = 22;

void drawFixed(LayoutSurface& surface, QPoint base, const FixedText& fixed, const QString& text)
{
    surface.text(base + QPoint(fixed.x, fixed.y), text, fixed.points, {fixed.shiftDots, 0});
}

} // namespace

TypeBPlates::TypeBPlates(const RecordSheet& sheet, PlateSize size, QString noBoxText, const PlateSelection& selection)
    : sheet_(sheet), geometry_(TypeBGeometry::of(size)), sequence_(sheet, geometry_.platesPerPage(), selection),
      noBoxText_(std::move(noBoxText))
{
}

int TypeBPlates::pageCount() const
{
    return std::max(1, sequence_.pageCount());
}

QPoint TypeBPlates::plateBase(const TypeBGeometry& g, int position)
{
    const int row = (position - 1) / TypeBGeometry::kPlatesAcross;
    const int column = (position - 1) % TypeBGeometry::kPlatesAcross;
    return {g.firstLeft + g.columnPitch * column, g.firstTop + g.rowPitch * row};
}

QRect TypeBPlates::plateFrame(PlateSize size, int position)
{
    const TypeBGeometry& g = TypeBGeometry::of(size);
    const QPoint base = plateBase(g, position);
    return QRect(base + QPoint(g.frameLeft, g.frameTop), base + QPoint(g.frameRight, g.frameBottom));
}

void TypeBPlates::drawPage(LayoutSurface& surface, int page) const
{
    static const Record kEmpty{};
    const TypeBGeometry& g = geometry_;
    int position = 1;
    for (int k = 0; k < g.rowsPerPage; ++k) {
        const int top = g.firstTop + g.rowPitch * k;
        const auto baseOf = [&](int c) { return QPoint(g.firstLeft + g.columnPitch * c, top); };
        // Blank positions (labels used up or left for later) only lead or trail the plates.
        int firstUsed = TypeBGeometry::kPlatesAcross;
        int lastUsed = -1;
        for (int c = 0; c < TypeBGeometry::kPlatesAcross; ++c) {
            const PlateSequence::Slot slot = sequence_.slot(page, position++);
            if (slot.blank)
                continue;
            firstUsed = std::min(firstUsed, c);
            lastUsed = c;
            drawPlateTexts(surface, baseOf(c), slot.row > 0 ? sheet_.recordOrEmpty(slot.row) : kEmpty);
        }
        if (lastUsed < 0)
            continue;

        // The cut lines begin at the first plate printed in the row: the row's left
        // cut, or the right cut of a used-up label before it; they end at the right
        // cut of the last plate when the labels after it stay blank.
        const int leftCut = firstUsed == 0 ? g.firstLeft + g.cutLeft : baseOf(firstUsed - 1).x() + g.cutRight;
        const int lineStart = firstUsed == 0 ? 0 : leftCut;
        const int lineEnd =
            lastUsed == TypeBGeometry::kPlatesAcross - 1 ? kTypeBCutLineRight : baseOf(lastUsed).x() + g.cutRight;
        // The bottom cut line of one row lies on the top cut line of the next.
        surface.line({lineStart, top + g.cutTop}, {lineEnd, top + g.cutTop}, kTypeBThinPen);
        surface.line({leftCut, top + g.cutTop}, {leftCut, top + g.cutBottom}, kTypeBThinPen);
        for (int c = firstUsed; c <= lastUsed; ++c)
            drawPlateLines(surface, baseOf(c));
        surface.line({lineStart, top + g.cutBottom}, {lineEnd, top + g.cutBottom}, kTypeBThinPen);
    }
}

void TypeBPlates::drawPlateTexts(LayoutSurface& surface, QPoint base, const Record& record) const
{
    const TypeBGeometry& g = geometry_;
    const Record& names = RecordSheet::headerTexts();
    surface.setLineName(QString());
    drawFixed(surface, base, g.noBox, noBoxText_);
    drawFixed(surface, base, g.from, QStringLiteral("自"));
    drawFixed(surface, base, g.to, QStringLiteral("至"));
    surface.setLineName(names[g.circuit.column]);
    drawCounted(surface, base, g.circuit, record[g.circuit.column]);
    surface.setLineName(names[g.cableType.column]);
    drawByWidth(surface, base, g.cableType, record[g.cableType.column]);
    for (const CountedText& name : g.names) {
        surface.setLineName(names[name.column]);
        drawCounted(surface, base, name, record[name.column]);
    }
    surface.setLineName(names[ColConstructor] + u"・"_qs + names[ColConstructionDate]);
    drawDateLine(surface, base, record);
}

void TypeBPlates::drawPlateLines(LayoutSurface& surface, QPoint base) const
{
    const TypeBGeometry& g = geometry_;
    const auto at = [base](int x, int y) { return base + QPoint(x, y); };
    const auto horizontal = [&](int y, int pen) { surface.line(at(g.frameLeft, y), at(g.frameRight, y), pen); };
    const auto vertical = [&](int x, int fromY, int toY, int pen) { surface.line(at(x, fromY), at(x, toY), pen); };

    horizontal(g.frameTop, g.framePen);
    vertical(g.frameLeft, g.frameTop, g.frameBottom, g.framePen);
    vertical(g.frameRight, g.frameTop, g.frameBottom, g.framePen);
    horizontal(g.frameBottom, g.framePen);
    horizontal(g.firstRuleY, kTypeBRulePen);
    horizontal(g.secondRuleY, kTypeBRulePen);
    vertical(g.labelRuleX, g.frameTop, g.frameBottom, kTypeBRulePen);
    vertical(g.splitX, g.frameTop, g.firstRuleY, kTypeBRulePen);
    vertical(g.splitX, g.firstRuleY, g.frameBottom, kTypeBThinPen);
    vertical(g.cutRight, g.cutTop, g.cutBottom, kTypeBThinPen);
}

namespace {

// Two rows of at most perRow UTF-16 units each; what is left after them is not printed.
void drawTwoRows(LayoutSurface& surface, QPoint base, int upperY, int lowerY, const QString& text, int perRow,
                 int points)
{
    const QStringView upper = TextCodec::leadingUnits(text, perRow);
    const QStringView lower = TextCodec::leadingUnits(QStringView(text).sliced(upper.size()), perRow);
    surface.text(base + QPoint(0, upperY), upper.toString(), points);
    surface.text(base + QPoint(0, lowerY), lower.toString(), points);
    surface.leaveOut(text.sliced(upper.size() + lower.size()));
}

} // namespace

void TypeBPlates::drawCounted(LayoutSurface& surface, QPoint base, const CountedText& cell, const QString& text) const
{
    const int n = TextCodec::characterCount(text);
    if (n == 0)
        return;
    if (n > CountedText::kOneLineMax) {
        const int x = cell.anchor + cell.twoLineShift;
        drawTwoRows(surface, base + QPoint(x, 0), cell.upperY, cell.lowerY, text, CountedText::kPerRow, cell.twoLinePoints);
        return;
    }
    const OneLineCell& one = cell.byCount[static_cast<size_t>(CountedText::kOneLineMax - n)];
    surface.text(base + QPoint(cell.anchor + one.offset, one.y), text, one.points);
}

void TypeBPlates::drawByWidth(LayoutSurface& surface, QPoint base, const WidthText& cell, const QString& text) const
{
    const int bytes = TextCodec::byteWidth(text);
    if (bytes == 0)
        return;
    if (bytes > cell.oneLineMaxBytes) {
        const int x = cell.anchor + cell.twoLineShift;
        drawTwoRows(surface, base + QPoint(x, 0), cell.upperY, cell.lowerY, text, WidthText::kPerRow, cell.twoLinePoints);
        return;
    }
    const OneLineCell& one = cell.byWidth[static_cast<size_t>(cell.oneLineMaxBytes - bytes)];
    surface.text(base + QPoint(cell.anchor + one.offset, one.y), text, one.points);
}

int TypeBPlates::dateLineOffset(int characters)
{
    // 14 characters or fewer, then 15, 16, ... 21, then 22 or more.
    static constexpr std::array<int, 9> kOffsets = {160, 145, 120, 95, 80, 65, 50, 35, 25};
    return kOffsets[static_cast<size_t>(std::clamp(characters - 14, 0, 8))];
}

void TypeBPlates::drawDateLine(LayoutSurface& surface, QPoint base, const Record& record) const
{
    const DateLineCells& cells = geometry_.dateLine;
    const QString line = NameplateTexts::dateLine(record);
    const int m = TextCodec::characterCount(line);
    if (m <= kOneLineDateMax) {
        surface.text(base + QPoint(cells.anchor + dateLineOffset(m), cells.oneLineY), line, cells.oneLinePoints);
        return;
    }
    const QString& constructor = record[ColConstructor];
    const int x = cells.anchor + dateLineOffset(TextCodec::characterCount(constructor));
    surface.text(base + QPoint(x, cells.constructorY), constructor, cells.twoLinePoints);
    surface.text(base + QPoint(x, cells.dateY), record[ColConstructionDate], cells.twoLinePoints);
}
