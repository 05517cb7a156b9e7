#include "CellFormat.h"

#include <stdexcept>

FormatTable::FormatTable()
{
    idOf(CellFormat{});
}

FormatId FormatTable::idOf(const CellFormat& format)
{
    if (const auto found = ids_.find(format); found != ids_.end())
        return found->second;
    // The workbook format itself allows about 64,000 cell formats.
    if (formats_.size() >= 64000)
        throw std::length_error("too many distinct cell formats");
    const auto id = static_cast<FormatId>(formats_.size());
    formats_.push_back(format);
    ids_.emplace(format, id);
    return id;
}

std::size_t FormatTable::Hash::operator()(const CellFormat& format) const
{
    std::uint64_t key = static_cast<std::uint64_t>(format.alignment);
    key = key << 1 | (format.shrinkToFit ? 1 : 0);
    key = key << 16 | format.fontSizeTenths;
    for (const Border& border : format.borders)
        key = key << 4 | static_cast<std::uint64_t>(border.weight) << 2 | static_cast<std::uint64_t>(border.style);
    return std::hash<std::uint64_t>{}(key);
}
