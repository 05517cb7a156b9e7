#include "WindowTestSupport.h"
#include "../StateTimeout.h"

#include "sheet/RecordFile.h"
#include "sheet/RecoveryWriter.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>

#include <optional>
#include <set>

namespace {

std::optional<RecordSheet> readCopy(const QString& path)
{
    QString company;
    RecordSheet sheet;
    try {
        RecordFile::load(path, company, sheet);
    } catch (...) {
        return std::nullopt;
    }
    return sheet;
}

bool copyHolds(const QString& path, const QString& from1)
{
    const std::optional<RecordSheet> sheet = readCopy(path);
    return sheet && sheet->cell(ColFrom1, 1) == from1;
}

// A saved list, and where this process's recovery copy of it goes.
struct SavedList {
    SavedList() { document.save(dir.filePath(u"list.kav"_qs)); }

    QTemporaryDir dir;
    RecordDocument document;
    const QString folder = dir.filePath(u"recovery"_qs);
    const RecoveryFiles::Copy copy = RecoveryFiles::copyFor(folder, QCoreApplication::applicationPid());
};

} // namespace

class RecoveryWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCopyExistsExactlyWhileTheListIsUnsaved();
    void aFailingFolderIsReportedOnceAndEditingGoesOn();
    void editsDuringAWriteNeverMixIntoTheCopy();
    void onlyCopiesOfEndedProcessesAreOffered();
};

void RecoveryWriterTest::theCopyExistsExactlyWhileTheListIsUnsaved()
{
    SavedList list;
    auto& [dir, document, folder, copy] = list;
    {
        RecoveryWriter writer(document, folder);
        editList(document, [](RecordSheet& s) { s.setCell(ColFrom1, 1, u"盤A"_qs); });
        QTRY_VERIFY_WITH_TIMEOUT(copyHolds(copy.recordPath, u"盤A"_qs), kStateTimeoutMs);
        QCOMPARE(RecoveryFiles::leftBehind(folder).size(), 0u); // this process is running

        editList(document, [](RecordSheet& s) { s.setCell(ColFrom1, 1, QString()); }); // back to the saved list
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(copy.recordPath), kStateTimeoutMs);
        QVERIFY(!QFile::exists(copy.infoPath));

        editList(document, [](RecordSheet& s) { s.setCell(ColFrom1, 1, u"盤B"_qs); });
        QTRY_VERIFY_WITH_TIMEOUT(copyHolds(copy.recordPath, u"盤B"_qs), kStateTimeoutMs);
    }
    QVERIFY2(!QFile::exists(copy.recordPath), "a normal exit removes the copy");
}

void RecoveryWriterTest::aFailingFolderIsReportedOnceAndEditingGoesOn()
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(u"blocked"_qs);
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly)); // a file where the folder should be
    file.close();
    RecordDocument document;
    RecoveryWriter writer(document, blocked + u"/recovery"_qs);
    QSignalSpy failures(&writer, &RecoveryWriter::failed);
    QSignalSpy attempts(&writer, &RecoveryWriter::settled);
    for (int i = 1; i <= 3; ++i) {
        editList(document, [i](RecordSheet& s) { s.setCell(ColFrom1, i, u"盤"_qs); });
        QTRY_COMPARE_WITH_TIMEOUT(attempts.size(), i, kStateTimeoutMs);
    }
    QCOMPARE(failures.size(), 1);
    QVERIFY(!failures.first().first().toString().isEmpty());
    QCOMPARE(document.sheet().cell(ColFrom1, 3), u"盤"_qs);
}

// The worker writes a snapshot that shares its rows with the list the
// interface thread goes on editing. Every edit here rewrites all rows with
// one marker, so a copy holding two markers was torn by an edit.
void RecoveryWriterTest::editsDuringAWriteNeverMixIntoTheCopy()
{
    constexpr int kRows = 20000;
    SavedList list;
    auto& [dir, document, folder, copy] = list;
    RecoveryWriter writer(document, folder);
    int copiesRead = 0;
    QStringList tornCopies;
    connect(&writer, &RecoveryWriter::settled, this, [&] {
        const std::optional<RecordSheet> written = readCopy(copy.recordPath);
        std::set<QString> markers;
        for (int r = 1; written && r < written->rowCount(); ++r)
            markers.insert(written->cell(ColFrom1, r));
        if (markers.size() != 1)
            tornCopies << QString::number(markers.size());
        ++copiesRead;
    });

    const auto marker = [](int step) { return u"盤%1"_qs.arg(step); };
    // Edits go on without pause until the worker has written a few copies
    // under them, however long that takes on this machine.
    int step = 0;
    QElapsedTimer clock;
    clock.start();
    while (copiesRead < 3 && clock.elapsed() < kStateTimeoutMs) {
        ++step;
        editList(document, [&](RecordSheet& s) {
            s.setRowCount(kRows + 1);
            for (int r = 1; r <= kRows; ++r)
                s.setCell(ColFrom1, r, marker(step));
        });
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(copyHolds(copy.recordPath, marker(step)), kStateTimeoutMs);
    QVERIFY2(copiesRead >= 3, qPrintable(QString::number(copiesRead)));
    QVERIFY2(tornCopies.isEmpty(), qPrintable(tornCopies.join(u' ')));
}

void RecoveryWriterTest::onlyCopiesOfEndedProcessesAreOffered()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    QProcess ended;
    ended.start(u"true"_qs);
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    QVERIFY(endedPid > 0);

    RecordSheet sheet;
    sheet.setCell(ColFrom1, 1, u"盤"_qs);
    RecoveryFiles::Copy dead = RecoveryFiles::copyFor(folder, endedPid);
    dead.originalPath = u"/home/user/list.kav"_qs;
    dead.writtenAt = QDateTime(QDate(2024, 6, 1), QTime(10, 0));
    RecoveryFiles::write(dead, u"甲"_qs, sheet);
    RecoveryFiles::Copy alive = RecoveryFiles::copyFor(folder, QCoreApplication::applicationPid());
    RecoveryFiles::write(alive, u"乙"_qs, sheet);

    const std::vector<RecoveryFiles::Copy> offered = RecoveryFiles::leftBehind(folder);
    QCOMPARE(offered.size(), 1u);
    QCOMPARE(offered[0].pid, endedPid);
    QCOMPARE(offered[0].originalPath, dead.originalPath);
    QCOMPARE(offered[0].writtenAt, dead.writtenAt);
    RecoveryFiles::remove(offered[0]);
    QVERIFY(RecoveryFiles::leftBehind(folder).empty());
    QVERIFY(QFile::exists(alive.recordPath));
}

int runRecoveryWriterTests(int argc, char** argv)
{
    RecoveryWriterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryWriterTest.moc"
