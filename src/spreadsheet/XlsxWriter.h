#pragma once

#include "Workbook.h"

#include <QString>

#include <functional>
#include <memory>

// Writes a Workbook as an .xlsx file with libxlsxwriter: every value, merge,
// alignment, shrink to fit, border, width, height, font size, page break and
// page set-up. Texts stay texts ("001" stays "001", "=1+1" is no formula);
// only numbers set as numbers are written as numbers.
namespace XlsxWriter {

// Writes beside path and renames over it, so a failed write leaves no
// half-written file. tick is called now and then while rows are written, for
// a window that wants to repaint. Throws Failure with the user's message.
void write(const Workbook& workbook, const QString& path, const std::function<void()>& tick = {});

class XlsxFile;

// Writes a workbook while it is being built: the rows its builder finishes
// (Worksheet::finishRowsBefore) go into the file at once and leave the
// workbook, so that a workbook of any length takes about a page of memory.
// finish() writes the rest and puts the file in place, as write() does;
// without it, nothing is left behind.
class StreamingWrite {
public:
    StreamingWrite(Workbook& workbook, const QString& path);
    ~StreamingWrite();
    StreamingWrite(const StreamingWrite&) = delete;
    StreamingWrite& operator=(const StreamingWrite&) = delete;

    void finish(const std::function<void()>& tick = {});

private:
    Workbook& workbook_;
    std::unique_ptr<XlsxFile> file_;
};

} // namespace XlsxWriter
