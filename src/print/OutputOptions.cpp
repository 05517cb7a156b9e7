#include "OutputOptions.h"

#include "TypeAPlates.h"
#include "TypeBPlates.h"

namespace {

std::unique_ptr<PageSource> platesOf(const RecordSheet& sheet, const OutputOptions& options, PlateKind kind,
                                      const PlateSelection& selection)
{
    if (kind == PlateKind::TypeA)
        return std::make_unique<TypeAPlates>(sheet, options.captions, options.order, selection);
    const PlateSize size = kind == PlateKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch;
    return std::make_unique<TypeBPlates>(sheet, size, options.noBoxText, selection);
}

} // namespace

PlateKind plateKindOf(PlateSize size)
{
    return size == PlateSize::Trunk ? PlateKind::TypeBTrunk : PlateKind::TypeBBranch;
}

PlatePrint::PlatePrint(const RecordSheet& sheet, const OutputOptions& options, PlateKind kind,
                       const PlateSelection& selection)
    : sheet_(sheet), kind_(kind), selection_(selection), captions_(options.captions), order_(options.order),
      noBoxText_(options.noBoxText), plates_(platesOf(sheet, options, kind, selection)),
      adjusted_(*plates_, options.adjustment)
{
}

std::vector<OverlongText> PlatePrint::overlongTexts() const
{
    return findOverlongTexts(sheet_, rows(), {kind_, &captions_, order_, noBoxText_});
}

std::variant<std::unique_ptr<PlatePrint>, ChoiceProblem> platesFor(const OutputOptions& options,
                                                                    const RecordSheet& sheet, PlateKind kind)
{
    auto selection = plateSelectionFor(options.stock, sheet, kind);
    if (auto* problem = std::get_if<ChoiceProblem>(&selection))
        return std::move(*problem);
    return std::make_unique<PlatePrint>(sheet, options, kind, std::get<PlateSelection>(selection));
}
