#include "CatalogueWindow.h"

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

CatalogueWindow::CatalogueWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CatalogueWindow"));
    setWindowTitle(QStringLiteral("ケーブル表"));
    setWindowIcon(QIcon(cableCrossSection(32)));
    setFixedSize(CatalogueLayout::kClientSize);
    UiStyle::setBackground(this, UiStyle::kWindowBackground);
    buildControls();
    setUpWindow();
}

// The view reports to the grid model until it goes, so it must go first:
// child widgets would otherwise outlive the model member.
CatalogueWindow::~CatalogueWindow()
{
    delete view_;
}

void CatalogueWindow::buildControls()
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
    connect(view_, &CatalogueGridView::mouseReleased, this, &CatalogueWindow::rememberReleasedRow);
    connect(view_, &CatalogueGridView::gridDoubleClicked, this, &CatalogueWindow::pickDesignation);

    auto* hint = new QLabel(QStringLiteral("※ダブルクリック選択"), this);
    hint->setObjectName(QStringLiteral("pickHint"));
    hint->setFont(UiStyle::screenFont(UiStyle::Face::UiGothic, kHintPixelSize));
    hint->setGeometry(kHintLabel);

    UiStyle::pictureSlot(this, u"crossSectionPicture", kPicture)->setPixmap(cableCrossSection(kPicture.width()));

    index.setTabOrder(kTabOrder);
}

void CatalogueWindow::setUpWindow()
{
    // The column widths are set by the view; CVT comes in with row 13
    // highlighted and the list shown from row 10.
    loadFamily(initialCableFamily());
    grid_.setFirstVisibleRow(10);
    view_->showGridPosition();
}

void CatalogueWindow::loadFamily(const CableFamily& family)
{
    loadCableFamily(grid_, family);
    view_->showGridPosition();
}

void CatalogueWindow::setPickTarget(QLineEdit* cableTypeField, QWidget* purposeField)
{
    cableTypeField_ = cableTypeField;
    purposeField_ = purposeField;
}

void CatalogueWindow::setPlacementParent(QWidget* mainWindow)
{
    placementParent_ = mainWindow;
}

void CatalogueWindow::rememberReleasedRow(int gridRow)
{
    releasedRow_ = gridRow;
}

void CatalogueWindow::pickDesignation()
{
    // A release on no cell leaves no row to read: the double click does nothing.
    if (releasedRow_ < 0 || releasedRow_ >= grid_.gridRowCount())
        return;
    const QString designation = grid_.cell(0, releasedRow_);
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

void CatalogueWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOverMainWindow();
    }
    QWidget::showEvent(event);
    // A hidden view may have clamped its scroll range to a stale size.
    view_->showGridPosition();
}

void CatalogueWindow::placeOverMainWindow()
{
    QWidget* mainWindow = placementParent_;
    if (!mainWindow) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("MainWindow")) {
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
