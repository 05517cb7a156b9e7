#include "CliOutputOptions.h"

#include "sheet/Failure.h"

#include <array>
#include <cmath>

namespace {

int wholeNumberOf(const CliCommandLine& line, const QString& name, int fallback)
{
    const auto text = line.value(name);
    if (!text)
        return fallback;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok)
        throw Failure(u"--%1 には整数を指定してください（指定: %2）"_qs.arg(name, *text));
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

QString optionOf(ChoiceProblem::Part part)
{
    switch (part) {
    case ChoiceProblem::Part::Start:
        return QStringLiteral("--start");
    case ChoiceProblem::Part::Records:
        return QStringLiteral("--records");
    case ChoiceProblem::Part::Copies:
        return QStringLiteral("--copies");
    }
    return {};
}

} // namespace

OutputOptions outputOptionsOf(const CliCommandLine& line, const RecordDocument& document)
{
    OutputOptions options;
    options.order = line.textOrder();
    options.captions = document.settings();
    options.noBoxText = line.noBoxText();
    options.stock.startPosition = wholeNumberOf(line, QStringLiteral("start"), 1);
    options.stock.copies = wholeNumberOf(line, QStringLiteral("copies"), 1);
    if (const auto list = line.value(QStringLiteral("records"))) {
        options.stock.records = LabelStockChoice::Records::Listed;
        options.stock.list = *list;
    }
    options.adjustment = [adjustment = pageAdjustmentOf(line)] { return adjustment; };
    return options;
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

std::unique_ptr<PlatePrint> platesOf(const OutputOptions& options, const RecordSheet& sheet, PlateKind kind)
{
    auto plates = platesFor(options, sheet, kind);
    if (const ChoiceProblem* problem = std::get_if<ChoiceProblem>(&plates))
        throw Failure(optionOf(problem->part) + u": "_qs + problem->message);
    return std::move(std::get<std::unique_ptr<PlatePrint>>(plates));
}

PlateKind plateKindOf(OutputKind kind)
{
    if (kind == OutputKind::TypeA)
        return PlateKind::TypeA;
    return kind == OutputKind::TypeBTrunk ? PlateKind::TypeBTrunk : PlateKind::TypeBBranch;
}
