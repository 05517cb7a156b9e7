#include "../TestFiles.h"
#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral(TAGRIO_SAMPLE);

QJsonObject dump(const QString& path)
{
    const CliRun run = CliRun::of({u"dump"_qs, path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// The text of a PDF as poppler reads it.
#ifndef Q_OS_WIN
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
#endif

TEST(CliTable, ExportThenImportGivesBackTheSampleSheet)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(u"none.ggs"_qs); // missing: the default company name
    const QJsonObject sample = dump(kSample);
    for (const QString& table : {u"list.xlsx"_qs, u"list.csv"_qs}) {
        const CliRun exported = CliRun::of({u"export"_qs, kSample, u"-o"_qs, dir.filePath(table)});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        EXPECT_EQ(exported.out.trimmed(), dir.filePath(table));

        // The -o name gets ".kav" as a save would add it.
        const CliRun imported = CliRun::of(
            {u"import"_qs, dir.filePath(table), u"-o"_qs, dir.filePath(u"back"_qs), u"--settings"_qs, settings});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        EXPECT_EQ(imported.out.trimmed(), dir.filePath(u"back.kav"_qs));
        EXPECT_TRUE(imported.err.isEmpty()) << imported.err.toStdString();

        const QJsonObject back = dump(dir.filePath(u"back.kav"_qs));
        EXPECT_EQ(back[u"rows"_qs], sample[u"rows"_qs]) << table.toStdString();
        EXPECT_EQ(back[u"count"_qs], sample[u"count"_qs]);
        EXPECT_EQ(back[u"rowCount"_qs], sample[u"rowCount"_qs]);
        EXPECT_EQ(back[u"company"_qs].toString(), u"〇〇〇〇株式会社"_qs);
    }
    const QByteArray csv = readFile(dir.filePath(u"list.csv"_qs));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFNo.,")) << csv.left(20).toStdString();
    EXPECT_TRUE(csv.endsWith("\r\n"));
}

// Every command opens a cable list kept as a table as the window's 開く does,
// so a table prints the same plates as the record file it was exported from.
TEST(CliTable, CommandsOpenTablesAsTheWindowDoes)
{
    QTemporaryDir dir;
    const QJsonObject sample = dump(kSample);
    const QString fromRecords = dir.filePath(u"records.pdf"_qs);
    ASSERT_EQ(CliRun::of({u"pdf"_qs, u"a"_qs, kSample, u"-o"_qs, fromRecords}).exitCode, 0);
    // pdftotext is a Linux tool: under Wine, deps/windows/test.sh reads the
    // Windows build's PDFs with it instead.
#ifndef Q_OS_WIN
    const QString recordsText = pdfText(fromRecords);
    ASSERT_TRUE(recordsText.contains(u"No.1"_qs)) << recordsText.left(200).toStdString();
#endif
    for (const QString& table : {u"list.xlsx"_qs, u"list.csv"_qs}) {
        ASSERT_EQ(CliRun::of({u"export"_qs, kSample, u"-o"_qs, dir.filePath(table)}).exitCode, 0);
        EXPECT_EQ(dump(dir.filePath(table))[u"rows"_qs], sample[u"rows"_qs]) << table.toStdString();

        const QString out = dir.filePath(table + u".pdf"_qs);
        const CliRun printed = CliRun::of({u"pdf"_qs, u"a"_qs, dir.filePath(table), u"-o"_qs, out});
        ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
        EXPECT_EQ(printed.out.trimmed(), out);
#ifndef Q_OS_WIN
        EXPECT_EQ(pdfText(out), recordsText) << table.toStdString();
#endif
    }
}

TEST(CliTable, ImportNotesGoToStandardError)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"wide.csv"_qs), u"1,盤A,,,,,,,,,,余分\r\n"_qs.toUtf8());
    const CliRun run = CliRun::of({u"import"_qs, dir.filePath(u"wide.csv"_qs), u"-o"_qs, dir.filePath(u"out.kav"_qs)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"L 列"_qs)) << run.err.toStdString();
    EXPECT_EQ(dump(dir.filePath(u"out.kav"_qs))[u"count"_qs].toInt(), 1);
}

TEST(CliTable, ImportTakesTheColumnsNamedOnTheCommandLine)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QString csv;
        QStringList options;
        QJsonArray records; // rows 1.. of the imported list, up to the last cell that holds text
    };
    const auto row = [](std::initializer_list<const char16_t*> cells) {
        QJsonArray array;
        for (const char16_t* cell : cells)
            array.append(QString::fromUtf16(cell));
        return array;
    };
    const Case cases[] = {
        {"columns swapped, the heading row still skipped", u"番号,自,至\r\n7,盤A,盤B\r\n"_qs, {u"--columns"_qs, u"-,至,自"_qs},
         {row({u"1", u"盤B", u"", u"盤A"})}},
        {"no heading: the first row is a record", u"No.,自\r\n1,盤A\r\n"_qs, {u"--no-heading"_qs},
         {row({u"1", u"自"}), row({u"2", u"盤A"})}},
        {"both", u"盤A,盤B\r\n盤C,盤D\r\n"_qs, {u"--no-heading"_qs, u"--columns"_qs, u"ｹｰﾌﾞﾙ種類,用途"_qs},
         {row({u"1", u"", u"", u"", u"", u"", u"盤A", u"盤B"}), row({u"2", u"", u"", u"", u"", u"", u"盤C", u"盤D"})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = dir.filePath(u"in.csv"_qs);
        const QString out = dir.filePath(u"out.kav"_qs);
        writeFile(csv, c.csv.toUtf8());
        const CliRun run = CliRun::of(QStringList{u"import"_qs, csv, u"-o"_qs, out} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject list = dump(out);
        EXPECT_EQ(list[u"count"_qs].toInt(), c.records.size());
        const QJsonArray rows = list[u"rows"_qs].toArray();
        for (qsizetype r = 0; r < c.records.size(); ++r) {
            QJsonArray cells = rows.at(r + 1).toArray();
            while (!cells.isEmpty() && cells.last().toString().isEmpty())
                cells.removeLast();
            EXPECT_EQ(cells, c.records.at(r).toArray()) << QJsonDocument(cells).toJson().toStdString();
        }
    }
}

TEST(CliTable, FailuresAndUsageErrorsHaveTheirExitCodes)
{
    QTemporaryDir dir;
    const QString truncated = dir.filePath(u"truncated.xlsx"_qs);
    ASSERT_EQ(CliRun::of({u"export"_qs, kSample, u"-o"_qs, truncated}).exitCode, 0);
    const QByteArray workbook = readFile(truncated);
    writeFile(truncated, workbook.left(workbook.size() / 2));
    const QString out = dir.filePath(u"out.kav"_qs);

    struct Case {
        QStringList args;
        int exitCode;
        QString errStart;
    };
    const Case cases[] = {
        {{u"import"_qs, truncated, u"-o"_qs, out}, 1, u"ファイル "_qs + truncated + u" は開けません。"_qs},
        {{u"export"_qs, kSample, u"-o"_qs, dir.filePath(u"nofolder/x.csv"_qs)}, 1, u"ファイル \""_qs},
        {{u"export"_qs, u"/nonexistent.kav"_qs, u"-o"_qs, dir.filePath(u"x.csv"_qs)}, 1,
         u"ファイル /nonexistent.kav は開けません。"_qs},
        {{u"export"_qs, kSample, u"-o"_qs, dir.filePath(u"x.txt"_qs)}, 2, u"tagrio-cli: export writes"_qs},
        {{u"import"_qs, truncated}, 2, u"tagrio-cli:"_qs},
        {{u"export"_qs, u"-o"_qs, dir.filePath(u"x.csv"_qs)}, 2, u"tagrio-cli:"_qs},
        {{u"import"_qs, truncated, u"-o"_qs, out, u"--columns"_qs, u"自,謎"_qs}, 2, u"tagrio-cli: --columns: no record column answers to 謎"_qs},
        {{u"import"_qs, kSample, u"-o"_qs, out, u"--no-heading"_qs}, 2, u"tagrio-cli: --columns and --no-heading apply to tables"_qs},
    };
    for (const Case& c : cases) {
        const CliRun run = CliRun::of(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.errStart)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
