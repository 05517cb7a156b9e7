#pragma once

#include "MainWindowLayout.h"
#include "MainWindowPrompts.h"
#include "sheet/EraDate.h"
#include "sheet/RecordDocument.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <memory>

class PrintCommands;
class RecordSheetModel;
class SpreadsheetOutputs;
class EntryForm;
class UndoHistory;
struct SheetCell;

// What the main window takes from its surroundings when it is created.
struct MainWindowStartup {
    QDate today;
    QStringList arguments;      // the command-line arguments after the program's name
    QString executablePath;     // strFileName
    QString settingsPath;       // empty: kiroku.ggs found from the executable's folder

    static MainWindowStartup fromApplication();
};

// The main window: the command bar, the company name, the record sheet and
// the help and output panels. It owns the record document the other windows
// and outputs read, and today's era date; it keeps the mouse tracking and
// puts up the prompts, the document does the work.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowStartup& startup = MainWindowStartup::fromApplication(),
                    QWidget* parent = nullptr);
    ~MainWindow() override;

    RecordDocument& document() { return document_; }
    const RecordDocument& document() const { return document_; }
    const EraDate& today() const { return today_; }
    const QString& fileName() const { return document_.fileName(); }
    int commandLineFileOpened() const { return commandLineFileOpened_; }

    struct MouseTracking {
        int nx1 = 0, ny1 = 0; // cell of the last left press
        int ux1 = 0, uy1 = 0; // cell of the last left release
    };
    const MouseTracking& mouse() const { return mouse_; }

    // The entry form a double click opens; its caption boxes are filled
    // from f1..f6 here, so a close never stores stale captions.
    void setEntryForm(EntryForm* form);
    void setPrompts(MainWindowPrompts prompts) { prompts_ = std::move(prompts); }
    // A restored recovery copy stands in for the command-line file.
    void skipCommandLineFile() { commandLineOpenTried_ = true; }

    const MainWindowControls& controls() const { return c_; }
    UndoHistory& undoHistory() const { return *undoHistory_; }

    // Runs the output panel toggle (the spreadsheet outputs close the panel
    // this way); returns whether the panel is shown afterwards.
    bool runOutputPanelToggle();

    // Asks about unsaved changes (save / discard / cancel) before the list is
    // replaced; false when the user keeps the list as it is.
    bool mayReplaceList();
    bool openFile(const QString& path); // false (after the message) when it failed

public Q_SLOTS:
    void openCommandLineFile();
    void openRecordFile();     // 開く: asks about unsaved changes, then for a file
    bool saveRecordFile();     // 保存: asks for a name; false when nothing was written
    bool reopenFile();         // loads the current file again; false when the load failed
    void deleteReleasedRow();  // the row of the last left release, after asking
    bool pasteFromClipboard(); // at the current row; false when refused
    void copySelectedRows();
    void renumberRecords();
    void sortRecords();
    void pasteSortAndRenumber();
    void deleteSelectedRows(); // from the press row to the release row
    void deleteAllRecords();
    bool saveSettings();       // false (after the message) when it failed
    bool loadSettings();       // false when there was nothing to read
    void toggleHelpPanel();
    void toggleOutputPanel();
    void createTemplateWorkbook();
    void createTypeAWorkbook();
    void createTypeBWorkbook(); // size from the trunk/branch choice
    void printTypeA();
    void printTrunkPlates();
    void printBranchPlates();
    void focusOpenButton();
    void openEntryForm();       // on the row of the last left release

Q_SIGNALS:
    // The window is closing, the settings already saved.
    void closing();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A record file dropped from the file manager opens as 開く would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpWindow();
    void followHeight();
    void sheetMousePressed(Qt::MouseButton button, SheetCell cell);
    void sheetMouseReleased(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint);
    void connectControls();
    void setFilePaths();
    QString settingsPath() const;
    void showCompanyName();
    QString dialogFolder() const;
    void togglePanel(QWidget* panel, QPushButton* toggle, const QString& caption, QPushButton* otherToggle);
    void showFailure(const QString& message);
    void connectOutputs();
    void attachLabelStock(); // the output panel's label stock group
    void showPrintButtonForSize();
    QString noBoxText() const;

    MainWindowStartup startup_;
    RecordDocument document_;
    EraDate today_;
    QString strFileName_;
    QString strFilePath_;
    int commandLineFileOpened_ = 0;
    bool commandLineOpenTried_ = false;
    MouseTracking mouse_;
    EntryForm* entryForm_ = nullptr;
    MainWindowPrompts prompts_;
    RecordSheetModel* model_ = nullptr;
    std::unique_ptr<SpreadsheetOutputs> spreadsheetOutputs_;
    PrintCommands* printCommands_ = nullptr; // child of the window
    UndoHistory* undoHistory_ = nullptr;     // child of the window
    MainWindowControls c_;
};
