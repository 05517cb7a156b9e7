// tagrio-cli xlsx end to end: the command line, the written workbook read
// back, and the workbook opened by a real spreadsheet application.
#include "XlsxReadBack.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kData = QStringLiteral(TAGRIO_TEST_DATA "/spreadsheet/");

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(TAGRIO_CLI), arguments);
    cli.waitForFinished(120000);
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()), QString::fromUtf8(cli.readAllStandardError())};
}

class XlsxCommandTest : public ::testing::Test {
protected:
    // Runs "xlsx KIND FILE -o OUT" with the fixture settings; returns OUT read back.
    XlsxFile written(const QString& kind, const QString& recordFile, QStringList more = {})
    {
        const QString out = folder.filePath(kind + QStringLiteral(".xlsx"));
        QStringList arguments{QStringLiteral("xlsx"), kind};
        if (!recordFile.isEmpty())
            arguments << kData + recordFile;
        arguments << QStringLiteral("-o") << out << QStringLiteral("--settings") << kData + QStringLiteral("kiroku.ggs")
                  << more;
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, out + u'\n');
        return XlsxFile::read(out);
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(XlsxCommandTest, TypeAKeepsRecordTextsAsTexts)
{
    const XlsxFile file = written(QStringLiteral("a"), QStringLiteral("texts.kav"));
    ASSERT_EQ(file.sheets.size(), 3u);
    const XlsxSheet& sheet = file.sheet(QStringLiteral("ケーブル名板【 標準 】"));
    struct Case {
        const char* cell;
        QString text;
    };
    const Case cases[] = {
        {"Q1", QStringLiteral("No.1～No.2")},         {"C4", QStringLiteral("行き先")},
        {"C9", QStringLiteral("製造年")},             {"V4", QStringLiteral("No.1")},
        {"I4", QStringLiteral("東棟 1F ～ 西棟")},    {"I5", QStringLiteral("【 001 】 CV 3C")},
        {"I6", QStringLiteral("=1+1")},               {"I7", QStringLiteral("2023/4/1")},
        {"I12", QStringLiteral("電気室 ～ 分電盤 L-2")},  {"I13", QStringLiteral("【 1E3 】 ")},
        {"V12", QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sheet.text(QString::fromLatin1(c.cell)), c.text) << c.cell;
        if (const XlsxCell* cell = sheet.cell(QString::fromLatin1(c.cell)); cell && !c.text.isEmpty()) {
            EXPECT_NE(cell->type, u"n") << c.cell;
        }
    }
    EXPECT_EQ(file.sheets[2].text(QStringLiteral("I4")), u"(至)東棟 1F ～ (自)西棟");
}

TEST_F(XlsxCommandTest, TypeBTakesTheNoBoxTextAndTheSize)
{
    const XlsxFile trunk = written(QStringLiteral("b-trunk"), QStringLiteral("texts.kav"),
                                   {QStringLiteral("--no-box"), QString()});
    const XlsxSheet& sheet = trunk.sheets.at(0);
    EXPECT_EQ(sheet.name, u"【ケーブル名板】");
    EXPECT_EQ(sheet.text(QStringLiteral("D2")), QString());
    EXPECT_EQ(sheet.text(QStringLiteral("E2")), u"001");
    EXPECT_EQ(sheet.text(QStringLiteral("J2")), u"1E3");
    EXPECT_EQ(sheet.cell(QStringLiteral("J2"))->type == u"n", false);
    EXPECT_EQ(sheet.text(QStringLiteral("D5")), u"2023/4/1 / テスト電設");
    EXPECT_EQ(sheet.columnBreaks, std::vector<int>{17});

    const XlsxFile branch = written(QStringLiteral("b-branch"), QStringLiteral("texts.kav"));
    EXPECT_EQ(branch.sheets.at(0).text(QStringLiteral("D2")), u"No.");
    EXPECT_EQ(branch.sheets.at(0).text(QStringLiteral("R1")), u" ");
    EXPECT_EQ(branch.sheets.at(0).columnBreaks, std::vector<int>{20});
}

TEST_F(XlsxCommandTest, TemplateTakesTheCompanyNameAndTheDate)
{
    const XlsxFile file =
        written(QStringLiteral("template"), QString(), {QStringLiteral("--today"), QStringLiteral("2023-04-01")});
    ASSERT_EQ(file.sheets.size(), 2u);
    const XlsxSheet& sheet = file.sheet(QStringLiteral("ｹｰﾌﾞﾙ一覧表"));
    EXPECT_EQ(sheet.text(QStringLiteral("I2")), u"令和5年4月1日");
    EXPECT_EQ(sheet.text(QStringLiteral("J2")), u"テスト電設株式会社");
    EXPECT_EQ(sheet.text(QStringLiteral("K2")), u"令和5年");
    EXPECT_EQ(sheet.text(QStringLiteral("A101")), u"100");
    EXPECT_EQ(sheet.cell(QStringLiteral("A101"))->type, QString()) << "a number";
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("A101")).horizontal, u"center");
}

TEST_F(XlsxCommandTest, UsageErrorsAndFailures)
{
    const QString out = folder.filePath(QStringLiteral("x.xlsx"));
    struct Case {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const Case cases[] = {
        {{QStringLiteral("xlsx"), QStringLiteral("c"), kData + QStringLiteral("texts.kav"), QStringLiteral("-o"), out},
         2, QStringLiteral("template, a, b-trunk or b-branch")},
        {{QStringLiteral("xlsx"), QStringLiteral("a"), QStringLiteral("-o"), out}, 2, QStringLiteral("record file")},
        {{QStringLiteral("xlsx"), QStringLiteral("template")}, 2, QStringLiteral("-o OUT")},
        {{QStringLiteral("xlsx"), QStringLiteral("a"), kData + QStringLiteral("empty.kav"), QStringLiteral("-o"), out},
         1, QStringLiteral("出力するレコードがありません。")},
        {{QStringLiteral("xlsx"), QStringLiteral("b-trunk"), kData + QStringLiteral("texts.kav"), QStringLiteral("-o"),
          folder.filePath(QStringLiteral("missing/x.xlsx"))},
         1, QStringLiteral("ファイル \"%1\" を作成できません。").arg(folder.filePath(QStringLiteral("missing/x.xlsx")))},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

// The written workbooks open in LibreOffice: converted to PDF there, the
// record texts are on the pages.
TEST_F(XlsxCommandTest, WorkbooksOpenInASpreadsheetApplication)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    written(QStringLiteral("a"), QStringLiteral("texts.kav"));
    written(QStringLiteral("b-trunk"), QStringLiteral("texts.kav"));

    const QString profile = QUrl::fromLocalFile(folder.filePath(QStringLiteral("profile"))).toString();
    QProcess convert;
    convert.setWorkingDirectory(folder.path());
    convert.start(office, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                           QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                           folder.path(), QStringLiteral("a.xlsx"), QStringLiteral("b-trunk.xlsx")});
    ASSERT_TRUE(convert.waitForFinished(180000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();

    const auto pdfText = [&](const QString& name) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {folder.filePath(name), QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    };
    const QString typeA = pdfText(QStringLiteral("a.pdf"));
    for (const QString& expected : {QStringLiteral("【 001 】 CV 3C"), QStringLiteral("=1+1"), QStringLiteral("(自)東棟 1F"),
                                    QStringLiteral("No.1"), QStringLiteral("【ケーブル名板】")})
        EXPECT_TRUE(typeA.contains(expected)) << expected.toStdString();
    const QString typeB = pdfText(QStringLiteral("b-trunk.pdf"));
    for (const QString& expected : {QStringLiteral("001"), QStringLiteral("1E3"), QStringLiteral("分電盤"),
                                    QStringLiteral("2023/4/1 / テスト電設"), QStringLiteral("自")})
        EXPECT_TRUE(typeB.contains(expected)) << expected.toStdString();
}
