#include "RecordSheet.h"

#include <algorithm>

bool isEmptyRecord(const Record& record)
{
    return std::all_of(record.begin(), record.end(), [](const QString& cell) { return cell.isEmpty(); });
}

const SheetRow& SheetRow::empty()
{
    static const SheetRow row{Record{}};
    return row;
}

SheetRow::SheetRow() : SheetRow(empty()) {}

SheetRow::SheetRow(Record texts) : d_(new Data)
{
    d_->texts = std::move(texts);
}

RecordSheet::RecordSheet() : rows_(kInitialRowCount) { writeHeader(); }

const Record& RecordSheet::headerTexts()
{
    static const Record header = {
        QStringLiteral("No."),
        QStringLiteral("(自) NAME-1"),
        QStringLiteral("(自) NAME-2"),
        QStringLiteral("(至) NAME-1"),
        QStringLiteral("(至) NAME-2"),
        QStringLiteral("回路番号"),
        QStringLiteral("ｹｰﾌﾞﾙ種類"),
        QStringLiteral("用途"),
        QStringLiteral("施行年月日"),
        QStringLiteral("施行者名"),
        QStringLiteral("ｹｰﾌﾞﾙ製造年"),
    };
    return header;
}

void RecordSheet::setRowCount(int count)
{
    rows_.resize(static_cast<size_t>(std::max(count, 1)));
}

void RecordSheet::writeHeader()
{
    static const SheetRow header{headerTexts()};
    rows_.front() = header;
}

const Record& RecordSheet::recordOrEmpty(int r) const
{
    return (r >= 0 && r < rowCount()) ? row(r) : SheetRow::empty().texts();
}

void renumber(RecordSheet& sheet)
{
    int n = 0;
    for (int r = 1; r < sheet.rowCount(); ++r) {
        const QString& current = sheet.cell(ColNumber, r);
        if (current.isEmpty())
            continue;
        // A row that already holds its number stays shared with its copies.
        QString number = QString::number(++n);
        if (current != number)
            sheet.setCell(ColNumber, r, std::move(number));
    }
    sheet.recordCount = n;
}
