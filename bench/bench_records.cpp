// Record file and editing benchmarks: one operation per process, so that the
// peak memory reported belongs to that operation.
//   bench_records generate RECORDS ROWS FILE
//   bench_records load FILE | save FILE | paste RECORDS
#include "BenchSupport.h"
#include "RealisticRecords.h"
#include "sheet/RecordFile.h"
#include "sheet/SheetEditing.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == u"generate" && args.size() == 4) {
        RecordFile::save(args[3], u"タグリオ電設株式会社"_qs, realisticSheet(args[1].toInt(), args[2].toInt()));
        return 0;
    }
    if (mode == u"load" && args.size() == 2) {
        QString company;
        RecordSheet sheet;
        report(millisecondsOf([&] { RecordFile::load(args[1], company, sheet); }));
        return sheet.rowCount() > 1 ? 0 : 1;
    }
    if (mode == u"save" && args.size() == 2) {
        QString company;
        RecordSheet sheet;
        RecordFile::load(args[1], company, sheet);
        QTemporaryDir dir;
        report(millisecondsOf([&] { RecordFile::save(dir.filePath(u"out.kav"_qs), company, sheet); }));
        return 0;
    }
    if (mode == u"paste" && args.size() == 2) {
        const QString clipboard = realisticClipboard(args[1].toInt());
        RecordSheet sheet;
        report(millisecondsOf([&] {
            SheetEditing::paste(sheet, 1, clipboard);
            SheetEditing::sort(sheet);
            renumber(sheet);
        }));
        return sheet.recordCount == args[1].toInt() ? 0 : 1;
    }
    std::fprintf(stderr, "usage: bench_records generate RECORDS ROWS FILE | load FILE | save FILE | paste RECORDS\n");
    return 2;
}
