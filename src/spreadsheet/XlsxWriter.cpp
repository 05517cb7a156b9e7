#include "XlsxWriter.h"

#include "Failure.h"
#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <system_error>
#include <vector>

namespace XlsxWriter {
namespace {

constexpr std::uint8_t kPaperA4 = 9;
constexpr int kRowsPerTick = 2000;
constexpr std::chrono::milliseconds kTickWhileClosing{20};

struct WorkbookDeleter {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookDeleter>;

std::uint8_t alignmentOf(HorizontalAlignment alignment)
{
    switch (alignment) {
    case HorizontalAlignment::General: return LXW_ALIGN_NONE;
    case HorizontalAlignment::Center: return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Justify: return LXW_ALIGN_JUSTIFY;
    case HorizontalAlignment::Distributed: return LXW_ALIGN_DISTRIBUTED;
    }
    return LXW_ALIGN_NONE;
}

std::uint8_t borderOf(const Border& border)
{
    if (!border.isLine())
        return LXW_BORDER_NONE;
    switch (border.weight) {
    case BorderWeight::None: return LXW_BORDER_NONE;
    case BorderWeight::Hairline: return LXW_BORDER_HAIR;
    case BorderWeight::Thin: return LXW_BORDER_THIN;
    case BorderWeight::Medium: return LXW_BORDER_MEDIUM;
    }
    return LXW_BORDER_NONE;
}

// One libxlsxwriter format per distinct cell format, made on first use;
// the default format is written as no format at all.
class FormatCache {
public:
    FormatCache(lxw_workbook* workbook, const FormatTable& table)
        : workbook_(workbook)
        , table_(table)
        , formats_(static_cast<size_t>(table.size()), nullptr)
    {
    }

    lxw_format* operator[](FormatId id)
    {
        if (id == 0)
            return nullptr;
        lxw_format*& made = formats_[id];
        if (!made)
            made = make(table_.format(id));
        return made;
    }

private:
    lxw_format* make(const CellFormat& look)
    {
        lxw_format* format = workbook_add_format(workbook_);
        if (!format)
            throw std::bad_alloc();
        if (look.alignment != HorizontalAlignment::General)
            format_set_align(format, alignmentOf(look.alignment));
        if (look.shrinkToFit)
            format_set_shrink(format);
        if (look.fontSizeTenths)
            format_set_font_size(format, look.fontSizeTenths / 10.0);
        format_set_left(format, borderOf(look.border(Edge::Left)));
        format_set_right(format, borderOf(look.border(Edge::Right)));
        format_set_top(format, borderOf(look.border(Edge::Top)));
        format_set_bottom(format, borderOf(look.border(Edge::Bottom)));
        return format;
    }

    lxw_workbook* workbook_;
    const FormatTable& table_;
    std::vector<lxw_format*> formats_;
};

void check(lxw_error error, const Worksheet& sheet, const CellAddress& cell)
{
    if (error != LXW_NO_ERROR)
        throw Failure(QStringLiteral("シート \"%1\" のセル %2 を書き込めません。%3")
                          .arg(sheet.name(), cell.toA1(), QString::fromUtf8(lxw_strerror(error))));
}

void writeColumns(lxw_worksheet* target, const Worksheet& sheet, FormatCache& formats)
{
    for (const auto& [column, settings] : sheet.columns()) {
        const double width = settings.width.value_or(LXW_DEF_COL_WIDTH);
        const auto index = static_cast<lxw_col_t>(column - 1);
        const FormatId format = settings.fontSize ? settings.defaultFormat : FormatId{0};
        check(worksheet_set_column(target, index, index, width, formats[format]), sheet, {1, column});
    }
}

void writePageSetup(lxw_worksheet* target, const Worksheet& sheet)
{
    worksheet_set_paper(target, kPaperA4);
    if (sheet.fitsOnePageWide())
        worksheet_fit_to_pages(target, 1, 0);
    // libxlsxwriter takes zero-based "break before" indexes ending with 0.
    std::vector<lxw_row_t> rowBreaks;
    for (int row : sheet.rowPageBreaks())
        rowBreaks.push_back(static_cast<lxw_row_t>(row - 1));
    if (!rowBreaks.empty()) {
        rowBreaks.push_back(0);
        check(worksheet_set_h_pagebreaks(target, rowBreaks.data()), sheet, {1, 1});
    }
    std::vector<lxw_col_t> columnBreaks;
    for (int column : sheet.columnPageBreaks())
        columnBreaks.push_back(static_cast<lxw_col_t>(column - 1));
    if (!columnBreaks.empty()) {
        columnBreaks.push_back(0);
        check(worksheet_set_v_pagebreaks(target, columnBreaks.data()), sheet, {1, 1});
    }
}

// libxlsxwriter marks a row's height as set only when it differs from its
// default of 15 points; a set height of exactly 15 would be left for the
// application to size from the row's contents. A nudge far below what a
// file shows keeps it a set height.
double customHeight(double points)
{
    return points == LXW_DEF_ROW_HEIGHT ? points + 1e-9 : points;
}

void writeCell(lxw_worksheet* target, const Worksheet& sheet, int row, const Worksheet::Cell& cell, FormatCache& formats)
{
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(cell.column - 1);
    lxw_format* format = formats[cell.format];
    const CellValue* value = sheet.valueOf(cell);
    lxw_error error = LXW_NO_ERROR;
    if (!value)
        error = worksheet_write_blank(target, r, c, format);
    else if (value->isNumber)
        error = worksheet_write_number(target, r, c, value->text.toDouble(), format);
    else
        error = worksheet_write_string(target, r, c, value->text.toUtf8().constData(), format);
    check(error, sheet, {row, cell.column});
}

// Rows go out strictly in order (the workbook is written with libxlsxwriter's
// constant-memory mode). A merge is registered when its last row comes up:
// libxlsxwriter then only touches that row, and the cells written right after
// give every cell of the area its own format.
void writeSheet(lxw_workbook* workbook, const Worksheet& sheet, FormatCache& formats,
                const std::function<void()>& tick)
{
    lxw_worksheet* target = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    if (!target)
        throw Failure(QStringLiteral("シート \"%1\" を作成できません。").arg(sheet.name()));
    worksheet_ignore_errors(target, LXW_IGNORE_NUMBER_STORED_AS_TEXT, "A1:XFD1048576");
    writeColumns(target, sheet, formats);
    writePageSetup(target, sheet);

    std::vector<CellRange> merges = sheet.merges();
    std::ranges::stable_sort(merges, {}, [](const CellRange& range) { return range.last.row; });
    auto nextMerge = merges.begin();

    const int lastRow = sheet.lastRow();
    for (int row = 1; row <= lastRow; ++row) {
        if (const auto height = sheet.rowHeight(row))
            check(worksheet_set_row(target, static_cast<lxw_row_t>(row - 1), customHeight(*height), nullptr), sheet,
                  {row, 1});
        for (; nextMerge != merges.end() && nextMerge->last.row == row; ++nextMerge) {
            check(worksheet_merge_range(target, static_cast<lxw_row_t>(nextMerge->first.row - 1),
                                        static_cast<lxw_col_t>(nextMerge->first.column - 1),
                                        static_cast<lxw_row_t>(nextMerge->last.row - 1),
                                        static_cast<lxw_col_t>(nextMerge->last.column - 1), "", nullptr),
                  sheet, nextMerge->first);
        }
        for (const Worksheet::Cell& cell : sheet.cellsInRow(row))
            writeCell(target, sheet, row, cell, formats);
        if (tick && row % kRowsPerTick == 0)
            tick();
    }
}

QString reasonFor(lxw_error error)
{
    if (error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE)
        return QStringLiteral("書き込みできないか、容量が足りません。");
    return QString::fromUtf8(lxw_strerror(error));
}

// Closing packs the sheets into the zip file, a third of the whole time for
// a large workbook, with no call back on the way. It runs on a thread of its
// own so that tick goes on being called here meanwhile; nothing else touches
// the workbook until it is closed.
lxw_error closeWhileTicking(lxw_workbook* workbook, const std::function<void()>& tick)
{
    if (!tick)
        return workbook_close(workbook);
    std::future<lxw_error> closing;
    try {
        closing = std::async(std::launch::async, workbook_close, workbook);
    } catch (const std::system_error&) {
        return workbook_close(workbook); // no thread to be had: close without ticking
    }
    while (closing.wait_for(kTickWhileClosing) != std::future_status::ready)
        tick();
    return closing.get();
}

} // namespace

void write(const Workbook& workbook, const QString& path, const std::function<void()>& tick)
{
    // A unique file beside the target, renamed over it once complete.
    const QFileInfo target(path);
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                           + QStringLiteral(".XXXXXX"));
    if (!partial.open())
        throw Failure(FileAccess::cannotCreateMessage(path, partial.errorString()));
    partial.close();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    WorkbookHandle book(workbook_new_opt(QFile::encodeName(partial.fileName()).constData(), &options));
    if (!book)
        throw Failure(FileAccess::cannotCreateMessage(path, reasonFor(LXW_ERROR_MEMORY_MALLOC_FAILED)));

    FormatCache formats(book.get(), workbook.formatTable());
    for (int number = 1; number <= workbook.sheetCount(); ++number)
        writeSheet(book.get(), workbook.sheet(number), formats, tick);

    const lxw_error closed = closeWhileTicking(book.release(), tick);
    if (closed != LXW_NO_ERROR)
        throw Failure(FileAccess::cannotCreateMessage(path, reasonFor(closed)));
    // The unique file was made private; the workbook gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(partial.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(partial.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw Failure(FileAccess::cannotCreateMessage(path, QString::fromLocal8Bit(std::strerror(errno))));
    partial.setAutoRemove(false);
}

} // namespace XlsxWriter
