#pragma once

#include "PrintJob.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QObject>
#include <functional>

class QWidget;

// The print and preview buttons of the main window's output panel. The window
// keeps one of these (a child of the window) and calls it from its handlers,
// or lets connectButtons() wire the buttons by their object names.
//
// Read from the window by object name when a command runs: the type A text
// order (RadioButton3 "標準", RadioButton4 "(自)→(至)", RadioButton5 "(至)→(自)")
// and, for the type B preview, the size (RadioButton1 trunk, RadioButton2
// branch). After page set-up the printer's resolution goes into the labels
// Label1 (across) and Label2 (down) when the window has them.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // sheet: the record sheet with recordCount = st1_count; f: f0..f6 (the
    // captions are f1..f6); noBoxText: the entry form's No. box, read per print.
    PrintCommands(QWidget* window, const RecordSheet& sheet, const Settings& f, std::function<QString()> noBoxText,
                  PrintJobHooks hooks = {});

    void printTypeA();        // Button16Click
    void printTypeBTrunk();   // Button17Click
    void printTypeBBranch();  // Button18Click
    void previewTypeA();      // PreviewButtonA, "プレビュー" beside Button16
    void previewTypeB();      // PreviewButtonB, "プレビュー" beside Button17/Button18

    // Connects the clicks of Button16, Button17, Button18, PreviewButtonA and
    // PreviewButtonB found under the window to the commands above.
    void connectButtons();

private:
    PrintJob job();

    QWidget* window_;
    const RecordSheet& sheet_;
    const Settings& f_;
    std::function<QString()> noBoxText_;
    PrintJobHooks hooks_;
};
