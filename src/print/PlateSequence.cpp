#include "PlateSequence.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <set>

namespace {

struct NumberRange {
    int first = 0;
    int last = 0;
};

std::optional<std::vector<NumberRange>> parseRanges(const QString& list)
{
    // NFKC turns full-width digits, commas and hyphens into ASCII ones.
    const QString normal = list.normalized(QString::NormalizationForm_KC).remove(u' ');
    static const QRegularExpression item(QStringLiteral("^(\\d{1,6})(?:-(\\d{1,6}))?$"));
    std::vector<NumberRange> ranges;
    for (const QString& part : normal.split(u',')) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch())
            return std::nullopt;
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (first > last)
            return std::nullopt;
        ranges.push_back({first, last});
    }
    return ranges;
}

} // namespace

std::optional<std::vector<int>> rowsOfRecordList(const RecordSheet& sheet, const QString& list)
{
    const auto ranges = parseRanges(list);
    if (!ranges)
        return std::nullopt;
    std::vector<int> rows;
    std::set<int> taken;
    for (const NumberRange& range : *ranges) {
        for (int r = 1; r <= sheet.outputRecordCount(); ++r) {
            bool isNumber = false;
            const int number = sheet.cell(ColNumber, r).toInt(&isNumber);
            if (isNumber && number >= range.first && number <= range.last && taken.insert(r).second)
                rows.push_back(r);
        }
    }
    return rows;
}

std::vector<int> numbersNamingNoRecord(const RecordSheet& sheet, const QString& list)
{
    const auto ranges = parseRanges(list);
    if (!ranges)
        return {};
    std::set<int> numbers;
    for (int r = 1; r <= sheet.outputRecordCount(); ++r) {
        bool isNumber = false;
        const int number = sheet.cell(ColNumber, r).toInt(&isNumber);
        if (isNumber)
            numbers.insert(number);
    }
    std::vector<int> missing;
    for (const NumberRange& range : *ranges) {
        for (const int end : {range.first, range.last}) {
            if (!numbers.contains(end) && std::find(missing.begin(), missing.end(), end) == missing.end())
                missing.push_back(end);
        }
    }
    return missing;
}

PlateSequence::PlateSequence(const RecordSheet& sheet, int platesPerPage, const PlateSelection& selection)
    : platesPerPage_(platesPerPage), numbersTrailingPlates_(selection.isDefault()),
      blankCount_(std::clamp(selection.startPosition, 1, platesPerPage) - 1)
{
    std::vector<int> rows;
    if (selection.rows) {
        rows = *selection.rows;
    } else {
        rows.resize(static_cast<size_t>(sheet.outputRecordCount()));
        std::iota(rows.begin(), rows.end(), 1);
    }
    const int copies = std::max(selection.copies, 1);
    for (int row : rows)
        printedRows_.insert(printedRows_.end(), static_cast<size_t>(copies), row);
}

int PlateSequence::pageCount() const
{
    if (printedRows_.empty())
        return 0;
    const int used = blankCount_ + static_cast<int>(printedRows_.size());
    return (used + platesPerPage_ - 1) / platesPerPage_;
}

PlateSequence::Slot PlateSequence::slot(int page, int position) const
{
    const int index = (page - 1) * platesPerPage_ + position - 1;
    if (index < blankCount_)
        return {true, 0};
    const int printed = index - blankCount_;
    if (printed < static_cast<int>(printedRows_.size()))
        return {false, printedRows_[static_cast<size_t>(printed)]};
    // A print on label stock leaves the rest of its last sheet blank for the next print.
    if (!numbersTrailingPlates_)
        return {true, 0};
    const int lastRow = printedRows_.empty() ? 0 : printedRows_.back();
    return {false, lastRow + printed - static_cast<int>(printedRows_.size()) + 1};
}
