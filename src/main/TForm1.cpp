#include "TForm1.h"

#include "MainWindowRules.h"
#include "RecordSheetModel.h"
#include "RecordSheetView.h"
#include "UndoHistory.h"
#include "entry/TForm2.h"
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
    if (c.RadioButton4->isChecked())
        return TextOrder::FromTo;
    if (c.RadioButton5->isChecked())
        return TextOrder::ToFrom;
    return TextOrder::Standard;
}

PlateSize chosenPlateSize(const MainWindowControls& c)
{
    return c.RadioButton1->isChecked() ? PlateSize::Trunk : PlateSize::Branch;
}

} // namespace

MainWindowStartup MainWindowStartup::fromApplication()
{
    return {QDate::currentDate(), QCoreApplication::arguments().mid(1), QCoreApplication::applicationFilePath(), {}};
}

TForm1::TForm1(const MainWindowStartup& startup, QWidget* parent)
    : QWidget(parent), startup_(startup), prompts_(MainWindowPrompts::dialogs(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setFont(UiStyle::screenFont(MainWindowLayout::kWindowPixelSize));
    UiStyle::setBackground(this, UiStyle::kWindowBackground);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(MainWindowRules::minimumClientHeight());
    setAcceptDrops(true);

    c_ = buildMainWindowControls(this);
    model_ = new RecordSheetModel(document_, this);
    c_.StringGrid1->setSheetModel(model_);
    connectControls();
    connectOutputs();
    undoHistory_ = new UndoHistory(document_, this);
    undoHistory_->addToMenu(c_.PopupMenu1);
    FormCreate();
}

TForm1::~TForm1()
{
    // The grid reads the document's sheet while it lives; QWidget's own
    // destructor would delete it only after the document is gone.
    delete c_.StringGrid1;
}

void TForm1::connectControls()
{
    const auto onClick = [this](QPushButton* button, auto operation) {
        connect(button, &QPushButton::clicked, this, [this, operation] { (this->*operation)(); });
    };
    onClick(c_.Button3, &TForm1::Button3Click);
    onClick(c_.Button4, &TForm1::Button4Click);
    onClick(c_.Button5, &TForm1::Button5Click);
    onClick(c_.Button6, &TForm1::Button6Click);
    onClick(c_.Button7, &TForm1::Button7Click);
    onClick(c_.Button8, &TForm1::Button8Click);
    onClick(c_.Button9, &TForm1::Button9Click);
    onClick(c_.Button10, &TForm1::Button10Click);
    onClick(c_.Button11, &TForm1::Button11Click);
    onClick(c_.Button12, &TForm1::Button12Click);
    onClick(c_.Button13, &TForm1::Button13Click);
    onClick(c_.Button14, &TForm1::Button14Click);

    connect(c_.RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
    connect(c_.RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
    c_.Edit1->installEventFilter(this);
    connect(c_.Edit2, &QLineEdit::textChanged, &document_, &RecordDocument::setCompanyName);
    connect(&document_, &RecordDocument::changed, this, &TForm1::showCompanyName);

    connect(c_.N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(c_.N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(c_.N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(c_.N6, &QAction::triggered, this, &TForm1::N6Click);

    RecordSheetView* grid = c_.StringGrid1;
    connect(grid, &RecordSheetView::sheetMousePressed, this,
            [this](Qt::MouseButton button, SheetCell cell, QPoint) { StringGrid1MouseDown(button, cell); });
    connect(grid, &RecordSheetView::sheetMouseReleased, this, &TForm1::StringGrid1MouseUp);
    connect(grid, &RecordSheetView::sheetDoubleClicked, this, &TForm1::StringGrid1DblClick);
    connect(grid, &RecordSheetView::copyRequested, this, &TForm1::N1Click);
    connect(grid, &RecordSheetView::pasteRequested, this, &TForm1::N2Click);
}

// Runs once before the window is first shown. A failing step skips the steps
// after it; the company box shows f0 in any case.
void TForm1::FormCreate()
{
    try {
        resize(MainWindowRules::kInitialClientWidth, MainWindowRules::kInitialClientHeight);
        c_.Button17->move(341, 8);
        c_.Button18->move(341, 8);
        c_.Panel6->move(c_.StringGrid1->pos());
        c_.Panel8->move(c_.StringGrid1->pos());
        today_ = EraDate::forDate(startup_.today);
        c_.StringGrid1->setColumnWidths(MainWindowRules::kCreationColumnWidths);
        setFilePaths();
        loadSettings();
    } catch (const std::exception&) {
        // Nothing to tell the user: the defaults stand.
    }
    document_.startNewList();
}

void TForm1::setFilePaths()
{
    strFileName_ = startup_.executablePath;
    strFilePath_ = QFileInfo(strFileName_).absolutePath() + u'/';
}

QString TForm1::settingsPath() const
{
    return startup_.settingsPath.isEmpty() ? SettingsFile::pathFor(strFilePath_) : startup_.settingsPath;
}

QString TForm1::dialogFolder() const
{
    return FileName().isEmpty() ? QString() : QFileInfo(FileName()).absolutePath();
}

void TForm1::showCompanyName()
{
    // Only a change made elsewhere (an open) is written back: rewriting the
    // box on its own edits would move the cursor.
    if (c_.Edit2->text() != document_.companyName())
        c_.Edit2->setText(document_.companyName());
}

void TForm1::setEntryForm(TForm2* form)
{
    entryForm_ = form;
    if (!form)
        return;
    form->loadCaptionBoxes();
}

void TForm1::showFailure(const QString& message)
{
    if (prompts_.showError)
        prompts_.showError(message);
}

// --- Activation, resize and close ---------------------------------------

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Open the command-line file once the activation is over, so a failure
    // message does not appear in the middle of it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

void TForm1::FormActivate()
{
    // Tried once: a failed open would otherwise come back with every
    // activation, including the one after its own error message closes.
    if (kidou2_ != 0 || commandLineOpenTried_ || startup_.arguments.isEmpty())
        return;
    commandLineOpenTried_ = true;
    setFilePaths();
    if (openFile(startup_.arguments.first()))
        kidou2_ = 1;
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    using namespace MainWindowRules;
    const int gridHeight = sheetHeight(height());
    // Only the height follows the user; the width snaps back.
    setFixedWidth(clientWidth());
    // A window manager that ignores size hints (a tiling one) may still
    // impose another width, which the fixed width alone does not undo.
    if (width() != clientWidth())
        resize(clientWidth(), height());
    c_.StringGrid1->resize(sheetWidth(), gridHeight);
    c_.StringGrid1->setColumnWidths(columnWidthsForSheetWidth(c_.StringGrid1->width()));
    c_.Panel6->resize(c_.StringGrid1->size());
    c_.Panel8->resize(c_.StringGrid1->size());
    placeOutputProgress(c_);
}

void TForm1::closeEvent(QCloseEvent* event)
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

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.Edit1 && event->type() == QEvent::MouseButtonPress) {
        Edit1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::Edit1Click() { c_.Button3->setFocus(Qt::MouseFocusReason); }

// --- Panels ---------------------------------------------------------------

void TForm1::togglePanel(QWidget* panel, QPushButton* toggle, const QString& caption, QPushButton* otherToggle)
{
    bool show = false;
    if (toggle->text() == caption)
        show = true;
    else if (toggle->text() != kCloseCaption)
        return;
    panel->setVisible(show);
    panel->raise();
    toggle->setText(show ? kCloseCaption : caption);
    for (QPushButton* button : {c_.Button3, c_.Button4, otherToggle})
        button->setEnabled(!show);
}

void TForm1::Button11Click() { togglePanel(c_.Panel6, c_.Button11, kHelpCaption, c_.Button14); }

void TForm1::connectOutputs()
{
    spreadsheetOutputs_ = std::make_unique<SpreadsheetOutputs>(this, c_.Panel14, c_.ProgressBar1);
    PrintJobHooks printHooks;
    printHooks.showResolution = showResolutionIn(findChild<QLabel*>(QStringLiteral("Label1")),
                                                 findChild<QLabel*>(QStringLiteral("Label2")));
    printCommands_ = new PrintCommands(this, document_.sheet(), [this] { return outputOptions(); }, std::move(printHooks));
    const auto onClick = [this](QPushButton* button, void (TForm1::*operation)()) {
        connect(button, &QPushButton::clicked, this, operation);
    };
    onClick(c_.Button2, &TForm1::Button2Click);
    onClick(c_.Button1, &TForm1::Button1Click);
    onClick(c_.Button15, &TForm1::Button15Click);
    onClick(c_.Button16, &TForm1::Button16Click);
    onClick(c_.Button17, &TForm1::Button17Click);
    onClick(c_.Button18, &TForm1::Button18Click);
    connect(c_.PreviewButtonA, &QPushButton::clicked, printCommands_, &PrintCommands::previewTypeA);
    connect(c_.PreviewButtonB, &QPushButton::clicked, printCommands_, &PrintCommands::previewTypeB);
    attachLabelStock();
    // The samples are drawn by the same painters that print.
    c_.SamplePictureA->setPixmap(sampleTypeAPicture(c_.SamplePictureA->size()));
    c_.SamplePictureB->setPixmap(sampleTypeBPicture(c_.SamplePictureB->size()));
}

void TForm1::attachLabelStock()
{
    // In the output panel's free room right of the plate groups, above its icon.
    auto* panel = new LabelStockPanel(c_.Panel8);
    panel->setGeometry(540, 18, 504, 124);
    const auto selectedRows = [this] {
        const auto [first, last] = c_.StringGrid1->selectedSheetRows();
        std::vector<int> rows;
        for (int row = std::max(first, 1); row <= last; ++row)
            rows.push_back(row);
        return rows;
    };
    printCommands_->attachLabelStock(panel, selectedRows);
}

OutputOptions TForm1::outputOptions() const
{
    OutputOptions options;
    options.order = chosenTextOrder(c_);
    options.size = chosenPlateSize(c_);
    options.captions = document_.settings();
    if (entryForm_)
        options.noBoxText = entryForm_->noBoxText();
    return options;
}

// A spreadsheet output that reached the user closes the output panel.
void TForm1::Button2Click()
{
    if (spreadsheetOutputs_->createTemplate(document_.settings().companyName(), today_))
        Button14Click();
}

void TForm1::Button1Click()
{
    if (spreadsheetOutputs_->createTypeA(document_.sheet(), document_.settings()))
        Button14Click();
}

void TForm1::Button15Click()
{
    const OutputOptions options = outputOptions();
    if (spreadsheetOutputs_->createTypeB(document_.sheet(), options.noBoxText, options.size))
        Button14Click();
}

void TForm1::Button16Click() { printCommands_->printTypeA(); }
void TForm1::Button17Click() { printCommands_->printTypeB(PlateSize::Trunk); }
void TForm1::Button18Click() { printCommands_->printTypeB(PlateSize::Branch); }

void TForm1::Button14Click() { togglePanel(c_.Panel8, c_.Button14, kOutputCaption, c_.Button11); }

bool TForm1::runOutputPanelToggle()
{
    Button14Click();
    return !c_.Panel8->isHidden();
}

void TForm1::RadioButton1Click()
{
    c_.Button17->show();
    c_.Button18->hide();
    if (printCommands_)
        printCommands_->showPlateKind(PlateKind::TypeBTrunk);
}

void TForm1::RadioButton2Click()
{
    c_.Button17->hide();
    c_.Button18->show();
    if (printCommands_)
        printCommands_->showPlateKind(PlateKind::TypeBBranch);
}

// --- Record file ----------------------------------------------------------

void TForm1::Button3Click() { openRecordFile(); }
bool TForm1::Button4Click() { return saveRecordFile(); }
bool TForm1::Button5Click() { return openFile(FileName()); }

bool TForm1::mayReplaceList()
{
    if (!document_.isModified() || !prompts_.askUnsavedChanges)
        return true;
    const UnsavedChoice choice = prompts_.askUnsavedChanges();
    return choice == UnsavedChoice::Discard || (choice == UnsavedChoice::Save && saveRecordFile());
}

void TForm1::openRecordFile()
{
    if (!mayReplaceList())
        return;
    const QString chosen = prompts_.chooseOpenPath ? prompts_.chooseOpenPath(dialogFolder()) : QString();
    if (!chosen.isEmpty())
        openFile(chosen);
}

bool TForm1::saveRecordFile()
{
    // The current file's name is proposed: with no overwrite question, a
    // retyped name with a typo would silently replace another list.
    const QString start = FileName().isEmpty() ? QString() : QFileInfo(RecordFile::targetPath(FileName())).absoluteFilePath();
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

bool TForm1::openFile(const QString& path)
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
    c_.StringGrid1->showFromFirstRow();
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

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (mayReplaceList())
        openFile(path);
}

// --- Settings -------------------------------------------------------------

bool TForm1::Button12Click() { return saveSettings(); }
bool TForm1::Button13Click() { return loadSettings(); }

bool TForm1::saveSettings()
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

bool TForm1::loadSettings()
{
    setFilePaths();
    return document_.loadSettings(settingsPath());
}

// --- Sheet editing --------------------------------------------------------

void TForm1::Button6Click() { deleteReleasedRow(); }
bool TForm1::Button7Click() { return pasteFromClipboard(); }
void TForm1::Button8Click() { copySelectedRows(); }
void TForm1::Button9Click() { renumberRecords(); }
void TForm1::Button10Click() { sortRecords(); }
void TForm1::N1Click() { copySelectedRows(); }
void TForm1::N2Click() { pasteSortAndRenumber(); }
void TForm1::N3Click() { deleteSelectedRows(); }
void TForm1::N6Click() { deleteAllRecords(); }

void TForm1::deleteReleasedRow() { document_.deleteRow(mouse_.uy1, prompts_.askYesNo); }

bool TForm1::pasteFromClipboard()
{
    try {
        document_.pasteText(c_.StringGrid1->currentSheetRow(), QGuiApplication::clipboard()->text());
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

void TForm1::copySelectedRows()
{
    const auto [first, last] = c_.StringGrid1->selectedSheetRows();
    QGuiApplication::clipboard()->setText(SheetEditing::copyText(document_.sheet(), std::max(first, 1), last));
}

void TForm1::renumberRecords() { document_.renumberRecords(); }
void TForm1::sortRecords() { document_.sortRecords(); }

void TForm1::pasteSortAndRenumber()
{
    // One step for the user: undo takes back the sort and renumber too.
    const auto step = document_.groupSteps();
    // A refused paste ends the command, as its failure would.
    if (!pasteFromClipboard())
        return;
    document_.sortRecords();
    document_.renumberRecords();
}

void TForm1::deleteSelectedRows() { document_.deleteRows(mouse_.ny1, mouse_.uy1, prompts_.askYesNo); }
void TForm1::deleteAllRecords() { document_.deleteAllRecords(); }

// --- Mouse on the sheet ---------------------------------------------------

void TForm1::StringGrid1MouseDown(Qt::MouseButton button, SheetCell cell)
{
    if (button == Qt::LeftButton) {
        mouse_.nx1 = cell.column;
        mouse_.ny1 = cell.row;
    }
}

void TForm1::StringGrid1MouseUp(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint)
{
    if (button == Qt::LeftButton) {
        mouse_.ux1 = cell.column;
        mouse_.uy1 = cell.row;
    } else if (button == Qt::RightButton) {
        c_.PopupMenu1->popup(
            MainWindowRules::popupScreenPoint(sheetPoint, frameGeometry().topLeft(), c_.StringGrid1->pos()));
    }
}

void TForm1::StringGrid1DblClick()
{
    if (mouse_.uy1 < 0 || !entryForm_)
        return;
    entryForm_->openOnRow(mouse_.uy1, today_);
}
