#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Draws the record sheet's cells so that the texts the columns were sized for
// show whole: a face with half-width digits (an era date such as
// "令和10年12月31日" fills its column to the pixel) and a one-pixel margin on
// the side the text starts from, in place of the style's wider ones. A
// text that does not fit ends in an ellipsis, so the cut shows, and its
// cell's tooltip holds it whole; a text that fits has no tooltip.
// Selection and focus are the style's own.
class SheetCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kTextMargin = 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    // The face the cells are drawn in, at the view's pixel size.
    static QFont cellFont(int pixelSize);
    // The text as a cell `cellWidth` pixels wide shows it: whole, or cut
    // with an ellipsis at its end.
    static QString shownText(const QFontMetrics& metrics, const QString& text, int cellWidth);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    // The cell face at the option's pixel size, made once per size.
    const QFont& fontFor(const QStyleOptionViewItem& option) const;

    mutable QFont font_;
};
