// tagrio-cli xlsx: the window's workbook outputs written to a file instead of
// being handed to the spreadsheet application.
#include "CliCommandRuns.h"
#include "sheet/Failure.h"
#include "spreadsheet/WorkbookOutputs.h"
#include "spreadsheet/XlsxWriter.h"

#include <cstdio>

int runXlsx(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 2);
    const OutputKind kind = line.outputKind(
        0, {OutputKind::Template, OutputKind::TypeA, OutputKind::TypeBTrunk, OutputKind::TypeBBranch});
    const QString recordFile = line.positional.value(1);
    const QString output = line.output();
    if (kind != OutputKind::Template && recordFile.isEmpty())
        throw UsageError("xlsx " + line.positional[0].toStdString() + " needs a record file");

    const EraDate today = line.today();
    const auto document = line.document(recordFile);
    const QString noBoxText = line.noBoxText();
    const WorkbookKind workbookKind = kind == OutputKind::Template ? WorkbookKind::Template
        : kind == OutputKind::TypeA                                ? WorkbookKind::TypeA
                                                                   : WorkbookKind::TypeB;
    const PlateSize size = kind == OutputKind::TypeBBranch ? PlateSize::Branch : PlateSize::Trunk;
    const auto made = workbookOutput(workbookKind, document->sheet(), document->settings(), noBoxText, size, today);
    if (!made)
        throw Failure(noRecordsMessage());

    Workbook workbook;
    XlsxWriter::StreamingWrite file(workbook, output);
    made->build(workbook, [] {});
    file.finish();
    out << output << '\n';
    if (!made->notice.isEmpty()) {
        QTextStream err(stderr);
        err << made->notice << '\n';
    }
    return 0;
}
