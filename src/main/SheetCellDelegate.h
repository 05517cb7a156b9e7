#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Draws the record sheet's cells so that the texts the columns were sized for
// show whole: a face with half-width digits (an era date such as
// "令和10年12月31日" fills its column to the pixel) and a one-pixel margin on
// the side the text starts from, in place of the style's wider ones.
// Selection and focus are the style's own.
class SheetCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kTextMargin = 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    // The face the cells are drawn in, at the view's pixel size.
    static QFont cellFont(int pixelSize);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    mutable QFont font_;
};
