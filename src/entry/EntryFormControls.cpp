#include "EntryFormControls.h"

#include "EntryFormLayout.h"
#include "EntryFormPictures.h"
#include "ui/ControlBuilders.h"
#include "ui/InputMethodOff.h"
#include "ui/ScreenFonts.h"
#include "ui/SingleLineInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace L = EntryFormLayout;
using namespace UiStyle;

// A white-on-colour box with its text centred: the caption boxes and "No.".
QLineEdit* colouredBox(QWidget* parent, const char* name, QRect rect, int pixelSize, const QColor& ground)
{
    QLineEdit* box = lineEdit(parent, name, rect, screenFont(pixelSize));
    setBoxColours(box, kWhite, ground);
    box->setAlignment(Qt::AlignCenter);
    makeSingleLineInput(box);
    return box;
}

QLabel* tableLabel(QWidget* parent, const L::Label& item, QPoint origin)
{
    return label(parent, item.objectName, item.text, item.position - origin, screenFont(item.pixelSize, item.bold),
                 item.colour);
}

QLabel* picture(QWidget* parent, const char* name, QRect rect, const QPixmap& pixmap)
{
    QLabel* slot = pictureSlot(parent, name, rect);
    slot->setPixmap(pixmap);
    return slot;
}

} // namespace

EntryForm::Controls::Controls(QWidget* formWidget) : form(formWidget)
{
    QWidget* background = index.add(colourFrame(form, "formBackground", L::kBackgroundPanel, L::kFormColour));
    QWidget* topBar = index.add(colourFrame(background, "topBar", L::kTopBar, L::kTopBarColour));
    const auto parentOn = [&](L::On on) { return on == L::On::TopBar ? topBar : background; };
    // Top bar children are laid out in form coordinates like everything else.
    const auto originOf = [&](L::On on) { return on == L::On::TopBar ? L::kTopBar.topLeft() : QPoint(0, 0); };

    for (const L::Frame& frame : L::kFrames)
        index.add(colourFrame(parentOn(frame.on), frame.objectName, frame.rect.translated(-originOf(frame.on)),
                              frame.colour));

    noBox = index.add(colouredBox(topBar, L::kNoBox.objectName, L::kNoBox.rect.translated(-L::kTopBar.topLeft()),
                                  L::kNoBoxPixelSize, kGreen));
    noBox->setText(L::kNoBoxText.toString());
    numberLabel = index.add(tableLabel(topBar, L::kNumberLabel, L::kTopBar.topLeft()));

    for (size_t i = 0; i < L::kCaptionBoxes.size(); ++i) {
        const L::CaptionBox& item = L::kCaptionBoxes[i];
        captionBoxes[i] = index.add(
            colouredBox(background, item.objectName, item.rect, L::kCaptionBoxPixelSize, L::kCaptionBoxColour));
    }
    for (const L::Label& item : L::kLabels)
        index.add(tableLabel(parentOn(item.on), item, originOf(item.on)));
    for (const L::DataField& item : L::kDataFields) {
        QLineEdit* edit =
            index.add(lineEdit(background, item.objectName, item.rect, screenFont(L::kDataFieldPixelSize)));
        makeSingleLineInput(edit);
        // Designations are Latin letters and digits: the Japanese input method
        // stays off here. The hints remain for on-screen keyboards.
        if (item.column == ColCableType) {
            edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferLatin);
            turnInputMethodOff(edit);
        }
        field(item.column) = edit;
    }
    for (const L::Button& item : L::kButtons) {
        QPushButton* pushButton = index.add(UiStyle::button(parentOn(item.on), item.objectName, item.text,
                                                            item.rect.translated(-originOf(item.on))));
        pushButton->setFont(screenFont(item.pixelSize, item.bold));
    }
    helpButton = button("helpButton");
    registerButton = button("registerButton");

    index.add(picture(background, "smallPicture", L::kSmallPicture, entrySmallPicture(L::kSmallPictureSize)));

    helpPanel = index.add(colourFrame(background, "helpPanel", L::kHelpPanel, L::kHelpPanelColour));
    index.add(picture(helpPanel, "helpPicture", L::kHelpPicture, entryHelpPicture(L::kHelpPicture.size())));
    index.add(tableLabel(helpPanel, L::kHelpLabel, QPoint(0, 0)));
    index.add(picture(helpPanel, "helpSmallPicture", L::kHelpSmallPicture, entrySmallPicture(L::kSmallPictureSize)));
    helpPanel->hide();

    index.setTabOrder(L::kTabOrder);
}

std::optional<Column> EntryForm::Controls::columnOf(const QObject* object) const
{
    for (Column column : kDataColumns) {
        if (field(column) == object)
            return column;
    }
    return std::nullopt;
}

QPushButton* EntryForm::Controls::button(const char* objectName) const
{
    return index.get<QPushButton>(objectName);
}
