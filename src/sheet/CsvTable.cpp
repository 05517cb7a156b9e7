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

struct DecodedText {
    QString text;
    TextCodec::Encoding encoding;
    // Whether a U+FFFD in the text stands for bytes the encoding could not
    // read; in valid UTF-8 without a mark it is a character typed as such.
    bool replacementMarksBadBytes = true;
};

// A byte-order mark names the encoding; without one, valid UTF-8 is UTF-8
// and anything else Shift_JIS.
DecodedText decodeText(const QByteArray& bytes)
{
    const TextCodec::Encoding marked = TextCodec::detectEncoding(bytes);
    if (marked != TextCodec::Encoding::ShiftJis)
        return {TextCodec::decode(bytes), marked};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {TextCodec::fromShiftJis(bytes), TextCodec::Encoding::ShiftJis};
    return {std::move(text), TextCodec::Encoding::Utf8, false};
}

QString encodingName(TextCodec::Encoding encoding)
{
    switch (encoding) {
    case TextCodec::Encoding::ShiftJis:
        return QStringLiteral("Shift_JIS");
    case TextCodec::Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextCodec::Encoding::Utf16LE:
    case TextCodec::Encoding::Utf16BE:
        break;
    }
    return QStringLiteral("UTF-16");
}

// The line (from 1) that holds the character at position.
qsizetype lineAt(QStringView text, qsizetype position)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
            ++line;
    }
    return line;
}

// Control characters other than tab and line breaks never stand in a table
// someone typed, and bytes the encoding cannot read make no text: either
// refuses the file, naming the first line that holds one.
void checkIsText(const DecodedText& decoded, const QString& path)
{
    const QString& text = decoded.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // The Shift_JIS converter stands SUB (U+001A) for a byte it cannot read.
        const bool unreadable = (u == 0xFFFD && decoded.replacementMarksBadBytes)
            || (u == 0x1A && decoded.encoding == TextCodec::Encoding::ShiftJis);
        if (unreadable) {
            const qsizetype line = lineAt(text, i);
            const QString reason = decoded.encoding == TextCodec::Encoding::ShiftJis
                ? QStringLiteral("%1 行目に Shift_JIS でも UTF-8 でもないバイトがあります。").arg(line)
                : QStringLiteral("%1 行目に %2 でないバイトがあります。").arg(line).arg(encodingName(decoded.encoding));
            throw Failure(FileAccess::cannotOpenMessage(path, reason));
        }
        if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || u == 0x7F) {
            throw Failure(FileAccess::cannotOpenMessage(
                path, QStringLiteral("表のテキスト（CSV）ではありません。%1 行目に文字でないバイトがあります。").arg(lineAt(text, i))));
        }
    }
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

// A spreadsheet application may split at any of the separators parse
// knows (and the user may pick any of them when opening the file), so a
// cell holding one is quoted whichever the file uses.
bool needsQuotes(const QString& cell)
{
    if (cell.isEmpty())
        return false;
    if (needsFormulaGuard(cell))
        return true;
    for (const QChar c : cell) {
        if (QStringView(u",;\t\"\r\n").contains(c))
            return true;
    }
    return cell.front().isSpace() || cell.back().isSpace();
}

} // namespace

ImportedTable parse(const QByteArray& bytes, const QString& path)
{
    const DecodedText decoded = decodeText(bytes);
    checkIsText(decoded, path);
    const QString& text = decoded.text;
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
    const DecodedText decoded = decodeText(bytes);
    checkIsText(decoded, path);
    return {encodingName(decoded.encoding), detectSeparator(decoded.text)};
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
