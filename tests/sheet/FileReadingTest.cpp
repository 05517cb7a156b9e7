#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/FileReading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

QString messageOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

QString cannotOpen(const QString& path, const QString& reason)
{
    return u"ファイル %1 は開けません。 %2 "_qs.arg(path, reason);
}

TEST(FileReading, ReadsUpToTheLimitAndRefusesOneBytePastIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.bin"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100000, 'x'));
    file.close();

    EXPECT_EQ(FileReading::readAll(path, 100000).size(), 100000);
    EXPECT_EQ(messageOf([&] { FileReading::readAll(path, 99999); }),
              cannotOpen(path, u"ファイルが大きすぎます。"_qs));
    EXPECT_EQ(FileReading::readHead(path, 8), QByteArray(8, 'x'));
    EXPECT_EQ(FileReading::readHead(path, 200000).size(), 100000);
}

TEST(FileReading, RefusesWhatIsNoRegularFileWithTheReason)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"missing.kav"_qs);
    const QString inMissingFolder = dir.filePath(u"none/missing.kav"_qs);
    EXPECT_EQ(messageOf([&] { FileReading::readAll(missing); }), cannotOpen(missing, u"ファイルが見つかりません。"_qs));
    EXPECT_EQ(messageOf([&] { FileReading::readHead(inMissingFolder, 8); }),
              cannotOpen(inMissingFolder, u"フォルダーが見つかりません。"_qs));
    EXPECT_EQ(messageOf([&] { FileReading::open(dir.path()); }),
              cannotOpen(dir.path(), u"通常のファイルではありません。"_qs));
}

#ifdef Q_OS_LINUX
// The kernel's files say they are empty and are not; a device never ends.
TEST(FileReading, ASizeOfNoneIsOnlyAHintAndDevicesAreRefused)
{
    EXPECT_TRUE(FileReading::readAll(u"/proc/self/status"_qs).contains("Pid:"));
    EXPECT_EQ(messageOf([] { FileReading::readAll(u"/dev/zero"_qs); }),
              cannotOpen(u"/dev/zero"_qs, u"通常のファイルではありません。"_qs));
}
#endif

} // namespace
