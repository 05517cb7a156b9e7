#include "MainWindowLayout.h"

#include "MainWindowPictures.h"
#include "RecordSheetView.h"
#include "ui/ControlBuilders.h"
#include "ui/ControlIndex.h"
#include "ui/ScreenFonts.h"
#include "ui/SingleLineInput.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace UiStyle;
using namespace MainWindowLayout;

namespace {

QLineEdit* captionBox(QWidget* parent, const Control& row)
{
    QLineEdit* box = lineEdit(parent, row.name, row.rect, screenFont(row.pixelSize));
    box->setText(row.text.toString());
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    // White on navy.
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: %2; }")
                           .arg(kNavy.name(), kWhite.name()));
    return box;
}

QLineEdit* textBox(QWidget* parent, const Control& row)
{
    QLineEdit* box = lineEdit(parent, row.name, row.rect, screenFont(row.pixelSize));
    box->setAttribute(Qt::WA_InputMethodEnabled, true);
    makeSingleLineInput(box);
    return box;
}

RecordSheetView* sheet(QWidget* parent, const Control& row)
{
    auto* view = new RecordSheetView(parent);
    view->setObjectName(row.name.toString());
    view->setGeometry(row.rect);
    view->setFont(screenFont(row.pixelSize));
    view->setCursor(Qt::PointingHandCursor);
    return view;
}

QWidget* build(QWidget* parent, const Control& row)
{
    const std::optional<QFont> ownFont = row.pixelSize ? std::optional(screenFont(row.pixelSize)) : std::nullopt;
    const std::optional<QColor> ownColour = row.colour.isValid() ? std::optional(row.colour) : std::nullopt;
    switch (row.kind) {
    case Kind::Panel:
        return raisedPanel(parent, row.name, row.rect, row.colour);
    case Kind::Backdrop:
        return colourFrame(parent, row.name, row.rect, row.colour);
    case Kind::Button:
        return button(parent, row.name, row.text, row.rect);
    case Kind::RadioButton: {
        QRadioButton* choice = radioButton(parent, row.name, row.text, row.rect);
        choice->setChecked(row.checked);
        return choice;
    }
    case Kind::Label:
        return label(parent, row.name, row.text, row.rect.topLeft(), ownFont, ownColour);
    case Kind::Picture:
        return pictureSlot(parent, row.name, row.rect);
    case Kind::CaptionBox:
        return captionBox(parent, row);
    case Kind::TextBox:
        return textBox(parent, row);
    case Kind::Sheet:
        return sheet(parent, row);
    }
    return nullptr;
}

QMenu* popupMenu(QWidget* window)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("sheetMenu"));
    return menu;
}

void buildOutputProgress(QWidget* outputPanel, MainWindowControls& c)
{
    c.busyBanner = new QLabel(kBusyBannerText.toString(), outputPanel);
    c.busyBanner->setObjectName(QStringLiteral("busyBanner"));
    c.busyBanner->setAlignment(Qt::AlignCenter);
    c.busyBanner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.busyBanner->setFont(screenFont(kBusyBannerPixelSize));
    setBackground(c.busyBanner, kCream);
    c.busyBanner->hide();
    c.outputProgress = new QProgressBar(outputPanel);
    c.outputProgress->setObjectName(QStringLiteral("outputProgress"));
    c.outputProgress->setMinimum(0);
    c.outputProgress->setValue(0);
    c.outputProgress->setTextVisible(false);
    c.outputProgress->hide();
    placeOutputProgress(c);
}

// The window's handles on the controls it wires.
void takeHandles(const ControlIndex& index, MainWindowControls& c)
{
    c.commandBar = index.get<QFrame>(u"commandBar");
    c.openButton = index.get<QPushButton>(u"openButton");
    c.saveButton = index.get<QPushButton>(u"saveButton");
    c.outputPanelButton = index.get<QPushButton>(u"outputPanelButton");
    c.helpButton = index.get<QPushButton>(u"helpButton");
    c.companyPanel = index.get<QFrame>(u"companyPanel");
    c.companyCaption = index.get<QLineEdit>(u"companyCaption");
    c.companyNameEdit = index.get<QLineEdit>(u"companyNameEdit");
    c.recordGrid = index.get<RecordSheetView>(u"recordGrid");
    c.helpPanel = index.get<QFrame>(u"helpPanel");
    c.helpPicture = index.get<QLabel>(u"HelpPicture");
    c.helpIcon = index.get<QLabel>(u"HelpIcon");
    c.outputPanel = index.get<QFrame>(u"outputPanel");
    c.templateGroup = index.get<QFrame>(u"TemplateGroup");
    c.typeAGroup = index.get<QFrame>(u"TypeAGroup");
    c.typeBGroup = index.get<QFrame>(u"TypeBGroup");
    c.templateButton = index.get<QPushButton>(u"templateButton");
    c.typeAWorkbookButton = index.get<QPushButton>(u"typeAWorkbookButton");
    c.typeAPrintButton = index.get<QPushButton>(u"typeAPrintButton");
    c.typeAPreviewButton = index.get<QPushButton>(u"typeAPreviewButton");
    c.standardOrderChoice = index.get<QRadioButton>(u"standardOrderChoice");
    c.fromToOrderChoice = index.get<QRadioButton>(u"fromToOrderChoice");
    c.toFromOrderChoice = index.get<QRadioButton>(u"toFromOrderChoice");
    c.typeBWorkbookButton = index.get<QPushButton>(u"typeBWorkbookButton");
    c.trunkPrintButton = index.get<QPushButton>(u"trunkPrintButton");
    c.branchPrintButton = index.get<QPushButton>(u"branchPrintButton");
    c.typeBPreviewButton = index.get<QPushButton>(u"typeBPreviewButton");
    c.trunkSizeChoice = index.get<QRadioButton>(u"trunkSizeChoice");
    c.branchSizeChoice = index.get<QRadioButton>(u"branchSizeChoice");
    c.SamplePictureA = index.get<QLabel>(u"SamplePictureA");
    c.SamplePictureB = index.get<QLabel>(u"SamplePictureB");
    c.outputIcon = index.get<QLabel>(u"OutputIcon");
    c.resolutionXLabel = index.get<QLabel>(u"resolutionXLabel");
    c.resolutionYLabel = index.get<QLabel>(u"resolutionYLabel");
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget* window)
{
    ControlIndex index;
    index.add(window);
    for (const Control& row : kControls) {
        QWidget* control = index.add(build(index.find(row.parent), row));
        if (row.hidden)
            control->hide();
    }

    MainWindowControls c;
    takeHandles(index, c);
    c.sheetMenu = popupMenu(window);
    c.helpPicture->setPixmap(MainWindowPictures::helpPicture(c.helpPicture->size()));
    c.helpIcon->setPixmap(MainWindowPictures::smallIcon(c.helpIcon->size()));
    c.outputIcon->setPixmap(MainWindowPictures::smallIcon(c.outputIcon->size()));
    buildOutputProgress(c.outputPanel, c);
    return c;
}

void placeOutputProgress(const MainWindowControls& c)
{
    const QPoint fromBottom(0, c.outputPanel->height());
    c.busyBanner->setGeometry(kBusyBanner.translated(fromBottom));
    c.outputProgress->setGeometry(kProgressBar.translated(fromBottom));
}
