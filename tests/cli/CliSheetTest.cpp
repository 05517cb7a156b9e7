#include "CliRun.h"
#include "sheet/RecordFile.h"
#include "sheet/RecordSheet.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLE);

TEST(CliSheet, DumpPrintsTheLoadedSheetAsJson)
{
    const CliRun run = CliRun::of({u"dump"_qs, kSample});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json[u"company"_qs].toString(), u"タグリオ電設株式会社");
    EXPECT_EQ(json[u"count"_qs].toInt(), 8);
    EXPECT_EQ(json[u"rowCount"_qs].toInt(), 100);
    const QJsonArray rows = json[u"rows"_qs].toArray();
    ASSERT_EQ(rows.size(), 100);
    EXPECT_EQ(rows[0].toArray()[1].toString(), u"(自) NAME-1");
    EXPECT_EQ(rows[1].toArray()[3].toString(), u"電灯分電盤 ");
    EXPECT_EQ(rows[1].toArray().size(), 11);
}

TEST(CliSheet, SaveAppliesTheExtensionRuleAndWritesTheSameBytes)
{
    QTemporaryDir dir;
    const CliRun run = CliRun::of({u"save"_qs, kSample, dir.filePath(u"copy"_qs)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), dir.filePath(u"copy.kav"_qs));
    QFile original(kSample), copy(dir.filePath(u"copy.kav"_qs));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
}

TEST(CliSheet, TextsPrintsOneLinePerRecordInTheChosenOrder)
{
    const CliRun run = CliRun::of({u"texts"_qs, kSample, u"--order"_qs, u"to-from"_qs});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], u"(至)キュービクル ～ (自)電灯分電盤  L-1\t【 1 】 CV 14sq-3C\t令和8年12月10日 / タグリオ電設株式会社");
}

TEST(CliSheet, FailuresAndUsageErrorsHaveTheirExitCodes)
{
    struct Case {
        QStringList args;
        int exitCode;
        QString errStart;
    };
    const Case cases[] = {
        {{u"dump"_qs, u"/nonexistent.kav"_qs}, 1, u"ファイル /nonexistent.kav は開けません。"_qs},
        {{u"dump"_qs}, 2, u"tagrio-cli:"_qs},
        {{u"texts"_qs, kSample, u"--order"_qs, u"sideways"_qs}, 2, u"tagrio-cli:"_qs},
        {{u"frobnicate"_qs}, 2, u"tagrio-cli: unknown command"_qs},
        {{u"dump"_qs, kSample, u"--bogus"_qs, u"x"_qs}, 2, u"tagrio-cli: unknown option"_qs},
        {{}, 2, u"tagrio-cli: no command"_qs},
    };
    for (const Case& c : cases) {
        const CliRun run = CliRun::of(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.errStart)) << run.err.toStdString();
    }
}

// An output never replaces the list it is made from, however the paths are
// spelled; the list's bytes stay as they were.
TEST(CliSheet, AnOutputNeverReplacesItsInput)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(u"s.kav"_qs);
    ASSERT_TRUE(QFile::copy(kSample, list));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"sub"_qs)));
#ifndef Q_OS_WIN // a Windows link is a shortcut file of its own, not the list
    ASSERT_TRUE(QFile::link(list, dir.filePath(u"s.csv"_qs)));
#endif
    QFile original(kSample);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    const QString otherSpelling = dir.filePath(u"sub/../s.kav"_qs);
    const QStringList cases[] = {
        {u"pdf"_qs, u"a"_qs, list, u"-o"_qs, list},
        {u"pdf"_qs, u"b-trunk"_qs, list, u"-o"_qs, otherSpelling},
        {u"xlsx"_qs, u"a"_qs, list, u"-o"_qs, list},
#ifdef Q_OS_WIN
        {u"pdf"_qs, u"a"_qs, list, u"-o"_qs, dir.filePath(u"S.KAV"_qs)}, // names ignore case there
#else
        {u"export"_qs, list, u"-o"_qs, dir.filePath(u"s.csv"_qs)}, // a link to the list
#endif
        {u"import"_qs, list, u"-o"_qs, dir.filePath(u"s"_qs)},     // .kav is added
    };
    for (const QStringList& args : cases) {
        const CliRun run = CliRun::of(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(u"入力ファイルと同じです"_qs)) << run.err.toStdString();
        QFile after(list);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), bytes) << args.join(u' ').toStdString();
    }
}

// Options that a command does not use, and record numbers that name no
// record, are refused instead of being ignored.
TEST(CliSheet, WhatACommandCannotUseIsRefused)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"out.pdf"_qs);
    struct Case {
        QStringList args;
        int exitCode;
        QString errPart;
    };
    const Case cases[] = {
        {{u"pdf"_qs, u"calibration-a"_qs, u"-o"_qs, pdf, u"--start"_qs, u"2"_qs}, 2, u"--start does not apply"_qs},
        {{u"pdf"_qs, u"calibration-b-trunk"_qs, u"-o"_qs, pdf, u"--records"_qs, u"1"_qs}, 2, u"--records does not apply"_qs},
        {{u"dump"_qs, kSample, u"--order"_qs, u"standard"_qs}, 2, u"--order does not apply to dump"_qs},
        {{u"xlsx"_qs, u"a"_qs, kSample, u"-o"_qs, dir.filePath(u"a.xlsx"_qs), u"--copies"_qs, u"2"_qs}, 2, u"--copies"_qs},
        {{u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, pdf, u"--records"_qs, u"3-7,12"_qs}, 1, u"番号 12 の記録がありません"_qs},
        {{u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, pdf, u"--records"_qs, u"9,2-20"_qs}, 1, u"番号 9, 20 の記録がありません"_qs},
    };
    for (const Case& c : cases) {
        const CliRun run = CliRun::of(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errPart)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.args.join(u' ').toStdString();
    }
    // The same options where they apply.
    EXPECT_EQ(CliRun::of({u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, pdf, u"--records"_qs, u"3-7,8"_qs}).exitCode, 0);
}

TEST(CliSheet, HelpPrintsTheUsageOnStandardOutput)
{
    const CliRun help = CliRun::of({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(u"usage:\n"_qs)) << help.out.toStdString();
    for (const char* command : {"dump FILE", "save IN OUT", "texts FILE", "catalogue", "xlsx ", "pdf "})
        EXPECT_TRUE(help.out.contains(u"  tagrio-cli "_qs + QLatin1String(command))) << command;

    // A usage error prints the same usage, on the error stream.
    const CliRun wrong = CliRun::of({u"frobnicate"_qs});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.endsWith(help.out)) << wrong.err.toStdString();
}

TEST(CliSheet, BadRecordFileReportsTheLoadMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.kav"_qs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("company\r\nseven\r\n100\r\n");
    f.close();
    const CliRun run = CliRun::of({u"dump"_qs, path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, u"ファイル %1 は開けません。 2 行目: 'seven' は整数ではありません。 \n"_qs.arg(path));
}

} // namespace
