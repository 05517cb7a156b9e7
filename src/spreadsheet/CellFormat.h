#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// Horizontal alignment by the spreadsheet application's own numbers.
enum class HorizontalAlignment : std::uint8_t { General = 1, Center = 3, Justify = 6, Distributed = 8 };

// Border weight by the application's numbers; None means no line.
enum class BorderWeight : std::uint8_t { None = 0, Hairline = 1, Thin = 2, Medium = 3 };
enum class LineStyle : std::uint8_t { None = 0, Continuous = 1 };

// The outer edges of a range, numbered as the application numbers them.
enum class Edge : std::uint8_t { Left = 1, Right = 2, Top = 3, Bottom = 4 };

struct Border {
    BorderWeight weight = BorderWeight::None;
    LineStyle style = LineStyle::None;

    bool isLine() const { return weight != BorderWeight::None && style != LineStyle::None; }
    friend bool operator==(const Border&, const Border&) = default;
};

// Everything a cell's look is made of. Small and comparable, so equal looks
// share one entry in the FormatTable and one format in the written file.
struct CellFormat {
    HorizontalAlignment alignment = HorizontalAlignment::General;
    bool shrinkToFit = false;
    std::uint16_t fontSizeTenths = 0; // 0: the workbook's default size
    std::array<Border, 4> borders{};  // indexed by edgeIndex()

    static constexpr int edgeIndex(Edge edge) { return static_cast<int>(edge) - 1; }
    const Border& border(Edge edge) const { return borders[edgeIndex(edge)]; }
    Border& border(Edge edge) { return borders[edgeIndex(edge)]; }

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

using FormatId = std::uint16_t;

// Interns cell formats: a cell stores a two-byte id instead of the format.
// Id 0 is always the default format.
class FormatTable {
public:
    FormatTable();

    FormatId idOf(const CellFormat& format);
    const CellFormat& format(FormatId id) const { return formats_[id]; }
    int size() const { return static_cast<int>(formats_.size()); }

private:
    struct Hash {
        std::size_t operator()(const CellFormat& format) const;
    };
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, FormatId, Hash> ids_;
};
