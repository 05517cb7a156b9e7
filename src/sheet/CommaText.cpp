#include "CommaText.h"

namespace CommaText {
namespace {

// Blanks and control characters end an unquoted field and are skipped
// between fields. NUL counts among them (where it would otherwise stop the
// reader short of the rest of the line), so a cell holding one is quoted.
bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

QString ownText(QString text) { return text; }
QString ownText(QStringView text) { return text.toString(); }

bool needsQuotes(QStringView cell)
{
    for (QChar c : cell) {
        if (isBlankOrControl(c) || c == u',' || c == u'"')
            return true;
    }
    return false;
}

void appendCell(QString& out, QStringView cell)
{
    if (!needsQuotes(cell)) {
        out += cell;
        return;
    }
    out += u'"';
    for (QChar c : cell) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

// Replaces out's text; out keeps its buffer.
template <typename Cells>
void joinCells(const Cells& cells, QString& out)
{
    out.truncate(0);
    qsizetype size = 0;
    for (const QString& cell : cells)
        size += cell.size() + 1;
    out.reserve(size + 8);
    bool first = true;
    for (const QString& cell : cells) {
        if (!first)
            out += u',';
        first = false;
        appendCell(out, cell);
    }
}

// Calls take(field) for every field of the line, left to right; a field is
// a QString, or a view into the line where no quote had to be undone.
template <typename Take>
void forEachField(QStringView line, Take take)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skip = [&] {
        while (i < n && isBlankOrControl(line[i]))
            ++i;
    };
    skip();
    while (i < n) {
        if (line[i] == u'"') {
            // Taken a run of plain characters at a time; "" stands for one quote.
            QString value;
            ++i;
            while (i < n) {
                const qsizetype start = i;
                while (i < n && line[i] != u'"')
                    ++i;
                const QStringView run = line.mid(start, i - start);
                if (value.isEmpty())
                    value = run.toString();
                else
                    value += run;
                if (i + 1 < n && line[i + 1] == u'"') {
                    value += u'"';
                    i += 2;
                    continue;
                }
                if (i < n)
                    ++i; // the closing quote
                break;
            }
            take(std::move(value));
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',' && !isBlankOrControl(line[i]))
                ++i;
            take(line.mid(start, i - start));
        }
        skip();
        if (i < n && line[i] == u',') {
            if (i == n - 1)
                take(QString());
            ++i;
            skip();
        }
    }
}

} // namespace

void writeRow(const Record& row, QString& line) { joinCells(row, line); }

QString writeFields(const QStringList& fields)
{
    QString line;
    joinCells(fields, line);
    return line;
}

QStringList readFields(QStringView line)
{
    QStringList fields;
    forEachField(line, [&](auto field) { fields.push_back(ownText(field)); });
    return fields;
}

namespace {

template <typename ToText>
void fillRow(QStringView line, Record& row, ToText toText)
{
    row = Record{};
    size_t k = 0;
    forEachField(line, [&](auto field) {
        if (k < row.size())
            row[k] = toText(std::move(field), k);
        ++k;
    });
}

} // namespace

void readRow(QStringView line, Record& row)
{
    fillRow(line, row, [](auto field, size_t) { return ownText(std::move(field)); });
}

void readRow(QStringView line, Record& row, SharedTexts& shared)
{
    // Record numbers differ from row to row: a table of them would only grow.
    fillRow(line, row, [&](auto field, size_t column) {
        return column == ColNumber ? ownText(std::move(field)) : shared.text(QStringView(field));
    });
}

QString SharedTexts::text(QStringView view)
{
    // Long texts rarely repeat, and a file of all-different cells must not
    // grow the table without bound.
    constexpr qsizetype kLongestShared = 40;
    constexpr size_t kMostTexts = 100'000;
    if (view.isEmpty())
        return {};
    if (view.size() > kLongestShared)
        return view.toString();
    const std::u16string_view key(view.utf16(), static_cast<size_t>(view.size()));
    if (const auto found = texts_.find(key); found != texts_.end())
        return found->second;
    QString text = view.toString();
    if (texts_.size() < kMostTexts)
        texts_.emplace(std::u16string_view(QStringView(text).utf16(), static_cast<size_t>(text.size())), text);
    return text;
}

} // namespace CommaText
