#pragma once

#include "RecordingSurface.h"
#include "print/PageSource.h"
#include "sheet/RecordSheet.h"

#include <QPoint>
#include <QString>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <utility>
#include <vector>

// Readable values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << '(' << p.x() << ", " << p.y() << ')'; }

// A text as a page places it, in layout units.
struct PlacedText {
    QString text;
    QPoint at;
    int points = 0;
    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};
inline void PrintTo(const PlacedText& t, std::ostream* os)
{
    *os << '"' << t.text.toStdString() << "\" at (" << t.at.x() << ", " << t.at.y() << ") " << t.points << "pt";
}

// A line as a page draws it, in layout units.
struct PlacedLine {
    QPoint from;
    QPoint to;
    int pen = 0;
    friend bool operator==(const PlacedLine&, const PlacedLine&) = default;
};
inline void PrintTo(const PlacedLine& l, std::ostream* os)
{
    *os << '(' << l.from.x() << ", " << l.from.y() << ")-(" << l.to.x() << ", " << l.to.y() << ") pen " << l.pen;
}

// One page drawn on a recording surface, copied out.
struct RecordedPage {
    std::vector<SurfaceText> texts;
    std::vector<SurfaceLine> lines;
    std::vector<RecordingSurface::Step> steps;

    std::vector<PlacedText> placedTexts() const
    {
        std::vector<PlacedText> placed;
        for (const SurfaceText& t : texts)
            placed.push_back({t.text, t.layout, t.points});
        return placed;
    }
    std::vector<PlacedLine> placedLines() const
    {
        std::vector<PlacedLine> placed;
        for (const SurfaceLine& l : lines)
            placed.push_back({l.from, l.to, l.penDots});
        return placed;
    }
    // Every text with exactly this content.
    std::vector<SurfaceText> textsOf(const QString& text) const
    {
        std::vector<SurfaceText> found;
        for (const SurfaceText& t : texts) {
            if (t.text == text)
                found.push_back(t);
        }
        return found;
    }
};

inline RecordedPage recordPage(const PageSource& pages, int page, LayoutFactors factors = {})
{
    RecordingSurface surface(factors);
    pages.drawPage(surface, page);
    return {surface.texts(), surface.lines(), surface.steps()};
}

using RecordFields = std::initializer_list<std::pair<Column, QString>>;

inline Record makeRecord(RecordFields fields)
{
    Record record;
    for (const auto& [column, text] : fields)
        record[column] = text;
    return record;
}

// A sheet whose rows 1.. hold the records, numbered, with st1_count set.
inline RecordSheet sheetOf(const std::vector<Record>& records)
{
    RecordSheet sheet;
    sheet.setRowCount(std::max(sheet.rowCount(), static_cast<int>(records.size()) + 1));
    for (size_t i = 0; i < records.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        sheet.editRow(row) = records[i];
        sheet.setCell(ColNumber, row, QString::number(row));
    }
    sheet.recordCount = static_cast<int>(records.size());
    return sheet;
}

// `count` records, each naming its own row in column 1 ("R1", "R2", ...).
inline RecordSheet numberedSheet(int count)
{
    std::vector<Record> records;
    for (int r = 1; r <= count; ++r)
        records.push_back(makeRecord({{ColFrom1, QStringLiteral("R") + QString::number(r)}}));
    return sheetOf(records);
}
