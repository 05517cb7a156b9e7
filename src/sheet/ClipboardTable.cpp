#include "ClipboardTable.h"

namespace ClipboardTable {
namespace {

bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// The index of the quote that closes the field opened at `open`, or -1.
qsizetype closingQuote(QStringView text, qsizetype open)
{
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] != u'"')
            continue;
        if (i + 1 < text.size() && text[i + 1] == u'"')
            ++i; // a doubled quote inside the field
        else
            return i;
    }
    return -1;
}

// The text between the quotes at open and close.
QString unquoted(QStringView text, qsizetype open, qsizetype close)
{
    QString field;
    field.reserve(close - open - 1);
    for (qsizetype i = open + 1; i < close; ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            ++i; // the second of a doubled quote
            field += c;
        } else if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < close && text[i + 1] == u'\n')
                ++i;
            field += u' ';
        } else {
            field += c;
        }
    }
    return field;
}

} // namespace

std::vector<Row> parse(QStringView text)
{
    std::vector<Row> rows;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        Row& row = rows.emplace_back();
        for (;;) {
            QString field;
            if (i < size && text[i] == u'"') {
                if (const qsizetype close = closingQuote(text, i); close >= 0) {
                    field = unquoted(text, i, close);
                    i = close + 1;
                }
            }
            qsizetype end = i;
            while (end < size && text[end] != u'\t' && !isLineBreak(text[end]))
                ++end;
            field += text.sliced(i, end - i);
            row.push_back(std::move(field));
            i = end;
            if (i < size && text[i] == u'\t') {
                ++i;
                continue;
            }
            if (i < size && text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            ++i; // past the line break, or past the end
            break;
        }
    }
    return rows;
}

} // namespace ClipboardTable
