#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringView>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// Fonts, colours and small control builders shared by the main window's layout.
namespace UiStyle {

inline const QColor kWindowBackground{207, 205, 173};
inline const QColor kCream{255, 251, 240};
inline const QColor kHeaderRow{242, 244, 159};
inline const QColor kHelpPanel{0, 64, 64};
inline const QColor kOutputPanel{192, 220, 192};
inline const QColor kNavy{0, 0, 128};
inline const QColor kGreen{0, 128, 0};
inline const QColor kTeal{0, 128, 128};
inline const QColor kOlive{128, 128, 0};

// The screen face at a pixel size: Tahoma where installed, else a free
// Japanese gothic face.
QFont screenFont(int pixelSize);

// A bordered panel filled with a colour.
QFrame* panel(QWidget* parent, QStringView name, QRect geometry, const QColor& background);
// A plain coloured rectangle, the frame that stands behind a button.
QWidget* colourFrame(QWidget* parent, QStringView name, QRect geometry, const QColor& colour);
QPushButton* button(QWidget* parent, QStringView name, QStringView text, QRect geometry);
QRadioButton* radioButton(QWidget* parent, QStringView name, QStringView text, QRect geometry);
// A label at a point, sized to its text.
QLabel* label(QWidget* parent, QStringView name, QStringView text, QPoint position);
// An empty label that shows a picture of the given size.
QLabel* pictureSlot(QWidget* parent, QStringView name, QRect geometry);

void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace UiStyle
