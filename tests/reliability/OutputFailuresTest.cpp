// The outputs' failure paths, driven through the real main window and its
// real dialogs: no spreadsheet application, an unusable temporary folder, a
// print the printer refuses, and cancel in every dialog. Each must end with
// one clear message (or none for a cancel), the banner and bar cleared and
// the record sheet as it was.
#include "../FileFaults.h"
#include "../StateTimeout.h"
#include "../main/WindowTestSupport.h"
#include "../print/PdfReadBack.h"
#include "../spreadsheet/XlsxReadBack.h"
#include "DialogScript.h"
#include "ReliabilitySupport.h"
#include "print/ui/PagePreview.h"
#include "sheet/FileReading.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>


namespace {

const QString kPrintFailure = QStringLiteral("情報不足で印刷出来ませんでした。");
const QString kUnsavedQuestion = QStringLiteral("一覧の変更が保存されていません。保存しますか？");

// Counts how often a widget was shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* widget) { widget->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// An environment variable set for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnvironment()
    {
        if (had_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray saved_;
};

// What an output must leave as it was.
struct WindowState {
    RecordSheet sheet;
    QString fileName;
    QString company;
    bool unsaved = false;
    bool outputPanelShown = false;
};

QStringList differences(const WindowState& before, const WindowState& after)
{
    QStringList changed;
    if (!(before.sheet == after.sheet))
        changed << u"record sheet"_qs;
    if (before.fileName != after.fileName)
        changed << u"fileName"_qs;
    if (before.company != after.company)
        changed << u"company name"_qs;
    if (before.unsaved != after.unsaved)
        changed << u"unsaved flag"_qs;
    if (before.outputPanelShown != after.outputPanelShown)
        changed << u"output panel"_qs;
    return changed;
}

// The main window over a loaded record file, with its real dialogs and its
// output panel open.
struct OutputWindow {
    WindowFixture fx;
    MainWindow* w = nullptr;
    QString recordPath;

    // records: the record count; the sheet has records + 1 rows unless rowCount says otherwise.
    bool open(int records, int rowCount = 0)
    {
        recordPath = fx.path(u"records.kav"_qs);
        writePlatesFile(recordPath, rowCount > 0 ? rowCount : records + 1, records);
        w = &fx.show({recordPath});
        w->activateWindow();
        if (!QTest::qWaitFor([this] { return w->commandLineFileOpened(); }, kStateTimeoutMs) || !fx.prompts.errors.isEmpty())
            return false;
        w->setPrompts(MainWindowPrompts::dialogs(w));
        return w->runOutputPanelToggle();
    }

    // A temporary folder inside the test's own, so that workbooks left for
    // the user go away with it.
    QString temporaryFolder() const
    {
        const QString folder = fx.path(u"tmp"_qs);
        QDir().mkpath(folder);
        return folder;
    }

    QWidget* banner() const { return fx.child("busyBanner"); }
    QProgressBar* bar() const { return fx.child<QProgressBar>("outputProgress"); }
    QString label(const char* name) const { return fx.child<QLabel>(name)->text(); }

    void click(const QString& button) const { fx.child<QPushButton>(qPrintable(button))->click(); }
    void check(const QString& radioButton) const
    {
        if (!radioButton.isEmpty())
            fx.child<QRadioButton>(qPrintable(radioButton))->setChecked(true);
    }

    WindowState state() const
    {
        return {w->document().sheet(), w->fileName(), w->document().companyName(), w->document().isModified(),
                !fx.child("outputPanel")->isHidden()};
    }
};

// Chooses PDF output to `pdf` in the print dialog and presses its Print
// button, which checks the file first as for a user; then runs `afterChoice`.
DialogScript::Answer chooseOutputFile(const QString& pdf, std::function<void()> afterChoice = {})
{
    return [pdf, afterChoice](QDialog& dialog) {
        auto* fileName = dialog.findChild<QLineEdit*>(u"filename"_qs);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        auto* printers = dialog.findChild<QComboBox*>(u"printers"_qs);
        QVERIFY2(qobject_cast<QPrintDialog*>(&dialog) && fileName && buttons && printers, "not the print dialog");
        printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)" comes last, after any printer
        fileName->setText(pdf);
        buttons->button(QDialogButtonBox::Ok)->click();
        if (afterChoice)
            afterChoice();
    };
}

// Presses the preview window's own print button, then closes the preview
// if it is still open (a cancelled print returns to it).
DialogScript::Answer printFromPreview()
{
    return [](QDialog& dialog) {
        auto* print = dialog.findChild<QPushButton*>(u"printButton"_qs);
        QVERIFY2(print, "the preview has no print button");
        print->click();
        if (dialog.isVisible())
            dialog.reject();
    };
}

int countIn(const XlsxSheet& sheet, const QString& text)
{
    int count = 0;
    for (const auto& [address, cell] : sheet.cells)
        count += cell.text.count(text);
    return count;
}

QString pdfText(const QString& pdf)
{
    return PdfReadBack::run(u"pdftotext"_qs, {pdf, u"-"_qs}).out;
}

// The workbook path a "no spreadsheet application" message names: its last line.
QString namedWorkbook(const QString& message)
{
    return QDir::fromNativeSeparators(message.split(u'\n').last());
}

} // namespace

class OutputFailuresTest : public QObject {
    Q_OBJECT

    QTemporaryDir toolFolder_;
    std::unique_ptr<ScopedEnvironment> path_;

private Q_SLOTS:
    void initTestCase()
    {
        // Nothing can be found to open a workbook (no LibreOffice, no
        // xdg-open); only the tools that read the outputs back are on the PATH.
        for (const QString& tool : {u"unzip"_qs, u"pdfinfo"_qs, u"pdftotext"_qs}) {
            const QString found = QStandardPaths::findExecutable(tool);
            QVERIFY2(!found.isEmpty(), qPrintable(tool));
            QVERIFY(QFile::link(found, toolFolder_.filePath(tool)));
        }
        path_ = std::make_unique<ScopedEnvironment>("PATH", toolFolder_.path());
        QVERIFY(QStandardPaths::findExecutable(u"soffice"_qs).isEmpty());
        QVERIFY(QStandardPaths::findExecutable(u"xdg-open"_qs).isEmpty());
    }

    void cleanupTestCase() { path_.reset(); }

    void noSpreadsheetApplicationSaysWhereTheWorkbookIs_data();
    void noSpreadsheetApplicationSaysWhereTheWorkbookIs();
    void unusableTemporaryFolderIsReported_data();
    void unusableTemporaryFolderIsReported();
    void refusedPrintWarnsOnce_data();
    void refusedPrintWarnsOnce();
    void cancelInAnyDialogChangesNothing_data();
    void cancelInAnyDialogChangesNothing();
    void hugeRecordCountMakesPlatesOnlyForTheRows();
    void panelChoicesReachThePrints();
};

void OutputFailuresTest::noSpreadsheetApplicationSaysWhereTheWorkbookIs_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("sheets");
    QTest::newRow("template") << QString() << u"templateButton"_qs << u"入力用帳票.xlsx"_qs << 2;
    QTest::newRow("type A") << QString() << u"typeAWorkbookButton"_qs << u"ケーブル名板A.xlsx"_qs << 3;
    QTest::newRow("type B trunk") << u"trunkSizeChoice"_qs << u"typeBWorkbookButton"_qs << u"ケーブル名板B.xlsx"_qs << 3;
    QTest::newRow("type B branch") << u"branchSizeChoice"_qs << u"typeBWorkbookButton"_qs << u"ケーブル名板B.xlsx"_qs << 3;
}

void OutputFailuresTest::noSpreadsheetApplicationSaysWhereTheWorkbookIs()
{
    QFETCH(QString, radio);
    QFETCH(QString, button);
    QFETCH(QString, fileName);
    QFETCH(int, sheets);
    OutputWindow win;
    QVERIFY(win.open(7));
    win.check(radio);
    const WindowState before = win.state();
    ShowCounter bannerShows(win.banner());
    ShowCounter barShows(win.bar());
    bool clearedAtMessage = false;

    DialogScript script({[&](QDialog& box) {
        clearedAtMessage = win.banner()->isHidden() && win.bar()->isHidden();
        DialogScript::press(QMessageBox::Ok)(box);
    }});
    const ScopedEnvironment tmpdir("TMPDIR", win.temporaryFolder());
    win.click(button);

    QCOMPARE(script.met.size(), 1);
    const QString message = script.messages().value(0);
    QVERIFY2(message.startsWith(u"ブックを開ける表計算アプリケーションが見つかりません。"_qs), qPrintable(message));
    // The workbook is there, complete, where the message says.
    const QString workbook = namedWorkbook(message);
    QVERIFY2(workbook.startsWith(win.temporaryFolder() + u"/tagrio-"_qs), qPrintable(workbook));
    QCOMPARE(QFileInfo(workbook).fileName(), fileName);
    QCOMPARE(int(XlsxFile::read(workbook).sheets.size()), sheets);

    QVERIFY(bannerShows.shows > 0 && barShows.shows > 0);
    QVERIFY(clearedAtMessage);
    QVERIFY(win.banner()->isHidden());
    QVERIFY(win.bar()->isHidden());
    QCOMPARE(win.bar()->value(), 0);
    QCOMPARE(differences(before, win.state()), QStringList());
}

void OutputFailuresTest::unusableTemporaryFolderIsReported_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fault");
    const std::pair<const char*, std::pair<QString, QString>> commands[] = {
        {"template", {QString(), u"templateButton"_qs}},
        {"type A", {QString(), u"typeAWorkbookButton"_qs}},
        {"type B", {u"branchSizeChoice"_qs, u"typeBWorkbookButton"_qs}},
    };
    for (const auto& [name, command] : commands) {
        for (const char* fault : {"missing folder", "folder under a file", "disk full"}) {
            QTest::addRow("%s, %s", name, fault) << command.first << command.second << QString::fromLatin1(fault);
        }
    }
}

void OutputFailuresTest::unusableTemporaryFolderIsReported()
{
    QFETCH(QString, radio);
    QFETCH(QString, button);
    QFETCH(QString, fault);
    OutputWindow win;
    QVERIFY(win.open(30));
    win.check(radio);
    const WindowState before = win.state();
    ShowCounter bannerShows(win.banner());

    QString temporaryFolder = win.fx.path(u"missing/deeper"_qs);
    if (fault == u"folder under a file") {
        QFile plain(win.fx.path(u"plain"_qs));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        temporaryFolder = plain.fileName() + u"/sub"_qs;
    } else if (fault == u"disk full") {
        temporaryFolder = win.fx.path(u"small-disk"_qs);
        QVERIFY(QDir().mkpath(temporaryFolder));
    }

    DialogScript script({DialogScript::press(QMessageBox::Ok)});
    {
        ScopedEnvironment tmpdir("TMPDIR", temporaryFolder);
        std::optional<FileFaults::ScopedFileSizeLimit> full;
        if (fault == u"disk full")
            full.emplace(2048);
        win.click(button);
    }

    QCOMPARE(script.met.size(), 1);
    const QString message = script.messages().value(0);
    if (fault == u"disk full") {
        // The private folder was made, the workbook could not be written
        // into it: the message names the file, and nothing is left behind.
        QVERIFY2(message.startsWith(u"ファイル \""_qs + temporaryFolder + u"/tagrio-"_qs), qPrintable(message));
        QVERIFY2(message.contains(u"を作成できません。"_qs), qPrintable(message));
        QVERIFY(QDir(temporaryFolder).isEmpty());
    } else {
        QVERIFY2(message.startsWith(u"一時フォルダーを作成できません。"_qs), qPrintable(message));
        QVERIFY2(message.contains(temporaryFolder), qPrintable(message));
    }
    QVERIFY(bannerShows.shows > 0);
    QVERIFY(win.banner()->isHidden());
    QVERIFY(win.bar()->isHidden());
    QCOMPARE(win.bar()->value(), 0);
    QCOMPARE(differences(before, win.state()), QStringList());
}

void OutputFailuresTest::refusedPrintWarnsOnce_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("preview");
    QTest::newRow("type A print") << QString() << u"typeAPrintButton"_qs << false;
    QTest::newRow("type B trunk print") << u"trunkSizeChoice"_qs << u"trunkPrintButton"_qs << false;
    QTest::newRow("type B branch print") << u"branchSizeChoice"_qs << u"branchPrintButton"_qs << false;
    QTest::newRow("type A preview") << QString() << u"typeAPreviewButton"_qs << true;
    QTest::newRow("type B preview") << u"branchSizeChoice"_qs << u"typeBPreviewButton"_qs << true;
}

// The user confirms a PDF file in a folder that is gone by the time the job
// starts: the print system refuses the job after the dialog accepted it.
void OutputFailuresTest::refusedPrintWarnsOnce()
{
    QFETCH(QString, radio);
    QFETCH(QString, button);
    QFETCH(bool, preview);
    OutputWindow win;
    QVERIFY(win.open(30));
    win.check(radio);
    const WindowState before = win.state();
    const QString folder = win.fx.path(u"vanishing"_qs);
    QVERIFY(QDir().mkpath(folder));
    const QString pdf = folder + u"/job.pdf"_qs;

    std::deque<DialogScript::Answer> answers;
    if (preview)
        answers.push_back(printFromPreview());
    answers.push_back(chooseOutputFile(pdf, [folder] { QDir(folder).removeRecursively(); }));
    answers.push_back(DialogScript::press(QMessageBox::Yes));
    DialogScript script(std::move(answers));
    win.click(button);

    QCOMPARE(script.messages(), QStringList{kPrintFailure});
    QCOMPARE(script.met.size(), preview ? 3 : 2);
    QCOMPARE(script.unanswered(), 0);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(differences(before, win.state()), QStringList());
}

void OutputFailuresTest::cancelInAnyDialogChangesNothing_data()
{
    // Answers, one per dialog met: "reject" (Esc or the dialog's cancel),
    // "print" (the preview's print button), or a message box button's name.
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("operation"); // a button's name, or "close"
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("dialogs");
    const QString question = u"QMessageBox: "_qs + kUnsavedQuestion;
    const QStringList reject{u"reject"_qs};

    QTest::newRow("open dialog") << QString() << u"openButton"_qs << false << reject << QStringList{u"QFileDialog"_qs};
    QTest::newRow("question before open") << QString() << u"openButton"_qs << true << QStringList{u"Cancel"_qs}
                                          << QStringList{question};
    QTest::newRow("save dialog") << QString() << u"saveButton"_qs << true << reject << QStringList{u"QFileDialog"_qs};
    QTest::newRow("question at close") << QString() << u"close"_qs << true << QStringList{u"Cancel"_qs}
                                       << QStringList{question};
    QTest::newRow("save dialog from the question at close")
        << QString() << u"close"_qs << true << QStringList{u"Save"_qs, u"reject"_qs}
        << QStringList{question, u"QFileDialog"_qs};
    QTest::newRow("type A print dialog") << QString() << u"typeAPrintButton"_qs << false << reject
                                         << QStringList{u"QPrintDialog"_qs};
    QTest::newRow("type B trunk print dialog") << u"trunkSizeChoice"_qs << u"trunkPrintButton"_qs << false << reject
                                               << QStringList{u"QPrintDialog"_qs};
    QTest::newRow("type B branch print dialog") << u"branchSizeChoice"_qs << u"branchPrintButton"_qs << false << reject
                                                << QStringList{u"QPrintDialog"_qs};
    QTest::newRow("type A preview closed") << QString() << u"typeAPreviewButton"_qs << false << reject
                                           << QStringList{u"PreviewDialog"_qs};
    QTest::newRow("type B preview closed") << u"branchSizeChoice"_qs << u"typeBPreviewButton"_qs << false << reject
                                           << QStringList{u"PreviewDialog"_qs};
    QTest::newRow("print dialog of the preview") << QString() << u"typeAPreviewButton"_qs << false
                                                 << QStringList{u"print"_qs, u"reject"_qs}
                                                 << QStringList{u"PreviewDialog"_qs, u"QPrintDialog"_qs};
}

void OutputFailuresTest::cancelInAnyDialogChangesNothing()
{
    QFETCH(QString, radio);
    QFETCH(QString, operation);
    QFETCH(bool, unsaved);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, dialogs);
    OutputWindow win;
    QVERIFY(win.open(7));
    // The record file commands sit on the command bar, usable with the output panel closed.
    if (operation == u"openButton" || operation == u"saveButton" || operation == u"close")
        QVERIFY(!win.w->runOutputPanelToggle());
    win.check(radio);
    if (unsaved)
        win.w->document().setCompanyName(u"未保存の会社"_qs);
    const WindowState before = win.state();
    const QString labels = win.label("resolutionXLabel") + win.label("resolutionYLabel");
    const QStringList folderBefore = QDir(win.fx.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QByteArray recordFileBefore = FileReading::readAll(win.recordPath);

    std::deque<DialogScript::Answer> scripted;
    for (const QString& answer : answers) {
        if (answer == u"reject")
            scripted.push_back(DialogScript::reject());
        else if (answer == u"print")
            scripted.push_back(printFromPreview());
        else
            scripted.push_back(DialogScript::press(answer == u"Save" ? QMessageBox::Save : QMessageBox::Cancel));
    }
    DialogScript script(std::move(scripted));
    if (operation == u"close")
        win.w->close();
    else
        win.click(operation);

    QCOMPARE(script.met, dialogs);
    QCOMPARE(script.unanswered(), 0);
    QVERIFY(win.w->isVisible());
    QCOMPARE(differences(before, win.state()), QStringList());
    // The resolution labels change with a printer's set-up, which neither a
    // preview nor a cancelled print dialog reaches.
    QCOMPARE(win.label("resolutionXLabel") + win.label("resolutionYLabel"), labels);
    // Nothing written: no settings file, no new file, the record file as it was.
    QCOMPARE(QDir(win.fx.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), folderBefore);
    QCOMPARE(FileReading::readAll(win.recordPath), recordFileBefore);
}

// A record file may claim 2147483647 records on a sheet of 100 rows: every
// window output makes plates for the 99 record rows the sheet has.
void OutputFailuresTest::hugeRecordCountMakesPlatesOnlyForTheRows()
{
    OutputWindow win;
    QVERIFY(win.open(kHugeRecordCount, 100));
    QCOMPARE(win.w->document().sheet().recordCount, kHugeRecordCount);
    const WindowState before = win.state();

    const ScopedEnvironment tmpdir("TMPDIR", win.temporaryFolder());
    for (const char* button : {"typeAWorkbookButton", "typeBWorkbookButton"}) {
        DialogScript script({DialogScript::press(QMessageBox::Ok)});
        win.click(QString::fromLatin1(button));
        QCOMPARE(script.met.size(), 1);
        const XlsxFile file = XlsxFile::read(namedWorkbook(script.messages().value(0)));
        QVERIFY(!file.sheets.empty());
        QCOMPARE(countIn(file.sheets.front(), u"鯱"_qs), 99);
        QCOMPARE(countIn(file.sheets.front(), u"鯱99"_qs), 1);
    }

    struct Print {
        const char* radio;
        const char* button;
        int pages;
    };
    for (const Print& print : {Print{"", "typeAPrintButton", 17}, Print{"trunkSizeChoice", "trunkPrintButton", 5},
                               Print{"branchSizeChoice", "branchPrintButton", 3}}) {
        win.check(QString::fromLatin1(print.radio));
        const QString pdf = win.fx.path(QString::fromLatin1(print.button) + u".pdf"_qs);
        DialogScript script({chooseOutputFile(pdf)});
        win.click(QString::fromLatin1(print.button));
        QCOMPARE(script.met, QStringList{u"QPrintDialog"_qs});
        QCOMPARE(PdfReadBack::pageCount(pdf), print.pages);
        QCOMPARE(pdfText(pdf).count(u"鯱"_qs), 99);
    }
    QCOMPARE(differences(before, win.state()), QStringList());
}

// The output panel's radio buttons choose the text order of the type A print
// and the plate size of the type B preview.
void OutputFailuresTest::panelChoicesReachThePrints()
{
    OutputWindow win;
    QVERIFY(win.open(30));
    struct Order {
        const char* radio;
        int fromFirst; // plates reading "(自)鯱..."
        int toFirst;   // plates reading "(至)鯱..."
    };
    for (const Order& order : {Order{"fromToOrderChoice", 30, 0}, Order{"toFromOrderChoice", 0, 30}, Order{"standardOrderChoice", 0, 0}}) {
        win.check(QString::fromLatin1(order.radio));
        const QString pdf = win.fx.path(QString::fromLatin1(order.radio) + u".pdf"_qs);
        DialogScript script({chooseOutputFile(pdf)});
        win.click(u"typeAPrintButton"_qs);
        QCOMPARE(script.met, QStringList{u"QPrintDialog"_qs});
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(u"鯱"_qs), 30);
        QCOMPARE(text.count(u"(自)鯱"_qs), order.fromFirst);
        QCOMPARE(text.count(u"(至)鯱"_qs), order.toFirst);
    }

    struct Size {
        const char* radio;
        int pages; // trunk 24 plates a page, branch 36
    };
    for (const Size& size : {Size{"branchSizeChoice", 1}, Size{"trunkSizeChoice", 2}}) {
        win.check(QString::fromLatin1(size.radio));
        int previewPages = -1;
        DialogScript script({[&previewPages](QDialog& dialog) {
            if (const auto* preview = dialog.findChild<PagePreview*>())
                previewPages = preview->pageCount();
            dialog.reject();
        }});
        win.click(u"typeBPreviewButton"_qs);
        QCOMPARE(script.met, QStringList{u"PreviewDialog"_qs});
        QCOMPARE(previewPages, size.pages);
    }
}

QTEST_MAIN(OutputFailuresTest)
#include "OutputFailuresTest.moc"
