#include "SpreadsheetTestSupport.h"
#include "XlsxReadBack.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/ui/DesktopWorkbookOpener.h"
#include "spreadsheet/ui/SpreadsheetOutputs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// What the window showed when the workbook was handed over.
struct HandOver {
    QString path;
    bool bannerVisible = false;
    bool barVisible = false;
    int barMaximum = 0;
    int barValue = 0;
};

class FakeOpener : public WorkbookOpener {
public:
    FakeOpener(std::vector<HandOver>& log, const QWidget& banner, const QProgressBar& bar, bool opens)
        : log_(log), banner_(banner), bar_(bar), opens_(opens)
    {
    }
    bool open(const QString& path) override
    {
        log_.push_back({path, banner_.isVisible(), bar_.isVisible(), bar_.maximum(), bar_.value()});
        return opens_;
    }

private:
    std::vector<HandOver>& log_;
    const QWidget& banner_;
    const QProgressBar& bar_;
    bool opens_;
};

class SpreadsheetOutputsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "spreadsheet_ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv); // lives for the whole test program
    }

    void SetUp() override
    {
        banner = new QWidget(&window);
        bar = new QProgressBar(&window);
        banner->hide();
        bar->hide();
        window.show();
    }

    void TearDown() override
    {
        for (const HandOver& handOver : handOvers)
            QDir(QFileInfo(handOver.path).absolutePath()).removeRecursively();
    }

    std::unique_ptr<SpreadsheetOutputs> outputs(bool opens = true)
    {
        return outputsWith(std::make_unique<FakeOpener>(handOvers, *banner, *bar, opens));
    }

    std::unique_ptr<SpreadsheetOutputs> outputsWith(std::unique_ptr<WorkbookOpener> opener)
    {
        auto made = std::make_unique<SpreadsheetOutputs>(&window, banner, bar, std::move(opener));
        made->setMessageSink([this](QMessageBox::Icon icon, const QString& text) { messages.emplace_back(icon, text); });
        return made;
    }

    void expectCleared(bool wasShown = true) const
    {
        EXPECT_FALSE(banner->isVisible());
        EXPECT_FALSE(bar->isVisible());
        if (wasShown) {
            EXPECT_EQ(bar->value(), 0);
        }
    }

    QWidget window;
    QWidget* banner = nullptr;
    QProgressBar* bar = nullptr;
    std::vector<HandOver> handOvers;
    std::vector<std::pair<QMessageBox::Icon, QString>> messages;
};

} // namespace

TEST_F(SpreadsheetOutputsTest, TypeAIsBuiltWrittenAndHandedOverWithAFullBar)
{
    EXPECT_TRUE(outputs()->createTypeA(numberedRecords(7), Settings::defaults()));
    ASSERT_EQ(handOvers.size(), 1u);
    const HandOver& handOver = handOvers.front();
    EXPECT_EQ(QFileInfo(handOver.path).fileName(), u"ケーブル名板A.xlsx");
    EXPECT_TRUE(handOver.bannerVisible);
    EXPECT_TRUE(handOver.barVisible);
    EXPECT_EQ(handOver.barMaximum, 21 * 2 + 54);
    EXPECT_EQ(handOver.barValue, handOver.barMaximum);
    EXPECT_EQ(XlsxFile::read(handOver.path).sheets.at(0).text(QStringLiteral("V12")), u"No.2");
    EXPECT_TRUE(messages.empty());
    expectCleared();
}

TEST_F(SpreadsheetOutputsTest, TemplateAndTypeBHaveTheirOwnNamesAndMaximums)
{
    EraDate today = EraDate::forDate(QDate(2023, 4, 1));
    EXPECT_TRUE(outputs()->createTemplate(QStringLiteral("〇〇〇〇株式会社"), today));
    EXPECT_TRUE(outputs()->createTypeB(numberedRecords(9), QStringLiteral("No."), PlateSize::Branch));
    ASSERT_EQ(handOvers.size(), 2u);
    EXPECT_EQ(QFileInfo(handOvers[0].path).fileName(), u"入力用帳票.xlsx");
    EXPECT_EQ(handOvers[0].barMaximum, 105);
    EXPECT_EQ(handOvers[0].barValue, 105);
    EXPECT_EQ(QFileInfo(handOvers[1].path).fileName(), u"ケーブル名板B.xlsx");
    EXPECT_EQ(handOvers[1].barMaximum, 2 * 2 * 12 - 1);
    EXPECT_NE(QFileInfo(handOvers[0].path).absolutePath(), QFileInfo(handOvers[1].path).absolutePath());
    EXPECT_TRUE(messages.empty());
    expectCleared();
}

TEST_F(SpreadsheetOutputsTest, NoRecordsDoNothing)
{
    EXPECT_FALSE(outputs()->createTypeA(numberedRecords(0), Settings::defaults()));
    EXPECT_FALSE(outputs()->createTypeB(numberedRecords(0), QStringLiteral("No."), PlateSize::Trunk));
    EXPECT_TRUE(handOvers.empty());
    EXPECT_TRUE(messages.empty());
    expectCleared(false);
}

TEST_F(SpreadsheetOutputsTest, NothingToOpenTheFileSaysWhereItIs)
{
    EXPECT_FALSE(outputs(false)->createTypeB(numberedRecords(1), QStringLiteral("No."), PlateSize::Trunk));
    ASSERT_EQ(handOvers.size(), 1u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].second.contains(QDir::toNativeSeparators(handOvers[0].path))) << messages[0].second.toStdString();
    expectCleared();
}

TEST_F(SpreadsheetOutputsTest, AnApplicationThatFailsAtOnceSaysWhereTheFileIs)
{
    QTemporaryDir dir;
    const QString givenPath = dir.filePath(QStringLiteral("given"));
    const struct {
        const char* script; // run by sh with the workbook's path as $1
        bool reachesTheUser;
    } cases[] = {
        {"exit 1", false},
        {"kill -9 $$", false},
        {"exit 0", true},   // handed to an instance already running
        {"sleep 2", true},  // still running when the window ends: it has the workbook
    };
    for (const auto& c : cases) {
        messages.clear();
        QFile::remove(givenPath);
        const QString script = QStringLiteral("echo \"$1\" > '%1'; %2").arg(givenPath, QLatin1String(c.script));
        auto opener = std::make_unique<DesktopWorkbookOpener>(
            [&](const QString& path) {
                return WorkbookHandOff::Command{QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), path}};
            },
            std::chrono::milliseconds(500));
        EXPECT_EQ(outputsWith(std::move(opener))->createTypeA(numberedRecords(1), Settings::defaults()), c.reachesTheUser)
            << c.script;
        QFile given(givenPath);
        ASSERT_TRUE(given.open(QIODevice::ReadOnly)) << c.script;
        const QString workbook = QString::fromUtf8(given.readAll()).trimmed();
        handOvers.push_back({workbook}); // removed at the end
        EXPECT_TRUE(QFileInfo(workbook).isFile()) << c.script;
        if (c.reachesTheUser) {
            EXPECT_TRUE(messages.empty()) << c.script;
        } else {
            ASSERT_EQ(messages.size(), 1u) << c.script;
            EXPECT_EQ(messages[0].first, QMessageBox::Critical);
            EXPECT_EQ(messages[0].second, WorkbookHandOff::cannotOpenMessage(workbook));
        }
        expectCleared();
    }
}

TEST_F(SpreadsheetOutputsTest, AFailedWriteIsReportedAndClearsTheBar)
{
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc"); // no folder can be made there, not even by root
    const bool made = outputs()->createTypeA(numberedRecords(1), Settings::defaults());
    qputenv("TMPDIR", saved);
    EXPECT_FALSE(made);
    EXPECT_TRUE(handOvers.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].second.startsWith(QStringLiteral("一時フォルダーを作成できません。")))
        << messages[0].second.toStdString();
    expectCleared();
}

TEST_F(SpreadsheetOutputsTest, AWorkbookOfMoreThan1023PagesTellsItGoesOnFurtherSheets)
{
    RecordSheet records = numberedRecords(1);
    records.recordCount = 1023 * 8 + 1;
    records.setRowCount(records.recordCount + 1);
    EXPECT_TRUE(outputs()->createTypeB(records, QStringLiteral("No."), PlateSize::Trunk));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, QMessageBox::Information);
    EXPECT_TRUE(messages[0].second.contains(QStringLiteral("2 枚のシート"))) << messages[0].second.toStdString();
    ASSERT_EQ(handOvers.size(), 1u);
    const XlsxFile file = XlsxFile::read(handOvers[0].path);
    EXPECT_EQ(file.sheets.at(0).rowBreaks.size(), 1023u);
    EXPECT_EQ(file.sheets.at(1).name, u"【ケーブル名板】(2)");
}
