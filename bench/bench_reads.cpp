// Inputs that once cost seconds and gigabytes to read, made small on disk,
// and the recovery listing over a description blown up to a gigabyte.
//   bench_reads workbook merges|strings|blanks|wide OUT.xlsx   writes the workbook, prints its size
//   bench_reads read FILE                                     reads it as 開く reads a table
//   bench_reads recovery FOLDER                               lists the copies left in FOLDER
// read and recovery print "time_ms=T peak_kb=K" and what came of it.
#include "BenchSupport.h"
#include "HostileWorkbooks.h"
#include "sheet/Failure.h"
#include "sheet/RecoveryFiles.h"
#include "spreadsheet/TableFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

int writeWorkbook(const QString& kind, const QString& path)
{
    if (kind == u"merges")
        HostileWorkbooks::mergeBomb(path, 200000, 100000);
    else if (kind == u"strings")
        HostileWorkbooks::sharedStringBomb(path, 40000000);
    else if (kind == u"blanks")
        HostileWorkbooks::blankPadding(path, 190);
    else if (kind == u"wide")
        HostileWorkbooks::wideTable(path, 99999, 50);
    else
        return 2;
    std::printf("%s: %lld bytes\n", qPrintable(path), static_cast<long long>(QFileInfo(path).size()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == u"workbook")
        return writeWorkbook(args[1], args[2]);
    if (args.size() == 2 && args[0] == u"read") {
        qsizetype rows = 0;
        bool refused = false;
        const double ms = millisecondsOf([&] {
            try {
                rows = static_cast<qsizetype>(TableFile::read(args[1]).rows.size());
            } catch (const Failure&) {
                refused = true;
            }
        });
        report(ms);
        std::printf("rows=%lld refused=%d\n", static_cast<long long>(rows), refused ? 1 : 0);
        return 0;
    }
    if (args.size() == 2 && args[0] == u"recovery") {
        size_t offered = 0;
        const double ms = millisecondsOf([&] { offered = RecoveryFiles::leftBehind(args[1]).size(); });
        report(ms);
        std::printf("offered=%zu\n", offered);
        return 0;
    }
    std::fprintf(stderr, "usage: bench_reads workbook merges|strings|blanks|wide OUT.xlsx | read FILE | recovery FOLDER\n");
    return 2;
}
