#include "PrintCommands.h"

#include "CalibrationDialog.h"
#include "LabelStockPanel.h"
#include "print/AdjustedPages.h"
#include "print/CalibrationPage.h"
#include "print/FitCheck.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QWidget>

namespace {

PlateKind kindOf(PlateSize size)
{
    return size == PlateSize::Trunk ? PlateKind::TypeBTrunk : PlateKind::TypeBBranch;
}

} // namespace

PrintCommands::PrintCommands(QWidget* window, const RecordSheet& sheet, const Settings& f,
                             std::function<QString()> noBoxText, PrintJobHooks hooks)
    : QObject(window), window_(window), sheet_(sheet), f_(f), noBoxText_(std::move(noBoxText)),
      hooks_(std::move(hooks))
{
}

PrintJob PrintCommands::job()
{
    PrintJobHooks hooks = hooks_;
    hooks.printerChosen = [this, earlier = hooks_.printerChosen](const QPrinter& printer) {
        chosenPrinter_ = PrinterAdjustments::keyOf(printer);
        if (earlier)
            earlier(printer);
    };
    return PrintJob(window_, hooks);
}

void PrintCommands::printTypeA(TextOrder order)
{
    const auto selection = stockSelection(PlateKind::TypeA);
    if (selection && fitsOrConfirmed(PlateKind::TypeA, *selection, order))
        printAdjusted(TypeAPlates(sheet_, f_, order, *selection));
}

void PrintCommands::printTypeB(PlateSize size)
{
    const auto selection = stockSelection(kindOf(size));
    if (selection && fitsOrConfirmed(kindOf(size), *selection, TextOrder::Standard))
        printAdjusted(TypeBPlates(sheet_, size, noBoxText_(), *selection));
}

void PrintCommands::previewTypeA(TextOrder order)
{
    if (const auto selection = stockSelection(PlateKind::TypeA))
        previewAdjusted(TypeAPlates(sheet_, f_, order, *selection));
}

void PrintCommands::previewTypeB(PlateSize size)
{
    if (const auto selection = stockSelection(kindOf(size)))
        previewAdjusted(TypeBPlates(sheet_, size, noBoxText_(), *selection));
}

void PrintCommands::attachLabelStock(LabelStockPanel* panel, std::function<std::vector<int>()> selectedRows,
                                     std::function<TextOrder()> textOrder,
                                     std::unique_ptr<PrinterAdjustments> adjustments)
{
    stockPanel_ = panel;
    selectedRows_ = std::move(selectedRows);
    adjustments_ = std::move(adjustments);
    if (!confirmOverlong) {
        confirmOverlong = [this](const QString& report) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("確認"),
                            QStringLiteral("枠からはみ出す文字があります。このまま印刷しますか？"),
                            QMessageBox::Yes | QMessageBox::No, window_);
            box.setDetailedText(report);
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes;
        };
    }
    if (!inform)
        inform = [this](const QString& message) { QMessageBox::information(window_, QStringLiteral("確認"), message); };
    if (!printerNames)
        printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    connect(panel->checkButton, &QPushButton::clicked, this, [this, textOrder = std::move(textOrder)] { checkFit(textOrder()); });
    connect(panel->calibrateButton, &QPushButton::clicked, this, &PrintCommands::openCalibration);
    connect(panel, &LabelStockPanel::choiceChanged, this, [this] { stockPanel_->showPlateCount(plateCountOfChoice()); });
    panel->showPlateCount(plateCountOfChoice());
}

std::optional<PlateSelection> PrintCommands::stockSelection(PlateKind kind) const
{
    if (!stockPanel_)
        return PlateSelection{};
    LabelStockChoice choice = stockPanel_->choice();
    if (selectedRows_)
        choice.selectedRows = selectedRows_();
    auto selection = plateSelectionFor(choice, sheet_, kind);
    if (const QString* message = std::get_if<QString>(&selection)) {
        inform(*message);
        return std::nullopt;
    }
    return std::get<PlateSelection>(selection);
}

int PrintCommands::plateCountOfChoice() const
{
    if (!stockPanel_)
        return 0;
    LabelStockChoice choice = stockPanel_->choice();
    choice.startPosition = 1; // the count does not depend on it; a start past a smaller sheet must not hide it
    if (selectedRows_)
        choice.selectedRows = selectedRows_();
    const auto selection = plateSelectionFor(choice, sheet_, stockPanel_->plateKind());
    const PlateSelection* made = std::get_if<PlateSelection>(&selection);
    return made ? static_cast<int>(rowsOf(*made, sheet_).size()) * made->copies : 0;
}

bool PrintCommands::fitsOrConfirmed(PlateKind kind, const PlateSelection& selection, TextOrder order) const
{
    if (!stockPanel_)
        return true;
    const std::vector<OverlongText> overlong =
        findOverlongTexts(sheet_, rowsOf(selection, sheet_), {kind, &f_, order, noBoxText_()});
    return overlong.empty() || confirmOverlong(overlongReport(overlong));
}

void PrintCommands::checkFit(TextOrder order)
{
    const PlateKind kind = stockPanel_->plateKind();
    const auto selection = stockSelection(kind);
    if (!selection)
        return;
    const std::vector<OverlongText> overlong =
        findOverlongTexts(sheet_, rowsOf(*selection, sheet_), {kind, &f_, order, noBoxText_()});
    inform(overlong.empty() ? QStringLiteral("%1: すべての文字が枠に収まっています。").arg(plateKindName(kind))
                            : QStringLiteral("%1: 枠からはみ出す文字があります。\n").arg(plateKindName(kind))
                                  + overlongReport(overlong));
}

void PrintCommands::openCalibration()
{
    CalibrationDialog dialog(*adjustments_, printerNames(),
                             [this] { printCalibration(stockPanel_->plateKind()); }, window_);
    dialog.exec();
}

void PrintCommands::printCalibration(PlateKind kind)
{
    printAdjusted(CalibrationPage(kind));
}

PageAdjustment PrintCommands::adjustmentOfChosenPrinter() const
{
    return adjustments_ ? adjustments_->of(chosenPrinter_) : PageAdjustment{};
}

void PrintCommands::printAdjusted(const PageSource& pages)
{
    job().print(AdjustedPages(pages, [this] { return adjustmentOfChosenPrinter(); }));
}

void PrintCommands::previewAdjusted(const PageSource& pages)
{
    job().preview(AdjustedPages(pages, [this] { return adjustmentOfChosenPrinter(); }));
}

std::function<void(const PrinterResolution&)> showResolutionIn(QLabel* across, QLabel* down)
{
    // The hook may outlive a label the window has already destroyed.
    return [across = QPointer(across), down = QPointer(down)](const PrinterResolution& resolution) {
        if (across)
            across->setText(PrinterResolution::labelText(resolution.across));
        if (down)
            down->setText(PrinterResolution::labelText(resolution.down));
    };
}
