#include "LabelStockPanel.h"

#include "StockPositionPicture.h"
#include "ui/NumberBoxes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr PlateKind kKinds[] = {PlateKind::TypeA, PlateKind::TypeBTrunk, PlateKind::TypeBBranch};

template <typename Widget>
Widget* placed(Widget* widget, QWidget* parent, const QString& name, QRect at)
{
    widget->setParent(parent);
    widget->setObjectName(name);
    widget->setGeometry(at);
    return widget;
}

void caption(QWidget* parent, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->move(at);
}

} // namespace

LabelStockPanel::LabelStockPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("LabelStockGroup"));
    setFrameShape(QFrame::StyledPanel);

    caption(this, u"開始位置"_qs, {190, 10});
    startBox = placed(new UiStyle::NumberBox, this, u"StartPositionBox"_qs, {240, 6, 50, 22});
    // Any position of the largest sheet: the kind a print is for is known only
    // when it runs, and a start past its sheet is refused then, not clamped.
    int largestSheet = 1;
    for (PlateKind kind : kKinds)
        largestSheet = std::max(largestSheet, platesPerPage(kind));
    startBox->setRange(1, largestSheet);
    picture = placed(new StockPositionPicture, this, u"StockPicture"_qs, {420, 4, 76, 106});

    caption(this, u"印刷する記録"_qs, {8, 38});
    allRecords = placed(new QRadioButton(u"全て"_qs), this, u"AllRecordsButton"_qs, {80, 34, 52, 22});
    selectedRecords = placed(new QRadioButton(u"選択した行"_qs), this, u"SelectedRecordsButton"_qs, {132, 34, 86, 22});
    listedRecords = placed(new QRadioButton(u"番号指定"_qs), this, u"ListedRecordsButton"_qs, {218, 34, 76, 22});
    listBox = placed(new QLineEdit, this, u"RecordListBox"_qs, {296, 34, 116, 22});
    listBox->setPlaceholderText(u"例: 3-7,12"_qs);
    listBox->setEnabled(false);
    allRecords->setChecked(true);
    auto* records = new QButtonGroup(this);
    for (QRadioButton* button : {allRecords, selectedRecords, listedRecords})
        records->addButton(button);

    caption(this, u"部数"_qs, {8, 66});
    copiesBox = placed(new UiStyle::NumberBox, this, u"CopiesBox"_qs, {70, 62, 50, 22});
    copiesBox->setRange(1, PlateSelection::kMaxCopies);
    caption(this, u"（1記録あたり）"_qs, {126, 66});

    checkButton = placed(new QPushButton(u"はみ出し確認"_qs), this, u"FitCheckButton"_qs, {8, 92, 120, 24});
    // All three by default: a list is often printed on more than one kind of stock.
    checkKindBox = placed(new QComboBox, this, u"FitCheckKindBox"_qs, {132, 92, 112, 24});
    checkKindBox->addItem(u"すべての名板"_qs);
    for (PlateKind kind : kKinds)
        checkKindBox->addItem(plateKindName(kind));
    calibrateButton = placed(new QPushButton(u"位置調整…"_qs), this, u"CalibrateButton"_qs, {256, 92, 120, 24});

    connect(startBox, &QSpinBox::valueChanged, this, &LabelStockPanel::choiceChanged);
    connect(copiesBox, &QSpinBox::valueChanged, this, &LabelStockPanel::choiceChanged);
    connect(listBox, &QLineEdit::textChanged, this, &LabelStockPanel::choiceChanged);
    connect(records, &QButtonGroup::buttonToggled, this, [this] {
        listBox->setEnabled(listedRecords->isChecked());
        Q_EMIT choiceChanged();
    });
    connect(this, &LabelStockPanel::choiceChanged, this, [this] { showPlateCount(plateCount_); });
}

void LabelStockPanel::setPlateKind(PlateKind kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    Q_EMIT choiceChanged();
}

LabelStockChoice LabelStockPanel::choice() const
{
    LabelStockChoice choice;
    choice.startPosition = startBox->value();
    choice.records = listedRecords->isChecked() ? LabelStockChoice::Records::Listed
        : selectedRecords->isChecked()          ? LabelStockChoice::Records::SelectedRows
                                                : LabelStockChoice::Records::All;
    choice.list = listBox->text();
    choice.copies = copiesBox->value();
    return choice;
}

std::vector<PlateKind> LabelStockPanel::fitCheckKinds() const
{
    const int chosen = checkKindBox->currentIndex();
    if (chosen < 1)
        return {std::begin(kKinds), std::end(kKinds)};
    return {kKinds[chosen - 1]};
}

void LabelStockPanel::showPlateCount(int plates)
{
    plateCount_ = plates;
    picture->showSheet(kind_, startBox->value(), plates);
}

void LabelStockPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    Q_EMIT choiceChanged();
}
