#include "CsvTable.h"

#include "FileAccess.h"
#include "Failure.h"
#include "TextCodec.h"

#include <QStringDecoder>

#include <utility>

namespace CsvTable {
namespace {

QString decodeText(const QByteArray& bytes, const QString& path)
{
    const QString notText = FileAccess::cannotOpenMessage(path, QStringLiteral("表のテキスト（CSV）ではありません。"));
    if (TextCodec::detectEncoding(bytes) != TextCodec::Encoding::ShiftJis)
        return TextCodec::decode(bytes); // the byte-order mark names the encoding
    if (bytes.contains('\0'))
        throw Failure(notText);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? TextCodec::fromShiftJis(bytes) : text;
}

// Control characters other than tab and line breaks, and the marks a decoder
// leaves for undecodable bytes, never stand in a table someone typed.
bool looksLikeText(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || u == 0x7F;
        if (control || u == 0xFFFD)
            return false;
    }
    return true;
}

// The separator of the first row: a tab when it holds more tabs than commas
// outside quotes.
QChar detectSeparator(QStringView text)
{
    qsizetype commas = 0;
    qsizetype tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\r' || c == u'\n')
            break;
        else if (c == u',')
            ++commas;
        else if (c == u'\t')
            ++tabs;
    }
    return tabs > commas ? QChar(u'\t') : QChar(u',');
}

bool needsQuotes(const QString& cell)
{
    if (cell.isEmpty())
        return false;
    for (const QChar c : cell) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return cell.front().isSpace() || cell.back().isSpace();
}

} // namespace

ImportedTable parse(const QByteArray& bytes, const QString& path)
{
    const QString text = decodeText(bytes, path);
    if (!looksLikeText(text))
        throw Failure(FileAccess::cannotOpenMessage(path, QStringLiteral("表のテキスト（CSV）ではありません。")));
    const QChar separator = detectSeparator(text);

    TableCollector collector;
    qint64 row = 0;
    qint64 column = 0;
    QString cell;
    bool quoted = false;     // inside the quoted part of the cell
    bool cellBegun = false;  // the cell has had a character or its opening quote
    bool rowHasText = false; // the current row has begun (a final line break makes no extra row)
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < size && text[i + 1] == u'"')
                cell += text[++i];
            else
                quoted = false;
            continue;
        }
        rowHasText = true;
        if (c == u'"' && !cellBegun) {
            quoted = true; // only a quote that opens a cell quotes; others are text
            cellBegun = true;
        } else if (c == separator) {
            collector.put(row, column++, std::exchange(cell, {}));
            cellBegun = false;
        } else if (c == u'\r' || c == u'\n') {
            collector.put(row++, column, std::exchange(cell, {}));
            column = 0;
            cellBegun = false;
            rowHasText = false;
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
        } else {
            cell += c;
            cellBegun = true;
        }
    }
    if (rowHasText)
        collector.put(row, column, std::move(cell));
    return collector.finish();
}

QByteArray encode(const std::vector<Record>& rows)
{
    QString text;
    for (const Record& row : rows) {
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0)
                text += u',';
            const QString& cell = row[static_cast<size_t>(column)];
            if (needsQuotes(cell))
                text += u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += cell;
        }
        text += u"\r\n";
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace CsvTable
