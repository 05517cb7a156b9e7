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

QPushButton* button(QWidget* parent, QStringView name, QStringView text, QRect geometry)
{
    auto* pushButton = new QPushButton(text.toString(), parent);
    pushButton->setObjectName(name.toString());
    pushButton->setGeometry(geometry);
    pushButton->setCursor(Qt::PointingHandCursor);
    return pushButton;
}

QRadioButton* radioButton(QWidget* parent, QStringView name, QStringView text, QRect geometry)
{
    auto* radio = new QRadioButton(text.toString(), parent);
    radio->setObjectName(name.toString());
    radio->setGeometry(geometry);
    radio->setCursor(Qt::PointingHandCursor);
    return radio;
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
