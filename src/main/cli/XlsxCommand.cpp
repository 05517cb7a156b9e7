// tagrio-cli xlsx: the spreadsheet outputs written to a file instead of being
// handed to the spreadsheet application.
#include "CliCommand.h"
#include "CliContext.h"
#include "sheet/Failure.h"
#include "spreadsheet/TemplateSheet.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/XlsxWriter.h"

#include <cstdio>

namespace {

void requireRecords(const CliContext& context)
{
    if (context.sheet.outputRecordCount() <= 0)
        throw Failure(QStringLiteral("出力するレコードがありません。"));
}

int runXlsx(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 1, 2);
    const QString kind = args.positional[0];
    const QString recordFile = args.positional.value(1);
    const QString output = requireOutput(args);
    if (kind != u"template" && recordFile.isEmpty())
        throw UsageError("xlsx " + kind.toStdString() + " needs a record file");

    const CliContext context = CliContext::from(args, recordFile);
    const bool typeB = kind == u"b-trunk" || kind == u"b-branch";
    if (kind != u"template" && kind != u"a" && !typeB)
        throw UsageError("xlsx KIND must be template, a, b-trunk or b-branch");
    if (kind != u"template")
        requireRecords(context);

    const ProgressStep noProgress = [] {};
    Workbook workbook;
    XlsxWriter::StreamingWrite file(workbook, output);
    QString notice;
    if (kind == u"template") {
        TemplateSheet::build(workbook, context.settings.companyName(), context.today, noProgress);
    } else if (kind == u"a") {
        TypeASheet::build(workbook, context.sheet, context.settings, noProgress);
    } else {
        const auto size = kind == u"b-trunk" ? PlateSize::Trunk : PlateSize::Branch;
        TypeBSheet::build(workbook, context.sheet, args.option(QStringLiteral("no-box"), QStringLiteral("No.")), size,
                          noProgress);
        if (const int sheets = TypeBSheet::sheetCount(context.sheet.outputRecordCount()); sheets > 1)
            notice = QStringLiteral("%1 pages: written on %2 sheets of at most %3 pages each")
                         .arg(TypeBSheet::pageCount(context.sheet.outputRecordCount()))
                         .arg(sheets)
                         .arg(TypeBSheet::kMaxPagesPerSheet);
    }

    file.finish();
    out << output << '\n';
    if (!notice.isEmpty()) {
        QTextStream err(stderr);
        err << notice << '\n';
    }
    return 0;
}

const CliRegistration registerXlsx{
    {50, "xlsx", "xlsx template|a|b-trunk|b-branch [FILE] -o OUT [--no-box TEXT]", runXlsx}};

} // namespace
