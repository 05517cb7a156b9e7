#pragma once

#include "Workbook.h"

#include <QString>

#include <functional>

// Writes a Workbook as an .xlsx file with libxlsxwriter: every value, merge,
// alignment, shrink to fit, border, width, height, font size, page break and
// page set-up. Texts stay texts ("001" stays "001", "=1+1" is no formula);
// only numbers set as numbers are written as numbers.
namespace XlsxWriter {

// Writes beside path and renames over it, so a failed write leaves no
// half-written file. tick is called now and then while rows are written, for
// a window that wants to repaint. Throws Failure with the user's message.
void write(const Workbook& workbook, const QString& path, const std::function<void()>& tick = {});

} // namespace XlsxWriter
