#include "WindowTestSupport.h"
#include "../NativePath.h"

#include "entry/EntryForm.h"
#include "sheet/ListLock.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/TableFile.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

#include <filesystem>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLES "/sample.kav");

void writeUtf8(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF");
    file.write(text.toUtf8());
}

Settings readSettings(const QString& path)
{
    Settings settings{};
    SettingsFile::load(path, settings);
    return settings;
}

QString headerLine()
{
    return u"No.,\"(自) NAME-1\",\"(自) NAME-2\",\"(至) NAME-1\",\"(至) NAME-2\",回路番号,ｹｰﾌﾞﾙ種類,用途,施行年月日,施行者名,ｹｰﾌﾞﾙ製造年"_qs;
}

} // namespace

class MainWindowFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openLoadsTheChosenFile();
    void cancelledOpenChangesNothing();
    void loadFailuresAreShownAndLeaveTheListAsItWas_data();
    void loadFailuresAreShownAndLeaveTheListAsItWas();
    void saveWritesTheFileUnderTheKavName();
    void saveFailureIsShown();
    void saveProposesTheCurrentFileName();
    void saveAsksBeforeReplacingAnotherList();
    void saveAsksWhenAnotherProgramChangedTheFile();
    void everySaveKindAgainstEveryFileAtItsTarget_data();
    void everySaveKindAgainstEveryFileAtItsTarget();
    void aRestoredListIsLockedAndSavedWithoutAQuestion();
    void aLockedListIsOpenedAsTheSecondWindowChooses_data();
    void aLockedListIsOpenedAsTheSecondWindowChooses();
    void aReadOnlyListNeverWritesTheLockedFile();
    void openingShowsTheListFromRowOne();
    void firstActivationOpensTheFirstArgument();
    void failedCommandLineOpenIsReportedOnce();
    void settingsAtStart_data();
    void settingsAtStart();
    void closeAsksAfterAnEditTheFlagUsedToMiss_data();
    void closeAsksAfterAnEditTheFlagUsedToMiss();
    void settingsWrittenAtClose();
    void storedCaptionsSurviveARunWithoutTheEntryForm();
    void unwritableSettingsAreReportedAndTheWindowStillCloses();
    void unsavedRecordsAreOfferedForSaving_data();
    void unsavedRecordsAreOfferedForSaving();
    void openingOverUnsavedRecordsAsksFirst();
    void droppedRecordFileOpensAfterTheUnsavedQuestion();
};

void MainWindowFilesTest::openLoadsTheChosenFile()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.prompts.openAnswer = kSample;
    w.openRecordFile();

    RecordSheet expected;
    QString company;
    RecordFile::load(kSample, company, expected);
    QVERIFY(w.document().sheet() == expected);
    QCOMPARE(w.document().companyName(), company);
    QCOMPARE(w.fileName(), kSample);
    QCOMPARE(fx.grid()->model()->index(0, ColFrom1).data().toString(), expected.cell(ColFrom1, 1));
    QVERIFY(fx.prompts.errors.isEmpty());
    QVERIFY(!w.document().isModified());

    // The next dialog starts in the folder of the file last chosen.
    fx.prompts.openAnswer.clear();
    w.openRecordFile();
    QCOMPARE(fx.prompts.openFolders, (QStringList{QString(), QFileInfo(kSample).absolutePath()}));
}

void MainWindowFilesTest::cancelledOpenChangesNothing()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    const RecordSheet before = w.document().sheet();
    w.openRecordFile();
    QCOMPARE(fx.prompts.openFolders.size(), 1);
    QVERIFY(w.document().sheet() == before);
    QVERIFY(w.fileName().isEmpty());
    QVERIFY(fx.prompts.errors.isEmpty());
}

void MainWindowFilesTest::loadFailuresAreShownAndLeaveTheListAsItWas_data()
{
    QTest::addColumn<QString>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << QString() << u"ファイル %1 は開けません。"_qs;
    QTest::newRow("row count not a number") << u"甲社\r\n3\r\nabc\r\n"_qs << u"ファイル %1 は開けません。 3 行目: 'abc' は整数ではありません。"_qs;
    QTest::newRow("file too short") << u"乙社\r\n1\r\n4\r\n"_qs + headerLine() + u"\r\n1,受電盤\r\n"_qs
                                    << u"ファイル %1 は開けません。 行が足りません。"_qs;
}

void MainWindowFilesTest::loadFailuresAreShownAndLeaveTheListAsItWas()
{
    QFETCH(QString, content);
    QFETCH(QString, message);
    WindowFixture fx;
    MainWindow& w = fx.show(); // the company box holds the settings' 〇〇〇〇株式会社
    fx.editSheet([](RecordSheet& s) { s.setCell(ColFrom1, 1, u"marker"_qs); });
    const QString path = fx.path(u"bad.kav"_qs);
    if (!content.isEmpty())
        writeUtf8(path, content);

    fx.prompts.openAnswer = path;
    w.openRecordFile();
    QCOMPARE(fx.prompts.errors.size(), 1);
    QVERIFY2(fx.prompts.errors.first().startsWith(message.contains(u"%1") ? message.arg(path) : message),
             qPrintable(fx.prompts.errors.first()));
    QCOMPARE(fx.child<QLineEdit>("companyNameEdit")->text(), u"〇〇〇〇株式会社"_qs);
    QCOMPARE(fx.grid()->model()->rowCount(), 99);
    QCOMPARE(fx.grid()->model()->index(0, ColFrom1).data().toString(), u"marker"_qs);
    QVERIFY(w.fileName().isEmpty());
    QVERIFY(w.document().isModified()); // the marker is still unsaved
}

void MainWindowFilesTest::saveWritesTheFileUnderTheKavName()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(3);
    fx.makeUnsavedEdit();
    fx.child<QLineEdit>("companyNameEdit")->setText(u"丙電設"_qs);
    fx.prompts.saveAnswer = fx.path(u"plan"_qs);

    QVERIFY(w.saveRecordFile());
    QCOMPARE(w.fileName(), fx.path(u"plan"_qs));
    QVERIFY(!w.document().isModified());
    RecordSheet reread;
    QString company;
    RecordFile::load(fx.path(u"plan.kav"_qs), company, reread);
    QCOMPARE(company, u"丙電設"_qs);
    QVERIFY(reread == w.document().sheet());
    QVERIFY(!QFile::exists(fx.path(u"plan"_qs)));
}

void MainWindowFilesTest::saveFailureIsShown()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.makeUnsavedEdit();
    const QString chosen = fx.path(u"no-such-folder/plan.kav"_qs);
    fx.prompts.saveAnswer = chosen;
    QVERIFY(!w.saveRecordFile());
    QCOMPARE(fx.prompts.errors.size(), 1);
    QVERIFY(fx.prompts.errors.first().startsWith(u"ファイル \""_qs + chosen + u"\" を作成できません。"_qs));
    QCOMPARE(w.fileName(), chosen);
    QVERIFY(w.document().isModified());

    // A cancelled save writes nothing and keeps the name.
    fx.prompts.saveAnswer.clear();
    QVERIFY(!w.saveRecordFile());
    QCOMPARE(w.fileName(), chosen);
}

void MainWindowFilesTest::saveProposesTheCurrentFileName()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    w.saveRecordFile(); // a new list: nothing to propose
    fx.prompts.openAnswer = kSample;
    w.openRecordFile();
    w.saveRecordFile(); // cancelled
    fx.prompts.saveAnswer = fx.path(u"plan"_qs);
    QVERIFY(w.saveRecordFile());
    fx.prompts.saveAnswer.clear();
    w.saveRecordFile();
    // The name proposed is the file that was written, .kav included.
    QCOMPARE(fx.prompts.saveStarts, (QStringList{QString(), kSample, kSample, fx.path(u"plan.kav"_qs)}));
    QVERIFY(fx.prompts.errors.isEmpty());
}

void MainWindowFilesTest::saveAsksBeforeReplacingAnotherList()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    fx.prompts.saveAnswer = fx.path(u"plan"_qs);
    QVERIFY(w.saveRecordFile());
    QVERIFY(fx.prompts.questions.isEmpty()); // a new file

    // The list's own file is saved over without a question.
    fx.makeUnsavedEdit();
    QVERIFY(w.saveRecordFile());
    QVERIFY(fx.prompts.questions.isEmpty());

    // Another existing list: asked, and "no" leaves it byte-identical.
    const QString other = fx.path(u"other.kav"_qs);
    writeUtf8(other, u"another list"_qs);
    QFile otherFile(other);
    QVERIFY(otherFile.open(QIODevice::ReadOnly));
    const QByteArray before = otherFile.readAll();
    otherFile.close();
    fx.prompts.saveAnswer = other;
    fx.prompts.answerYes = false;
    QVERIFY(!w.saveRecordFile());
    QCOMPARE(fx.prompts.questions,
             QStringList{QDir::toNativeSeparators(other) + u" は既にあります。上書きしますか？"_qs});
    QVERIFY(otherFile.open(QIODevice::ReadOnly));
    QCOMPARE(otherFile.readAll(), before);
    otherFile.close();
    QCOMPARE(w.fileName(), fx.path(u"plan"_qs));

    // "yes" replaces it.
    fx.prompts.answerYes = true;
    QVERIFY(w.saveRecordFile());
    QCOMPARE(w.fileName(), other);
    QCOMPARE(fx.prompts.questions.size(), 2);
}

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void MainWindowFilesTest::saveAsksWhenAnotherProgramChangedTheFile()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    const QString written = fx.path(u"plan.kav"_qs);
    fx.prompts.saveAnswer = written;
    QVERIFY(w.saveRecordFile());
    writeUtf8(written, u"changed elsewhere"_qs);
    const QByteArray changed = bytesOf(written);

    fx.makeUnsavedEdit();
    QVERIFY(!w.saveRecordFile());
    QCOMPARE(fx.prompts.questions,
             QStringList{QDir::toNativeSeparators(written) + u" は他のプログラムで変更されています。上書きしますか？"_qs});
    QCOMPARE(bytesOf(written), changed);

    fx.prompts.answerYes = true;
    QVERIFY(w.saveRecordFile());
    QVERIFY(bytesOf(written) != changed);
    // Written by this window: the next save asks nothing.
    QVERIFY(w.saveRecordFile());
    QCOMPARE(fx.prompts.questions.size(), 2);
}

namespace {

// What is at the save's target before the save.
enum class SaveTarget { Absent, OwnFile, OwnFileChanged, OtherFile, OpenedTable, ReadOnly, Folder, Settings };

} // namespace

void MainWindowFilesTest::everySaveKindAgainstEveryFileAtItsTarget_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("question"); // %1: the target; empty: none
    QTest::addColumn<QString>("refusal");  // the message instead of a write; empty: written
    const QString exists = u"%1 は既にあります。上書きしますか？"_qs;
    const QString changed = u"%1 は他のプログラムで変更されています。上書きしますか？"_qs;
    const QString readOnly = u"ファイル \"%1\" を作成できません。読み取り専用です。"_qs;
    const QString folder = u"ファイル \"%1\" を作成できません。同じ名前のフォルダーがあります。"_qs;
    const QString settings = u"出力先 %1 は設定ファイルです。設定ファイルはそのままにしました。"_qs;
    struct Row {
        const char* name;
        SaveTarget target;
        QString question;
        QString refusal;
    };
    const Row rows[] = {
        {"absent", SaveTarget::Absent, {}, {}},
        {"the list's own file", SaveTarget::OwnFile, {}, {}},
        {"the list's own file, changed elsewhere", SaveTarget::OwnFileChanged, changed, {}},
        {"another existing file", SaveTarget::OtherFile, exists, {}},
        {"the table the list was opened from", SaveTarget::OpenedTable, exists, {}},
        {"a read-only file", SaveTarget::ReadOnly, {}, readOnly},
        {"a folder", SaveTarget::Folder, {}, folder},
        {"the settings file", SaveTarget::Settings, {}, settings},
    };
    for (const char* suffix : {".kav", ".xlsx", ".csv"}) {
        for (const Row& row : rows) {
            const bool ownFile = row.target == SaveTarget::OwnFile || row.target == SaveTarget::OwnFileChanged;
            if (ownFile && QLatin1String(suffix) != u".kav")
                continue; // a table is never the list's own file
            if (row.target == SaveTarget::OpenedTable && QLatin1String(suffix) == u".kav")
                continue; // a record file opened is the list's own file
            QTest::addRow("%s over %s", suffix, row.name)
                << QString::fromLatin1(suffix) << static_cast<int>(row.target) << row.question << row.refusal;
        }
    }
}

// A save asks before it replaces any existing file other than the list's own
// (and the own file changed elsewhere), whatever kind it writes; いいえ keeps
// every byte. A file it must never write is refused without a question. A
// table is an export: the list keeps its name, lock and stamp.
void MainWindowFilesTest::everySaveKindAgainstEveryFileAtItsTarget()
{
    QFETCH(QString, suffix);
    QFETCH(int, target);
    QFETCH(QString, question);
    QFETCH(QString, refusal);
    const auto state = static_cast<SaveTarget>(target);

    WindowFixture fx;
    // The list: a record file, or a table opened (its record file is then named after it).
    const QString list = state == SaveTarget::OpenedTable ? fx.path(u"site"_qs + suffix) : fx.path(u"list.kav"_qs);
    if (state == SaveTarget::OpenedTable) {
        RecordSheet sheet;
        QString company;
        RecordFile::load(kSample, company, sheet);
        TableFile::write(list, sheet);
    } else {
        QVERIFY(QFile::copy(kSample, list));
        QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    MainWindow& w = fx.show();
    QVERIFY(w.openFile(list));
    const QString listName = w.fileName();
    const QString listLock = ListLock::lockPathFor(list);
    QVERIFY(QFile::exists(listLock));
    fx.makeUnsavedEdit();

    QString chosen = fx.path(u"target"_qs + suffix);
    const QByteArray before = "another program's bytes";
    switch (state) {
    case SaveTarget::Absent:
        break;
    case SaveTarget::OwnFile:
        chosen = list;
        break;
    case SaveTarget::OwnFileChanged:
        chosen = list;
        writeUtf8(list, u"changed elsewhere"_qs);
        break;
    case SaveTarget::OtherFile:
        writeUtf8(chosen, u"x"_qs);
        break;
    case SaveTarget::OpenedTable:
        chosen = list;
        break;
    case SaveTarget::ReadOnly:
        writeUtf8(chosen, u"x"_qs);
        QFile::setPermissions(chosen, QFileDevice::ReadOwner);
        break;
    case SaveTarget::Folder:
        QVERIFY(QDir().mkpath(chosen));
        break;
    case SaveTarget::Settings: {
        // The settings file under a name the save writes exactly.
        writeUtf8(fx.settingsPath(), u"会社\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n"_qs);
        std::error_code error;
        std::filesystem::create_hard_link(nativePath(fx.settingsPath()), nativePath(chosen), error);
        QVERIFY(!error);
        break;
    }
    }
    const QByteArray bytesBefore = bytesOf(chosen);
    const QString shown = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());

    fx.prompts.saveAnswer = chosen;
    fx.prompts.answerYes = false;
    const bool saved = w.saveRecordFile();
    QCOMPARE(fx.prompts.questions, question.isEmpty() ? QStringList() : QStringList{question.arg(shown)});
    QCOMPARE(fx.prompts.errors, refusal.isEmpty() ? QStringList() : QStringList{refusal.arg(chosen)});
    const bool written = question.isEmpty() && refusal.isEmpty();
    QCOMPARE(saved, written);
    if (!written)
        QCOMPARE(bytesOf(chosen), bytesBefore);
    else
        QVERIFY(bytesOf(chosen) != bytesBefore);

    if (!question.isEmpty()) { // はい writes it
        fx.prompts.answerYes = true;
        QVERIFY(w.saveRecordFile());
        QVERIFY(bytesOf(chosen) != bytesBefore);
    }
    // An export leaves the list as it was: its name, its lock, its unsaved changes.
    if (suffix != u".kav") {
        QCOMPARE(w.fileName(), listName);
        QVERIFY(QFile::exists(listLock));
        QVERIFY(w.document().isModified());
        QVERIFY(!QFile::exists(ListLock::lockPathFor(chosen)) || chosen == list);
    }
    if (state == SaveTarget::ReadOnly)
        QFile::setPermissions(chosen, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void MainWindowFilesTest::aRestoredListIsLockedAndSavedWithoutAQuestion()
{
    WindowFixture fx;
    const QString list = fx.path(u"list.kav"_qs);
    QVERIFY(QFile::copy(kSample, list));
    QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    RecordSheet changed;
    QString company;
    RecordFile::load(kSample, company, changed);
    changed.setCell(ColPurpose, 1, u"復元された変更"_qs);
    const QString copy = fx.path(u"copy.kav"_qs);
    RecordFile::save(copy, company, changed);

    MainWindow& w = fx.show();
    w.restoreRecoveryCopy(copy, list);
    QVERIFY(w.document().isModified());
    QVERIFY(QFile::exists(ListLock::lockPathFor(list)));
    fx.prompts.saveAnswer = list;
    QVERIFY(w.saveRecordFile());
    QVERIFY(fx.prompts.questions.isEmpty());
    RecordSheet saved;
    RecordFile::load(list, company, saved);
    QCOMPARE(saved.cell(ColPurpose, 1), u"復元された変更"_qs);
}

void MainWindowFilesTest::aLockedListIsOpenedAsTheSecondWindowChooses_data()
{
    QTest::addColumn<LockedListChoice>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only") << LockedListChoice::ReadOnly << true << true;
    QTest::newRow("edit") << LockedListChoice::Edit << true << false;
    QTest::newRow("cancel") << LockedListChoice::Cancel << false << false;
}

void MainWindowFilesTest::aLockedListIsOpenedAsTheSecondWindowChooses()
{
    QFETCH(LockedListChoice, answer);
    QFETCH(bool, opened);
    QFETCH(bool, readOnly);
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    const QString written = fx.path(u"plan.kav"_qs);
    fx.prompts.saveAnswer = written;
    QVERIFY(w.saveRecordFile());
    const QString lockPath = ListLock::lockPathFor(written);
    QVERIFY(QFile::exists(lockPath));

    PromptRecorder secondPrompts;
    secondPrompts.lockedAnswer = answer;
    {
        MainWindow second(fx.startup());
        second.setPrompts(secondPrompts.prompts());
        second.document().pasteText(1, u"1\t手元の一覧\r\n"_qs);
        QCOMPARE(second.openFile(written), opened);
        QCOMPARE(secondPrompts.lockWarnings.size(), 1);
        QVERIFY2(secondPrompts.lockWarnings[0].startsWith(u"このファイルは "_qs), qPrintable(secondPrompts.lockWarnings[0]));
        QVERIFY(secondPrompts.lockWarnings[0].contains(u" から）"_qs)); // since when
        QVERIFY(secondPrompts.notices.isEmpty());
        QCOMPARE(second.isReadOnly(), readOnly);
        QCOMPARE(second.windowTitle().endsWith(u"（読み取り専用）"_qs), readOnly);
        QCOMPARE(second.fileName(), opened ? written : QString());
        QCOMPARE(second.document().sheet().cell(ColFrom1, 1), opened ? u"盤1"_qs : u"手元の一覧"_qs);
    }
    QVERIFY(QFile::exists(lockPath)); // the second window never held it

    QVERIFY(w.close());
    QVERIFY(!QFile::exists(lockPath));
}

// Read-only, 保存 proposes a copy beside the locked file and refuses the
// locked file however it is named; saving under a new name makes the list
// that file's, editable again.
void MainWindowFilesTest::aReadOnlyListNeverWritesTheLockedFile()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    const QString locked = fx.path(u"plan.kav"_qs);
    fx.prompts.saveAnswer = locked;
    QVERIFY(w.saveRecordFile());
    QVERIFY(QFile::copy(locked, fx.path(u"plan のコピー.kav"_qs))); // an earlier copy is kept too
    const QByteArray lockedBytes = bytesOf(locked);
    std::error_code error;
    std::filesystem::create_hard_link(nativePath(locked), nativePath(fx.path(u"hard.kav"_qs)), error);
    QVERIFY(!error);
    QVERIFY(QFile::link(locked, fx.path(u"soft.kav"_qs)));

    PromptRecorder prompts;
    MainWindow second(fx.startup());
    second.setPrompts(prompts.prompts());
    QVERIFY(second.openFile(locked));
    QVERIFY(second.isReadOnly());
    second.document().pasteText(1, u"1\t読み取り専用で変更\r\n"_qs);

    const QString spellings[] = {locked, fx.path(u"plan"_qs), fx.path(u"./sub/../plan.kav"_qs),
                                 fx.path(u"hard.kav"_qs), fx.path(u"soft.kav"_qs)};
    QVERIFY(QDir(fx.dir.path()).mkdir(u"sub"_qs));
    for (const QString& spelling : spellings) {
        prompts.saveAnswer = spelling;
        QVERIFY2(!second.saveRecordFile(), qPrintable(spelling));
        QVERIFY(prompts.errors.last().contains(u"読み取り専用で開いています"_qs));
        QCOMPARE(bytesOf(locked), lockedBytes);
        QCOMPARE(prompts.saveStarts.last(), fx.path(u"plan のコピー (2).kav"_qs));
        QVERIFY(prompts.questions.isEmpty());
    }
    QVERIFY(second.isReadOnly());

    // An export is not the list's file: the list stays read-only.
    prompts.saveAnswer = fx.path(u"export.csv"_qs);
    QVERIFY(second.saveRecordFile());
    QVERIFY(second.isReadOnly());

    const QString copy = fx.path(u"mine.kav"_qs);
    prompts.saveAnswer = copy;
    QVERIFY(second.saveRecordFile());
    QCOMPARE(bytesOf(locked), lockedBytes);
    QVERIFY(!second.isReadOnly());
    QCOMPARE(second.fileName(), copy);
    QVERIFY(!second.windowTitle().contains(u"読み取り専用"_qs));
    QVERIFY(QFile::exists(ListLock::lockPathFor(copy)));
    prompts.saveAnswer = copy;
    QVERIFY(second.saveRecordFile()); // its own file now, saved over without a question
    QVERIFY(prompts.questions.isEmpty());
}

void MainWindowFilesTest::openingShowsTheListFromRowOne()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(98);
    fx.prompts.saveAnswer = fx.path(u"long.kav"_qs);
    QVERIFY(w.saveRecordFile());

    // Each way of opening a file: another file chosen, and the current one loaded again.
    const std::function<void()> opens[] = {
        [&] {
            fx.prompts.openAnswer = kSample;
            w.openRecordFile();
        },
        [&] { w.reopenFile(); },
    };
    for (const auto& open : opens) {
        fx.prompts.openAnswer = fx.path(u"long.kav"_qs);
        w.openRecordFile();
        fx.grid()->horizontalScrollBar()->setValue(fx.grid()->horizontalScrollBar()->maximum());
        fx.clickCell(ColFrom1, 90); // scrolls the sheet down to row 90
        QCOMPARE(w.document().sheet().cell(ColFrom1, 90), u"盤90"_qs);
        QCOMPARE(fx.grid()->currentSheetRow(), 90);
        QVERIFY(fx.grid()->rowAt(0) > 0);

        open();
        QVERIFY(fx.prompts.errors.isEmpty());
        QCOMPARE(fx.grid()->rowAt(0), RecordSheetModel::modelRow(1));
        QCOMPARE(fx.grid()->columnAt(0), 0);
        QCOMPARE(fx.grid()->currentSheetRow(), 1);
        QCOMPARE(fx.grid()->currentIndex().row(), RecordSheetModel::modelRow(1));
        QCOMPARE(fx.grid()->selectedSheetRows(), std::make_pair(1, 1));
    }
}

void MainWindowFilesTest::firstActivationOpensTheFirstArgument()
{
    WindowFixture fx;
    MainWindow& w = fx.create({kSample, fx.path(u"ignored.kav"_qs)});
    QCOMPARE(w.document().sheet().recordCount, 0); // nothing before the first activation
    w.show();
    w.activateWindow();
    QTRY_VERIFY(w.commandLineFileOpened());
    QCOMPARE(w.fileName(), kSample);
    QCOMPARE(w.document().companyName(), u"タグリオ電設株式会社"_qs);
    QVERIFY(w.document().sheet().recordCount > 0);
    QVERIFY(fx.prompts.errors.isEmpty());

    // Later activations leave the sheet alone.
    fx.editSheet([](RecordSheet& s) { s.setCell(ColFrom1, 1, u"edited"_qs); });
    w.openCommandLineFile();
    QCOMPARE(w.document().sheet().cell(ColFrom1, 1), u"edited"_qs);

    WindowFixture none;
    MainWindow& plain = none.create();
    plain.openCommandLineFile();
    QVERIFY(!plain.commandLineFileOpened());
    QVERIFY(plain.fileName().isEmpty());
    QCOMPARE(plain.document().sheet().recordCount, 0);
}

void MainWindowFilesTest::failedCommandLineOpenIsReportedOnce()
{
    WindowFixture fx;
    const QString missing = fx.path(u"missing.kav"_qs);
    MainWindow& w = fx.create({missing});
    w.openCommandLineFile();
    QCOMPARE(fx.prompts.errors.size(), 1);
    QVERIFY(fx.prompts.errors.first().contains(missing));
    QVERIFY(!w.commandLineFileOpened());
    // Closing the message reactivates the window: no second message.
    w.openCommandLineFile();
    QCOMPARE(fx.prompts.errors.size(), 1);
}

void MainWindowFilesTest::settingsAtStart_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("expected");
    const Settings d = Settings::defaults();
    QTest::newRow("three lines") << u"丁社\r\n行先\r\n種類\r\n"_qs
                                 << QStringList{u"丁社"_qs, u"行先"_qs, u"種類"_qs, d.lines[3], d.lines[4], d.lines[5],
                                                d.lines[6]};
    QTest::newRow("nine lines") << u"a\nb\nc\nd\ne\nf\ng\nh\ni\n"_qs
                                << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs, u"g"_qs};
    QTest::newRow("no file") << QString() << QStringList(d.lines.begin(), d.lines.end());
}

void MainWindowFilesTest::settingsAtStart()
{
    QFETCH(QString, content);
    QFETCH(QStringList, expected);
    WindowFixture fx;
    if (!content.isEmpty())
        writeUtf8(fx.settingsPath(), content);
    MainWindow& w = fx.create();
    QCOMPARE(QStringList(w.document().settings().lines.begin(), w.document().settings().lines.end()), expected);
    QCOMPARE(w.document().companyName(), expected.first());
}

void MainWindowFilesTest::closeAsksAfterAnEditTheFlagUsedToMiss_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("asks");
    QTest::newRow("declined delete (it renumbers)") << u"declined delete"_qs << true;
    QTest::newRow("renumber button") << u"renumber"_qs << true;
    QTest::newRow("company name typed") << u"company"_qs << true;
    QTest::newRow("sort of a sorted list") << u"sort"_qs << false;
}

void MainWindowFilesTest::closeAsksAfterAnEditTheFlagUsedToMiss()
{
    QFETCH(QString, edit);
    QFETCH(bool, asks);
    WindowFixture fx;
    // Numbers 1, 2, 5: sorted, but a renumber changes them.
    RecordSheet gapped;
    gapped.editRow(1) = Record{u"1"_qs, u"盤1"_qs};
    gapped.editRow(2) = Record{u"2"_qs, u"盤2"_qs};
    gapped.editRow(3) = Record{u"5"_qs, u"盤5"_qs};
    gapped.recordCount = 5;
    RecordFile::save(fx.path(u"gapped.kav"_qs), u"甲電設"_qs, gapped);
    MainWindow& w = fx.show({fx.path(u"gapped.kav"_qs)});
    w.activateWindow();
    QTRY_VERIFY(w.commandLineFileOpened());
    fx.prompts.unsavedAnswer = UnsavedChoice::Cancel;

    if (edit == u"declined delete") {
        fx.prompts.answerYes = false;
        fx.clickCell(1, 2);
        w.deleteSelectedRows();
        QCOMPARE(fx.prompts.questions.size(), 1);
        QCOMPARE(w.document().sheet().cell(ColFrom1, 2), u"盤2"_qs); // the row stays
    } else if (edit == u"renumber") {
        w.renumberRecords();
    } else if (edit == u"company") {
        QTest::keyClicks(fx.child<QLineEdit>("companyNameEdit"), u" 2"_qs);
    } else {
        w.sortRecords();
    }

    QCOMPARE(w.close(), !asks);
    QCOMPARE(fx.prompts.unsavedAsked, asks ? 1 : 0);
}

void MainWindowFilesTest::settingsWrittenAtClose()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    EntryForm form2(w.document());
    w.setEntryForm(&form2);
    fx.child<QLineEdit>("companyNameEdit")->setText(u"新会社"_qs);
    form2.findChild<QLineEdit*>(u"captionBox3"_qs)->setText(u"用途欄"_qs);
    QSignalSpy closing(&w, &MainWindow::closing);

    QVERIFY(w.close());
    QCOMPARE(closing.size(), 1);
    Settings expected = Settings::defaults();
    expected.lines[0] = u"新会社"_qs;
    expected.lines[3] = u"用途欄"_qs;
    QCOMPARE(readSettings(fx.settingsPath()).lines, expected.lines);

    // The next start takes them up.
    WindowFixture next;
    QVERIFY(QFile::copy(fx.settingsPath(), next.settingsPath()));
    MainWindow& again = next.create();
    QCOMPARE(again.document().companyName(), u"新会社"_qs);
    QCOMPARE(again.document().settings().lines[3], u"用途欄"_qs);
}

void MainWindowFilesTest::storedCaptionsSurviveARunWithoutTheEntryForm()
{
    WindowFixture fx;
    writeUtf8(fx.settingsPath(), u"戊社\r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\n"_qs);
    {
        MainWindow& w = fx.show();
        EntryForm form2(w.document()); // never shown
        w.setEntryForm(&form2);
        QVERIFY(w.close());
        fx.window.reset();
    }
    QCOMPARE(readSettings(fx.settingsPath()).lines,
             (std::array<QString, 7>{u"戊社"_qs, u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"E"_qs, u"F"_qs}));

    // Without any entry form the loaded captions are stored back as they were.
    MainWindow& alone = fx.show();
    QVERIFY(alone.close());
    QCOMPARE(readSettings(fx.settingsPath()).lines[6], u"F"_qs);
}

void MainWindowFilesTest::unwritableSettingsAreReportedAndTheWindowStillCloses()
{
    WindowFixture fx;
    MainWindowStartup startup = fx.startup();
    startup.settingsPath = fx.path(u"no-such-folder/kiroku.ggs"_qs);
    MainWindow w(startup);
    w.setPrompts(fx.prompts.prompts());
    w.show();
    QSignalSpy closing(&w, &MainWindow::closing);
    QVERIFY(w.close());
    QCOMPARE(closing.size(), 1);
    QCOMPARE(fx.prompts.errors.size(), 1);
    QVERIFY(fx.prompts.errors.first().startsWith(u"ファイル \""_qs + startup.settingsPath + u"\" を作成できません。"_qs));
}

void MainWindowFilesTest::unsavedRecordsAreOfferedForSaving_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("no changes: no question") << false << int(UnsavedChoice::Cancel) << QString() << true << false;
    QTest::newRow("discard") << true << int(UnsavedChoice::Discard) << QString() << true << false;
    QTest::newRow("cancel") << true << int(UnsavedChoice::Cancel) << QString() << false << false;
    QTest::newRow("save") << true << int(UnsavedChoice::Save) << u"kept"_qs << true << true;
    QTest::newRow("save, dialog cancelled") << true << int(UnsavedChoice::Save) << QString() << false << false;
}

void MainWindowFilesTest::unsavedRecordsAreOfferedForSaving()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    WindowFixture fx;
    MainWindow& w = fx.show();
    if (changed) {
        QGuiApplication::clipboard()->setText(u"1\t配電盤\r\n"_qs);
        w.pasteSortAndRenumber();
    }
    fx.prompts.unsavedAnswer = static_cast<UnsavedChoice>(answer);
    fx.prompts.saveAnswer = saveAs.isEmpty() ? QString() : fx.path(saveAs);

    QCOMPARE(w.close(), closes);
    QCOMPARE(fx.prompts.unsavedAsked, changed ? 1 : 0);
    QCOMPARE(w.isVisible(), !closes);
    QCOMPARE(QFile::exists(fx.path(u"kept.kav"_qs)), written);
    // The settings are saved only when the window really closes.
    QCOMPARE(QFile::exists(fx.settingsPath()), closes);
}

void MainWindowFilesTest::openingOverUnsavedRecordsAsksFirst()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.makeUnsavedEdit();
    fx.prompts.openAnswer = kSample;
    fx.prompts.unsavedAnswer = UnsavedChoice::Cancel;
    w.openRecordFile();
    QVERIFY(fx.prompts.openFolders.isEmpty());
    QCOMPARE(w.document().sheet().recordCount, 0);

    fx.prompts.unsavedAnswer = UnsavedChoice::Discard;
    w.openRecordFile();
    QCOMPARE(w.fileName(), kSample);
    QVERIFY(!w.document().isModified());
}

void MainWindowFilesTest::droppedRecordFileOpensAfterTheUnsavedQuestion()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.makeUnsavedEdit();
    // A drop arrives at the widget under the pointer; the grid's viewport
    // does not take drops, so the window does.
    QWidget* target = fx.viewport();
    const auto drop = [&] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(kSample)});
        const QPoint at = target->mapTo(&w, target->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &dropped);
    };

    fx.prompts.unsavedAnswer = UnsavedChoice::Cancel;
    drop();
    QCOMPARE(fx.prompts.unsavedAsked, 1);
    QVERIFY(w.fileName().isEmpty());
    QVERIFY(w.document().isModified());

    fx.prompts.unsavedAnswer = UnsavedChoice::Discard;
    drop();
    QCOMPARE(fx.prompts.unsavedAsked, 2);
    QCOMPARE(w.fileName(), kSample);
    QCOMPARE(w.document().sheet().recordCount, 8);
    QVERIFY(!w.document().isModified());
}

int runMainWindowFileTests(int argc, char** argv)
{
    MainWindowFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowFilesTest.moc"
