#pragma once

#include "MainWindowLayout.h"
#include "MainWindowPrompts.h"
#include "print/OutputOptions.h"
#include "sheet/EraDate.h"
#include "sheet/RecordDocument.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <memory>

class PrintCommands;
class RecordSheetModel;
class SpreadsheetOutputs;
class TForm2;
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
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const MainWindowStartup& startup = MainWindowStartup::fromApplication(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    RecordDocument& document() { return document_; }
    const RecordDocument& document() const { return document_; }
    const EraDate& today() const { return today_; }
    const QString& FileName() const { return document_.fileName(); }
    int kidou2() const { return kidou2_; }

    struct MouseTracking {
        int nx1 = 0, ny1 = 0; // cell of the last left press
        int ux1 = 0, uy1 = 0; // cell of the last left release
    };
    const MouseTracking& mouse() const { return mouse_; }

    // The entry form a double click opens; its caption boxes are filled
    // from f1..f6 here, so a close never stores stale captions.
    void setEntryForm(TForm2* form);
    void setPrompts(MainWindowPrompts prompts) { prompts_ = std::move(prompts); }
    // A restored recovery copy stands in for the command-line file.
    void skipCommandLineFile() { commandLineOpenTried_ = true; }

    const MainWindowControls& controls() const { return c_; }
    UndoHistory& undoHistory() const { return *undoHistory_; }

    // Runs the output panel toggle (the spreadsheet outputs close the panel
    // this way); returns whether the panel is shown afterwards.
    bool runOutputPanelToggle();

    // What the commands do; the handlers below forward to these.
    void openRecordFile();     // asks about unsaved changes, then for a file
    // Asks about unsaved changes (save / discard / cancel) before the list is
    // replaced; false when the user keeps the list as it is.
    bool mayReplaceList();
    bool saveRecordFile();     // asks for a name; false when nothing was written
    bool openFile(const QString& path); // false (after the message) when it failed
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

public Q_SLOTS:
    void FormActivate();
    void Button3Click();  // 開く
    bool Button4Click();  // 保存; false when nothing was written
    bool Button5Click();  // load FileName; false when the load failed
    void Button6Click();  // delete row uy1 after asking
    bool Button7Click();  // paste at the current row; false when refused
    void Button8Click();  // copy the selected rows
    void Button9Click();  // renumber
    void Button10Click(); // sort
    void Button11Click(); // help toggle
    bool Button12Click(); // save the settings; false (after the message) when it failed
    bool Button13Click(); // load the settings; false when there was nothing to read
    void Button14Click(); // output panel toggle
    void Button2Click();  // entry sheet template workbook
    void Button1Click();  // type A workbook
    void Button15Click(); // type B workbook, size from RadioButton1/RadioButton2
    void attachLabelStock(); // the output panel's label stock group
    void Button16Click(); // type A print
    void Button17Click(); // type B print, trunk size
    void Button18Click(); // type B print, branch size
    void RadioButton1Click();
    void RadioButton2Click();
    void Edit1Click();
    void StringGrid1DblClick();
    void N1Click();
    void N2Click();
    void N3Click();
    void N6Click();

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
    void FormCreate();
    void FormResize();
    void StringGrid1MouseDown(Qt::MouseButton button, SheetCell cell);
    void StringGrid1MouseUp(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint);
    void connectControls();
    void setFilePaths();
    QString settingsPath() const;
    void showCompanyName();
    QString dialogFolder() const;
    void togglePanel(QWidget* panel, QPushButton* toggle, const QString& caption, QPushButton* otherToggle);
    void showFailure(const QString& message);
    void connectOutputs();
    // The output panel's choices, the captions in force and the entry form's No. text.
    OutputOptions outputOptions() const;

    MainWindowStartup startup_;
    RecordDocument document_;
    EraDate today_;
    QString strFileName_;
    QString strFilePath_;
    int kidou2_ = 0;
    bool commandLineOpenTried_ = false;
    MouseTracking mouse_;
    TForm2* entryForm_ = nullptr;
    MainWindowPrompts prompts_;
    RecordSheetModel* model_ = nullptr;
    std::unique_ptr<SpreadsheetOutputs> spreadsheetOutputs_;
    PrintCommands* printCommands_ = nullptr; // child of the window
    UndoHistory* undoHistory_ = nullptr;     // child of the window
    MainWindowControls c_;
};
