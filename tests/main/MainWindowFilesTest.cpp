#include "WindowTestSupport.h"

#include "entry/EntryForm.h"
#include "sheet/ListLock.h"
#include "sheet/RecordFile.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

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
    void secondWindowIsToldTheListIsLockedUntilTheFirstCloses();
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

void MainWindowFilesTest::secondWindowIsToldTheListIsLockedUntilTheFirstCloses()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    const QString written = fx.path(u"plan.kav"_qs);
    fx.prompts.saveAnswer = written;
    QVERIFY(w.saveRecordFile());
    const QString lockPath = ListLock::lockPathFor(written);
    QVERIFY(QFile::exists(lockPath));

    PromptRecorder secondPrompts;
    {
        MainWindow second(fx.startup());
        second.setPrompts(secondPrompts.prompts());
        QVERIFY(second.openFile(written));
    }
    QCOMPARE(secondPrompts.notices.size(), 1);
    QVERIFY(secondPrompts.notices.first().startsWith(u"このファイルは "_qs));
    QVERIFY(QFile::exists(lockPath)); // the second window never held it

    QVERIFY(w.close());
    QVERIFY(!QFile::exists(lockPath));
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
