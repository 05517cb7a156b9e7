#pragma once

#include "RecordSheet.h"

#include <QDateTime>
#include <QString>

#include <vector>

// Recovery copies of unsaved record lists: per process a record file
// tagrio-<pid>.kav and beside it tagrio-<pid>.json naming the record file the
// list came from, the process and when the copy was written. A copy whose
// process has ended is what a crash left behind.
namespace RecoveryFiles {

struct Copy {
    QString recordPath;
    QString infoPath;
    QString originalPath; // empty for a list that was never saved; written as an absolute path
    qint64 pid = 0;
    QDateTime writtenAt;
};

// recovery/ under the user's application data folder.
QString defaultFolder();

Copy copyFor(const QString& folder, qint64 pid);

// Writes both files atomically, the record file first. Throws Failure.
void write(const Copy& copy, const QString& companyName, const RecordSheet& sheet);
void remove(const Copy& copy);

// A description is a few hundred bytes; a larger file is none of ours and
// is never read past this.
inline constexpr qint64 kMaxDescriptionSize = 64 * 1024;

// The copies in folder whose writing process is no longer running, oldest
// first. Descriptions that cannot be read or are too large are skipped.
std::vector<Copy> leftBehind(const QString& folder);

} // namespace RecoveryFiles
