#pragma once

#include <QString>

// Qt's PDF engine does not report failed writes: a PDF that ran out of disk
// space ends as if it had been written. A PDF that was written out whole ends
// with its end-of-file marker; one that was cut short does not.
namespace PrinterOutput {

// Nothing for an empty path (a printer, not a file). When the file is cut
// short it is removed and Failure ファイル "%s" を作成できません。%s is
// thrown, naming shownPath (the file the user asked for).
void requireCompletePdf(const QString& path, const QString& shownPath);

} // namespace PrinterOutput
