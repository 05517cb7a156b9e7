#pragma once

#include "PrintJob.h"
#include "sheet/NameplateTexts.h"
#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QObject>
#include <functional>

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

private:
    PrintJob job();

    QWidget* window_;
    const RecordSheet& sheet_;
    const Settings& f_;
    std::function<QString()> noBoxText_;
    PrintJobHooks hooks_;
};

// A resolution hook that writes "1200 [DPI]"-style texts into the window's
// labels (Label1 across, Label2 down); a missing label is left out.
std::function<void(const PrinterResolution&)> showResolutionIn(QLabel* across, QLabel* down);
