// Record file and editing benchmarks: one operation per process, so that the
// peak memory reported belongs to that operation.
//   bench_records generate RECORDS ROWS FILE
//   bench_records load FILE | save FILE | paste RECORDS
//   bench_records undo-steps FILE     100 recorded steps of paste and delete
//   bench_records autosave-snapshot FILE | autosave-write FILE
#include "BenchSupport.h"
#include "RealisticRecords.h"
#include "sheet/RecordDocument.h"
#include "sheet/RecordFile.h"
#include "sheet/RecoveryFiles.h"
#include "sheet/SheetEditing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <deque>
#include <malloc.h>

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
    if (mode == u"undo-steps" && args.size() == 2) {
        // The history keeps 100 steps, as the window's does. Besides the
        // peak: steps_kb is what the steps hold themselves, held_kb how much
        // more is resident after the edits than after loading (the edited
        // list, its steps, and the list as last saved, which the
        // unsaved-changes check compares with), peak_over_kb how far the
        // peak rose above the loaded sheet's.
        RecordDocument document;
        document.open(args[1]);
        document.setRecordingSteps(true); // as the window does
        const long loadedPeakKb = peakKilobytes();
        // Trimmed first, so that freed blocks the heap keeps do not count.
        malloc_trim(0);
        const long loadedKb = residentKilobytes();
        std::deque<std::shared_ptr<const DocumentChange>> steps;
        QObject::connect(&document, &RecordDocument::stepRecorded, [&](std::shared_ptr<const DocumentChange> step) {
            steps.push_back(std::move(step));
            if (steps.size() > 100)
                steps.pop_front();
        });
        const auto yes = [](const QString&) { return true; };
        const double ms = millisecondsOf([&] {
            for (int i = 0; i < 100; ++i) {
                const int row = 1 + (i * 997) % (document.sheet().rowCount() - 2);
                if (i % 2 == 0) {
                    const auto step = document.groupSteps();
                    document.pasteText(row, QStringLiteral("%1\t貼り付け%2\r\n\t番号なし\r\n").arg(row).arg(i));
                    document.sortRecords();
                    document.renumberRecords();
                } else {
                    int up = row + 2;
                    document.deleteRows(row, up, yes);
                }
            }
        });
        size_t bytes = 0;
        for (const auto& step : steps)
            bytes += step->approximateBytes();
        report(ms);
        malloc_trim(0);
        std::printf("steps=%zu steps_kb=%zu held_kb=%ld peak_over_kb=%ld\n", steps.size(), bytes / 1024,
                    residentKilobytes() - loadedKb, peakKilobytes() - loadedPeakKb);
        return steps.size() == 100 ? 0 : 1;
    }
    if ((mode == u"autosave-snapshot" || mode == u"autosave-write") && args.size() == 2) {
        // The interface thread's part of an autosave is the copy of the sheet
        // (its texts are shared); the worker's part is the write.
        RecordDocument document;
        document.open(args[1]);
        QTemporaryDir dir;
        RecoveryFiles::Copy copy = RecoveryFiles::copyFor(dir.path(), QCoreApplication::applicationPid());
        copy.originalPath = args[1];
        if (mode == u"autosave-snapshot") {
            RecordSheet snapshot;
            report(millisecondsOf([&] { snapshot = document.sheet(); }));
            return snapshot.rowCount() == document.sheet().rowCount() ? 0 : 1;
        }
        const RecordSheet snapshot = document.sheet();
        report(millisecondsOf([&] { RecoveryFiles::write(copy, document.companyName(), snapshot); }));
        return QFile::exists(copy.recordPath) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: bench_records generate RECORDS ROWS FILE | load FILE | save FILE | paste RECORDS | undo-steps FILE | autosave-snapshot FILE | autosave-write FILE\n");
    return 2;
}
