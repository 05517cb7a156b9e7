#include "StockPositionPicture.h"

#include "print/LayoutSurface.h"

#include <QPainter>

#include <algorithm>

namespace {

// An A4 page in layout units.
constexpr QSizeF kPageUnits{210 / 25.4 * kLayoutUnitsPerInch, 297 / 25.4 * kLayoutUnitsPerInch};

} // namespace

StockPositionPicture::StockPositionPicture(QWidget* parent) : QWidget(parent)
{
    setToolTip(QStringLiteral("灰色: 使用済みのラベル　紺色: 今回印刷するラベル"));
}

void StockPositionPicture::showSheet(PlateKind kind, int startPosition, int platesPrinted)
{
    kind_ = kind;
    startPosition_ = std::clamp(startPosition, 1, platesPerPage(kind));
    platesPrinted_ = std::max(platesPrinted, 0);
    update();
}

int StockPositionPicture::printedOnFirstSheet() const
{
    return std::min(platesPrinted_, platesPerPage(kind_) - usedUp());
}

void StockPositionPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double scale = std::min(area.width() / kPageUnits.width(), area.height() / kPageUnits.height());
    const QPointF origin = area.topLeft();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(origin, kPageUnits * scale));

    const std::vector<QRect> frames = plateFrames(kind_);
    const int printedEnd = usedUp() + printedOnFirstSheet();
    for (int i = 0; i < static_cast<int>(frames.size()); ++i) {
        const QRect& f = frames[static_cast<size_t>(i)];
        const QColor fill = i < usedUp() ? QColor(Qt::lightGray) : i < printedEnd ? QColor(0, 0, 128) : QColor(Qt::white);
        painter.setBrush(fill);
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.drawRect(QRectF(origin + QPointF(f.x(), f.y()) * scale, QSizeF(f.size()) * scale));
    }
}
