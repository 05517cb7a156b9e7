// tagrio-cli pdf: the direct prints written to a PDF file, through the same
// page painters and print procedure as the window's print buttons.
#include "CliCommandRuns.h"
#include "StockOptions.h"
#include "print/AdjustedPages.h"
#include "print/CalibrationPage.h"
#include "print/PrinterOutput.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QPrinter>

#include <array>
#include <memory>

namespace {

struct CalibrationName {
    const char16_t* name;
    PlateKind kind;
};
constexpr std::array kCalibrationNames = {
    CalibrationName{u"calibration-a", PlateKind::TypeA},
    CalibrationName{u"calibration-b-trunk", PlateKind::TypeBTrunk},
    CalibrationName{u"calibration-b-branch", PlateKind::TypeBBranch},
};

std::optional<PlateKind> calibrationKind(const QString& name)
{
    for (const CalibrationName& known : kCalibrationNames) {
        if (name == QStringView(known.name))
            return known.kind;
    }
    return std::nullopt;
}

PlateKind plateKindOf(OutputKind kind)
{
    if (kind == OutputKind::TypeA)
        return PlateKind::TypeA;
    return kind == OutputKind::TypeBTrunk ? PlateKind::TypeBTrunk : PlateKind::TypeBBranch;
}

std::unique_ptr<PageSource> pagesOfKind(OutputKind kind, const RecordDocument& document, const CliCommandLine& line)
{
    const PlateSelection selection = plateSelectionOf(line, document.sheet(), plateKindOf(kind));
    if (kind == OutputKind::TypeA)
        return std::make_unique<TypeAPlates>(document.sheet(), document.settings(), line.textOrder(), selection);
    const PlateSize size = kind == OutputKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch;
    return std::make_unique<TypeBPlates>(document.sheet(), size, line.noBoxText(), selection);
}

void writePdf(const QString& output, int dpi, const PageSource& pages, const PageAdjustment& adjustment)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setResolution(dpi);
    PrinterOutput::setUpPage(printer);
    PrinterOutput::drawDocument(printer, AdjustedPages(pages, [adjustment] { return adjustment; }));
}

} // namespace

int runPdf(const CliCommandLine& line, QTextStream& out)
{
    const std::optional<PlateKind> calibration = calibrationKind(line.positional.value(0));
    line.requirePositional(calibration ? 1 : 2, calibration ? 1 : 2);
    const QString output = line.output();
    const int dpi = line.dpi();
    const PageAdjustment adjustment = pageAdjustmentOf(line);
    if (calibration) {
        writePdf(output, dpi, CalibrationPage(*calibration), adjustment);
    } else {
        const OutputKind kind = line.outputKind(0, {OutputKind::TypeA, OutputKind::TypeBTrunk, OutputKind::TypeBBranch});
        line.today();
        const auto document = line.document(line.positional[1]);
        const std::unique_ptr<PageSource> pages = pagesOfKind(kind, *document, line);
        writePdf(output, dpi, *pages, adjustment);
    }
    out << output << '\n';
    return 0;
}
