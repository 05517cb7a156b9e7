// The main window's output panel: the workbooks, the prints and previews and
// the label stock group, wired to the panel's choices.
#include "MainWindow.h"

#include "RecordSheetView.h"
#include "entry/EntryForm.h"
#include "print/SamplePictures.h"
#include "print/ui/LabelStockPanel.h"
#include "print/ui/PrintCommands.h"
#include "spreadsheet/ui/SpreadsheetOutputs.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// The output panel's choices, read when an output runs.
TextOrder chosenTextOrder(const MainWindowControls& c)
{
    if (c.fromToOrderChoice->isChecked())
        return TextOrder::FromTo;
    if (c.toFromOrderChoice->isChecked())
        return TextOrder::ToFrom;
    return TextOrder::Standard;
}

PlateSize chosenPlateSize(const MainWindowControls& c)
{
    return c.trunkSizeChoice->isChecked() ? PlateSize::Trunk : PlateSize::Branch;
}

} // namespace

void MainWindow::connectOutputs()
{
    const MainWindowControls& c = controls_;
    const MainWindowActions& a = actions_;
    spreadsheetOutputs_ = std::make_unique<SpreadsheetOutputs>(this, c.busyBanner, c.outputProgress);
    PrintJobHooks printHooks;
    printHooks.showResolution = showResolutionIn(c.resolutionXLabel, c.resolutionYLabel);
    printCommands_ = new PrintCommands(this, document_.sheet(), [this] { return outputOptions(); }, std::move(printHooks));

    for (const auto& [button, action] :
         {std::pair{c.templateButton, a.createTemplate}, std::pair{c.typeAWorkbookButton, a.createTypeA},
          std::pair{c.typeBWorkbookButton, a.createTypeB}, std::pair{c.typeAPrintButton, a.printTypeA},
          std::pair{c.trunkPrintButton, a.printTrunk}, std::pair{c.branchPrintButton, a.printBranch},
          std::pair{c.typeAPreviewButton, a.previewTypeA}, std::pair{c.typeBPreviewButton, a.previewTypeB}})
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(a.createTemplate, &QAction::triggered, this, &MainWindow::createTemplateWorkbook);
    connect(a.createTypeA, &QAction::triggered, this, &MainWindow::createTypeAWorkbook);
    connect(a.createTypeB, &QAction::triggered, this, &MainWindow::createTypeBWorkbook);
    connect(a.printTypeA, &QAction::triggered, this, &MainWindow::printTypeA);
    connect(a.printTrunk, &QAction::triggered, this, &MainWindow::printTrunkPlates);
    connect(a.printBranch, &QAction::triggered, this, &MainWindow::printBranchPlates);
    connect(a.previewTypeA, &QAction::triggered, printCommands_, &PrintCommands::previewTypeA);
    connect(a.previewTypeB, &QAction::triggered, printCommands_, &PrintCommands::previewTypeB);
    connect(c.trunkSizeChoice, &QRadioButton::toggled, this, &MainWindow::showPrintButtonForSize);
    attachLabelStock();
    // The samples are drawn by the same painters that print.
    c.SamplePictureA->setPixmap(sampleTypeAPicture(c.SamplePictureA->size()));
    c.SamplePictureB->setPixmap(sampleTypeBPicture(c.SamplePictureB->size()));
}

void MainWindow::attachLabelStock()
{
    // In the output panel's free room right of the plate groups, above its icon.
    auto* panel = new LabelStockPanel(controls_.outputPanel);
    panel->setGeometry(540, 18, 504, 124);
    // 選択した行: the rows selected in the record grid.
    const auto selectedRows = [this] {
        const auto [first, last] = controls_.recordGrid->selectedSheetRows();
        std::vector<int> rows;
        for (int row = std::max(first, 1); row <= last; ++row)
            rows.push_back(row);
        return rows;
    };
    printCommands_->attachLabelStock(panel, selectedRows);
}

// The trunk and branch print buttons share one place; the size choice shows one.
void MainWindow::showPrintButtonForSize()
{
    const bool trunk = controls_.trunkSizeChoice->isChecked();
    controls_.trunkPrintButton->setVisible(trunk);
    controls_.branchPrintButton->setVisible(!trunk);
    // The label stock picture shows the stock of the plate size chosen.
    if (printCommands_)
        printCommands_->showPlateKind(trunk ? PlateKind::TypeBTrunk : PlateKind::TypeBBranch);
}

OutputOptions MainWindow::outputOptions() const
{
    OutputOptions options;
    options.order = chosenTextOrder(controls_);
    options.size = chosenPlateSize(controls_);
    options.captions = document_.settings();
    if (entryForm_)
        options.noBoxText = entryForm_->noBoxText();
    return options;
}

// A spreadsheet output that reached the user closes the output panel.
void MainWindow::createTemplateWorkbook()
{
    if (spreadsheetOutputs_->createTemplate(document_.settings().companyName(), today_))
        toggleOutputPanel();
}

void MainWindow::createTypeAWorkbook()
{
    if (spreadsheetOutputs_->createTypeA(document_.sheet(), document_.settings()))
        toggleOutputPanel();
}

void MainWindow::createTypeBWorkbook()
{
    const OutputOptions options = outputOptions();
    if (spreadsheetOutputs_->createTypeB(document_.sheet(), options.noBoxText, options.size))
        toggleOutputPanel();
}

void MainWindow::printTypeA() { printCommands_->printTypeA(); }
void MainWindow::printTrunkPlates() { printCommands_->printTypeB(PlateSize::Trunk); }
void MainWindow::printBranchPlates() { printCommands_->printTypeB(PlateSize::Branch); }
