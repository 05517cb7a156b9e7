#include "ControlBuilders.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace UiStyle {

namespace {

void setColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename Control>
Control* placed(Control* control, QAnyStringView name, QRect geometry)
{
    control->setObjectName(name.toString());
    control->setGeometry(geometry);
    return control;
}

// A clickable control shows the hand-point cursor.
template <typename Control>
Control* clickable(QWidget* parent, QAnyStringView name, QStringView text, QRect geometry)
{
    auto* control = placed(new Control(text.toString(), parent), name, geometry);
    control->setCursor(Qt::PointingHandCursor);
    return control;
}

} // namespace

void setBackground(QWidget* widget, const QColor& colour)
{
    setColour(widget, {QPalette::Window}, colour);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    setColour(widget, {QPalette::WindowText, QPalette::Text}, colour);
}

void setBoxColours(QLineEdit* box, const QColor& text, const QColor& ground)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, ground);
    box->setPalette(palette);
}

QFrame* raisedPanel(QWidget* parent, QAnyStringView name, QRect geometry, const QColor& colour)
{
    auto* frame = placed(new QFrame(parent), name, geometry);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setCursor(Qt::ArrowCursor);
    setBackground(frame, colour);
    return frame;
}

QWidget* colourFrame(QWidget* parent, QAnyStringView name, QRect geometry, const QColor& colour)
{
    auto* frame = placed(new QWidget(parent), name, geometry);
    setBackground(frame, colour);
    return frame;
}

QPushButton* button(QWidget* parent, QAnyStringView name, QStringView text, QRect geometry)
{
    auto* pushButton = clickable<QPushButton>(parent, name, text, geometry);
    // Enter belongs to the windows' own keys (the entry form walks its fields
    // with it): no button may become a dialog's default and catch it.
    pushButton->setAutoDefault(false);
    pushButton->setDefault(false);
    return pushButton;
}

QRadioButton* radioButton(QWidget* parent, QAnyStringView name, QStringView text, QRect geometry)
{
    return clickable<QRadioButton>(parent, name, text, geometry);
}

QLineEdit* lineEdit(QWidget* parent, QAnyStringView name, QRect geometry, const QFont& font)
{
    auto* box = placed(new QLineEdit(parent), name, geometry);
    box->setFont(font);
    return box;
}

QLabel* label(QWidget* parent, QAnyStringView name, QStringView text, QPoint position,
              const std::optional<QFont>& font, const std::optional<QColor>& colour)
{
    auto* textLabel = new QLabel(text.toString(), parent);
    textLabel->setObjectName(name.toString());
    // Some labels show a text from a file (a record's No.): never as HTML.
    textLabel->setTextFormat(Qt::PlainText);
    if (font)
        textLabel->setFont(*font);
    if (colour)
        setTextColour(textLabel, *colour);
    textLabel->move(position);
    textLabel->adjustSize();
    return textLabel;
}

QLabel* pictureSlot(QWidget* parent, QAnyStringView name, QRect geometry)
{
    auto* picture = placed(new QLabel(parent), name, geometry);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace UiStyle
