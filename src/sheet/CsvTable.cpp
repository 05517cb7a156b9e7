#include "CsvTable.h"

#include "FileAccess.h"
#include "Failure.h"
#include "TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace CsvTable {
namespace {

// The text, and the name of its encoding when encoding is given.
QString decodeText(const QByteArray& bytes, const QString& path, QString* encoding = nullptr)
{
    const QString notText = FileAccess::cannotOpenMessage(path, QStringLiteral("表のテキスト（CSV）ではありません。"));
    const auto named = [&](QString text, const char16_t* name) {
        if (encoding)
            *encoding = QString::fromUtf16(name);
        return text;
    };
    switch (TextCodec::detectEncoding(bytes)) { // a byte-order mark names the encoding
    case TextCodec::Encoding::Utf8:
        return named(TextCodec::decode(bytes), u"UTF-8");
    case TextCodec::Encoding::Utf16LE:
    case TextCodec::Encoding::Utf16BE:
        return named(TextCodec::decode(bytes), u"UTF-16");
    case TextCodec::Encoding::ShiftJis:
        break;
    }
    if (bytes.contains('\0'))
        throw Failure(notText);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? named(TextCodec::fromShiftJis(bytes), u"Shift_JIS") : named(std::move(text), u"UTF-8");
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

// The separator of the first lines (quotes respected): of comma, semicolon
// and tab the one that splits most of them into the same number of cells as
// the first line, comma when none splits anything.
QChar detectSeparator(QStringView text)
{
    constexpr int kLinesLooked = 10;
    constexpr std::array<char16_t, 3> kCandidates = {u',', u';', u'\t'};
    std::vector<std::array<int, 3>> counts(1);
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && counts.size() <= kLinesLooked; ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n'))) {
            counts.emplace_back();
        } else {
            for (size_t k = 0; k < kCandidates.size(); ++k)
                counts.back()[k] += c == kCandidates[k] ? 1 : 0;
        }
    }
    QChar best = u',';
    std::pair<qsizetype, int> bestScore{0, 0}; // lines split like the first, cells in the first
    for (size_t k = 0; k < kCandidates.size(); ++k) {
        const int first = counts.front()[k];
        if (first == 0)
            continue;
        const auto alike = std::count_if(counts.begin(), counts.end(), [&](const auto& line) { return line[k] == first; });
        const std::pair<qsizetype, int> score{alike, first};
        if (score > bestScore) {
            bestScore = score;
            best = kCandidates[k];
        }
    }
    return best;
}

// A spreadsheet takes a cell starting with one of these as a formula (CSV
// injection); written behind an apostrophe, it shows as text and runs nothing.
bool startsLikeFormula(QStringView cell)
{
    return !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front());
}

// The apostrophe goes before formula starts and before a leading apostrophe
// itself, so that reading drops exactly the one written.
bool needsFormulaGuard(QStringView cell) { return startsLikeFormula(cell) || cell.startsWith(u'\''); }

// The text a written cell stood for: a guarded formula start loses its
// apostrophe.
QString withoutFormulaGuard(QString cell)
{
    if (cell.startsWith(u'\'') && needsFormulaGuard(QStringView(cell).sliced(1)))
        cell.remove(0, 1);
    return cell;
}

bool needsQuotes(const QString& cell)
{
    if (cell.isEmpty())
        return false;
    if (needsFormulaGuard(cell))
        return true;
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
            collector.put(row, column++, withoutFormulaGuard(std::exchange(cell, {})));
            cellBegun = false;
        } else if (c == u'\r' || c == u'\n') {
            collector.put(row++, column, withoutFormulaGuard(std::exchange(cell, {})));
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
        collector.put(row, column, withoutFormulaGuard(std::move(cell)));
    return collector.finish();
}

TextFormat formatOf(const QByteArray& bytes, const QString& path)
{
    TextFormat format;
    format.separator = detectSeparator(decodeText(bytes, path, &format.encoding));
    return format;
}

QByteArray encode(const std::vector<Record>& rows)
{
    QString text;
    for (const Record& row : rows) {
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0)
                text += u',';
            const QString& cell = row[static_cast<size_t>(column)];
            const QString guard = needsFormulaGuard(cell) ? QStringLiteral("'") : QString();
            if (needsQuotes(cell))
                text += u'"' + guard + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += cell;
        }
        text += u"\r\n";
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace CsvTable
