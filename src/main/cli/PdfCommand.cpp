// tagrio-cli pdf: the direct prints written to a PDF file, through the same
// page painters and print procedure as the window's print buttons.
#include "CliCommandRuns.h"
#include "print/PrinterOutput.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QPrinter>

#include <memory>

namespace {

std::unique_ptr<PageSource> pagesOfKind(OutputKind kind, const RecordDocument& document, const CliCommandLine& line)
{
    if (kind == OutputKind::TypeA)
        return std::make_unique<TypeAPlates>(document.sheet(), document.settings(), line.textOrder());
    const PlateSize size = kind == OutputKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch;
    return std::make_unique<TypeBPlates>(document.sheet(), size, line.noBoxText());
}

} // namespace

int runPdf(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(2, 2);
    const OutputKind kind = line.outputKind(0, {OutputKind::TypeA, OutputKind::TypeBTrunk, OutputKind::TypeBBranch});
    const QString output = line.output();
    const int dpi = line.dpi();
    line.today();
    const auto document = line.document(line.positional[1]);
    const std::unique_ptr<PageSource> pages = pagesOfKind(kind, *document, line);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setResolution(dpi);
    PrinterOutput::setUpPage(printer);
    PrinterOutput::drawDocument(printer, *pages);
    out << output << '\n';
    return 0;
}
