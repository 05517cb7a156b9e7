#pragma once

#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>
#include <algorithm>
#include <array>
#include <vector>

// Columns of a cable record: 0 record number, 1..10 the record's texts.
inline constexpr int kColumnCount = 11;
inline constexpr int kInitialRowCount = 100;
// The largest sheet a record file or a paste may produce; larger inputs are refused.
inline constexpr int kMaxRowCount = 100000;

using Record = std::array<QString, kColumnCount>;

// Every cell of the record is empty.
bool isEmptyRecord(const Record& record);

enum Column : int {
    ColNumber = 0,
    ColFrom1 = 1,
    ColFrom2 = 2,
    ColTo1 = 3,
    ColTo2 = 4,
    ColCircuit = 5,
    ColCableType = 6,
    ColPurpose = 7,
    ColConstructionDate = 8,
    ColConstructor = 9,
    ColManufactureYear = 10,
};

// One row of the sheet. Copies share the row's texts until one of them is
// written (Qt's implicit sharing, safe across threads), so copying a whole
// sheet costs one pointer per row: the list before an edit kept for undo,
// the last saved list, and the snapshot the recovery writer takes. Rows left
// shared also compare equal without reading a character.
class SheetRow {
public:
    SheetRow(); // a copy of empty()
    explicit SheetRow(Record texts);

    // The one empty row every new empty row shares until it is written.
    static const SheetRow& empty();

    const Record& texts() const { return d_->texts; }
    // Detaches from the copies first.
    Record& edit() { return d_->texts; }

    bool sharesTextsWith(const SheetRow& other) const { return d_ == other.d_; }
    bool isEmpty() const { return isEmptyRecord(texts()); }

    friend bool operator==(const SheetRow& a, const SheetRow& b)
    {
        return a.sharesTextsWith(b) || a.texts() == b.texts();
    }

private:
    struct Data : QSharedData {
        Record texts;
    };
    QSharedDataPointer<Data> d_;
};

// The grid of cable records: row 0 is the header row, rows 1.. are records.
// recordCount is the highest record number handed out (st1_count).
class RecordSheet {
public:
    RecordSheet();

    static const Record& headerTexts();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Grows with empty rows or drops rows at the end; never below one row.
    void setRowCount(int count);

    const Record& row(int r) const { return rows_[static_cast<size_t>(r)].texts(); }
    // The row's texts for writing; the row stops sharing them with copies.
    Record& editRow(int r) { return rows_[static_cast<size_t>(r)].edit(); }
    // A row past the end reads as empty texts, so outputs may walk to recordCount freely.
    const Record& recordOrEmpty(int r) const;

    const QString& cell(int column, int r) const { return row(r)[static_cast<size_t>(column)]; }
    void setCell(int column, int r, QString text) { editRow(r)[static_cast<size_t>(column)] = std::move(text); }

    void writeHeader();
    void clearRow(int r) { rows_[static_cast<size_t>(r)] = SheetRow(); }

    int recordCount = 0;

    // How many record rows the nameplate outputs make plates for: the record
    // count, but never past the sheet's last row (a record file may claim any
    // count; rows that do not exist would only give blank plates).
    int outputRecordCount() const { return std::clamp(recordCount, 0, rowCount() - 1); }

    // Whole-sheet access for operations that reorder rows.
    std::vector<SheetRow>& rows() { return rows_; }
    const std::vector<SheetRow>& rows() const { return rows_; }

    friend bool operator==(const RecordSheet&, const RecordSheet&) = default;

private:
    std::vector<SheetRow> rows_;
};

// Gives column 0 of every numbered record row the consecutive numbers 1, 2, ...
// in row order and sets recordCount to how many there are.
void renumber(RecordSheet& sheet);
