#include "PrintCommands.h"

#include "CalibrationDialog.h"
#include "LabelStockPanel.h"
#include "print/AdjustedPages.h"
#include "print/CalibrationPage.h"
#include "print/FitCheckReport.h"
#include "ui/MessageBoxes.h"

#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QWidget>

PrintCommands::PrintCommands(QWidget* window, const RecordSheet& sheet, std::function<OutputOptions()> panelOptions,
                             PrintJobHooks hooks)
    : QObject(window), window_(window), sheet_(sheet), panelOptions_(std::move(panelOptions)), hooks_(std::move(hooks))
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

OutputOptions PrintCommands::options() const
{
    OutputOptions options = panelOptions_();
    if (stockPanel_) {
        options.stock = stockPanel_->choice();
        if (selectedRows_)
            options.stock.selectedRows = selectedRows_();
    }
    options.adjustment = [this] { return adjustmentOfChosenPrinter(); };
    return options;
}

std::unique_ptr<PlatePrint> PrintCommands::platesOf(PlateKind kind)
{
    showPlateKind(kind);
    auto plates = platesFor(options(), sheet_, kind);
    if (const ChoiceProblem* problem = std::get_if<ChoiceProblem>(&plates)) {
        inform(problem->message);
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<PlatePrint>>(plates));
}

void PrintCommands::print(PlateKind kind)
{
    const std::unique_ptr<PlatePrint> plates = platesOf(kind);
    if (!plates)
        return;
    // The fit check belongs to the label stock group; without it a print goes straight on.
    if (stockPanel_) {
        const std::vector<OverlongText> overlong = plates->overlongTexts();
        if (!overlong.empty() && !confirmOverlong(overlongReport(overlong)))
            return;
    }
    job().print(plates->pages());
}

void PrintCommands::preview(PlateKind kind)
{
    if (const std::unique_ptr<PlatePrint> plates = platesOf(kind))
        job().preview(plates->pages());
}

void PrintCommands::printTypeA() { print(PlateKind::TypeA); }
void PrintCommands::printTypeB(PlateSize size) { print(plateKindOf(size)); }
void PrintCommands::previewTypeA() { preview(PlateKind::TypeA); }
void PrintCommands::previewTypeB() { preview(plateKindOf(panelOptions_().size)); }

void PrintCommands::attachLabelStock(LabelStockPanel* panel, std::function<std::vector<int>()> selectedRows,
                                     std::unique_ptr<PrinterAdjustments> adjustments)
{
    stockPanel_ = panel;
    selectedRows_ = std::move(selectedRows);
    adjustments_ = std::move(adjustments);
    if (!confirmOverlong) {
        confirmOverlong = [this](const QString& report) {
            return UiStyle::showMessage(window_, QMessageBox::Warning, QStringLiteral("確認"),
                                        QStringLiteral("枠からはみ出す文字があります。このまま印刷しますか？"),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, report)
                   == QMessageBox::Yes;
        };
    }
    if (!inform)
        inform = [this](const QString& message) {
            UiStyle::showMessage(window_, QMessageBox::Information, QStringLiteral("確認"), message);
        };
    if (!printerNames)
        printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    connect(panel->checkButton, &QPushButton::clicked, this, &PrintCommands::checkFit);
    connect(panel->calibrateButton, &QPushButton::clicked, this, &PrintCommands::openCalibration);
    connect(panel, &LabelStockPanel::choiceChanged, this, [this] { stockPanel_->showPlateCount(plateCountOfChoice()); });
    panel->showPlateCount(plateCountOfChoice());
}

void PrintCommands::showPlateKind(PlateKind kind)
{
    if (stockPanel_)
        stockPanel_->setPlateKind(kind);
}

int PrintCommands::plateCountOfChoice() const
{
    if (!stockPanel_)
        return 0;
    LabelStockChoice choice = options().stock;
    choice.startPosition = 1; // the count does not depend on it; a start past a smaller sheet must not hide it
    const auto selection = plateSelectionFor(choice, sheet_, stockPanel_->plateKind());
    const PlateSelection* made = std::get_if<PlateSelection>(&selection);
    return made ? static_cast<int>(rowsOf(*made, sheet_).size()) * made->copies : 0;
}

void PrintCommands::checkFit() { inform(fitCheckReport(options(), sheet_, stockPanel_->fitCheckKinds())); }

void PrintCommands::openCalibration()
{
    CalibrationDialog dialog(*adjustments_, printerNames(),
                             [this] { printCalibration(stockPanel_->plateKind()); }, window_);
    dialog.exec();
}

void PrintCommands::printCalibration(PlateKind kind)
{
    job().print(AdjustedPages(CalibrationPage(kind), [this] { return adjustmentOfChosenPrinter(); }));
}

PageAdjustment PrintCommands::adjustmentOfChosenPrinter() const
{
    return adjustments_ ? adjustments_->of(chosenPrinter_) : PageAdjustment{};
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
