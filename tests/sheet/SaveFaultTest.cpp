// Saving under faults: whatever happens to the writing process, the file that
// was there before is intact, and a failure the process survives is reported.
#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "sheet/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RecordSheet bigSheet()
{
    RecordSheet sheet;
    sheet.setRowCount(kMaxRowCount);
    for (int r = 1; r < sheet.rowCount(); ++r)
        sheet.row(r) = {QString::number(r), u"キュービクル"_qs, u"LV-2"_qs, u"電灯分電盤 "_qs, u"L-1"_qs};
    sheet.recordCount = sheet.rowCount() - 1;
    return sheet;
}

Settings bigSettings()
{
    Settings settings = Settings::defaults();
    settings.lines[0] = QString(200000, u'社');
    return settings;
}

struct Saver {
    const char* name;
    std::function<void(const QString&)> saveSmall;
    std::function<void(const QString&)> saveBig;
};

const Saver kSavers[] = {
    {"record file", [](const QString& p) { RecordFile::save(p, u"old"_qs, RecordSheet()); },
     [](const QString& p) { RecordFile::save(p, u"new"_qs, bigSheet()); }},
    {"settings file", [](const QString& p) { SettingsFile::save(p, Settings::defaults()); },
     [](const QString& p) { SettingsFile::save(p, bigSettings()); }},
};

// Runs body in a child process and returns its exit status (-signal when killed).
int inChild(const std::function<int()>& body, const std::function<void(pid_t)>& whileRunning = {})
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    if (whileRunning)
        whileRunning(pid);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST(SaveFaults, DiskFullReportsTheFailureAndKeepsTheOldFile)
{
    for (const Saver& saver : kSavers) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"target"_qs);
        saver.saveSmall(path);
        const QByteArray before = contentsOf(path);

        // A file-size limit stands in for a full disk: writes past it fail with EFBIG.
        const int status = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                saver.saveBig(path);
            } catch (const Failure& f) {
                return f.message().startsWith(u"ファイル \""_qs + path + u"\" を作成できません。"_qs) ? 0 : 3;
            }
            return 2; // reported success
        });
        EXPECT_EQ(status, 0) << saver.name << (status == 2 ? ": failure reported as success" : "");
        EXPECT_EQ(contentsOf(path), before) << saver.name;
    }
}

TEST(SaveFaults, KillDuringSaveLeavesTheOldOrTheNewFileWhole)
{
    for (const Saver& saver : kSavers) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"target"_qs);
        saver.saveSmall(path);
        const QByteArray before = contentsOf(path);
        saver.saveBig(dir.filePath(u"reference"_qs));
        const QByteArray after = contentsOf(dir.filePath(u"reference"_qs));

        // Kill the writer at increasing moments, so that some kills land mid-write.
        for (int delayMs : {1, 5, 20, 60}) {
            const int status = inChild(
                [&] {
                    for (;;)
                        saver.saveBig(path);
                    return 0;
                },
                [&](pid_t pid) {
                    usleep(static_cast<useconds_t>(delayMs) * 1000);
                    kill(pid, SIGKILL);
                });
            EXPECT_EQ(status, -SIGKILL);
            const QByteArray now = contentsOf(path);
            EXPECT_TRUE(now == before || now == after) << saver.name << " killed after " << delayMs << " ms: "
                                                       << now.size() << " bytes";
        }
    }
}

} // namespace
