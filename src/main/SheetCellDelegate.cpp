#include "SheetCellDelegate.h"

#include "ui/ScreenFonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

QFont SheetCellDelegate::cellFont(int pixelSize) { return UiStyle::screenFont(UiStyle::Face::Gothic, pixelSize); }

QString SheetCellDelegate::shownText(const QFontMetrics& metrics, const QString& text, int cellWidth)
{
    const int room = cellWidth - kTextMargin;
    // elidedText would also shorten a text that fits to the pixel.
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, room);
}

const QFont& SheetCellDelegate::fontFor(const QStyleOptionViewItem& option) const
{
    if (font_.pixelSize() != option.font.pixelSize())
        font_ = cellFont(option.font.pixelSize());
    return font_;
}

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
    const QFont& font = fontFor(cell);
    painter->save();
    painter->setFont(font);
    painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(cell.rect);
    const bool right = cell.displayAlignment & Qt::AlignRight;
    painter->drawText(cell.rect.adjusted(right ? 0 : kTextMargin, 0, right ? -kTextMargin : 0, 0),
                      int(cell.displayAlignment) | Qt::TextSingleLine,
                      shownText(QFontMetrics(font), text, cell.rect.width()));
    painter->restore();
}

bool SheetCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (shownText(QFontMetrics(fontFor(option)), text, option.rect.width()) == text) {
        QToolTip::hideText();
        return true;
    }
    // As rich text that keeps the text's own spaces and never wraps: a cell
    // such as "<b>盤</b>" shows as typed, not as markup.
    const QString tip = QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
    QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}
