#include "TForm2Controls.h"

#include "EntryFormLayout.h"
#include "EntryFormPictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace L = EntryFormLayout;

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QWidget* makePanel(QWidget* parent, const char* name, const QRect& rect, const QColor& colour)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(rect);
    panel->setAutoFillBackground(true);
    paint(panel, QPalette::Window, colour);
    return panel;
}

QLineEdit* makeLineEdit(QWidget* parent, const char* name, const QRect& rect, int pixelSize)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(rect);
    edit->setFont(entryFormFont(pixelSize));
    return edit;
}

void colourLineEdit(QLineEdit* edit, const QColor& text, const QColor& background)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    edit->setPalette(palette);
    edit->setAlignment(Qt::AlignCenter);
}

QLabel* makeLabel(QWidget* parent, const L::Label& item, QPoint origin)
{
    auto* label = new QLabel(item.text.toString(), parent);
    label->setObjectName(QLatin1String(item.objectName));
    label->setFont(entryFormFont(item.pixelSize, item.bold));
    paint(label, QPalette::WindowText, item.colour);
    label->move(item.position - origin);
    label->adjustSize();
    return label;
}

QLabel* makePicture(QWidget* parent, const char* name, const QRect& rect, const QPixmap& pixmap)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(rect);
    picture->setPixmap(pixmap);
    return picture;
}

} // namespace

TForm2::Controls::Controls(QWidget* formWidget) : form(formWidget)
{
    QWidget* background = makePanel(form, "Panel1", L::kBackgroundPanel, L::kFormColour);
    QWidget* topBar = makePanel(background, "Panel2", L::kTopBar, L::kTopBarColour);
    const auto parentOn = [&](L::On on) { return on == L::On::TopBar ? topBar : background; };
    // Top bar children are laid out in form coordinates like everything else.
    const auto originOf = [&](L::On on) { return on == L::On::TopBar ? L::kTopBar.topLeft() : QPoint(0, 0); };

    for (const L::Frame& frame : L::kFrames)
        makePanel(parentOn(frame.on), frame.objectName, frame.rect.translated(-originOf(frame.on)), frame.colour);

    noBox = makeLineEdit(topBar, L::kNoBox.objectName, L::kNoBox.rect.translated(-L::kTopBar.topLeft()),
                         L::kNoBoxPixelSize);
    colourLineEdit(noBox, L::kWhite, L::kGreen);
    noBox->setText(L::kNoBoxText.toString());
    numberLabel = makeLabel(topBar, L::kNumberLabel, L::kTopBar.topLeft());

    for (size_t i = 0; i < L::kCaptionBoxes.size(); ++i) {
        const L::CaptionBox& item = L::kCaptionBoxes[i];
        captionBoxes[i] = makeLineEdit(background, item.objectName, item.rect, L::kCaptionBoxPixelSize);
        colourLineEdit(captionBoxes[i], L::kWhite, L::kCaptionBoxColour);
    }
    for (const L::Label& item : L::kLabels)
        makeLabel(parentOn(item.on), item, originOf(item.on));
    for (const L::DataField& item : L::kDataFields) {
        QLineEdit* edit = makeLineEdit(background, item.objectName, item.rect, L::kDataFieldPixelSize);
        // Designations are Latin letters and digits: the Japanese input method stays off here.
        if (item.column == ColCableType)
            edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferLatin);
        field(item.column) = edit;
    }
    for (const L::Button& item : L::kButtons) {
        auto* button = new QPushButton(item.text.toString(), parentOn(item.on));
        button->setObjectName(QLatin1String(item.objectName));
        button->setGeometry(item.rect.translated(-originOf(item.on)));
        button->setFont(entryFormFont(item.pixelSize, item.bold));
        button->setCursor(Qt::PointingHandCursor);
        // Enter is the form's own key (it walks the fields): no button may
        // become the dialog's default and catch it.
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    helpButton = button("Button15");
    registerButton = button("Button9");

    makePicture(background, "Image1", L::kSmallPicture, entrySmallPicture(L::kSmallPictureSize));

    helpPanel = makePanel(background, "Panel3", L::kHelpPanel, L::kHelpPanelColour);
    makePicture(helpPanel, "Image2", L::kHelpPicture, entryHelpPicture(L::kHelpPicture.size()));
    makeLabel(helpPanel, L::kHelpLabel, QPoint(0, 0));
    makePicture(helpPanel, "Image3", L::kHelpSmallPicture, entrySmallPicture(L::kSmallPictureSize));
    helpPanel->hide();

    const char* previous = nullptr;
    for (const char* name : L::kTabOrder) {
        if (previous)
            QWidget::setTabOrder(form->findChild<QWidget*>(QLatin1String(previous)),
                                 form->findChild<QWidget*>(QLatin1String(name)));
        previous = name;
    }
}

std::optional<Column> TForm2::Controls::columnOf(const QObject* object) const
{
    for (Column column : kDataColumns) {
        if (field(column) == object)
            return column;
    }
    return std::nullopt;
}

QPushButton* TForm2::Controls::button(const char* objectName) const
{
    return form->findChild<QPushButton*>(QLatin1String(objectName));
}
