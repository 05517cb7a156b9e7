#include "../TestFiles.h"
#include "CliRun.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLE);

QJsonObject dumped(const QString& path)
{
    const CliRun run = CliRun::of({u"dump"_qs, path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// Windows hands char* paths to C libraries in the ANSI code page: 表 is
// outside the western ones, 한 outside the Japanese one. Every file kind
// tagrio-cli reads or writes goes through such a folder and file name.
TEST(CliFileNames, EveryFileKindWorksInFoldersNamedOutsideTheAnsiCodePage)
{
    const QJsonObject sample = dumped(kSample);
    for (const QString& name : {u"plain"_qs, u"表한"_qs}) {
        QTemporaryDir base;
        const QDir dir(base.filePath(name));
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        const QString record = dir.filePath(name + u".kav"_qs);
        const QString table = dir.filePath(name + u".xlsx"_qs);
        const QString plates = dir.filePath(u"名板 "_qs + name + u".xlsx"_qs);
        const QString pdf = dir.filePath(u"名板 "_qs + name + u".pdf"_qs);
        const QList<QStringList> runs = {
            {u"save"_qs, kSample, record},
            {u"export"_qs, record, u"-o"_qs, table},
            {u"import"_qs, table, u"-o"_qs, dir.filePath(u"back.kav"_qs)},
            {u"xlsx"_qs, u"a"_qs, record, u"-o"_qs, plates},
            {u"pdf"_qs, u"a"_qs, record, u"-o"_qs, pdf},
        };
        for (const QStringList& args : runs) {
            const CliRun run = CliRun::of(args);
            EXPECT_EQ(run.exitCode, 0) << args.join(u' ').toStdString() << ": " << run.err.toStdString();
        }
        EXPECT_EQ(readFile(record), readFile(kSample)) << name.toStdString();
        EXPECT_EQ(dumped(dir.filePath(u"back.kav"_qs))[u"rows"_qs], sample[u"rows"_qs]) << name.toStdString();
        for (const QString& written : {plates, pdf})
            EXPECT_GT(QFileInfo(written).size(), 1000) << written.toStdString();
        // Only what was asked for: no partial file left behind.
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 5) << dir.entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString();
    }
}

} // namespace
