// The real tagrio under Xvfb: a change typed into the sheet, the program
// killed with SIGKILL, started again and the recovery copy restored through
// its question window. The restored list is read back from the copy the new
// run keeps of it.
#include "sheet/RecordDocument.h"
#include "sheet/RecordFile.h"
#include "../StateTimeout.h"
#include "ProgramWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLES "/sample.kav");

void clickAt(QPoint global)
{
    xdotool({u"mousemove"_qs, u"--sync"_qs, QString::number(global.x()), QString::number(global.y()), u"click"_qs, u"1"_qs});
}

void keys(const QString& combination) { xdotool({u"key"_qs, u"--clearmodifiers"_qs, combination}); }

struct ListState {
    RecordSheet sheet;
    QString company;
    friend bool operator==(const ListState&, const ListState&) = default;
};

ListState stateOf(const RecordDocument& document) { return {document.sheet(), document.companyName()}; }

std::optional<ListState> readCopy(const QString& path)
{
    ListState state;
    try {
        RecordFile::load(path, state.company, state.sheet);
    } catch (...) {
        return std::nullopt;
    }
    return state;
}

} // namespace

class CrashRecoveryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void aKilledRunIsRestoredRowForRow_data();
    void aKilledRunIsRestoredRowForRow();

private:
    qint64 startTagrio(const QStringList& arguments);
    QString copyOf(qint64 pid) const { return recoveryFolder() + QStringLiteral("/tagrio-%1.kav").arg(pid); }
    // Written after the copy: a copy is offered only with its description.
    QString descriptionOf(qint64 pid) const { return recoveryFolder() + QStringLiteral("/tagrio-%1.json").arg(pid); }
    QString recoveryFolder() const { return dir_->filePath(u"data/tagrio/recovery"_qs); }
    // Sheet row r, column 1 of the main window, on the screen.
    QPoint sheetCell(int row) const { return mainCorner_ + QPoint(100, 45 + 26 + (row - 1) * 24 + 12); }
    void pasteAt(int row, const QString& text);

    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<std::unique_ptr<QProcess>> runs_;
    QPoint mainCorner_;
};

void CrashRecoveryTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(kSample, dir_->filePath(u"list.kav"_qs)));
}

void CrashRecoveryTest::cleanup()
{
    for (auto& run : runs_) {
        run->kill();
        run->waitForFinished();
    }
    runs_.clear();
}

qint64 CrashRecoveryTest::startTagrio(const QStringList& arguments)
{
    auto run = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_qs, dir_->filePath(u"data"_qs));
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    run->setProcessEnvironment(environment);
    run->start(QStringLiteral(TAGRIO_PROGRAM), arguments);
    if (!run->waitForStarted())
        return 0;
    const qint64 pid = run->processId();
    runs_.push_back(std::move(run));
    return pid;
}

void CrashRecoveryTest::pasteAt(int row, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    clickAt(sheetCell(row));
    keys(u"ctrl+v"_qs);
    // The program fetches the clipboard from this process: callers wait for
    // the paste's effect with QTRY, which keeps this event loop serving it.
}

void CrashRecoveryTest::aKilledRunIsRestoredRowForRow_data()
{
    QTest::addColumn<bool>("undoSecondPaste");
    QTest::newRow("change kept") << false;
    QTest::newRow("second change undone") << true;
}

void CrashRecoveryTest::aKilledRunIsRestoredRowForRow()
{
    QFETCH(bool, undoSecondPaste);
    const QString list = dir_->filePath(u"list.kav"_qs);
    const QString firstPaste = u"0\t非常用発電機\t屋上\r\n\t番号なしの行\r\n"_qs;
    const QString secondPaste = u"5\t消えるはずの行\r\n"_qs;

    // What the list must be after the first paste, as the window computes it.
    RecordDocument expected;
    expected.open(list);
    const ListState original = stateOf(expected);
    {
        const auto step = expected.groupSteps();
        expected.pasteText(2, firstPaste);
        expected.sortRecords();
        expected.renumberRecords();
    }
    const ListState afterFirstPaste = stateOf(expected);
    QVERIFY(!(afterFirstPaste == original));

    const qint64 first = startTagrio({list});
    QVERIFY(first > 0);
    // The caption names the list once the program has opened it.
    mainCorner_ = windowCorner(u"タグリオ.* - list\\.kav$"_qs);
    QVERIFY(mainCorner_.x() >= 0);

    const auto copyIs = [&](const ListState& state) {
        const std::optional<ListState> copy = readCopy(copyOf(first));
        return copy && *copy == state && QFile::exists(descriptionOf(first));
    };
    pasteAt(2, firstPaste);
    QTRY_VERIFY_WITH_TIMEOUT(copyIs(afterFirstPaste), kStateTimeoutMs);
    if (undoSecondPaste) {
        pasteAt(5, secondPaste);
        // The second change reached the program (and its copy) before it is undone.
        const auto holdsSecondPaste = [&] {
            const std::optional<ListState> copy = readCopy(copyOf(first));
            return copy && std::any_of(copy->sheet.rows().begin(), copy->sheet.rows().end(),
                                       [](const SheetRow& row) { return row.texts()[ColFrom1] == u"消えるはずの行"; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(holdsSecondPaste(), kStateTimeoutMs);
        keys(u"ctrl+z"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(copyIs(afterFirstPaste), kStateTimeoutMs);
    }
    runs_.back()->kill(); // SIGKILL
    QVERIFY(runs_.back()->waitForFinished());
    QVERIFY(QFile::exists(copyOf(first)));

    const qint64 second = startTagrio({});
    QVERIFY(second > 0);
    const QPoint question = windowCorner(u"記録の復元"_qs);
    QVERIFY(question.x() >= 0);
    xdotool({u"mousemove"_qs, u"--sync"_qs, QString::number(question.x() + 40), QString::number(question.y() + 10)});
    keys(u"Return"_qs); // 復元する is the default button

    // The new run keeps its own copy of the restored, unsaved list.
    QTRY_VERIFY_WITH_TIMEOUT(readCopy(copyOf(second)).has_value(), kStateTimeoutMs);
    const ListState restored = *readCopy(copyOf(second));
    QCOMPARE(restored.sheet.rowCount(), afterFirstPaste.sheet.rowCount());
    for (int r = 0; r < restored.sheet.rowCount(); ++r)
        QVERIFY2(restored.sheet.row(r) == afterFirstPaste.sheet.row(r), qPrintable(QStringLiteral("row %1").arg(r)));
    QVERIFY(restored == afterFirstPaste);
    QVERIFY(!QFile::exists(copyOf(first)));
    // The restored list holds its file's lock, as a list just opened does:
    // a second program is told who edits it.
    const auto lockedBySecond = [&] {
        QFile lock(QFileInfo(list).dir().filePath(u".~lock.list.kav#"_qs));
        return lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed() == QByteArray::number(second);
    };
    QTRY_VERIFY_WITH_TIMEOUT(lockedBySecond(), kStateTimeoutMs);
    // The original file was never touched.
    RecordDocument onDisk;
    onDisk.open(list);
    QVERIFY(stateOf(onDisk) == original);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CrashRecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CrashRecoveryTest.moc"
