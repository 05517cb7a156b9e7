#include "TForm3.h"

#include "CableCrossSection.h"
#include "CatalogueGridView.h"
#include "CatalogueLayout.h"
#include "catalogue/CableFamilies.h"
#include "catalogue/CableFamilyLoader.h"
#include "ui/ControlBuilders.h"
#include "ui/ControlIndex.h"
#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("ケーブル表"));
    setWindowIcon(QIcon(cableCrossSection(32)));
    setFixedSize(CatalogueLayout::kClientSize);
    UiStyle::setBackground(this, UiStyle::kWindowBackground);
    buildControls();
    FormCreate();
}

// The view reports to the grid model until it goes, so it must go first:
// child widgets would otherwise outlive the model member.
TForm3::~TForm3()
{
    delete view_;
}

void TForm3::buildControls()
{
    using namespace CatalogueLayout;
    UiStyle::ControlIndex index;
    for (const FamilyButton& place : kFamilyButtons) {
        QPushButton* button = index.add(UiStyle::button(this, place.name, place.caption, place.geometry));
        button->setFont(UiStyle::screenFont(place.face, kButtonPixelSize));
        const CableFamily* family = findCableFamily(place.caption);
        Q_ASSERT(family);
        connect(button, &QPushButton::clicked, this, [this, family] { loadFamily(*family); });
    }

    view_ = index.add(new CatalogueGridView(grid_, this));
    view_->setGeometry(kGrid);
    connect(view_, &CatalogueGridView::mouseReleased, this, &TForm3::StringGrid2MouseUp);
    connect(view_, &CatalogueGridView::gridDoubleClicked, this, &TForm3::StringGrid2DblClick);

    auto* hint = new QLabel(QStringLiteral("※ダブルクリック選択"), this);
    hint->setObjectName(QStringLiteral("Label2"));
    hint->setFont(UiStyle::screenFont(UiStyle::Face::UiGothic, kHintPixelSize));
    hint->setGeometry(kHintLabel);

    UiStyle::pictureSlot(this, u"Image1", kPicture)->setPixmap(cableCrossSection(kPicture.width()));

    index.setTabOrder(kTabOrder);
}

void TForm3::FormCreate()
{
    // The column widths are set by the view; CVT comes in with row 13
    // highlighted and the list shown from row 10.
    loadFamily(initialCableFamily());
    grid_.setFirstVisibleRow(10);
    view_->showGridPosition();
}

void TForm3::loadFamily(const CableFamily& family)
{
    loadCableFamily(grid_, family);
    view_->showGridPosition();
}

void TForm3::setPickTarget(QLineEdit* cableTypeField, QWidget* purposeField)
{
    cableTypeField_ = cableTypeField;
    purposeField_ = purposeField;
}

void TForm3::setPlacementParent(QWidget* mainWindow)
{
    placementParent_ = mainWindow;
}

void TForm3::StringGrid2MouseUp(int gridRow)
{
    uy2_ = gridRow;
}

void TForm3::StringGrid2DblClick()
{
    // A release on no cell leaves no row to read: the double click does nothing.
    if (uy2_ < 0 || uy2_ >= grid_.gridRowCount())
        return;
    const QString designation = grid_.cell(0, uy2_);
    if (cableTypeField_)
        cableTypeField_->setText(designation);
    hide();
    // With the entry form closed there is nothing to focus; it reloads its
    // fields when it opens again.
    if (purposeField_ && purposeField_->isVisible()) {
        purposeField_->activateWindow();
        purposeField_->setFocus(Qt::OtherFocusReason);
    }
}

void TForm3::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOverMainWindow();
    }
    QWidget::showEvent(event);
    // A hidden view may have clamped its scroll range to a stale size.
    view_->showGridPosition();
}

void TForm3::placeOverMainWindow()
{
    QWidget* mainWindow = placementParent_;
    if (!mainWindow) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("TForm1")) {
                mainWindow = window;
                break;
            }
        }
    }
    QRect frame(QPoint(), frameGeometry().size());
    if (mainWindow && mainWindow->isVisible())
        frame.moveCenter(mainWindow->frameGeometry().center());
    else if (const QScreen* screen = this->screen())
        frame.moveCenter(screen->availableGeometry().center());
    else
        return;
    move(frame.topLeft());
}
