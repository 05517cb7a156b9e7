// tagrio-cli xlsx: the spreadsheet outputs written to a file instead of being
// handed to the spreadsheet application.
#include "CliCommandRuns.h"
#include "sheet/Failure.h"
#include "spreadsheet/TemplateSheet.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
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
    const RecordSheet& sheet = document->sheet();
    if (kind != OutputKind::Template && sheet.outputRecordCount() <= 0)
        throw Failure(QStringLiteral("出力するレコードがありません。"));

    const ProgressStep noProgress = [] {};
    Workbook workbook;
    XlsxWriter::StreamingWrite file(workbook, output);
    QString notice;
    switch (kind) {
    case OutputKind::Template:
        TemplateSheet::build(workbook, document->settings().companyName(), today, noProgress);
        break;
    case OutputKind::TypeA:
        TypeASheet::build(workbook, sheet, document->settings(), noProgress);
        break;
    case OutputKind::TypeBTrunk:
    case OutputKind::TypeBBranch: {
        const auto size = kind == OutputKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch;
        TypeBSheet::build(workbook, sheet, line.noBoxText(), size, noProgress);
        if (const int sheets = TypeBSheet::sheetCount(sheet.outputRecordCount()); sheets > 1)
            notice = QStringLiteral("%1 pages: written on %2 sheets of at most %3 pages each")
                         .arg(TypeBSheet::pageCount(sheet.outputRecordCount()))
                         .arg(sheets)
                         .arg(TypeBSheet::kMaxPagesPerSheet);
        break;
    }
    }

    file.finish();
    out << output << '\n';
    if (!notice.isEmpty()) {
        QTextStream err(stderr);
        err << notice << '\n';
    }
    return 0;
}
