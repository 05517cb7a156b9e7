// tagrio-cli pdf: the direct prints written to a PDF file, through the same
// page painters and print procedure as the window's print buttons.
#include "CliCommand.h"
#include "CliContext.h"
#include "print/PrinterOutput.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QPrinter>

#include <memory>

namespace {

std::unique_ptr<PageSource> pagesOfKind(const QString& kind, const CliContext& context, const CliArguments& args)
{
    const QString noBox = args.option(QStringLiteral("no-box"), QStringLiteral("No."));
    if (kind == u"a")
        return std::make_unique<TypeAPlates>(context.sheet, context.settings, textOrderOption(args));
    if (kind == u"b-trunk")
        return std::make_unique<TypeBPlates>(context.sheet, PlateSize::Trunk, noBox);
    if (kind == u"b-branch")
        return std::make_unique<TypeBPlates>(context.sheet, PlateSize::Branch, noBox);
    throw UsageError("pdf KIND must be a, b-trunk or b-branch");
}

int runPdf(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 2, 2);
    const QString output = requireOutput(args);
    const int dpi = args.intOption(QStringLiteral("dpi"), 1200);
    const CliContext context = CliContext::from(args, args.positional[1]);
    const std::unique_ptr<PageSource> pages = pagesOfKind(args.positional[0], context, args);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setResolution(dpi);
    PrinterOutput::setUpPage(printer);
    PrinterOutput::drawDocument(printer, *pages);
    out << output << '\n';
    return 0;
}

const CliRegistration registerPdf{
    {60, "pdf", "pdf a|b-trunk|b-branch FILE -o OUT [--order O] [--no-box TEXT] [--dpi N]", runPdf}};

} // namespace
