#include "SheetCellDelegate.h"

#include "ui/ScreenFonts.h"

#include <QApplication>
#include <QPainter>

QFont SheetCellDelegate::cellFont(int pixelSize) { return UiStyle::screenFont(UiStyle::Face::Gothic, pixelSize); }

void SheetCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    const bool selected = cell.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (font_.pixelSize() != cell.font.pixelSize())
        font_ = cellFont(cell.font.pixelSize());
    painter->save();
    painter->setFont(font_);
    painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // Cut at the cell's edge, never shortened with an ellipsis.
    painter->setClipRect(cell.rect);
    const bool right = cell.displayAlignment & Qt::AlignRight;
    painter->drawText(cell.rect.adjusted(right ? 0 : kTextMargin, 0, right ? -kTextMargin : 0, 0),
                      int(cell.displayAlignment) | Qt::TextSingleLine, text);
    painter->restore();
}
