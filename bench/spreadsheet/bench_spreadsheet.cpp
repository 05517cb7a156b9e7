// The spreadsheet outputs for many records, against a program that calls
// libxlsxwriter directly for the same cells, values, merges and borders.
//   bench_spreadsheet model|direct a|b-trunk RECORDS OUT.xlsx
// Prints "time_ms=T peak_kb=K" for building and writing the workbook.
//   bench_spreadsheet pauses a|b-trunk RECORDS OUT.xlsx
// Builds and writes the workbook as the window does, with its progress steps
// and repaint ticks, and prints the longest stretch between two of them as T.
#include "../BenchSupport.h"
#include "sheet/NameplateTexts.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cstring>
#include <map>
#include <tuple>

namespace {

// One format per look, as a careful direct program would keep them.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}
    // align: 0 none, else LXW_ALIGN_*; borders: LXW_BORDER_* for top, bottom, left, right
    lxw_format* get(int align, bool shrink, int top = 0, int bottom = 0, int left = 0, int right = 0)
    {
        const auto key = std::make_tuple(align, shrink, top, bottom, left, right);
        lxw_format*& format = formats_[key];
        if (!format) {
            format = workbook_add_format(workbook_);
            if (align)
                format_set_align(format, uint8_t(align));
            if (shrink)
                format_set_shrink(format);
            format_set_top(format, uint8_t(top));
            format_set_bottom(format, uint8_t(bottom));
            format_set_left(format, uint8_t(left));
            format_set_right(format, uint8_t(right));
        }
        return format;
    }

private:
    lxw_workbook* workbook_;
    std::map<std::tuple<int, bool, int, int, int, int>, lxw_format*> formats_;
};

void text(lxw_worksheet* sheet, int row, int column, const QString& value, lxw_format* format)
{
    worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), value.toUtf8().constData(), format);
}

void directTypeA(lxw_workbook* workbook, const RecordSheet& records, const Settings& settings)
{
    Formats formats(workbook);
    lxw_format* font9 = workbook_add_format(workbook);
    format_set_font_size(font9, 9);
    const int pages = TypeASheet::pageCount(records.recordCount);
    const int medium = LXW_BORDER_MEDIUM;
    for (TextOrder order : {TextOrder::Standard, TextOrder::FromTo, TextOrder::ToFrom}) {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, textOrderInfo(order).sheetName.toUtf8().constData());
        worksheet_set_column(sheet, 0, 19, 3, nullptr);
        worksheet_set_column(sheet, 20, 20, 1, nullptr);
        worksheet_set_column(sheet, 21, 21, 5, font9);
        worksheet_set_row(sheet, 0, 18.6, nullptr);
        text(sheet, 0, 1, QStringLiteral("【ケーブル名板】"), nullptr);
        text(sheet, 0, 16, QStringLiteral("No.1～No.") + QString::number(records.recordCount), nullptr);
        worksheet_set_row(sheet, 1, 3, nullptr);
        worksheet_set_row(sheet, 2, 3, nullptr);
        int recordRow = 1;
        for (int page = 1; page <= pages; ++page) {
            if (page > 1) {
                const int head = 51 * (page - 1);
                worksheet_set_row(sheet, lxw_row_t(head), 18.6, nullptr);
                worksheet_set_row(sheet, lxw_row_t(head + 1), 3, nullptr);
                worksheet_set_row(sheet, lxw_row_t(head + 2), 3, nullptr);
            }
            for (int plate = 1; plate <= 6; ++plate, ++recordRow) {
                const Record& record = records.recordOrEmpty(recordRow);
                const int t = TypeASheet::plateTopRow(page, plate) - 1;
                const QString lines[6] = {NameplateTexts::routeText(record, order), NameplateTexts::circuitText(record),
                                          record[ColPurpose], record[ColConstructionDate], record[ColConstructor],
                                          record[ColManufactureYear]};
                for (int line = 0; line < 6; ++line) {
                    const int row = t + line;
                    const int top = line == 0 ? medium : 0;
                    const int bottom = line == 5 ? medium : 0;
                    worksheet_set_row(sheet, lxw_row_t(row), 18.6, nullptr);
                    lxw_format* caption = formats.get(LXW_ALIGN_DISTRIBUTED, false, top, bottom);
                    worksheet_merge_range(sheet, lxw_row_t(row), 2, lxw_row_t(row), 5, "", caption);
                    text(sheet, row, 2, settings.caption(line + 1), caption);
                    worksheet_write_blank(sheet, lxw_row_t(row), 1, formats.get(0, false, top, bottom, medium));
                    worksheet_write_blank(sheet, lxw_row_t(row), 19, formats.get(0, false, top, bottom, 0, medium));
                    const bool merged = line == 0 || line == 2 || line == 3;
                    lxw_format* value = formats.get(line == 0 ? 0 : merged ? LXW_ALIGN_JUSTIFY : 0, line == 0, top, bottom);
                    if (merged)
                        worksheet_merge_range(sheet, lxw_row_t(row), 8, lxw_row_t(row), 18, "", value);
                    text(sheet, row, 8, lines[line], value);
                    if (top || bottom) {
                        for (int column : {6, 7})
                            worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), formats.get(0, false, top, bottom));
                        if (!merged)
                            for (int column = 9; column <= 18; ++column)
                                worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), formats.get(0, false, top, bottom));
                    }
                    if (line == 0 && !record[ColNumber].isEmpty())
                        text(sheet, row, 21, QStringLiteral("No.") + record[ColNumber], font9);
                }
                worksheet_set_row(sheet, lxw_row_t(t + 6), 3, nullptr);
                worksheet_set_row(sheet, lxw_row_t(t + 7), 3, nullptr);
            }
        }
    }
}

void directTypeBTrunk(lxw_workbook* workbook, const RecordSheet& records)
{
    Formats formats(workbook);
    lxw_worksheet* sheet = nullptr;
    const int pages = TypeBSheet::pageCount(records.recordCount);
    const double widths[] = {1, 7, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1};
    const double heights[] = {15, 23, 23, 23, 18};
    const int hair = LXW_BORDER_HAIR, thin = LXW_BORDER_THIN, medium = LXW_BORDER_MEDIUM;
    std::vector<lxw_row_t> breaks;
    int recordRow = 1;
    int g = 0;
    for (int page = 0; page < pages; ++page) {
        if (page % TypeBSheet::kMaxPagesPerSheet == 0) {
            if (sheet) {
                breaks.push_back(0);
                worksheet_set_h_pagebreaks(sheet, breaks.data());
            }
            sheet = workbook_add_worksheet(workbook, TypeBSheet::sheetName(page / TypeBSheet::kMaxPagesPerSheet + 1).toUtf8().constData());
            for (int column = 0; column < 17; ++column)
                worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), widths[column], nullptr);
            lxw_col_t columnBreak[] = {17, 0};
            worksheet_set_v_pagebreaks(sheet, columnBreak);
            worksheet_fit_to_pages(sheet, 1, 0);
            worksheet_set_paper(sheet, 9);
            breaks.clear();
            g = 1;
        }
        breaks.push_back(lxw_row_t(g - 1 + 40));
        for (int band = 0; band < 8; ++band, g += 5) {
            // Rows strictly in order, as constant-memory writing needs.
            const Record* plates[3] = {&records.recordOrEmpty(recordRow), &records.recordOrEmpty(recordRow + 1),
                                       &records.recordOrEmpty(recordRow + 2)};
            recordRow += 3;
            const auto cutLines = [&](int row, int bottom) {
                for (int column = 0; column <= 16; ++column) {
                    const bool inPlate = (column >= 3 && column <= 5) || (column >= 8 && column <= 10) || (column >= 13 && column <= 15);
                    if (inPlate)
                        continue;
                    const int left = (column == 2 || column == 7 || column == 12) ? hair : 0;
                    const int right = column == 16 ? hair : 0;
                    if (left || right || bottom)
                        worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), formats.get(0, false, 0, bottom, left, right));
                }
            };
            worksheet_set_row(sheet, lxw_row_t(g - 1), 15.000000001, nullptr);
            cutLines(g - 1, 0);
            for (int line = 0; line < 3; ++line) {
                worksheet_set_row(sheet, lxw_row_t(g + line), heights[line + 1], nullptr);
                const int top = line == 0 ? medium : line == 1 ? thin : 0;
                const int bottom = line == 2 ? medium : 0;
                const int zLeft = line == 0 ? thin : hair;
                const QString labels[3] = {QStringLiteral("No."), QStringLiteral("自"), QStringLiteral("至")};
                const int columns[3][2] = {{ColCircuit, ColCableType}, {ColFrom1, ColFrom2}, {ColTo1, ColTo2}};
                int plate = 0;
                for (int x : {3, 8, 13}) {
                    const Record& record = *plates[plate++];
                    text(sheet, g + line, x, labels[line], formats.get(LXW_ALIGN_CENTER, line == 0, top, bottom, medium));
                    text(sheet, g + line, x + 1, record[columns[line][0]], formats.get(LXW_ALIGN_CENTER, true, top, bottom, hair));
                    text(sheet, g + line, x + 2, record[columns[line][1]], formats.get(LXW_ALIGN_CENTER, true, top, bottom, zLeft, medium));
                }
                cutLines(g + line, 0);
            }
            worksheet_set_row(sheet, lxw_row_t(g + 3), 18, nullptr);
            int plate = 0;
            for (int x : {3, 8, 13}) {
                lxw_format* date = formats.get(LXW_ALIGN_CENTER, true, 0, hair);
                worksheet_merge_range(sheet, lxw_row_t(g + 3), lxw_col_t(x), lxw_row_t(g + 3), lxw_col_t(x + 2), "", date);
                text(sheet, g + 3, x, NameplateTexts::dateLine(*plates[plate++]), date);
            }
            cutLines(g + 3, hair);
        }
    }
    breaks.push_back(0);
    worksheet_set_h_pagebreaks(sheet, breaks.data());
}

int usage()
{
    std::fprintf(stderr, "usage: bench_spreadsheet model|direct|pauses a|b-trunk RECORDS OUT.xlsx\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5)
        return usage();
    const bool direct = std::strcmp(argv[1], "direct") == 0;
    const bool pauses = std::strcmp(argv[1], "pauses") == 0;
    if (!direct && !pauses && std::strcmp(argv[1], "model") != 0)
        return usage();
    const bool typeA = std::strcmp(argv[2], "a") == 0;
    const int count = std::atoi(argv[3]);
    const QString out = QString::fromLocal8Bit(argv[4]);
    const RecordSheet records = realisticSheet(count, count + 1);
    const Settings settings = Settings::defaults();

    // The workbook is written while it is built, as the program does.
    const auto buildAndWrite = [&](const ProgressStep& step) {
        Workbook workbook;
        XlsxWriter::StreamingWrite file(workbook, out);
        if (typeA)
            TypeASheet::build(workbook, records, settings, step);
        else
            TypeBSheet::build(workbook, records, QStringLiteral("No."), PlateSize::Trunk, step);
        file.finish(step);
    };
    if (pauses) {
        PauseClock clock;
        buildAndWrite([&clock] { clock.beat(); });
        report(clock.longestMilliseconds());
        return 0;
    }
    const double ms = millisecondsOf([&] {
        if (direct) {
            lxw_workbook_options options{};
            options.constant_memory = LXW_TRUE;
            lxw_workbook* workbook = workbook_new_opt(argv[4], &options);
            if (typeA)
                directTypeA(workbook, records, settings);
            else
                directTypeBTrunk(workbook, records);
            if (workbook_close(workbook) != LXW_NO_ERROR)
                std::exit(1);
        } else {
            buildAndWrite([] {});
        }
    });
    report(ms);
    return 0;
}
