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

QMenu* popupMenu(QWidget* window, MainWindowControls& c)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [&](QStringView name, QStringView text) {
        QAction* action = menu->addAction(text.toString());
        action->setObjectName(name.toString());
        return action;
    };
    c.N1 = item(u"N1", u"コピー");
    c.N2 = item(u"N2", u"貼り付け");
    menu->addSeparator()->setObjectName(QStringLiteral("N4"));
    c.N3 = item(u"N3", u"行削除");
    menu->addSeparator()->setObjectName(QStringLiteral("N5"));
    c.N6 = item(u"N6", u"全削除");
    return menu;
}

void buildOutputProgress(QWidget* outputPanel, MainWindowControls& c)
{
    c.Panel14 = new QLabel(kBusyBannerText.toString(), outputPanel);
    c.Panel14->setObjectName(QStringLiteral("Panel14"));
    c.Panel14->setAlignment(Qt::AlignCenter);
    c.Panel14->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.Panel14->setFont(screenFont(kBusyBannerPixelSize));
    setBackground(c.Panel14, kCream);
    c.Panel14->hide();
    c.ProgressBar1 = new QProgressBar(outputPanel);
    c.ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    c.ProgressBar1->setMinimum(0);
    c.ProgressBar1->setValue(0);
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->hide();
    placeOutputProgress(c);
}

// The window's handles on the controls it wires.
void takeHandles(const ControlIndex& index, MainWindowControls& c)
{
    c.Panel1 = index.get<QFrame>(u"Panel1");
    c.Button3 = index.get<QPushButton>(u"Button3");
    c.Button4 = index.get<QPushButton>(u"Button4");
    c.Button14 = index.get<QPushButton>(u"Button14");
    c.Button11 = index.get<QPushButton>(u"Button11");
    c.Panel2 = index.get<QFrame>(u"Panel2");
    c.Edit1 = index.get<QLineEdit>(u"Edit1");
    c.Edit2 = index.get<QLineEdit>(u"Edit2");
    c.StringGrid1 = index.get<RecordSheetView>(u"StringGrid1");
    c.Panel6 = index.get<QFrame>(u"Panel6");
    c.helpPicture = index.get<QLabel>(u"HelpPicture");
    c.helpIcon = index.get<QLabel>(u"HelpIcon");
    c.Panel8 = index.get<QFrame>(u"Panel8");
    c.templateGroup = index.get<QFrame>(u"TemplateGroup");
    c.typeAGroup = index.get<QFrame>(u"TypeAGroup");
    c.typeBGroup = index.get<QFrame>(u"TypeBGroup");
    c.Button2 = index.get<QPushButton>(u"Button2");
    c.Button1 = index.get<QPushButton>(u"Button1");
    c.Button16 = index.get<QPushButton>(u"Button16");
    c.PreviewButtonA = index.get<QPushButton>(u"PreviewButtonA");
    c.RadioButton3 = index.get<QRadioButton>(u"RadioButton3");
    c.RadioButton4 = index.get<QRadioButton>(u"RadioButton4");
    c.RadioButton5 = index.get<QRadioButton>(u"RadioButton5");
    c.Button15 = index.get<QPushButton>(u"Button15");
    c.Button17 = index.get<QPushButton>(u"Button17");
    c.Button18 = index.get<QPushButton>(u"Button18");
    c.PreviewButtonB = index.get<QPushButton>(u"PreviewButtonB");
    c.RadioButton1 = index.get<QRadioButton>(u"RadioButton1");
    c.RadioButton2 = index.get<QRadioButton>(u"RadioButton2");
    c.SamplePictureA = index.get<QLabel>(u"SamplePictureA");
    c.SamplePictureB = index.get<QLabel>(u"SamplePictureB");
    c.outputIcon = index.get<QLabel>(u"OutputIcon");
    c.Button5 = index.get<QPushButton>(u"Button5");
    c.Button6 = index.get<QPushButton>(u"Button6");
    c.Button7 = index.get<QPushButton>(u"Button7");
    c.Button8 = index.get<QPushButton>(u"Button8");
    c.Button9 = index.get<QPushButton>(u"Button9");
    c.Button10 = index.get<QPushButton>(u"Button10");
    c.Button12 = index.get<QPushButton>(u"Button12");
    c.Button13 = index.get<QPushButton>(u"Button13");
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
    c.PopupMenu1 = popupMenu(window, c);
    c.helpPicture->setPixmap(MainWindowPictures::helpPicture(c.helpPicture->size()));
    c.helpIcon->setPixmap(MainWindowPictures::smallIcon(c.helpIcon->size()));
    c.outputIcon->setPixmap(MainWindowPictures::smallIcon(c.outputIcon->size()));
    buildOutputProgress(c.Panel8, c);
    return c;
}

void placeOutputProgress(const MainWindowControls& c)
{
    const QPoint fromBottom(0, c.Panel8->height());
    c.Panel14->setGeometry(kBusyBanner.translated(fromBottom));
    c.ProgressBar1->setGeometry(kProgressBar.translated(fromBottom));
}
