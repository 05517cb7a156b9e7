#include "RecordSheet.h"

#include <algorithm>

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

const Record& RecordSheet::recordOrEmpty(int r) const
{
    static const Record empty{};
    return (r >= 0 && r < rowCount()) ? row(r) : empty;
}

void renumber(RecordSheet& sheet)
{
    int n = 0;
    for (int r = 1; r < sheet.rowCount(); ++r) {
        QString& number = sheet.row(r)[ColNumber];
        if (!number.isEmpty())
            number = QString::number(++n);
    }
    sheet.recordCount = n;
}
