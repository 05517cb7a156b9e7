// Every output tagrio-cli writes, against every kind of file already at its
// target: what is written, what is refused, and that a refused or untouched
// file keeps every byte.
#include "../NativePath.h"
#include "../TestFiles.h"
#include "CliRun.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLE);

// One output command; {in} and {out} stand for its input and its target.
struct Output {
    const char* name;
    QStringList args;
    const char* suffix;       // the target's name ends so that the command writes exactly there
    bool mayReplaceInput;     // save writes a list over itself
    bool readsTable = false;  // the input is a table, not a record file
};

const std::vector<Output>& outputs()
{
    static const std::vector<Output> all = {
        {"save", {u"save"_qs, u"{in}"_qs, u"{out}"_qs}, ".kav", true},
        {"import", {u"import"_qs, u"{in}"_qs, u"-o"_qs, u"{out}"_qs}, ".kav", false, true},
        {"export xlsx", {u"export"_qs, u"{in}"_qs, u"-o"_qs, u"{out}"_qs}, ".xlsx", false},
        {"export csv", {u"export"_qs, u"{in}"_qs, u"-o"_qs, u"{out}"_qs}, ".csv", false},
        {"xlsx a", {u"xlsx"_qs, u"a"_qs, u"{in}"_qs, u"-o"_qs, u"{out}"_qs}, ".xlsx", false},
        {"xlsx template", {u"xlsx"_qs, u"template"_qs, u"-o"_qs, u"{out}"_qs}, ".xlsx", false},
        {"pdf a", {u"pdf"_qs, u"a"_qs, u"{in}"_qs, u"-o"_qs, u"{out}"_qs}, ".pdf", false},
        {"pdf calibration", {u"pdf"_qs, u"calibration-a"_qs, u"-o"_qs, u"{out}"_qs}, ".pdf", false},
    };
    return all;
}

enum class Target { Absent, OtherFile, ReadOnly, Folder, InputSymlink, InputHardLink, OtherHardLink, SettingsFile };
enum class Expect { Written, Refused };

struct TargetCase {
    Target target;
    const char* name;
};

const TargetCase kTargets[] = {
    {Target::Absent, "absent"},
    {Target::OtherFile, "another existing file"},
    {Target::ReadOnly, "a read-only file"},
    {Target::Folder, "a folder"},
#ifndef Q_OS_WIN // a Windows shortcut is no link, and symbolic links need an administrator there
    {Target::InputSymlink, "a symbolic link to the input"},
#endif
    {Target::InputHardLink, "a hard link to the input"},
    {Target::OtherHardLink, "a hard link to another file"},
    {Target::SettingsFile, "the settings file"},
};

Expect expected(const Output& output, Target target)
{
    switch (target) {
    case Target::ReadOnly:
    case Target::Folder:
    case Target::SettingsFile:
        return Expect::Refused;
    case Target::InputSymlink:
    case Target::InputHardLink:
        // A command without an input writes through the link to a file it did not read.
        return output.mayReplaceInput || !output.args.contains(u"{in}"_qs) ? Expect::Written : Expect::Refused;
    default:
        return Expect::Written;
    }
}

const QByteArray kSettings = "Company\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";

TEST(CliOutputTargets, EveryOutputAgainstEveryFileAtItsTarget)
{
    const QByteArray sampleBytes = readFile(kSample);
    ASSERT_FALSE(sampleBytes.isEmpty());
    for (const Output& output : outputs()) {
        for (const TargetCase& c : kTargets) {
            const std::string label = std::string(output.name) + " over " + c.name;
            const bool hasInput = output.args.contains(u"{in}"_qs);
            QTemporaryDir dir;
            const QString input = dir.filePath(output.readsTable ? u"list.csv"_qs : u"list.kav"_qs);
            const QByteArray inputBytes = output.readsTable ? QByteArray("No.,自,至\r\n1,盤A,盤B\r\n") : sampleBytes;
            writeFile(input, inputBytes);
            const QString settings = dir.filePath(u"settings.ggs"_qs);
            writeFile(settings, kSettings);
            const QString other = dir.filePath(u"other.bin"_qs);
            const QByteArray otherBytes = "another program's file";
            writeFile(other, otherBytes);

            QString target = dir.filePath(u"target"_qs + QLatin1String(output.suffix));
            QString untouched; // a file whose bytes must stay as they were
            QByteArray untouchedBytes;
            std::error_code error;
            switch (c.target) {
            case Target::Absent:
                break;
            case Target::OtherFile:
                writeFile(target, otherBytes);
                break;
            case Target::ReadOnly:
                writeFile(target, otherBytes);
                QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
                untouched = target;
                untouchedBytes = otherBytes;
                break;
            case Target::Folder:
                ASSERT_TRUE(QDir().mkpath(target));
                break;
            case Target::InputSymlink:
                std::filesystem::create_symlink(nativePath(input), nativePath(target), error);
                ASSERT_FALSE(error) << label << ": " << error.message();
                untouched = input;
                untouchedBytes = inputBytes;
                break;
            case Target::InputHardLink:
                std::filesystem::create_hard_link(nativePath(input), nativePath(target), error);
                ASSERT_FALSE(error) << label << ": " << error.message();
                untouched = input;
                untouchedBytes = inputBytes;
                break;
            case Target::OtherHardLink:
                std::filesystem::create_hard_link(nativePath(other), nativePath(target), error);
                ASSERT_FALSE(error) << label << ": " << error.message();
                untouched = other; // written through a new file, never into the other name's bytes
                untouchedBytes = otherBytes;
                break;
            case Target::SettingsFile:
                target = dir.filePath(u"settings"_qs + QLatin1String(output.suffix));
                writeFile(target, kSettings);
                untouched = target;
                untouchedBytes = kSettings;
                break;
            }
            QStringList args;
            for (const QString& arg : output.args)
                args << (arg == u"{in}" ? input : arg == u"{out}" ? target : arg);
            args << u"--settings"_qs << (c.target == Target::SettingsFile ? target : settings);

            const CliRun run = CliRun::of(args);
            const Expect expect = expected(output, c.target);
            if (expect == Expect::Written) {
                EXPECT_EQ(run.exitCode, 0) << label << ": " << run.err.toStdString();
                EXPECT_TRUE(QFileInfo(target).isFile()) << label;
                EXPECT_NE(readFile(target), otherBytes) << label;
                // A save through a link to the list writes the list itself.
                if (!untouched.isEmpty() && !(untouched == input && (output.mayReplaceInput || !hasInput))) {
                    EXPECT_EQ(readFile(untouched), untouchedBytes) << label;
                }
            } else {
                EXPECT_EQ(run.exitCode, 1) << label << ": " << run.out.toStdString();
                EXPECT_TRUE(run.err.contains(QFileInfo(target).fileName())) << label << ": " << run.err.toStdString();
                if (!untouched.isEmpty()) {
                    EXPECT_EQ(readFile(untouched), untouchedBytes) << label;
                }
            }
            // The input is read, never written, unless the command saves it over itself.
            if (hasInput && !(output.mayReplaceInput && expect == Expect::Written)) {
                EXPECT_EQ(readFile(input), inputBytes) << label;
            }
            EXPECT_EQ(readFile(settings), kSettings) << label;
            // No partial file is left beside the target, written or refused.
            const QStringList partials = QDir(dir.path()).entryList({u".~tagrio-*"_qs}, QDir::Files | QDir::Hidden);
            EXPECT_TRUE(partials.isEmpty()) << label << ": " << partials.join(u' ').toStdString();
            if (c.target == Target::ReadOnly)
                QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
}

} // namespace
