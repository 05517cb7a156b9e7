// How long writing a workbook goes without calling back to the window: the
// workbook is built and written as the spreadsheet buttons do it, with their
// progress steps and repaint ticks.
//   bench_spreadsheet a|b-trunk|b-branch FILE OUT.xlsx
// Prints "time_ms=T peak_kb=K" with T the longest stretch between two call
// backs, from the start to the finished file.
#include "BenchSupport.h"
#include "sheet/RecordFile.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/XlsxWriter.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_spreadsheet a|b-trunk|b-branch FILE OUT.xlsx\n");
        return 2;
    }
    QString company;
    RecordSheet sheet;
    RecordFile::load(args[1], company, sheet);

    PauseClock clock;
    const ProgressStep step = [&clock] { clock.beat(); };
    Workbook workbook;
    XlsxWriter::StreamingWrite file(workbook, args[2]);
    if (args[0] == u"a")
        TypeASheet::build(workbook, sheet, Settings::defaults(), step);
    else
        TypeBSheet::build(workbook, sheet, QStringLiteral("No."),
                          args[0] == u"b-trunk" ? PlateSize::Trunk : PlateSize::Branch, step);
    file.finish(step);
    report(clock.longestMilliseconds());
    return 0;
}
