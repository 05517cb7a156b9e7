#pragma once

#include "PrintJob.h"
#include "print/OutputOptions.h"
#include "print/PrinterAdjustments.h"
#include "sheet/NameplateTexts.h"
#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class LabelStockPanel;
class PageSource;
class QLabel;
class QWidget;

// The print and preview buttons of the main window's output panel. The window
// keeps one of these (a child of the window); each command reads the output
// options the window's panel holds at that moment and prints the plates
// platesFor() makes of them.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // sheet: the record sheet with recordCount = st1_count; panelOptions: the
    // text order, plate size, captions in force and No. text the window's
    // panel holds, read anew for every command.
    PrintCommands(QWidget* window, const RecordSheet& sheet, std::function<OutputOptions()> panelOptions,
                  PrintJobHooks hooks = {});

    void printTypeA();               // 印刷 of type A, in the options' text order
    void printTypeB(PlateSize size); // 印刷 of type B trunk or branch
    void previewTypeA();             // プレビュー of type A
    void previewTypeB();             // プレビュー of type B, in the options' plate size

    // Prints and previews go onto label stock as the panel says (start, records,
    // copies), each printer with its own adjustment; a print first lists the texts
    // that run past their plates and goes on only when the user says so.
    // selectedRows: the sheet's selected record rows at the time of a print.
    void attachLabelStock(LabelStockPanel* panel, std::function<std::vector<int>()> selectedRows,
                          std::unique_ptr<PrinterAdjustments> adjustments = std::make_unique<PrinterAdjustments>());
    // The options as the window's panel and label stock group hold them now,
    // with the adjustment of the printer the last print dialog chose.
    OutputOptions options() const;
    // The label stock picture shows the plates of `kind`: the window calls it
    // when the type B size changes; every print and preview shows its own.
    void showPlateKind(PlateKind kind);
    void printCalibration(PlateKind kind); // テスト印刷
    void checkFit();                       // はみ出し確認, for the kinds the group's choice names
    void openCalibration();                // 位置調整…
    // How many plates the panel's choice prints, for its picture.
    int plateCountOfChoice() const;

    // Replaces the print dialog and warning hooks, for tests.
    void setJobHooks(PrintJobHooks hooks) { hooks_ = std::move(hooks); }

    // Asks whether to print although texts run past their plates; tests answer.
    std::function<bool(const QString& report)> confirmOverlong;
    // Shows a message about the label stock choice or the fit check; tests read it.
    std::function<void(const QString& message)> inform;
    // Lists the printers of the calibration dialog; tests give their own.
    std::function<QStringList()> printerNames;

private:
    PrintJob job();
    std::unique_ptr<PlatePrint> platesOf(PlateKind kind);
    void print(PlateKind kind);
    void preview(PlateKind kind);
    PageAdjustment adjustmentOfChosenPrinter() const;

    QWidget* window_;
    const RecordSheet& sheet_;
    std::function<OutputOptions()> panelOptions_;
    PrintJobHooks hooks_;
    LabelStockPanel* stockPanel_ = nullptr;
    std::function<std::vector<int>()> selectedRows_;
    std::unique_ptr<PrinterAdjustments> adjustments_;
    QString chosenPrinter_;
};

// A resolution hook that writes "1200 [DPI]"-style texts into the window's
// labels (Label1 across, Label2 down); a missing label is left out.
std::function<void(const PrinterResolution&)> showResolutionIn(QLabel* across, QLabel* down);
