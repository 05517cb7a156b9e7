#include "DocumentChange.h"

#include <algorithm>

namespace {

using Rows = std::vector<SheetRow>;
using Change = DocumentChange;

// Most cells of a row before and after an edit share their text, so the
// pointer check settles them without reading the characters.
bool sameText(const QString& a, const QString& b)
{
    return a.size() == b.size() && (a.constData() == b.constData() || a == b);
}

// Columns 1..10: the texts a reordering or a renumber carry along unchanged.
// Rows the edit left alone still share their texts and settle at once.
bool samePayload(const SheetRow& a, const SheetRow& b)
{
    if (a.sharesTextsWith(b))
        return true;
    for (int c = 1; c < kColumnCount; ++c) {
        if (!sameText(a.texts()[static_cast<size_t>(c)], b.texts()[static_cast<size_t>(c)]))
            return false;
    }
    return true;
}

// The value of a record number written the way renumber writes it (plain
// decimal digits, no leading zero); nothing for any other text.
std::optional<qint64> plainNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text.front() == u'0'))
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString& numberCell(Rows& rows, int row) { return rows[static_cast<size_t>(row)].edit()[ColNumber]; }

// --- Each piece forwards and backwards --------------------------------------

void forward(const Change::ResizedRows& piece, Rows& rows) { rows.resize(static_cast<size_t>(piece.after)); }
void backward(const Change::ResizedRows& piece, Rows& rows) { rows.resize(static_cast<size_t>(piece.before)); }

void writeRows(Rows& rows, int first, const Rows& texts)
{
    std::copy(texts.begin(), texts.end(), rows.begin() + first);
}
void forward(const Change::ReplacedRows& piece, Rows& rows) { writeRows(rows, piece.first, piece.after); }
void backward(const Change::ReplacedRows& piece, Rows& rows) { writeRows(rows, piece.first, piece.before); }

void forward(const Change::RemovedRows& piece, Rows& rows)
{
    const auto at = rows.begin() + piece.at;
    rows.erase(at, at + static_cast<qsizetype>(piece.removed.size()));
    rows.resize(rows.size() + piece.removed.size());
}
void backward(const Change::RemovedRows& piece, Rows& rows)
{
    rows.resize(rows.size() - piece.removed.size());
    rows.insert(rows.begin() + piece.at, piece.removed.begin(), piece.removed.end());
}

// Sources and targets of the runs are the same set of rows: gather the
// sources first, then place them.
void moveRuns(Rows& rows, const std::vector<Change::MovedRun>& runs, bool backwards)
{
    Rows taken;
    for (const Change::MovedRun& run : runs) {
        const int from = backwards ? run.to : run.from;
        for (int i = 0; i < run.count; ++i)
            taken.push_back(std::move(rows[static_cast<size_t>(from + i)]));
    }
    auto next = taken.begin();
    for (const Change::MovedRun& run : runs) {
        const int to = backwards ? run.from : run.to;
        for (int i = 0; i < run.count; ++i)
            rows[static_cast<size_t>(to + i)] = std::move(*next++);
    }
}
void forward(const Change::MovedRows& piece, Rows& rows) { moveRuns(rows, piece.runs, false); }
void backward(const Change::MovedRows& piece, Rows& rows) { moveRuns(rows, piece.runs, true); }

void writeNumbers(const Change::RenumberedRows& piece, Rows& rows, bool backwards)
{
    for (const Change::CountingRun& run : piece.runs) {
        const qint64 start = backwards ? run.beforeStart : run.afterStart;
        for (int i = 0; i < run.count; ++i)
            numberCell(rows, run.first + i) = QString::number(start + i);
    }
    for (const Change::NumberCell& cell : piece.cells)
        numberCell(rows, cell.row) = backwards ? cell.before : cell.after;
}
void forward(const Change::RenumberedRows& piece, Rows& rows) { writeNumbers(piece, rows, false); }
void backward(const Change::RenumberedRows& piece, Rows& rows) { writeNumbers(piece, rows, true); }

// --- Finding the pieces -------------------------------------------------------

Change::MovedRows movedRowsFrom(const std::vector<int>& reorder)
{
    Change::MovedRows moved;
    const int n = static_cast<int>(reorder.size());
    for (int i = 0; i < n;) {
        const int from = reorder[static_cast<size_t>(i)];
        if (from == i) {
            ++i;
            continue;
        }
        Change::MovedRun run{i + 1, from + 1, 1};
        while (i + run.count < n && reorder[static_cast<size_t>(i + run.count)] == from + run.count)
            ++run.count;
        i += run.count;
        moved.runs.push_back(run);
    }
    return moved;
}

template <typename TargetRow>
std::optional<Change::RemovedRows> findRemoval(const Rows& work, const TargetRow& targetRow, int first)
{
    // A delete moves the rows below up by the rows it took out: the row now
    // at `first` stood `taken` rows further down.
    const int rows = static_cast<int>(work.size());
    int taken = 0;
    for (int j = first + 1; j < rows && taken == 0; ++j) {
        if (samePayload(work[static_cast<size_t>(j)], targetRow(first)))
            taken = j - first;
    }
    if (taken == 0)
        return std::nullopt;
    for (int i = first; i + taken < rows; ++i) {
        if (!samePayload(work[static_cast<size_t>(i + taken)], targetRow(i)))
            return std::nullopt;
    }
    for (int i = rows - taken; i < rows; ++i) {
        if (!targetRow(i).isEmpty())
            return std::nullopt;
    }
    return Change::RemovedRows{first, Rows(work.begin() + first, work.begin() + first + taken)};
}

void addNumberChange(Change::RenumberedRows& numbers, int row, const QString& before, const QString& after)
{
    const std::optional<qint64> from = plainNumber(before);
    const std::optional<qint64> to = plainNumber(after);
    if (from && to) {
        if (!numbers.runs.empty()) {
            Change::CountingRun& run = numbers.runs.back();
            if (run.first + run.count == row && run.beforeStart + run.count == *from && run.afterStart + run.count == *to) {
                ++run.count;
                return;
            }
        }
        numbers.runs.push_back({row, 1, *from, *to});
        return;
    }
    numbers.cells.push_back({row, before, after});
}

} // namespace

DocumentChange DocumentChange::between(RecordSheet before, const RecordSheet& after, const std::vector<int>* reorder)
{
    DocumentChange change;
    change.recordCount_.emplace(before.recordCount, after.recordCount);
    Rows& work = before.rows();
    const Rows& target = after.rows();
    const auto take = [&](auto&& piece) {
        forward(piece, work);
        change.pieces_.emplace_back(std::forward<decltype(piece)>(piece));
    };

    if (reorder && reorder->size() + 1 == work.size()) {
        if (MovedRows moved = movedRowsFrom(*reorder); !moved.runs.empty())
            take(std::move(moved));
    }
    const int beforeRows = static_cast<int>(work.size());
    const int afterRows = static_cast<int>(target.size());
    if (afterRows > beforeRows)
        take(ResizedRows{beforeRows, afterRows});

    // Rows past the end of a shrunken sheet compare as empty until the
    // sheet shrinks, last of all.
    const int rows = static_cast<int>(work.size());
    const auto targetRow = [&](int r) -> const SheetRow& {
        return r < afterRows ? target[static_cast<size_t>(r)] : SheetRow::empty();
    };
    int first = 0;
    while (first < rows && samePayload(work[static_cast<size_t>(first)], targetRow(first)))
        ++first;
    if (first < rows) {
        if (std::optional<RemovedRows> removal = findRemoval(work, targetRow, first)) {
            take(std::move(*removal));
        } else {
            int last = rows - 1;
            while (samePayload(work[static_cast<size_t>(last)], targetRow(last)))
                --last;
            ReplacedRows replaced{first, {}, {}};
            for (int r = first; r <= last; ++r) {
                replaced.before.push_back(work[static_cast<size_t>(r)]);
                replaced.after.push_back(targetRow(r));
            }
            take(std::move(replaced));
        }
    }

    RenumberedRows numbers;
    for (int r = 0; r < rows; ++r) {
        const QString& was = work[static_cast<size_t>(r)].texts()[ColNumber];
        const QString& is = targetRow(r).texts()[ColNumber];
        if (!sameText(was, is))
            addNumberChange(numbers, r, was, is);
    }
    // The last pieces need not be played onto `work`: nothing is compared after them.
    if (!numbers.runs.empty() || !numbers.cells.empty())
        change.pieces_.emplace_back(std::move(numbers));
    if (afterRows < beforeRows)
        change.pieces_.emplace_back(ResizedRows{beforeRows, afterRows});
    return change;
}

DocumentChange DocumentChange::companyName(const QString& before, const QString& after)
{
    DocumentChange change;
    change.company_.emplace(before, after);
    return change;
}

void DocumentChange::apply(RecordSheet& sheet, QString& companyName) const
{
    for (const Piece& piece : pieces_)
        std::visit([&](const auto& p) { forward(p, sheet.rows()); }, piece);
    if (recordCount_)
        sheet.recordCount = recordCount_->second;
    if (company_)
        companyName = company_->second;
}

void DocumentChange::revert(RecordSheet& sheet, QString& companyName) const
{
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece)
        std::visit([&](const auto& p) { backward(p, sheet.rows()); }, *piece);
    if (recordCount_)
        sheet.recordCount = recordCount_->first;
    if (company_)
        companyName = company_->first;
}

void DocumentChange::append(DocumentChange&& later)
{
    std::move(later.pieces_.begin(), later.pieces_.end(), std::back_inserter(pieces_));
    const auto chain = [](auto& mine, auto& theirs) {
        if (!theirs)
            return;
        if (mine)
            mine->second = std::move(theirs->second);
        else
            mine = std::move(theirs);
    };
    chain(company_, later.company_);
    chain(recordCount_, later.recordCount_);
}

namespace {

size_t bytesOf(const QString& text) { return text.isEmpty() ? 0 : 24 + size_t(text.size()) * 2; }

size_t bytesOf(const Rows& rows)
{
    size_t bytes = rows.capacity() * sizeof(SheetRow);
    for (const SheetRow& row : rows) {
        bytes += sizeof(Record);
        for (const QString& cell : row.texts())
            bytes += bytesOf(cell);
    }
    return bytes;
}

size_t bytesOf(const Change::ResizedRows&) { return 0; }
size_t bytesOf(const Change::ReplacedRows& piece) { return bytesOf(piece.before) + bytesOf(piece.after); }
size_t bytesOf(const Change::RemovedRows& piece) { return bytesOf(piece.removed); }
size_t bytesOf(const Change::MovedRows& piece) { return piece.runs.capacity() * sizeof(Change::MovedRun); }
size_t bytesOf(const Change::RenumberedRows& piece)
{
    size_t bytes = piece.runs.capacity() * sizeof(Change::CountingRun) + piece.cells.capacity() * sizeof(Change::NumberCell);
    for (const Change::NumberCell& cell : piece.cells)
        bytes += bytesOf(cell.before) + bytesOf(cell.after);
    return bytes;
}

} // namespace

size_t DocumentChange::approximateBytes() const
{
    size_t bytes = sizeof(*this) + pieces_.capacity() * sizeof(Piece);
    for (const Piece& piece : pieces_)
        bytes += std::visit([](const auto& p) { return bytesOf(p); }, piece);
    if (company_)
        bytes += bytesOf(company_->first) + bytesOf(company_->second);
    return bytes;
}
