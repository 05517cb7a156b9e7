#include "StockPositionPicture.h"

#include "print/LayoutSurface.h"

#include <QPainter>

#include <algorithm>

namespace {

// An A4 page in layout units.
constexpr QSizeF kPageUnits{210 / 25.4 * kLayoutUnitsPerInch, 297 / 25.4 * kLayoutUnitsPerInch};

} // namespace

StockPositionPicture::StockPositionPicture(QWidget* parent) : QWidget(parent) {}

void StockPositionPicture::showSheet(PlateKind kind, int startPosition, int platesPrinted)
{
    kind_ = kind;
    startPosition_ = std::clamp(startPosition, 1, platesPerPage(kind));
    platesPrinted_ = std::max(platesPrinted, 0);
    setToolTip(u"灰色: 使用済みのラベル　紺色: 今回印刷するラベル　白: 空いたままのラベル\n"
               u"用紙 %1 枚、最後の用紙に空きラベル %2 枚"_qs.arg(sheetCount()).arg(freeOnLastSheet()));
    update();
}

int StockPositionPicture::printedOnFirstSheet() const
{
    return std::min(platesPrinted_, platesPerPage(kind_) - usedUp());
}

int StockPositionPicture::sheetCount() const
{
    const int perSheet = platesPerPage(kind_);
    return platesPrinted_ == 0 ? 0 : (usedUp() + platesPrinted_ + perSheet - 1) / perSheet;
}

int StockPositionPicture::freeOnLastSheet() const
{
    return platesPrinted_ == 0 ? 0 : sheetCount() * platesPerPage(kind_) - usedUp() - platesPrinted_;
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

    // The sheet count sits on a white patch so it reads over navy labels too.
    const QString sheets = u"%1枚"_qs.arg(sheetCount());
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QRectF page(origin, kPageUnits * scale);
    QRectF box = painter.fontMetrics().boundingRect(sheets).toRectF().adjusted(-2, 0, 2, 0);
    box.moveBottomRight(page.bottomRight());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, sheets);
}
