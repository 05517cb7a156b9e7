#pragma once

#include "sheet/EraDate.h"
#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/WorkbookHandOff.h"
#include "spreadsheet/WorkbookOutputs.h"

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>

class QProgressBar;
class QWidget;

// Runs the three spreadsheet outputs for the main window: shows the busy
// banner and the progress bar while the workbook is built and written,
// hands the file to the user, and reports any failure in a message box.
// Each command returns true when the workbook reached the user, so the
// window then closes its output panel; false when nothing was made.
class SpreadsheetOutputs {
public:
    using MessageSink = std::function<void(QMessageBox::Icon icon, const QString& text)>;

    // banner and bar belong to the window; the opener defaults to the desktop's.
    SpreadsheetOutputs(QWidget* window, QWidget* banner, QProgressBar* bar,
                       std::unique_ptr<WorkbookOpener> opener = {});
    ~SpreadsheetOutputs();
    SpreadsheetOutputs(const SpreadsheetOutputs&) = delete;
    SpreadsheetOutputs& operator=(const SpreadsheetOutputs&) = delete;

    // The template for entering records by hand: companyName is f0.
    bool createTemplate(const QString& companyName, const EraDate& today);
    // Type A in all three text orders, under the captions in force.
    bool createTypeA(const RecordSheet& records, const Settings& settings);
    // Type B in one size, every plate headed by noBoxText.
    bool createTypeB(const RecordSheet& records, const QString& noBoxText, PlateSize size);
    // Any of them (see workbookOutput()); none: nothing to make.
    bool create(const std::optional<WorkbookOutput>& output);

    // Where messages go; by default a message box over the window.
    void setMessageSink(MessageSink sink) { messages_ = std::move(sink); }

private:
    using Build = std::function<void(Workbook&, const ProgressStep&)>;
    bool run(int progressMaximum, const QString& fileName, const Build& build);

    QWidget* window_;
    QWidget* banner_;
    QProgressBar* bar_;
    std::unique_ptr<WorkbookOpener> opener_;
    MessageSink messages_;
};
