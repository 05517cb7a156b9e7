#include "XlsxWriter.h"

#include "QuietStderr.h"
#include "sheet/Failure.h"
#include "sheet/FileAccess.h"
#include "sheet/FileWrite.h"
#include "sheet/NativeFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace XlsxWriter {
namespace {

constexpr std::uint8_t kPaperA4 = 9;

// The one font of every cell. Column widths are counted in digits of the
// workbook's first font, so this font sets how wide the sheets print. Arial
// 11 has the digit width the plate layouts were drawn for (8 pixels at
// 96 dpi, like the Japanese default font of the platform they come from), and
// every office suite on Linux has a face with its exact metrics (Liberation
// Sans, fonts-liberation2). Japanese texts fall back to the Japanese face of
// the application, as Arial has no Japanese letters.
constexpr char kFontName[] = "Arial";
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
// the default format is written as no format at all. The table may still
// grow while a workbook is written as it is built.
class FormatCache {
public:
    FormatCache(lxw_workbook* workbook, const FormatTable& table)
        : workbook_(workbook)
        , table_(table)
    {
    }

    lxw_format* operator[](FormatId id)
    {
        if (id == 0)
            return nullptr;
        if (formats_.size() <= id)
            formats_.resize(static_cast<size_t>(table_.size()), nullptr);
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
        format_set_font_name(format, kFontName);
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

// libxlsxwriter's own texts are English; the user gets its error number.
QString libraryErrorText(lxw_error error)
{
    return QStringLiteral("ブックを書き出せません（エラー %1）。").arg(static_cast<int>(error));
}

void check(lxw_error error, const Worksheet& sheet, const CellAddress& cell)
{
    if (error != LXW_NO_ERROR)
        throw Failure(QStringLiteral("シート \"%1\" のセル %2 を書き込めません。%3")
                          .arg(sheet.name(), cell.toA1(), libraryErrorText(error)));
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
    const PageSetup& setup = sheet.pageSetup();
    worksheet_set_paper(target, kPaperA4);
    const PageMargins& margins = setup.margins;
    worksheet_set_margins(target, margins.left, margins.right, margins.top, margins.bottom);
    if (setup.centredHorizontally)
        worksheet_center_horizontally(target);
    if (setup.fitPagesWide > 0 || setup.fitPagesTall > 0)
        worksheet_fit_to_pages(target, static_cast<std::uint16_t>(setup.fitPagesWide),
                               static_cast<std::uint16_t>(setup.fitPagesTall));
    if (const auto& area = setup.printArea)
        check(worksheet_print_area(target, static_cast<lxw_row_t>(area->first.row - 1),
                                   static_cast<lxw_col_t>(area->first.column - 1),
                                   static_cast<lxw_row_t>(area->last.row - 1),
                                   static_cast<lxw_col_t>(area->last.column - 1)),
              sheet, area->first);
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

// libxlsxwriter gives no call to change the workbook's first font, which
// column widths are counted in; it belongs to the default format that
// workbook_new_opt() puts first in the list of formats. Fonts are only
// gathered at close, so renaming it here takes effect.
void useWorkbookFont(lxw_workbook* workbook)
{
    lxw_format* defaultFormat = STAILQ_FIRST(workbook->formats);
    if (!defaultFormat)
        throw std::logic_error("workbook without its default format");
    format_set_font_name(defaultFormat, kFontName);
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

// errorNumber is errno as the failing libxlsxwriter call left it: a full
// disk or a refused folder is told as such, whatever step of the packing
// ran into it.
QString reasonFor(lxw_error error, int errorNumber = 0)
{
    const QString libraryText = error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE
                                    ? QStringLiteral("書き込みできないか、容量が足りません。")
                                    : libraryErrorText(error);
    return FileAccess::systemReason(errorNumber, libraryText);
}

// workbook_close's result with errno as it stood right after, taken on the
// thread that closed (errno is the thread's own).
struct Closing {
    lxw_error error;
    int errorNumber;
};

Closing closeKeepingErrno(lxw_workbook* workbook)
{
    errno = 0;
    const lxw_error error = workbook_close(workbook);
    return {error, errno};
}

// Closing packs the sheets into the zip file, a third of the whole time for
// a large workbook, with no call back on the way. It runs on a thread of its
// own so that tick goes on being called here meanwhile; nothing else touches
// the workbook until it is closed.
Closing closeWhileTicking(lxw_workbook* workbook, const std::function<void()>& tick)
{
    const QuietStderr quiet; // the reason comes back as the error, in Japanese
    if (!tick)
        return closeKeepingErrno(workbook);
    std::future<Closing> closing;
    try {
        closing = std::async(std::launch::async, closeKeepingErrno, workbook);
    } catch (const std::system_error&) {
        return closeKeepingErrno(workbook); // no thread to be had: close without ticking
    }
    while (closing.wait_for(kTickWhileClosing) != std::future_status::ready)
        tick();
    return closing.get();
}

} // namespace

// One .xlsx file being written: a unique file beside the target, renamed over
// it once complete, so a failed write leaves no half-written file. Rows go out
// strictly in order (libxlsxwriter's constant-memory mode) as they are
// written; the sheets are added in the workbook's order as their first rows
// come, and the columns and page set-up, kept by libxlsxwriter until the end,
// at finish().
class XlsxFile {
public:
    XlsxFile(const Workbook& workbook, const QString& path)
        : workbook_(workbook)
        , path_(path)
        , partial_(path, FileWrite::Contents::Output)
    {
        const QByteArray narrowPartial = NativeFiles::narrowPathOf(partial_.partialPath());
        if (narrowPartial.isEmpty())
            throw Failure(FileAccess::cannotCreateMessage(
                path, QStringLiteral("フォルダー名に使えない文字があります。")));
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        book_.reset(workbook_new_opt(narrowPartial.constData(), &options));
        if (!book_)
            throw Failure(FileAccess::cannotCreateMessage(path, reasonFor(LXW_ERROR_MEMORY_MALLOC_FAILED)));
        useWorkbookFont(book_.get());
        formats_.emplace(book_.get(), workbook.formatTable());
    }

    // A merge is registered when its last row comes up: libxlsxwriter then
    // only touches that row, and the cells written right after give every
    // cell of the area its own format.
    void writeRows(const Worksheet& sheet, int firstRow, int lastRow, const std::function<void()>& tick)
    {
        lxw_worksheet* target = targetFor(sheet);
        std::vector<CellRange> merges;
        std::ranges::copy_if(sheet.merges(), std::back_inserter(merges), [&](const CellRange& range) {
            return range.last.row >= firstRow && range.last.row <= lastRow;
        });
        std::ranges::stable_sort(merges, {}, [](const CellRange& range) { return range.last.row; });
        auto nextMerge = merges.begin();

        for (int row = firstRow; row <= lastRow; ++row) {
            if (const auto height = sheet.rowHeight(row))
                check(worksheet_set_row(target, static_cast<lxw_row_t>(row - 1), customHeight(*height), nullptr),
                      sheet, {row, 1});
            for (; nextMerge != merges.end() && nextMerge->last.row == row; ++nextMerge) {
                check(worksheet_merge_range(target, static_cast<lxw_row_t>(nextMerge->first.row - 1),
                                            static_cast<lxw_col_t>(nextMerge->first.column - 1),
                                            static_cast<lxw_row_t>(nextMerge->last.row - 1),
                                            static_cast<lxw_col_t>(nextMerge->last.column - 1), "", nullptr),
                      sheet, nextMerge->first);
            }
            for (const Worksheet::Cell& cell : sheet.cellsInRow(row))
                writeCell(target, sheet, row, cell, *formats_);
            if (tick && row % kRowsPerTick == 0)
                tick();
        }
    }

    void finish(const std::function<void()>& tick)
    {
        for (int number = 1; number <= workbook_.sheetCount(); ++number) {
            const Worksheet& sheet = workbook_.sheet(number);
            writeRows(sheet, sheet.firstUnfinishedRow(), sheet.lastRow(), tick);
            const Target& target = targets_[static_cast<size_t>(number - 1)];
            if (target.name != sheet.name())
                throw std::logic_error("worksheet renamed after its first rows were written");
            writeColumns(target.sheet, sheet, *formats_);
            writePageSetup(target.sheet, sheet);
        }

        throwIfRowsWereLost();
        const Closing closed = closeWhileTicking(book_.release(), tick);
        if (closed.error != LXW_NO_ERROR || FileAccess::isOutOfSpace(closed.errorNumber))
            throw Failure(FileAccess::cannotCreateMessage(path_, reasonFor(closed.error, closed.errorNumber)));
        partial_.commit();
    }

private:
    // libxlsxwriter does not check its writes of the rows into each sheet's
    // temporary file: on a full disk the close would report success for a
    // workbook without its rows. The stream's error flag tells.
    void throwIfRowsWereLost() const
    {
        for (const Target& target : targets_) {
            FILE* rows = target.sheet->optimize_tmpfile;
            if (!rows)
                continue;
            errno = 0;
            if (std::fflush(rows) != 0 || std::ferror(rows))
                throw Failure(FileAccess::cannotCreateMessage(path_, reasonFor(LXW_ERROR_CREATING_TMPFILE, errno)));
        }
    }

    // The sheet's libxlsxwriter sheet, added with the sheets before it.
    lxw_worksheet* targetFor(const Worksheet& sheet)
    {
        int number = 1;
        while (&workbook_.sheet(number) != &sheet)
            ++number;
        while (targets_.size() < static_cast<size_t>(number)) {
            const Worksheet& next = workbook_.sheet(static_cast<int>(targets_.size()) + 1);
            lxw_worksheet* target = workbook_add_worksheet(book_.get(), next.name().toUtf8().constData());
            if (!target)
                throw Failure(QStringLiteral("シート \"%1\" を作成できません。").arg(next.name()));
            worksheet_ignore_errors(target, LXW_IGNORE_NUMBER_STORED_AS_TEXT, "A1:XFD1048576");
            targets_.push_back({target, next.name()});
        }
        return targets_[static_cast<size_t>(number - 1)].sheet;
    }

    struct Target {
        lxw_worksheet* sheet;
        QString name; // the name it was added with
    };

    const Workbook& workbook_;
    QString path_;
    FileWrite::Output partial_;
    WorkbookHandle book_;
    std::optional<FormatCache> formats_;
    std::vector<Target> targets_; // the sheets added so far, in order
};

void write(const Workbook& workbook, const QString& path, const std::function<void()>& tick)
{
    XlsxFile(workbook, path).finish(tick);
}

StreamingWrite::StreamingWrite(Workbook& workbook, const QString& path)
    : workbook_(workbook)
    , file_(std::make_unique<XlsxFile>(workbook, path))
{
    workbook_.setFinishedRowsSink(
        [file = file_.get()](const Worksheet& sheet, int firstRow, int lastRow) { file->writeRows(sheet, firstRow, lastRow, {}); });
}

StreamingWrite::~StreamingWrite()
{
    workbook_.setFinishedRowsSink({});
}

void StreamingWrite::finish(const std::function<void()>& tick)
{
    file_->finish(tick);
}

} // namespace XlsxWriter
