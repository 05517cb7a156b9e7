// Saving under faults: whatever happens to the writing process, the file that
// was there before is intact, and a failure the process survives is reported.
#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "sheet/SettingsFile.h"

#include "../FileFaults.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

using FileFaults::inChild;

// A child's verdict on the message it got: 0 when it is the expected one,
// else 3 after printing it.
int expectMessage(const Failure& failure, const QString& expected)
{
    if (failure.message() == expected)
        return 0;
    fprintf(stderr, "got:      %s\nexpected: %s\n", failure.what(), expected.toUtf8().constData());
    return 3;
}

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
        sheet.editRow(r) = {QString::number(r), u"キュービクル"_qs, u"LV-2"_qs, u"電灯分電盤 "_qs, u"L-1"_qs};
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

TEST(SaveFaults, DiskFullReportsTheFailureAndKeepsTheOldFile)
{
    for (const Saver& saver : kSavers) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"target"_qs);
        saver.saveSmall(path);
        const QByteArray before = contentsOf(path);

        const int status = inChild([&] {
            FileFaults::limitFileSize(64 * 1024);
            try {
                saver.saveBig(path);
            } catch (const Failure& f) {
                return expectMessage(f, u"ファイル \""_qs + path + u"\" を作成できません。ディスクの空き容量が足りません。"_qs);
            }
            return 2; // reported success
        });
        EXPECT_EQ(status, 0) << saver.name << (status == 2 ? ": failure reported as success" : ": wrong message");
        EXPECT_EQ(contentsOf(path), before) << saver.name;
    }
}

TEST(SaveFaults, ARefusedOrMissingFolderIsToldInJapanese)
{
    FileFaults::ReadOnlyFolder locked;
    QTemporaryDir dir;
    const struct {
        const char* name;
        QString folder;
        QString reason;
    } cases[] = {
        {"read-only folder", locked.path, u"アクセスが拒否されました。"_qs},
        {"missing folder", dir.filePath(u"gone"_qs), u"フォルダーが見つかりません。"_qs},
        {"a file in the place of the folder", dir.filePath(u"plain"_qs), u"フォルダーが見つかりません。"_qs},
    };
    QFile plain(dir.filePath(u"plain"_qs));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755); // open to the unprivileged user

    for (const auto& c : cases) {
        for (const Saver& saver : kSavers) {
            const QString path = c.folder + u"/target"_qs;
            const int status = inChild([&] {
                if (!FileFaults::dropRoot())
                    return 4;
                try {
                    saver.saveSmall(path);
                } catch (const Failure& f) {
                    return expectMessage(f, u"ファイル \""_qs + path + u"\" を作成できません。"_qs + c.reason);
                }
                return 2;
            });
            EXPECT_EQ(status, 0) << saver.name << " into a " << c.name;
        }
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

TEST(SaveFaults, OpenFailuresAreToldInJapanese)
{
    QTemporaryDir dir;
    const QString unreadable = dir.filePath(u"secret.kav"_qs);
    RecordFile::save(unreadable, u"old"_qs, RecordSheet());
    ::chmod(QFile::encodeName(unreadable).constData(), 0);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {unreadable, u"アクセスが拒否されました。"_qs},
        {dir.filePath(u"none.kav"_qs), u"ファイルが見つかりません。"_qs},
        {dir.filePath(u"gone/none.kav"_qs), u"フォルダーが見つかりません。"_qs},
    };
    for (const auto& c : cases) {
        const int status = inChild([&] {
            if (!FileFaults::dropRoot())
                return 4;
            QString company;
            RecordSheet sheet;
            try {
                RecordFile::load(c.path, company, sheet);
            } catch (const Failure& f) {
                return expectMessage(f, u"ファイル "_qs + c.path + u" は開けません。 "_qs + c.reason + u' ');
            }
            return 2;
        });
        EXPECT_EQ(status, 0) << c.path.toStdString();
    }
}

} // namespace
