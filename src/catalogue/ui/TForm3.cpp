#include "TForm3.h"

#include "CableCrossSection.h"
#include "CatalogueGridView.h"
#include "CatalogueLayout.h"
#include "catalogue/CableFamilies.h"
#include "catalogue/CableFamilyLoader.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QFont faceAt(QStringList families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

// "MS UI Gothic" is proportional, "ＭＳ ゴシック" fixed-pitch; the free IPA
// faces of the same kind stand in where they are missing.
QFont buttonFont(bool monospace)
{
    return monospace ? faceAt({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")}, 13)
                     : faceAt({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}, 13);
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("ケーブル表"));
    setWindowIcon(QIcon(cableCrossSection(32)));
    setFixedSize(CatalogueLayout::kClientSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(207, 205, 173));
    setPalette(colours);
    setAutoFillBackground(true);
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
    for (const FamilyButton& place : kFamilyButtons) {
        auto* button = new QPushButton(place.caption.toString(), this);
        button->setObjectName(place.name.toString());
        button->setGeometry(place.geometry);
        button->setFont(buttonFont(place.monospaceFace));
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        const CableFamily* family = findCableFamily(place.caption);
        Q_ASSERT(family);
        connect(button, &QPushButton::clicked, this, [this, family] { loadFamily(*family); });
    }

    view_ = new CatalogueGridView(grid_, this);
    view_->setGeometry(kGrid);
    connect(view_, &CatalogueGridView::mouseReleased, this, &TForm3::StringGrid2MouseUp);
    connect(view_, &CatalogueGridView::gridDoubleClicked, this, &TForm3::StringGrid2DblClick);

    auto* hint = new QLabel(QStringLiteral("※ダブルクリック選択"), this);
    hint->setObjectName(QStringLiteral("Label2"));
    hint->setFont(faceAt({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}, 9));
    hint->setGeometry(kHintLabel);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(kPicture);
    picture->setPixmap(cableCrossSection(kPicture.width()));

    QWidget* previous = nullptr;
    for (QStringView name : kTabOrder) {
        auto* next = findChild<QWidget*>(name.toString());
        Q_ASSERT(next);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
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
