#include "MainWindow.h"

#include "MainWindowRules.h"
#include "RecordSheetModel.h"
#include "RecordSheetView.h"
#include "UndoHistory.h"
#include "entry/EntryForm.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/ui/SpreadsheetOutputs.h"
#include "ui/ControlBuilders.h"
#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

const auto kCaption = QStringLiteral("ケーブル名板作成支援ソフトウェア  /  タグリオ   Ver1.05");
const auto kHelpCaption = QStringLiteral("HELP");
const auto kOutputCaption = QStringLiteral("ｹｰﾌﾞﾙ名板   出力");
const auto kCloseCaption = QStringLiteral("閉じる");

} // namespace

QString MainWindow::captionFor(const QString& fileName, bool modified, bool readOnly)
{
    const QString list = fileName.isEmpty() ? QStringLiteral("新しい一覧") : QFileInfo(fileName).fileName();
    return kCaption + QStringLiteral(" - ") + list + (modified ? QStringLiteral(" ●") : QString())
           + (readOnly ? QStringLiteral("（読み取り専用）") : QString());
}

MainWindowStartup MainWindowStartup::fromApplication()
{
    return {QDate::currentDate(), QCoreApplication::arguments().mid(1), QCoreApplication::applicationFilePath(), {}};
}

MainWindow::MainWindow(const MainWindowStartup& startup, QWidget* parent)
    : QWidget(parent), startup_(startup), prompts_(MainWindowPrompts::dialogs(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(captionFor({}, false));
    setFont(UiStyle::screenFont(MainWindowLayout::kWindowPixelSize));
    UiStyle::setBackground(this, UiStyle::kWindowBackground);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(MainWindowRules::minimumClientHeight());
    // The width is fixed, so there is nothing to maximise into: no maximise
    // button (a window manager that maximises all the same gets
    // keepWidthWhenMaximised).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);

    controls_ = buildMainWindowControls(this);
    actions_ = createMainWindowActions(this);
    model_ = new RecordSheetModel(document_, this);
    controls_.recordGrid->setSheetModel(model_);
    undoHistory_ = new UndoHistory(document_, this);
    for (const auto signal : {&RecordDocument::changed, &RecordDocument::historyReset})
        connect(&document_, signal, this, &MainWindow::showFileInCaption);
    connect(&document_, &RecordDocument::modifiedChanged, this, &MainWindow::showFileInCaption);
    connectCommands();
    connectEditing();
    connectOutputs();
    setUpWindow();
}

void MainWindow::showFileInCaption()
{
    setWindowTitle(captionFor(document_.fileName(), document_.isModified(), isReadOnly()));
}

MainWindow::~MainWindow()
{
    // The grid reads the document's sheet while it lives; QWidget's own
    // destructor would delete it only after the document is gone.
    delete controls_.recordGrid;
}

// The command bar's buttons and the company name.
void MainWindow::connectCommands()
{
    const MainWindowActions& a = actions_;
    const MainWindowControls& c = controls_;
    for (const auto& [button, action] : {std::pair{c.openButton, a.open}, std::pair{c.saveButton, a.save},
                                         std::pair{c.helpButton, a.toggleHelp},
                                         std::pair{c.outputPanelButton, a.toggleOutputPanel}})
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(a.open, &QAction::triggered, this, &MainWindow::openRecordFile);
    connect(a.save, &QAction::triggered, this, &MainWindow::saveRecordFile);
    connect(a.reopen, &QAction::triggered, this, &MainWindow::reopenFile);
    connect(a.saveSettings, &QAction::triggered, this, &MainWindow::saveSettings);
    connect(a.loadSettings, &QAction::triggered, this, &MainWindow::loadSettings);
    connect(a.toggleHelp, &QAction::triggered, this, &MainWindow::toggleHelpPanel);
    connect(a.toggleOutputPanel, &QAction::triggered, this, &MainWindow::toggleOutputPanel);

    c.companyCaption->installEventFilter(this);
    connect(c.companyNameEdit, &QLineEdit::textChanged, &document_, &RecordDocument::setCompanyName);
    connect(&document_, &RecordDocument::changed, this, &MainWindow::showCompanyName);
}

// Runs once before the window is first shown. A failing step skips the steps
// after it; the company box shows f0 in any case.
void MainWindow::setUpWindow()
{
    try {
        resize(MainWindowRules::kInitialClientWidth, MainWindowRules::kInitialClientHeight);
        controls_.trunkPrintButton->move(341, 8);
        controls_.branchPrintButton->move(341, 8);
        controls_.helpPanel->move(controls_.recordGrid->pos());
        controls_.outputPanel->move(controls_.recordGrid->pos());
        today_ = EraDate::forDate(startup_.today);
        controls_.recordGrid->setColumnWidths(MainWindowRules::kCreationColumnWidths);
        setFilePaths();
        loadSettings();
    } catch (const std::exception&) {
        // Nothing to tell the user: the defaults stand.
    }
    document_.startNewList();
}

void MainWindow::setFilePaths()
{
    executablePath_ = startup_.executablePath;
    executableFolder_ = QFileInfo(executablePath_).absolutePath() + u'/';
    keptSettings_ = FileWrite::KeptFile(settingsPath(), FileWrite::KeptAs::Settings);
}

QString MainWindow::settingsPath() const
{
    return startup_.settingsPath.isEmpty() ? SettingsFile::pathFor(executableFolder_) : startup_.settingsPath;
}

void MainWindow::showCompanyName()
{
    // Only a change made elsewhere (an open) is written back: rewriting the
    // box on its own edits would move the cursor.
    if (controls_.companyNameEdit->text() != document_.companyName())
        controls_.companyNameEdit->setText(document_.companyName());
}

void MainWindow::setEntryForm(EntryForm* form)
{
    entryForm_ = form;
    if (!form)
        return;
    form->loadCaptionBoxes();
}

void MainWindow::showFailure(const QString& message)
{
    if (prompts_.showError)
        prompts_.showError(message);
}

// --- Activation, resize and close ---------------------------------------

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // After the window system has finished maximising: its own geometry
    // would otherwise replace the one set here.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        QMetaObject::invokeMethod(this, &MainWindow::keepWidthWhenMaximised, Qt::QueuedConnection);
    // Open the command-line file once the activation is over, so a failure
    // message does not appear in the middle of it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &MainWindow::openCommandLineFile, Qt::QueuedConnection);
}

void MainWindow::keepWidthWhenMaximised()
{
    if (!(windowState() & Qt::WindowMaximized) || !screen())
        return;
    setWindowState(windowState() & ~Qt::WindowMaximized);
    const QMargins frameMargins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(MainWindowRules::heightOnlyMaximised(screen()->availableGeometry(), frameGeometry(), frameMargins));
}

void MainWindow::openCommandLineFile()
{
    // Tried once: a failed open would otherwise come back with every
    // activation, including the one after its own error message closes.
    if (commandLineFileOpened_ || commandLineOpenTried_ || startup_.arguments.isEmpty())
        return;
    commandLineOpenTried_ = true;
    setFilePaths();
    if (openFile(startup_.arguments.first()))
        commandLineFileOpened_ = true;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    followHeight();
}

void MainWindow::followHeight()
{
    using namespace MainWindowRules;
    const MainWindowControls& c = controls_;
    const int gridHeight = sheetHeight(height());
    // Only the height follows the user; the width snaps back.
    setFixedWidth(clientWidth());
    // A window manager that ignores size hints (a tiling one) may still
    // impose another width, which the fixed width alone does not undo.
    if (width() != clientWidth())
        resize(clientWidth(), height());
    c.recordGrid->resize(sheetWidth(), gridHeight);
    c.recordGrid->setColumnWidths(columnWidthsForSheetWidth(c.recordGrid->width()));
    c.helpPanel->resize(c.recordGrid->size());
    c.outputPanel->resize(c.recordGrid->size());
    placeOutputProgress(c);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (document_.isModified() && prompts_.askUnsavedChanges) {
        switch (prompts_.askUnsavedChanges()) {
        case UnsavedChoice::Cancel:
            event->ignore();
            return;
        case UnsavedChoice::Save:
            if (!saveRecordFile()) {
                event->ignore();
                return;
            }
            break;
        case UnsavedChoice::Discard:
            break;
        }
    }
    saveSettings(); // a failure has been shown; the program ends anyway
    listLock_.release();
    Q_EMIT closing();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The caption box takes no focus; a press on it hands the focus to 開く.
    if (watched == controls_.companyCaption && event->type() == QEvent::MouseButtonPress) {
        controls_.openButton->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Panels ---------------------------------------------------------------

void MainWindow::togglePanel(QWidget* panel, QPushButton* toggle, const QString& caption, QPushButton* otherToggle)
{
    bool show = false;
    if (toggle->text() == caption)
        show = true;
    else if (toggle->text() != kCloseCaption)
        return;
    panel->setVisible(show);
    panel->raise();
    toggle->setText(show ? kCloseCaption : caption);
    for (QPushButton* button : {controls_.openButton, controls_.saveButton, otherToggle})
        button->setEnabled(!show);
}

void MainWindow::toggleHelpPanel()
{
    togglePanel(controls_.helpPanel, controls_.helpButton, kHelpCaption, controls_.outputPanelButton);
}

void MainWindow::toggleOutputPanel()
{
    togglePanel(controls_.outputPanel, controls_.outputPanelButton, kOutputCaption, controls_.helpButton);
}

bool MainWindow::runOutputPanelToggle()
{
    toggleOutputPanel();
    return !controls_.outputPanel->isHidden();
}
