#pragma once

#include "Workbook.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Handing a finished workbook to the user: it is written under a clear name
// into a fresh private folder, then opened in the spreadsheet application.
namespace WorkbookHandOff {

inline constexpr auto kTemplateFileName = u"入力用帳票.xlsx";
inline constexpr auto kTypeAFileName = u"ケーブル名板A.xlsx";
inline constexpr auto kTypeBFileName = u"ケーブル名板B.xlsx";

// Writes the workbook that build makes into a new folder of its own (mode
// 0700) under the system's temporary folder, kept after the program ends
// because the spreadsheet application still holds the file. The workbook is
// written while build makes it, page by page, so that it never has to be
// held whole; tick is called while the file is closed. Returns the file's
// path; throws Failure.
QString buildInPrivateFolder(const QString& fileName, const std::function<void(Workbook&)>& build,
                             const std::function<void()>& tick = {});

// A program and its arguments.
struct Command {
    QString program;
    QStringList arguments;
    friend bool operator==(const Command&, const Command&) = default;
};

// LibreOffice, when installed, opens the file as a new untitled document
// (-n), so the user's save never overwrites the temporary file unasked.
// findExecutable returns a program's full path, or empty when it is not installed.
std::optional<Command> spreadsheetCommandFor(const QString& path,
                                             const std::function<QString(const QString&)>& findExecutable);

QString cannotOpenMessage(const QString& path);

} // namespace WorkbookHandOff

// Opens a written workbook for the user. Tests put a fake in its place so
// that no application is ever started.
class WorkbookOpener {
public:
    virtual ~WorkbookOpener() = default;
    // False when nothing could be started to open the file.
    virtual bool open(const QString& path) = 0;
};
