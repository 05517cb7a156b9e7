#include "UiStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace UiStyle {

QFont screenFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(pixelSize);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QFrame* panel(QWidget* parent, QStringView name, QRect geometry, const QColor& background)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name.toString());
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(geometry);
    frame->setCursor(Qt::ArrowCursor);
    setBackground(frame, background);
    return frame;
}

QWidget* colourFrame(QWidget* parent, QStringView name, QRect geometry, const QColor& colour)
{
    auto* frame = new QWidget(parent);
    frame->setObjectName(name.toString());
    frame->setGeometry(geometry);
    setBackground(frame, colour);
    return frame;
}

namespace {

// A clickable control with its text, name and place, showing the hand-point cursor.
template <typename Control>
Control* clickable(QWidget* parent, QStringView name, QStringView text, QRect geometry)
{
    auto* control = new Control(text.toString(), parent);
    control->setObjectName(name.toString());
    control->setGeometry(geometry);
    control->setCursor(Qt::PointingHandCursor);
    return control;
}

} // namespace

QPushButton* button(QWidget* parent, QStringView name, QStringView text, QRect geometry)
{
    return clickable<QPushButton>(parent, name, text, geometry);
}

QRadioButton* radioButton(QWidget* parent, QStringView name, QStringView text, QRect geometry)
{
    return clickable<QRadioButton>(parent, name, text, geometry);
}

QLabel* label(QWidget* parent, QStringView name, QStringView text, QPoint position)
{
    auto* textLabel = new QLabel(text.toString(), parent);
    textLabel->setObjectName(name.toString());
    textLabel->move(position);
    textLabel->adjustSize();
    return textLabel;
}

QLabel* pictureSlot(QWidget* parent, QStringView name, QRect geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name.toString());
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace UiStyle
