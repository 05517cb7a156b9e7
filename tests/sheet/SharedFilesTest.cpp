#include "../NativePath.h"
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

#include <filesystem>
#include <functional>

#ifndef Q_OS_WIN
#include "../FileFaults.h"
#endif

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
    EXPECT_EQ(lockPath, QFileInfo(dir.path()).canonicalFilePath() + q(u"/.~lock.一覧.kav#"));

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
    EXPECT_EQ(ListLock::warning(*holder, holder->since.date()),
              q(u"このファイルは %1 が %2 から編集中です（%3 から）")
                  .arg(holder->user, holder->host, holder->since.toString(u"HH:mm"_qs)));

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

// A second program that opens the list finds the lock, whichever way it names the list.
TEST(ListLock, EveryWayOfNamingTheListMeetsAtOneLock)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(q(u"sub")));
    const QString list = dir.filePath(q(u"一覧.kav"));
    writeFile(list, "甲電設\r\n0\r\n1\r\n");
    QStringList others = {dir.path() + q(u"/sub/../一覧.kav"), dir.path() + q(u"/./一覧.kav")};
#ifndef Q_OS_WIN
    // Links to the file and to its folder (a Windows shortcut is no link).
    ASSERT_TRUE(QFile::link(list, dir.filePath(q(u"link.kav"))));
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath(q(u"sub/back"))));
    others << dir.filePath(q(u"link.kav")) << dir.filePath(q(u"sub/back/一覧.kav"));
#endif

    ListLock first;
    ASSERT_FALSE(first.take(list).has_value());
    for (const QString& other : others) {
        SCOPED_TRACE(other.toStdString());
        EXPECT_EQ(ListLock::lockPathFor(other), ListLock::lockPathFor(list));
        ListLock second;
        const std::optional<ListLock::Holder> holder = second.take(other);
        ASSERT_TRUE(holder.has_value());
        EXPECT_EQ(holder->pid, QCoreApplication::applicationPid());
        EXPECT_FALSE(second.holds());
    }
    EXPECT_EQ(QDir(dir.path()).entryList({q(u".~lock.*")}, QDir::Files | QDir::Hidden).size(), 1);
}

// A hard link is the same list under another name, and so has its own lock
// name: a live lock beside either name warns whoever opens the other.
TEST(ListLock, AHardLinkInTheSameFolderMeetsTheListsLock)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(q(u"一覧.kav"));
    const QString hard = dir.filePath(q(u"別名.kav"));
    writeFile(list, "甲電設\r\n0\r\n1\r\n");
    std::error_code error;
    std::filesystem::create_hard_link(nativePath(list), nativePath(hard), error);
    ASSERT_FALSE(error) << error.message();
    for (const auto& [held, opened] : {std::pair{list, hard}, std::pair{hard, list}}) {
        SCOPED_TRACE(opened.toStdString());
        ListLock first;
        ASSERT_FALSE(first.take(held).has_value());
        ListLock second;
        const std::optional<ListLock::Holder> holder = second.take(opened);
        ASSERT_TRUE(holder.has_value());
        EXPECT_EQ(holder->pid, QCoreApplication::applicationPid());
        EXPECT_FALSE(second.holds());
    }
    // A lock of another file beside it is no one's lock on this list.
    const QString other = dir.filePath(q(u"他.kav"));
    writeFile(other, "x");
    ListLock otherLock;
    ASSERT_FALSE(otherLock.take(other).has_value());
    ListLock mine;
    EXPECT_FALSE(mine.take(list).has_value());
}

// Whatever sits where the lock goes and cannot be read may be someone's lock.
TEST(ListLock, ALockThatCannotBeReadWarnsThatSomeoneMayBeEditing)
{
    struct Case {
        const char* name;
        std::function<void(const QString& lockPath)> make;
    };
    const std::vector<Case> cases = {
        {"binary junk", [](const QString& p) { writeFile(p, QByteArray::fromHex("00ff10fe0a0a0a")); }},
        {"empty", [](const QString& p) { writeFile(p, {}); }},
        {"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
        {"a Qt lock grown to 1 GB", [](const QString& p) {
             writeFile(p, "4242\nprog\nother-host\n");
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(qint64(1) << 30));
         }},
#ifndef Q_OS_WIN
        {"a link to nowhere", [](const QString& p) { ASSERT_TRUE(QFile::link(q(u"/nonexistent/lock"), p)); }},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString list = dir.filePath(q(u"一覧.kav"));
        writeFile(list, "甲電設\r\n0\r\n1\r\n");
        const QString lockPath = ListLock::lockPathFor(list);
        c.make(lockPath);

        ListLock lock;
        const std::optional<ListLock::Holder> holder = lock.take(list);
        ASSERT_TRUE(holder.has_value());
        EXPECT_FALSE(lock.holds());
        EXPECT_EQ(ListLock::warning(*holder),
                  q(u"このファイルは他のプログラムで編集中の可能性があります（ロックファイル .~lock.一覧.kav# を読めません）"));
        const QFileInfo left(lockPath);
        EXPECT_TRUE(left.exists() || left.isSymLink()) << "another program's lock stays";
    }
}

#ifndef Q_OS_WIN
TEST(ListLock, ALockThisUserMayNotReadWarnsToo)
{
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString list = dir.filePath(q(u"list.kav"));
    writeFile(list, "甲電設\r\n0\r\n1\r\n");
    const QString lockPath = ListLock::lockPathFor(list);
    writeFile(lockPath, "4242\nprog\nother-host\n");
    ::chmod(QFile::encodeName(lockPath).constData(), 0);
    const int status = FileFaults::inChild([&] {
        if (!FileFaults::dropRoot())
            return 4;
        ListLock lock;
        const std::optional<ListLock::Holder> holder = lock.take(list);
        if (!holder)
            return 3;
        return holder->unreadableLock == q(u".~lock.list.kav#") && !lock.holds() ? 0 : 5;
    });
    EXPECT_EQ(status, 0);
}
#endif

TEST(ListLock, AnOfficeSuitesLockIsHonoured)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(q(u"一覧.xlsx"));
    writeFile(book, "PK");
    const QString lockPath = ListLock::lockPathFor(book);
    const QByteArray office = ",yamada,office-pc,10.12.2026 09:05,file:///home/yamada/.config/libreoffice/4;";
    writeFile(lockPath, office);

    ListLock lock;
    const std::optional<ListLock::Holder> holder = lock.take(book);
    ASSERT_TRUE(holder.has_value());
    EXPECT_FALSE(lock.holds());
    EXPECT_EQ(ListLock::warning(*holder, QDate(2026, 12, 10)),
              q(u"このファイルは yamada が office-pc から編集中です（09:05 から）"));
    EXPECT_EQ(readFile(lockPath), office) << "the suite's lock stays as it wrote it";
}

TEST(ListLock, TheWarningSaysWhoFromWhereAndSinceWhenAsFarAsKnown)
{
    const QDate today(2026, 12, 10);
    struct Case {
        ListLock::Holder holder;
        const char16_t* warning;
    };
    const std::vector<Case> cases = {
        {{q(u"yamada"), q(u"pc-7"), 0, QDateTime(today, QTime(12, 34))}, u"このファイルは yamada が pc-7 から編集中です（12:34 から）"},
        {{q(u"yamada"), q(u"pc-7"), 0, QDateTime(today.addDays(-1), QTime(8, 0))},
         u"このファイルは yamada が pc-7 から編集中です（2026/12/09 08:00 から）"},
        {{{}, q(u"pc-7"), 12, {}}, u"このファイルは 他のユーザー が pc-7 から編集中です"},
        {{q(u"yamada"), {}, 12, {}}, u"このファイルは yamada が編集中です"},
        {{{}, {}, 0, {}, q(u".~lock.a.kav#")}, u"このファイルは他のプログラムで編集中の可能性があります（ロックファイル .~lock.a.kav# を読めません）"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListLock::warning(c.holder, today), q(c.warning));
}

TEST(ListLock, ANameTooLongForALockNameGetsAShortStableOne)
{
    QTemporaryDir dir;
    // 250 bytes in UTF-8: with ".~lock." and "#" it would pass the 255 a name may have.
    const QString name = QString(82, QChar(u'一')) + q(u".kav");
    const QString list = dir.filePath(name);
    writeFile(list, "甲電設\r\n0\r\n1\r\n");
    const QString lockName = QFileInfo(ListLock::lockPathFor(list)).fileName();
    // Every program, and every later version of this one, must find it under this name.
    EXPECT_EQ(lockName, q(u".~lock.") + QString(74, QChar(u'一')) + q(u"~bb0bb0f8a9d8ca5e#"));
    EXPECT_LE((lockName + q(u".rmlock")).toUtf8().size(), 255) << "room for QLockFile's removal lock";
    const QString twin = dir.filePath(QString(81, QChar(u'一')) + q(u"二.kav"));
    EXPECT_NE(QFileInfo(ListLock::lockPathFor(twin)).fileName(), lockName);

    ListLock first;
    EXPECT_FALSE(first.take(list).has_value());
    EXPECT_TRUE(first.holds());
    ListLock second;
    const std::optional<ListLock::Holder> holder = second.take(list);
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->pid, QCoreApplication::applicationPid());
}

} // namespace
