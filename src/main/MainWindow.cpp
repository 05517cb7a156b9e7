#include "MainWindow.h"

#include "MainWindowRules.h"
#include "RecordSheetModel.h"
#include "RecordSheetView.h"
#include "UndoHistory.h"
#include "entry/EntryForm.h"
#include "print/SamplePictures.h"
#include "print/ui/LabelStockPanel.h"
#include "print/ui/PrintCommands.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/ui/SpreadsheetOutputs.h"
#include "ui/ControlBuilders.h"
#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

const auto kCaption = QStringLiteral("ケーブル名板作成支援ソフトウェア  /  タグリオ   Ver1.05");
const auto kHelpCaption = QStringLiteral("HELP");
const auto kOutputCaption = QStringLiteral("ｹｰﾌﾞﾙ名板   出力");
const auto kCloseCaption = QStringLiteral("閉じる");

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

MainWindowStartup MainWindowStartup::fromApplication()
{
    return {QDate::currentDate(), QCoreApplication::arguments().mid(1), QCoreApplication::applicationFilePath(), {}};
}

MainWindow::MainWindow(const MainWindowStartup& startup, QWidget* parent)
    : QWidget(parent), startup_(startup), prompts_(MainWindowPrompts::dialogs(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(kCaption);
    setFont(UiStyle::screenFont(MainWindowLayout::kWindowPixelSize));
    UiStyle::setBackground(this, UiStyle::kWindowBackground);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(MainWindowRules::minimumClientHeight());
    setAcceptDrops(true);

    c_ = buildMainWindowControls(this);
    model_ = new RecordSheetModel(document_, this);
    c_.recordGrid->setSheetModel(model_);
    connectControls();
    connectOutputs();
    undoHistory_ = new UndoHistory(document_, this);
    undoHistory_->addToMenu(c_.sheetMenu);
    setUpWindow();
}

MainWindow::~MainWindow()
{
    // The grid reads the document's sheet while it lives; QWidget's own
    // destructor would delete it only after the document is gone.
    delete c_.recordGrid;
}

void MainWindow::connectControls()
{
    const auto wire = [this](QPushButton* button, auto operation) {
        connect(button, &QPushButton::clicked, this, [this, operation] { (this->*operation)(); });
    };
    wire(c_.openButton, &MainWindow::openRecordFile);
    wire(c_.saveButton, &MainWindow::saveRecordFile);
    wire(c_.reopenButton, &MainWindow::reopenFile);
    wire(c_.deleteRowButton, &MainWindow::deleteReleasedRow);
    wire(c_.pasteHereButton, &MainWindow::pasteFromClipboard);
    wire(c_.copyButton, &MainWindow::copySelectedRows);
    wire(c_.renumberButton, &MainWindow::renumberRecords);
    wire(c_.sortButton, &MainWindow::sortRecords);
    wire(c_.helpButton, &MainWindow::toggleHelpPanel);
    wire(c_.saveSettingsButton, &MainWindow::saveSettings);
    wire(c_.loadSettingsButton, &MainWindow::loadSettings);
    wire(c_.outputPanelButton, &MainWindow::toggleOutputPanel);

    connect(c_.trunkSizeChoice, &QRadioButton::toggled, this, &MainWindow::showPrintButtonForSize);
    c_.companyCaption->installEventFilter(this);
    connect(c_.companyNameEdit, &QLineEdit::textChanged, &document_, &RecordDocument::setCompanyName);
    connect(&document_, &RecordDocument::changed, this, &MainWindow::showCompanyName);

    connect(c_.copyAction, &QAction::triggered, this, &MainWindow::copySelectedRows);
    connect(c_.pasteAction, &QAction::triggered, this, &MainWindow::pasteSortAndRenumber);
    connect(c_.deleteRowsAction, &QAction::triggered, this, &MainWindow::deleteSelectedRows);
    connect(c_.deleteAllAction, &QAction::triggered, this, &MainWindow::deleteAllRecords);

    RecordSheetView* grid = c_.recordGrid;
    connect(grid, &RecordSheetView::sheetMousePressed, this,
            [this](Qt::MouseButton button, SheetCell cell, QPoint) { sheetMousePressed(button, cell); });
    connect(grid, &RecordSheetView::sheetMouseReleased, this, &MainWindow::sheetMouseReleased);
    connect(grid, &RecordSheetView::sheetDoubleClicked, this, &MainWindow::openEntryForm);
    connect(grid, &RecordSheetView::copyRequested, this, &MainWindow::copySelectedRows);
    connect(grid, &RecordSheetView::pasteRequested, this, &MainWindow::pasteSortAndRenumber);
}

// Runs once before the window is first shown. A failing step skips the steps
// after it; the company box shows f0 in any case.
void MainWindow::setUpWindow()
{
    try {
        resize(MainWindowRules::kInitialClientWidth, MainWindowRules::kInitialClientHeight);
        c_.trunkPrintButton->move(341, 8);
        c_.branchPrintButton->move(341, 8);
        c_.helpPanel->move(c_.recordGrid->pos());
        c_.outputPanel->move(c_.recordGrid->pos());
        today_ = EraDate::forDate(startup_.today);
        c_.recordGrid->setColumnWidths(MainWindowRules::kCreationColumnWidths);
        setFilePaths();
        loadSettings();
    } catch (const std::exception&) {
        // Nothing to tell the user: the defaults stand.
    }
    document_.startNewList();
}

void MainWindow::setFilePaths()
{
    strFileName_ = startup_.executablePath;
    strFilePath_ = QFileInfo(strFileName_).absolutePath() + u'/';
}

QString MainWindow::settingsPath() const
{
    return startup_.settingsPath.isEmpty() ? SettingsFile::pathFor(strFilePath_) : startup_.settingsPath;
}

QString MainWindow::dialogFolder() const
{
    return fileName().isEmpty() ? QString() : QFileInfo(fileName()).absolutePath();
}

void MainWindow::showCompanyName()
{
    // Only a change made elsewhere (an open) is written back: rewriting the
    // box on its own edits would move the cursor.
    if (c_.companyNameEdit->text() != document_.companyName())
        c_.companyNameEdit->setText(document_.companyName());
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
    // Open the command-line file once the activation is over, so a failure
    // message does not appear in the middle of it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &MainWindow::openCommandLineFile, Qt::QueuedConnection);
}

void MainWindow::openCommandLineFile()
{
    // Tried once: a failed open would otherwise come back with every
    // activation, including the one after its own error message closes.
    if (commandLineFileOpened_ != 0 || commandLineOpenTried_ || startup_.arguments.isEmpty())
        return;
    commandLineOpenTried_ = true;
    setFilePaths();
    if (openFile(startup_.arguments.first()))
        commandLineFileOpened_ = 1;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    followHeight();
}

void MainWindow::followHeight()
{
    using namespace MainWindowRules;
    const int gridHeight = sheetHeight(height());
    // Only the height follows the user; the width snaps back.
    setFixedWidth(clientWidth());
    // A window manager that ignores size hints (a tiling one) may still
    // impose another width, which the fixed width alone does not undo.
    if (width() != clientWidth())
        resize(clientWidth(), height());
    c_.recordGrid->resize(sheetWidth(), gridHeight);
    c_.recordGrid->setColumnWidths(columnWidthsForSheetWidth(c_.recordGrid->width()));
    c_.helpPanel->resize(c_.recordGrid->size());
    c_.outputPanel->resize(c_.recordGrid->size());
    placeOutputProgress(c_);
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
    Q_EMIT closing();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.companyCaption && event->type() == QEvent::MouseButtonPress) {
        focusOpenButton();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::focusOpenButton() { c_.openButton->setFocus(Qt::MouseFocusReason); }

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
    for (QPushButton* button : {c_.openButton, c_.saveButton, otherToggle})
        button->setEnabled(!show);
}

void MainWindow::toggleHelpPanel() { togglePanel(c_.helpPanel, c_.helpButton, kHelpCaption, c_.outputPanelButton); }

void MainWindow::connectOutputs()
{
    spreadsheetOutputs_ = std::make_unique<SpreadsheetOutputs>(this, c_.busyBanner, c_.outputProgress);
    PrintJobHooks printHooks;
    printHooks.showResolution = showResolutionIn(findChild<QLabel*>(QStringLiteral("resolutionXLabel")),
                                                 findChild<QLabel*>(QStringLiteral("resolutionYLabel")));
    printCommands_ = new PrintCommands(this, document_.sheet(), document_.settings(), [this] { return noBoxText(); }, std::move(printHooks));
    const auto wire = [this](QPushButton* button, void (MainWindow::*operation)()) {
        connect(button, &QPushButton::clicked, this, operation);
    };
    wire(c_.templateButton, &MainWindow::createTemplateWorkbook);
    wire(c_.typeAWorkbookButton, &MainWindow::createTypeAWorkbook);
    wire(c_.typeBWorkbookButton, &MainWindow::createTypeBWorkbook);
    wire(c_.typeAPrintButton, &MainWindow::printTypeA);
    wire(c_.trunkPrintButton, &MainWindow::printTrunkPlates);
    wire(c_.branchPrintButton, &MainWindow::printBranchPlates);
    connect(c_.typeAPreviewButton, &QPushButton::clicked, printCommands_,
            [this] { printCommands_->previewTypeA(chosenTextOrder(c_)); });
    connect(c_.typeBPreviewButton, &QPushButton::clicked, printCommands_,
            [this] { printCommands_->previewTypeB(chosenPlateSize(c_)); });
    attachLabelStock();
    // The samples are drawn by the same painters that print.
    c_.SamplePictureA->setPixmap(sampleTypeAPicture(c_.SamplePictureA->size()));
    c_.SamplePictureB->setPixmap(sampleTypeBPicture(c_.SamplePictureB->size()));
}

void MainWindow::attachLabelStock()
{
    // In the output panel's free room right of the plate groups, above its icon.
    auto* panel = new LabelStockPanel(c_.outputPanel);
    panel->setGeometry(540, 18, 504, 124);
    const auto selectedRows = [this] {
        const auto [first, last] = c_.recordGrid->selectedSheetRows();
        std::vector<int> rows;
        for (int row = std::max(first, 1); row <= last; ++row)
            rows.push_back(row);
        return rows;
    };
    printCommands_->attachLabelStock(panel, selectedRows, [this] { return chosenTextOrder(c_); });
}

QString MainWindow::noBoxText() const
{
    return entryForm_ ? entryForm_->noBoxText() : QStringLiteral("No.");
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
    if (spreadsheetOutputs_->createTypeB(document_.sheet(), noBoxText(), chosenPlateSize(c_)))
        toggleOutputPanel();
}

void MainWindow::printTypeA() { printCommands_->printTypeA(chosenTextOrder(c_)); }
void MainWindow::printTrunkPlates() { printCommands_->printTypeB(PlateSize::Trunk); }
void MainWindow::printBranchPlates() { printCommands_->printTypeB(PlateSize::Branch); }

void MainWindow::toggleOutputPanel() { togglePanel(c_.outputPanel, c_.outputPanelButton, kOutputCaption, c_.helpButton); }

bool MainWindow::runOutputPanelToggle()
{
    toggleOutputPanel();
    return !c_.outputPanel->isHidden();
}

// The trunk and branch print buttons share one place; the size choice shows one.
void MainWindow::showPrintButtonForSize()
{
    const bool trunk = c_.trunkSizeChoice->isChecked();
    c_.trunkPrintButton->setVisible(trunk);
    c_.branchPrintButton->setVisible(!trunk);
}

// --- Record file ----------------------------------------------------------

bool MainWindow::reopenFile() { return openFile(fileName()); }

bool MainWindow::mayReplaceList()
{
    if (!document_.isModified() || !prompts_.askUnsavedChanges)
        return true;
    const UnsavedChoice choice = prompts_.askUnsavedChanges();
    return choice == UnsavedChoice::Discard || (choice == UnsavedChoice::Save && saveRecordFile());
}

void MainWindow::openRecordFile()
{
    if (!mayReplaceList())
        return;
    const QString chosen = prompts_.chooseOpenPath ? prompts_.chooseOpenPath(dialogFolder()) : QString();
    if (!chosen.isEmpty())
        openFile(chosen);
}

bool MainWindow::saveRecordFile()
{
    // The current file's name is proposed: with no overwrite question, a
    // retyped name with a typo would silently replace another list.
    const QString start = fileName().isEmpty() ? QString() : QFileInfo(RecordFile::targetPath(fileName())).absoluteFilePath();
    const QString chosen = prompts_.chooseSavePath ? prompts_.chooseSavePath(start) : QString();
    if (chosen.isEmpty())
        return false;
    try {
        DocumentFiles::save(document_, chosen);
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

bool MainWindow::openFile(const QString& path)
{
    QStringList notes;
    try {
        notes = DocumentFiles::open(document_, path);
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    if (!notes.isEmpty() && prompts_.showNotice)
        prompts_.showNotice(notes.join(u'\n'));
    // A view left scrolled to rows of the previous list invites editing the wrong record.
    c_.recordGrid->showFromFirstRow();
    return true;
}

namespace {

// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (mayReplaceList())
        openFile(path);
}

// --- Settings -------------------------------------------------------------


bool MainWindow::saveSettings()
{
    setFilePaths();
    std::optional<std::array<QString, 6>> captions;
    if (entryForm_)
        captions = entryForm_->captionBoxTexts();
    try {
        document_.saveSettings(settingsPath(), captions);
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

bool MainWindow::loadSettings()
{
    setFilePaths();
    return document_.loadSettings(settingsPath());
}

// --- Sheet editing --------------------------------------------------------


void MainWindow::deleteReleasedRow() { document_.deleteRow(mouse_.uy1, prompts_.askYesNo); }

bool MainWindow::pasteFromClipboard()
{
    try {
        document_.pasteText(c_.recordGrid->currentSheetRow(), QGuiApplication::clipboard()->text());
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

void MainWindow::copySelectedRows()
{
    const auto [first, last] = c_.recordGrid->selectedSheetRows();
    QGuiApplication::clipboard()->setText(SheetEditing::copyText(document_.sheet(), std::max(first, 1), last));
}

void MainWindow::renumberRecords() { document_.renumberRecords(); }
void MainWindow::sortRecords() { document_.sortRecords(); }

void MainWindow::pasteSortAndRenumber()
{
    // One step for the user: undo takes back the sort and renumber too.
    const auto step = document_.groupSteps();
    // A refused paste ends the command, as its failure would.
    if (!pasteFromClipboard())
        return;
    document_.sortRecords();
    document_.renumberRecords();
}

void MainWindow::deleteSelectedRows() { document_.deleteRows(mouse_.ny1, mouse_.uy1, prompts_.askYesNo); }
void MainWindow::deleteAllRecords() { document_.deleteAllRecords(); }

// --- Mouse on the sheet ---------------------------------------------------

void MainWindow::sheetMousePressed(Qt::MouseButton button, SheetCell cell)
{
    if (button == Qt::LeftButton) {
        mouse_.nx1 = cell.column;
        mouse_.ny1 = cell.row;
    }
}

void MainWindow::sheetMouseReleased(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint)
{
    if (button == Qt::LeftButton) {
        mouse_.ux1 = cell.column;
        mouse_.uy1 = cell.row;
    } else if (button == Qt::RightButton) {
        c_.sheetMenu->popup(
            MainWindowRules::popupScreenPoint(sheetPoint, frameGeometry().topLeft(), c_.recordGrid->pos()));
    }
}

void MainWindow::openEntryForm()
{
    if (mouse_.uy1 < 0 || !entryForm_)
        return;
    entryForm_->openOnRow(mouse_.uy1, today_);
}
