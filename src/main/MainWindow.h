#pragma once

#include "MainWindowActions.h"
#include "MainWindowLayout.h"
#include "MainWindowPrompts.h"
#include "print/OutputOptions.h"
#include "sheet/EraDate.h"
#include "sheet/FileStamp.h"
#include "sheet/FileWrite.h"
#include "sheet/ListLock.h"
#include "sheet/RecordDocument.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <memory>

class EntryForm;
class PrintCommands;
class RecordSheetModel;
class SpreadsheetOutputs;
class UndoHistory;

// What the main window takes from its surroundings when it is created.
struct MainWindowStartup {
    QDate today;
    QStringList arguments;      // the command-line arguments after the program's name
    QString executablePath;     // where kiroku.ggs is looked for
    QString settingsPath;       // empty: kiroku.ggs found from the executable's folder

    static MainWindowStartup fromApplication();
};

// The main window: the command bar, the company name, the record sheet and
// the help and output panels. It owns the record document the other windows
// and outputs read, and today's era date; every command is one of its
// actions. The work is split by job: MainWindow.cpp builds, lays out, shows
// the panels and closes; MainWindowFiles.cpp opens and saves,
// MainWindowEditing.cpp edits the sheet, MainWindowOutputs.cpp runs the
// output panel's workbooks and prints. "Which rows" is always the
// record grid's selection.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowStartup& startup = MainWindowStartup::fromApplication(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's caption: the program's, then the list's file ("新しい一覧"
    // before it has one), a mark while it has unsaved changes and, last, a
    // mark for a list opened read-only.
    static QString captionFor(const QString& fileName, bool modified, bool readOnly = false);

    RecordDocument& document() { return document_; }
    const RecordDocument& document() const { return document_; }
    const EraDate& today() const { return today_; }
    const QString& fileName() const { return document_.fileName(); }
    bool commandLineFileOpened() const { return commandLineFileOpened_; }
    // Opened read-only because another program is editing the list's file:
    // 保存 proposes another name and never writes that file.
    bool isReadOnly() const { return !readOnlyFile_.isEmpty(); }

    // The entry form a double click opens; its caption boxes are filled
    // from f1..f6 here, so a close never stores stale captions.
    void setEntryForm(EntryForm* form);
    void setPrompts(MainWindowPrompts prompts) { prompts_ = std::move(prompts); }
    // A restored recovery copy stands in for the command-line file.
    void skipCommandLineFile() { commandLineOpenTried_ = true; }

    const MainWindowControls& controls() const { return controls_; }
    const MainWindowActions& actions() const { return actions_; }
    UndoHistory& undoHistory() const { return *undoHistory_; }

    // Runs the output panel toggle (the spreadsheet outputs close the panel
    // this way); returns whether the panel is shown afterwards.
    bool runOutputPanelToggle();

    // Asks about unsaved changes (save / discard / cancel) before the list is
    // replaced; false when the user keeps the list as it is.
    bool mayReplaceList();
    bool openFile(const QString& path); // false (after the message) when it failed
    // The file named on the command line, tried once at the first activation.
    void openCommandLineFile();

    // --- File commands (MainWindowFiles.cpp) ---
    void openRecordFile();     // 開く: asks about unsaved changes, then for a file
    bool saveRecordFile();     // 保存: asks for a name; false when nothing was written
    bool mayWriteOver(const QString& target); // false when the user keeps another existing file
    QString ownFilePath() const;              // the list's file as opened or written; empty for a new list
    void holdListFile(const QString& path);   // stamps and locks the file just opened or saved
    // 復元する: the copy becomes the list (unsaved), which then holds its original file as opened.
    void restoreRecoveryCopy(const QString& copyPath, const QString& originalPath);
    bool reopenFile();         // 読込: the current file again; false when the load failed
    bool saveSettings();       // false (after the message) when it failed
    bool loadSettings();       // false when there was nothing to read

    // --- Sheet editing (MainWindowEditing.cpp); rows are the grid's selection ---
    void deleteCurrentRow();   // after asking
    bool pasteFromClipboard(); // at the current row; false when refused
    void copySelectedRows();
    void renumberRecords();
    void sortRecords();
    void pasteSortAndRenumber();
    void deleteSelectedRows(); // asks when the selection is one row
    void deleteAllRecords();
    void openEntryForm(int sheetRow); // the row double-clicked (0: the header row)

    // --- The help and output panels, shown over the sheet ---
    void toggleHelpPanel();
    void toggleOutputPanel();

    // --- Outputs (MainWindowOutputs.cpp) ---
    void createTemplateWorkbook();
    void createTypeAWorkbook();
    void createTypeBWorkbook(); // size from the trunk/branch choice
    void printTypeA();
    void printTrunkPlates();
    void printBranchPlates();

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
    // A maximised window takes the screen's height only, at its fixed width.
    void keepWidthWhenMaximised();
    void connectCommands();
    void connectEditing();
    void connectOutputs();
    void attachLabelStock();
    void showPrintButtonForSize();
    void showPopupMenu(QPoint sheetPoint);
    void setFilePaths();
    void stampListFile(const QString& path);
    // Before a load: takes the file's lock, or asks how to open a list another
    // program holds. False when the user cancelled.
    bool mayOpenLocked(const QString& path, ListLock& lock, bool& readOnly);
    QString settingsPath() const;
    void showCompanyName();
    // The caption names the list's file and marks unsaved changes.
    void showFileInCaption();
    QString dialogFolder() const;
    void togglePanel(QWidget* panel, QPushButton* toggle, const QString& caption, QPushButton* otherToggle);
    void showFailure(const QString& message);
    // The output panel's choices, the captions in force and the entry form's No. text.
    OutputOptions outputOptions() const;

    MainWindowStartup startup_;
    RecordDocument document_;
    FileStamp listStamp_; // the list's file as last read or written here
    ListLock listLock_;
    QString readOnlyFile_; // the file another program holds, while the list is opened read-only
    FileWrite::KeptFile keptList_;     // the list's own file: no output but a save replaces it
    FileWrite::KeptFile keptSettings_; // the settings file: only the settings save replaces it
    EraDate today_;
    QString executablePath_;
    QString executableFolder_;
    bool commandLineFileOpened_ = false;
    bool commandLineOpenTried_ = false;
    EntryForm* entryForm_ = nullptr;
    MainWindowPrompts prompts_;
    RecordSheetModel* model_ = nullptr;
    std::unique_ptr<SpreadsheetOutputs> spreadsheetOutputs_;
    PrintCommands* printCommands_ = nullptr; // child of the window
    UndoHistory* undoHistory_ = nullptr;     // child of the window
    MainWindowControls controls_;
    MainWindowActions actions_;
};
