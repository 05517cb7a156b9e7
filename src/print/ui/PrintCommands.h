#pragma once

#include "PrintJob.h"
#include "print/LabelStockChoice.h"
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
// keeps one of these (a child of the window) and calls it from its handlers
// with the text order and plate size its panel shows at that moment.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // sheet: the record sheet with recordCount = st1_count; f: f0..f6 (the
    // captions are f1..f6); noBoxText: the entry form's No. box, read per print.
    PrintCommands(QWidget* window, const RecordSheet& sheet, const Settings& f, std::function<QString()> noBoxText,
                  PrintJobHooks hooks = {});

    void printTypeA(TextOrder order);   // Button16Click
    void printTypeB(PlateSize size);    // Button17Click (trunk), Button18Click (branch)
    void previewTypeA(TextOrder order); // PreviewButtonA, "プレビュー" beside Button16
    void previewTypeB(PlateSize size);  // PreviewButtonB, "プレビュー" beside Button17/Button18

    // Prints and previews go onto label stock as the panel says (start, records,
    // copies), each printer with its own adjustment; a print first lists the texts
    // that run past their plates and goes on only when the user says so.
    // selectedRows: the sheet's selected record rows at the time of a print.
    // textOrder: the type A order the window shows, for the fit check on demand.
    void attachLabelStock(LabelStockPanel* panel, std::function<std::vector<int>()> selectedRows,
                          std::function<TextOrder()> textOrder,
                          std::unique_ptr<PrinterAdjustments> adjustments = std::make_unique<PrinterAdjustments>());
    void printCalibration(PlateKind kind); // テスト印刷
    void checkFit(TextOrder order);        // はみ出し確認, for the panel's kind
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
    std::optional<PlateSelection> stockSelection(PlateKind kind) const;
    bool fitsOrConfirmed(PlateKind kind, const PlateSelection& selection, TextOrder order) const;
    void printAdjusted(const PageSource& pages);
    void previewAdjusted(const PageSource& pages);
    PageAdjustment adjustmentOfChosenPrinter() const;

    QWidget* window_;
    const RecordSheet& sheet_;
    const Settings& f_;
    std::function<QString()> noBoxText_;
    PrintJobHooks hooks_;
    LabelStockPanel* stockPanel_ = nullptr;
    std::function<std::vector<int>()> selectedRows_;
    std::unique_ptr<PrinterAdjustments> adjustments_;
    QString chosenPrinter_;
};

// A resolution hook that writes "1200 [DPI]"-style texts into the window's
// labels (Label1 across, Label2 down); a missing label is left out.
std::function<void(const PrinterResolution&)> showResolutionIn(QLabel* across, QLabel* down);
