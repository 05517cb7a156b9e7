#pragma once

#include "sheet/CsvTable.h"
#include "sheet/ImportedTable.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

// "取り込みの確認": before a table becomes the list, the user sees what will
// land — the first records as they will be taken, the heading row, the
// separator and the encoding — and may choose each table column's record
// column. OK takes the table under layout(); キャンセル takes nothing.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // How many records the dialog shows.
    static constexpr int kShownRecords = 10;

    // table: the table as read (its layout, or the detected one, comes
    // first); format: how its text was read, none for a workbook.
    explicit ImportPreviewDialog(const ImportedTable& table, const std::optional<CsvTable::TextFormat>& format,
                                 QWidget* parent = nullptr);

    // The layout as the user left it.
    TableLayout layout() const { return layout_; }

    // The choice box of a table column (A = 0): its items are the record
    // column names, then "取り込まない".
    QComboBox* columnChoice(int tableColumn) const { return choices_[static_cast<size_t>(tableColumn)]; }
    QTableWidget* records() const { return records_; }

private:
    void showRecords();

    ImportedTable table_; // the first rows only
    TableLayout layout_;
    std::array<QComboBox*, kColumnCount> choices_{};
    QTableWidget* records_ = nullptr;
};
