#include "spreadsheet/ui/ImportPreviewDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

Record recordOf(std::initializer_list<const char16_t*> cells)
{
    Record record;
    size_t column = 0;
    for (const char16_t* cell : cells)
        record[column++] = QString::fromUtf16(cell);
    return record;
}

class ImportPreviewDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "spreadsheet_ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv); // lives for the whole test program
    }

    // A table with a title above its heading; the columns are by heading.
    static ImportedTable table()
    {
        return ImportedTable{{recordOf({u"一覧"}), recordOf({u"行き先", u"自", u"番号"}), recordOf({u"盤B", u"盤A", u"1"}),
                              recordOf({u"盤D", u"盤C"})},
                             {}, {}};
    }

    static QStringList labelTexts(const QDialog& dialog)
    {
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

    static QStringList recordRow(const ImportPreviewDialog& dialog, int row)
    {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << (dialog.records()->item(row, c) ? dialog.records()->item(row, c)->text() : QString());
        return cells;
    }
};

TEST_F(ImportPreviewDialogTest, ShowsWhatWillLandAndTakesTheColumnsTheUserChooses)
{
    ImportPreviewDialog dialog(table(), CsvTable::TextFormat{q(u"Shift_JIS"), u';'});
    EXPECT_EQ(dialog.windowTitle(), q(u"取り込みの確認"));
    const QStringList labels = labelTexts(dialog);
    for (const char16_t* fact : {u"2 行目", u"セミコロン", u"Shift_JIS"})
        EXPECT_TRUE(labels.contains(q(fact))) << labels.join(u'|').toStdString();

    // As detected: A is the destination, B the source, C the number.
    EXPECT_EQ(dialog.columnChoice(0)->currentText(), q(u"(至) NAME-1"));
    EXPECT_EQ(dialog.columnChoice(1)->currentText(), q(u"(自) NAME-1"));
    EXPECT_EQ(dialog.columnChoice(2)->currentText(), q(u"No."));
    ASSERT_EQ(dialog.records()->rowCount(), 2);
    EXPECT_EQ(recordRow(dialog, 0), (QStringList{q(u"1"), q(u"盤A"), QString(), q(u"盤B")}));

    // Column A left out: the records shown follow at once.
    dialog.columnChoice(0)->setCurrentText(q(u"取り込まない"));
    EXPECT_EQ(recordRow(dialog, 1), (QStringList{q(u"2"), q(u"盤C"), QString(), QString()}));
    EXPECT_EQ(dialog.layout().recordColumnOf[0], TableLayout::kSkip);

    dialog.show();
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.layout().headingRow, std::optional<size_t>(1));
    EXPECT_EQ(dialog.layout().recordColumnOf[1], int(ColFrom1));
}

TEST_F(ImportPreviewDialogTest, CancelTakesNothingAndAWorkbookHasNoSeparator)
{
    ImportedTable workbook{{recordOf({u"1", u"盤A"})}, {}, {}};
    ImportPreviewDialog dialog(workbook, std::nullopt);
    EXPECT_TRUE(labelTexts(dialog).contains(q(u"なし（A 列から K 列の順）")));
    EXPECT_TRUE(labelTexts(dialog).contains(q(u"なし（ブック）")));
    dialog.show();
    QPushButton* cancel = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
    EXPECT_EQ(cancel->text(), q(u"キャンセル"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
