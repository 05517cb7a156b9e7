#include "StockOptions.h"

#include "sheet/Failure.h"

#include <cmath>
#include <numeric>

namespace {

int wholeNumberIn(const CliCommandLine& line, const QString& name, int first, int last, int fallback)
{
    const auto text = line.value(name);
    if (!text)
        return fallback;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < first || value > last)
        throw Failure(u"--%1 には %2 から %3 までの整数を指定してください（指定: %4）"_qs.arg(name).arg(first).arg(last).arg(*text));
    return value;
}

struct Pair {
    double first = 0;
    double second = 0;
};

// "X,Y" with both in [low, high], rounded to tenths (the steps the window offers).
std::optional<Pair> pairIn(const CliCommandLine& line, const QString& name, double low, double high, const QString& unit)
{
    const auto text = line.value(name);
    if (!text)
        return std::nullopt;
    const QStringList parts = text->split(u',');
    const auto fail = [&] {
        return Failure(u"--%1 には %2 から %3 までの数（%4）をコンマで二つ指定してください（指定: %5）"_qs.arg(name)
                           .arg(low)
                           .arg(high)
                           .arg(unit, *text));
    };
    if (parts.size() != 2)
        throw fail();
    std::array<double, 2> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        bool ok = false;
        const double value = parts[static_cast<qsizetype>(i)].trimmed().toDouble(&ok);
        if (!ok || !(value >= low && value <= high))
            throw fail();
        values[i] = std::round(value * 10) / 10;
    }
    return Pair{values[0], values[1]};
}

} // namespace

std::vector<int> selectedRowsOf(const CliCommandLine& line, const RecordSheet& sheet)
{
    const auto list = line.value(QStringLiteral("records"));
    if (!list) {
        std::vector<int> all(static_cast<size_t>(sheet.outputRecordCount()));
        std::iota(all.begin(), all.end(), 1);
        return all;
    }
    const auto rows = rowsOfRecordList(sheet, *list);
    if (!rows)
        throw Failure(u"--records の番号指定が読めません: %1（例: 3-7,12）"_qs.arg(*list));
    if (rows->empty())
        throw Failure(u"--records %1 に当てはまる記録がありません"_qs.arg(*list));
    return *rows;
}

PlateSelection plateSelectionOf(const CliCommandLine& line, const RecordSheet& sheet, PlateKind kind)
{
    PlateSelection selection;
    selection.startPosition = wholeNumberIn(line, QStringLiteral("start"), 1, platesPerPage(kind), 1);
    selection.copies = wholeNumberIn(line, QStringLiteral("copies"), 1, PlateSelection::kMaxCopies, 1);
    if (line.value(QStringLiteral("records")))
        selection.rows = selectedRowsOf(line, sheet);
    return selection;
}

PageAdjustment pageAdjustmentOf(const CliCommandLine& line)
{
    PageAdjustment adjustment;
    const double maxOffset = PageAdjustment::kMaxOffsetMm;
    if (const auto offset = pairIn(line, QStringLiteral("offset"), -maxOffset, maxOffset, u"mm"_qs)) {
        adjustment.offsetXMm = offset->first;
        adjustment.offsetYMm = offset->second;
    }
    if (const auto scale = pairIn(line, QStringLiteral("scale"), PageAdjustment::kMinScalePercent,
                                  PageAdjustment::kMaxScalePercent, u"%"_qs)) {
        adjustment.scaleXPercent = scale->first;
        adjustment.scaleYPercent = scale->second;
    }
    return adjustment;
}
