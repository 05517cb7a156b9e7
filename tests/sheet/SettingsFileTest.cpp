#include "../TestFiles.h"
#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/SettingsFile.h"
#include "sheet/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

TEST(SettingsFile, DefaultsAreTheSevenStoredTexts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kiroku.ggs"_qs);
    SettingsFile::save(path, Settings::defaults());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              TextCodec::toShiftJis(u"〇〇〇〇株式会社\r\n行　き　先\r\nｹｰﾌﾞﾙ種類\r\n用　　　途\r\n施工年月日\r\n施 工 者 名\r\nｹｰﾌﾞﾙ製造年\r\n"));
}

TEST(SettingsFile, TakesThePresentLinesAndKeepsDefaultsForTheRest)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kiroku.ggs"_qs);
    struct Case {
        QByteArray bytes;
        Settings expected;
    };
    Settings three = Settings::defaults();
    three.lines[0] = u"新会社"_qs;
    three.lines[1] = QString();
    three.lines[2] = u"種類"_qs;
    Settings nine = Settings::defaults();
    for (int i = 0; i < 7; ++i)
        nine.lines[size_t(i)] = QString::number(i);
    const Case cases[] = {
        {TextCodec::toShiftJis(u"新会社\r\n\r\n種類\r\n"), three},
        {QByteArray("\xEF\xBB\xBF") + u"新会社\n\n種類"_qs.toUtf8(), three},
        {"0\r1\r2\r3\r4\r5\r6\r7\r8\r", nine},
    };
    for (const Case& c : cases) {
        writeFile(path, c.bytes);
        Settings loaded = Settings::defaults();
        EXPECT_TRUE(SettingsFile::load(path, loaded));
        EXPECT_EQ(loaded.lines, c.expected.lines);
    }
}

TEST(SettingsFile, MissingFileLoadsNothingAndSaveRoundTrips)
{
    QTemporaryDir dir;
    Settings settings = Settings::defaults();
    EXPECT_FALSE(SettingsFile::load(dir.filePath(u"none.ggs"_qs), settings));
    EXPECT_EQ(settings.lines, Settings::defaults().lines);

    settings.lines[3] = u"𠮷 用途"_qs;
    const QString path = dir.filePath(u"kiroku.ggs"_qs);
    SettingsFile::save(path, settings);
    Settings loaded = Settings::defaults();
    ASSERT_TRUE(SettingsFile::load(path, loaded));
    EXPECT_EQ(loaded.lines, settings.lines);
}

TEST(SettingsFile, LivesBesideTheExecutableWhenThatFolderIsWritable)
{
    QTemporaryDir dir;
    EXPECT_EQ(SettingsFile::pathFor(dir.path()), QDir(dir.path()).filePath(u"kiroku.ggs"_qs));
    EXPECT_NE(SettingsFile::pathFor(u"/nonexistent-folder"_qs), u"/nonexistent-folder/kiroku.ggs");
}

TEST(SettingsFile, AnInstalledProgramKeepsItsSettingsPerUserUnlessAFileIsBesideIt)
{
    // What an installation lays out beside bin/: the desktop entry of the
    // Linux install, the uninstaller of the Windows installer.
    for (const QString& mark : {u"share/applications/tagrio.desktop"_qs, u"Uninstall.exe"_qs}) {
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath(u"bin"_qs);
        QDir(prefix.path()).mkpath(QFileInfo(prefix.filePath(mark)).path());
        QFile markFile(prefix.filePath(mark));
        ASSERT_TRUE(markFile.open(QIODevice::WriteOnly));
        markFile.close();
        const QString bin = prefix.filePath(u"bin"_qs);
        const QString beside = QDir(bin).filePath(u"kiroku.ggs"_qs);

        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString perUserFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        EXPECT_EQ(SettingsFile::pathFor(bin), QDir(perUserFolder).filePath(u"kiroku.ggs"_qs)) << mark.toStdString();

        SettingsFile::save(beside, Settings::defaults()); // carried over from an older installation
        EXPECT_EQ(SettingsFile::pathFor(bin), beside) << mark.toStdString();
        qunsetenv("XDG_CONFIG_HOME");
    }
}

TEST(SettingsFile, SaveOverAFolderFailsWithTheCreateMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kiroku.ggs"_qs);
    QDir().mkdir(path);
    try {
        SettingsFile::save(path, Settings::defaults());
        ADD_FAILURE() << "no failure";
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().startsWith(u"ファイル \""_qs + path + u"\" を作成できません。"_qs));
    }
}

} // namespace
