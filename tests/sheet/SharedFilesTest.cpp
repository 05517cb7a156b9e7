#include "../TestFiles.h"
#include "EndedProcess.h"
#include "TestSupport.h"

#include "sheet/FileStamp.h"
#include "sheet/ListLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST(FileStamp, TellsAChangeByAnotherProgramFromATouch)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(q(u"list.kav"));
    const QDateTime opened = QDateTime::currentDateTimeUtc().addSecs(-3600);
    struct Case {
        const char* name;
        std::function<void()> meanwhile;
        bool changed;
    };
    const std::vector<Case> cases = {
        {"nothing", [] {}, false},
        {"touched only", [&] { setModified(path, opened.addSecs(60)); }, false},
        {"same size, other bytes, same time", [&] {
             writeFile(path, "甲電設\r\n2\r\n");
             setModified(path, opened);
         }, true},
        {"same size, other bytes, new time", [&] {
             writeFile(path, "乙電設\r\n1\r\n");
             setModified(path, opened.addSecs(5));
         }, true},
        {"other size", [&] { writeFile(path, "甲電設\r\n10\r\n"); }, true},
        {"removed", [&] { QFile::remove(path); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, "甲電設\r\n1\r\n");
        setModified(path, opened);
        const FileStamp stamp = FileStamp::of(path);
        ASSERT_TRUE(stamp.exists());
        c.meanwhile();
        EXPECT_EQ(stamp.changedOnDisk(path), c.changed);
    }

    // A list never saved has no file; one that appears under its name is a change.
    const QString fresh = dir.filePath(q(u"new.kav"));
    const FileStamp none = FileStamp::of(fresh);
    EXPECT_FALSE(none.exists());
    EXPECT_FALSE(none.changedOnDisk(fresh));
    writeFile(fresh, "x");
    EXPECT_TRUE(none.changedOnDisk(fresh));
}

// A QLockFile-format lock as another program would leave it, on this
// machine or on another one.
void writeLock(const QString& path, qint64 pid, const QString& host, bool thisMachine)
{
    const QByteArray machine = thisMachine ? QSysInfo::machineUniqueId() : QByteArray("0123456789abcdef0123456789abcdef");
    const QByteArray boot = thisMachine ? QSysInfo::bootUniqueId() : QByteArray("fedcba9876543210fedcba9876543210");
    writeFile(path, QByteArray::number(pid) + "\nother-program\n" + host.toUtf8() + "\n" + machine + "\n" + boot + "\n");
}

TEST(ListLock, ASecondProgramIsToldWhoEditsTheListUntilTheFirstCloses)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(q(u"一覧.kav"));
    writeFile(list, "甲電設\r\n0\r\n1\r\n");
    const QString lockPath = ListLock::lockPathFor(list);
    EXPECT_EQ(lockPath, dir.filePath(q(u".~lock.一覧.kav#")));

    ListLock first;
    EXPECT_FALSE(first.take(list).has_value());
    EXPECT_TRUE(first.holds());
    EXPECT_TRUE(QFile::exists(lockPath));

    ListLock second;
    const std::optional<ListLock::Holder> holder = second.take(list);
    ASSERT_TRUE(holder.has_value());
    EXPECT_FALSE(second.holds());
    EXPECT_EQ(holder->pid, QCoreApplication::applicationPid());
    // Windows spells its computer names in any case.
    EXPECT_EQ(holder->host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive), 0) << holder->host.toStdString();
    EXPECT_FALSE(holder->user.isEmpty());
    EXPECT_LE(qAbs(holder->since.secsTo(QDateTime::currentDateTime())), 600);
    EXPECT_EQ(ListLock::warning(*holder),
              q(u"このファイルは %1 が %2 から編集中です").arg(holder->user, holder->host));

    first.release();
    EXPECT_FALSE(QFile::exists(lockPath));
    EXPECT_FALSE(second.take(list).has_value());
    EXPECT_TRUE(second.holds());
}

TEST(ListLock, ALockOfADeadProcessHereIsIgnoredOneFromAnotherHostIsNot)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(q(u"list.kav"));
    const QString lockPath = ListLock::lockPathFor(list);

    writeLock(lockPath, endedProcessPid(), QSysInfo::machineHostName(), true);
    {
        ListLock lock;
        EXPECT_FALSE(lock.take(list).has_value()) << "a crash's leftover blocks nothing";
        EXPECT_TRUE(lock.holds());
    }
    EXPECT_FALSE(QFile::exists(lockPath)) << "closing removes the lock file";

    writeLock(lockPath, 1, q(u"office-pc-7"), false);
    ListLock lock;
    const std::optional<ListLock::Holder> holder = lock.take(list);
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->host, q(u"office-pc-7"));
    EXPECT_FALSE(lock.holds());
    EXPECT_TRUE(QFile::exists(lockPath)) << "another program's lock stays";
}

} // namespace
