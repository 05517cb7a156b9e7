#include "TypeAPlates.h"

#include "LayoutSurface.h"
#include "sheet/TextCodec.h"

namespace {

// Columns and rows of a plate, in layout units.
constexpr int kFrameLeft = 490;
constexpr int kFrameWidth = 3530;
constexpr int kFrameHeight = 930;
constexpr int kLabelX = kFrameLeft + 240;
constexpr int kTextX = kFrameLeft + 1340;
constexpr int kNumberX = 4200;
constexpr std::array<int, 6> kLineOffsets = {50, 200, 350, 500, 650, 800};
// The route text takes one line up to this byte width, two smaller lines beyond.
constexpr int kOneLineRouteBytes = 45;
constexpr int kTwoLineRouteOffsets[2] = {30, 105};

constexpr int kFramePen = 17;
constexpr int kCutMarkPen = 2;
constexpr int kCutMarkBelowTop = 955;
constexpr int kCutMarkLength = 100;
constexpr int kRightCutMarkX = 4500;

constexpr int kLabelPoints = 11;
constexpr int kTextPoints = 10;
constexpr int kTwoLineRoutePoints = 9;

// Default caption, and how it prints.
struct WidenedCaption {
    const char16_t* defaultText;
    const char16_t* printed;
};
constexpr std::array<WidenedCaption, 6> kWidenedCaptions = {{
    {u"行　き　先", u"行　　き　　先"},
    {u"ｹｰﾌﾞﾙ種類", u"ケーブル 種 類"},
    {u"用　　　途", u"用　   　 　途"},
    {u"施工年月日", u"施 工 年 月 日"},
    {u"施 工 者 名", u"施  工  者  名"},
    {u"ｹｰﾌﾞﾙ製造年", u"ケーブル製造年"},
}};

// Every text of a plate sits 10 units higher than its row offset, counted in
// dots of the horizontal factor as the layout was first drawn.
QPoint textRaise(const LayoutSurface& surface)
{
    return {0, -10 * surface.factors().horizontal};
}

} // namespace

TypeAPlates::TypeAPlates(const RecordSheet& sheet, const Settings& captions, TextOrder order,
                         const PlateSelection& selection)
    : sheet_(sheet), sequence_(sheet, kPlatesPerPage, selection), order_(order)
{
    for (int n = 1; n <= 6; ++n) {
        captions_[static_cast<size_t>(n - 1)] = captions.caption(n);
        labels_[static_cast<size_t>(n - 1)] = printedCaption(n, captions.caption(n));
    }
}

QRect TypeAPlates::plateFrame(int position)
{
    return {kFrameLeft, kFirstPlateTop + kPlatePitch * (position - 1), kFrameWidth, kFrameHeight};
}

QString TypeAPlates::printedCaption(int n, const QString& caption)
{
    const WidenedCaption& widened = kWidenedCaptions[static_cast<size_t>(n - 1)];
    return caption == QStringView(widened.defaultText) ? QString::fromUtf16(widened.printed) : caption;
}

int TypeAPlates::pageCount() const
{
    return sequence_.pageCount();
}

void TypeAPlates::drawPage(LayoutSurface& surface, int page) const
{
    static const Record kEmpty{};
    for (int q = 0; q < kPlatesPerPage; ++q) {
        const PlateSequence::Slot slot = sequence_.slot(page, q + 1);
        if (slot.blank)
            continue;
        drawPlate(surface, kFirstPlateTop + kPlatePitch * q, slot.row,
                  slot.row > 0 ? sheet_.recordOrEmpty(slot.row) : kEmpty);
    }
}

void TypeAPlates::drawPlate(LayoutSurface& surface, int plateTop, int row, const Record& record) const
{
    const QPoint raise = textRaise(surface);
    const auto at = [plateTop](int x, int offset) { return QPoint(x, plateTop + offset); };

    // Only the record's own texts carry a line name: they are what a fit check weighs.
    surface.setLineName(QString());
    for (size_t i = 0; i < labels_.size(); ++i)
        surface.text(at(kLabelX, kLineOffsets[i]), labels_[i], kLabelPoints, raise);
    if (row > 0)
        surface.text(at(kNumberX, kLineOffsets[0]), QStringLiteral("No.") + QString::number(row), kLabelPoints, raise);
    surface.setLineName(captions_[0]);
    drawRoute(surface, plateTop, record);

    surface.setLineName(captions_[1]);
    surface.text(at(kTextX, kLineOffsets[1]), NameplateTexts::circuitText(record), kTextPoints, raise);
    const std::array<Column, 4> lowerColumns = {ColPurpose, ColConstructionDate, ColConstructor, ColManufactureYear};
    for (size_t i = 0; i < lowerColumns.size(); ++i) {
        surface.setLineName(captions_[i + 2]);
        surface.text(at(kTextX, kLineOffsets[i + 2]), record[lowerColumns[i]], kTextPoints, raise);
    }

    const int left = kFrameLeft;
    const int right = kFrameLeft + kFrameWidth;
    const int top = plateTop;
    const int bottom = plateTop + kFrameHeight;
    surface.line({left, top}, {right, top}, kFramePen);
    surface.line({left, top}, {left, bottom}, kFramePen);
    surface.line({right, top}, {right, bottom}, kFramePen);
    surface.line({left, bottom}, {right, bottom}, kFramePen);

    const int cutY = plateTop + kCutMarkBelowTop;
    surface.line({0, cutY}, {kCutMarkLength, cutY}, kCutMarkPen);
    surface.line({kRightCutMarkX, cutY}, {kRightCutMarkX + kCutMarkLength, cutY}, kCutMarkPen);
}

void TypeAPlates::drawRoute(LayoutSurface& surface, int plateTop, const Record& record) const
{
    const QPoint raise = textRaise(surface);
    const QString oneLine = NameplateTexts::routeText(record, order_);
    if (TextCodec::byteWidth(oneLine) <= kOneLineRouteBytes) {
        surface.text({kTextX, plateTop + kLineOffsets[0]}, oneLine, kTextPoints, raise);
        return;
    }
    const auto [fromLine, toLine] = NameplateTexts::twoLineRouteText(record, order_);
    surface.text({kTextX, plateTop + kTwoLineRouteOffsets[0]}, fromLine, kTwoLineRoutePoints, raise);
    surface.text({kTextX, plateTop + kTwoLineRouteOffsets[1]}, toLine, kTwoLineRoutePoints, raise);
}
