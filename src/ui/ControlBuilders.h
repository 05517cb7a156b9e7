#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QAnyStringView>
#include <QStringView>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of the three windows, each placed, named and styled the one
// way all windows share.
namespace UiStyle {

void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
// A box's own text and ground colours.
void setBoxColours(QLineEdit* box, const QColor& text, const QColor& ground);

// A raised panel filled with a colour; it shows the plain arrow over itself.
QFrame* raisedPanel(QWidget* parent, QAnyStringView name, QRect geometry, const QColor& colour);
// A flat coloured rectangle: a ground for other controls, or the frame that
// stands behind a button.
QWidget* colourFrame(QWidget* parent, QAnyStringView name, QRect geometry, const QColor& colour);

QPushButton* button(QWidget* parent, QAnyStringView name, QStringView text, QRect geometry);
QRadioButton* radioButton(QWidget* parent, QAnyStringView name, QStringView text, QRect geometry);
QLineEdit* lineEdit(QWidget* parent, QAnyStringView name, QRect geometry, const QFont& font);

// A label at a point, sized to its text; without a font or a colour it takes
// its parent's.
QLabel* label(QWidget* parent, QAnyStringView name, QStringView text, QPoint position,
              const std::optional<QFont>& font = {}, const std::optional<QColor>& colour = {});
// An empty label that shows a picture of its own size.
QLabel* pictureSlot(QWidget* parent, QAnyStringView name, QRect geometry);

} // namespace UiStyle
