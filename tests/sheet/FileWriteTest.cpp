// The one write path: what it replaces, what it keeps, and what a replaced
// file keeps of its own (links, permissions, a long name).
#include "TestSupport.h"
#include "sheet/FileStamp.h"
#include "sheet/FileWrite.h"
#include "sheet/RecordFile.h"

#include "../NativePath.h"
#include "../TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>

namespace {

using FileWrite::Contents;
using FileWrite::KeptAs;

QStringList partialFilesIn(const QString& folder)
{
    return QDir(folder).entryList({u".~tagrio-*"_qs}, QDir::Files | QDir::Hidden);
}

// Which contents may replace a kept file, by why it is kept: the list only by
// a save of the list, the settings only by the settings save, an input never.
TEST(FileWrite, AKeptFileIsReplacedOnlyByItsOwnKindOfContents)
{
    struct Case {
        KeptAs role;
        Contents contents;
        bool written;
    };
    const Case cases[] = {
        {KeptAs::Input, Contents::RecordFile, false},  {KeptAs::Input, Contents::Settings, false},
        {KeptAs::Input, Contents::Output, false},      {KeptAs::OpenList, Contents::RecordFile, true},
        {KeptAs::OpenList, Contents::Settings, false}, {KeptAs::OpenList, Contents::Output, false},
        {KeptAs::Settings, Contents::RecordFile, false}, {KeptAs::Settings, Contents::Settings, true},
        {KeptAs::Settings, Contents::Output, false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString kept = dir.filePath(u"kept"_qs);
        writeFile(kept, "kept bytes");
        // Reached through another spelling and a hard link: the check is by identity.
        const QString link = dir.filePath(u"link"_qs);
        std::filesystem::create_hard_link(nativePath(kept), nativePath(link));
        const FileWrite::KeptFile keeping(QDir(dir.path()).filePath(u"./kept"_qs), c.role);
        const std::string label = std::to_string(static_cast<int>(c.role)) + "/" + std::to_string(static_cast<int>(c.contents));
        if (c.written) {
            EXPECT_NO_THROW(FileWrite::writeAtomically(link, c.contents, {"new"})) << label;
            EXPECT_EQ(readFile(link), "new") << label;
        } else {
            EXPECT_THROW(FileWrite::writeAtomically(link, c.contents, {"new"}), FileWrite::KeptFileRefusal) << label;
            EXPECT_EQ(readFile(link), "kept bytes") << label;
        }
        EXPECT_EQ(readFile(kept), "kept bytes") << label; // a new file under the link's name, never the kept bytes
        EXPECT_TRUE(partialFilesIn(dir.path()).isEmpty()) << label;
    }
    // Once let go, the file is an ordinary one.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"once-kept"_qs);
    writeFile(path, "old");
    { const FileWrite::KeptFile keeping(path, KeptAs::Input); }
    FileWrite::writeAtomically(path, Contents::Output, {"new"});
    EXPECT_EQ(readFile(path), "new");
}

#ifndef Q_OS_WIN // symbolic links need an administrator on Windows
TEST(FileWrite, AWriteThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(u"real.kav"_qs);
    const QString link = dir.filePath(u"link.kav"_qs);
    writeFile(real, "old");
    std::filesystem::create_symlink(nativePath(real), nativePath(link));
    FileWrite::writeAtomically(link, Contents::RecordFile, {"new"});
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(FileWrite::resolvedTarget(link), real);
}
#endif

TEST(FileWrite, AReplacedFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes)
{
    QTemporaryDir dir;
#ifndef Q_OS_WIN // Windows keeps only a read-only mark, and the write refuses read-only files
    const QString shared = dir.filePath(u"shared.kav"_qs);
    writeFile(shared, "old");
    const QFileDevice::Permissions groupWritable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::WriteGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(shared, groupWritable));
    FileWrite::writeAtomically(shared, Contents::RecordFile, {"new"});
    // The User flags tell what the running user may do, not the file's own bits.
    const QFileDevice::Permissions userFlags = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(shared) & ~userFlags, groupWritable);
#endif

    const QString fresh = dir.filePath(u"fresh.kav"_qs);
    writeFile(dir.filePath(u"made-by-qt"_qs), "x");
    FileWrite::writeAtomically(fresh, Contents::RecordFile, {"new"});
    EXPECT_EQ(QFile::permissions(fresh), QFile::permissions(dir.filePath(u"made-by-qt"_qs)));
}

// The partial file has a short name of its own, so a list whose name is as
// long as the file system allows is saved over itself.
TEST(FileWrite, AFileWithTheLongestNameIsSavedOverItself)
{
    QTemporaryDir dir;
    for (const QString& name : {QString(251, u'a') + u".kav"_qs, QString(83, u'表') + u".kav"_qs}) {
        ASSERT_EQ(name.toUtf8().size() <= 255, true);
        const QString path = dir.filePath(name);
        RecordSheet sheet;
        sheet.setCell(ColNumber, 1, u"1"_qs);
        sheet.recordCount = 1;
        RecordFile::save(path, u"old"_qs, sheet);
        RecordFile::save(path, u"new"_qs, sheet);
        QString company;
        RecordSheet back;
        RecordFile::load(path, company, back);
        EXPECT_EQ(company, u"new") << name.size();
    }
    EXPECT_TRUE(partialFilesIn(dir.path()).isEmpty());
}

TEST(FileWrite, TheStateOfATargetForTheSaveQuestion)
{
    QTemporaryDir dir;
    const QString own = dir.filePath(u"own.kav"_qs);
    writeFile(own, "list");
    const FileStamp stamp = FileStamp::of(own);
    const QString other = dir.filePath(u"other.kav"_qs);
    writeFile(other, "another list");
    const QString hardLink = dir.filePath(u"hard.kav"_qs);
    std::filesystem::create_hard_link(nativePath(own), nativePath(hardLink));

    using FileWrite::TargetState;
    EXPECT_EQ(FileWrite::stateOf(dir.filePath(u"new.kav"_qs), own, stamp), TargetState::Absent);
    EXPECT_EQ(FileWrite::stateOf(own, own, stamp), TargetState::OwnFile);
    EXPECT_EQ(FileWrite::stateOf(hardLink, own, stamp), TargetState::OwnFile);
    EXPECT_EQ(FileWrite::stateOf(other, own, stamp), TargetState::OtherFile);
    EXPECT_EQ(FileWrite::stateOf(other, QString(), FileStamp()), TargetState::OtherFile);
    writeFile(own, "changed by another program");
    EXPECT_EQ(FileWrite::stateOf(own, own, stamp), TargetState::OwnFileChanged);
}

} // namespace
