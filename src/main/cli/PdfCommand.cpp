// tagrio-cli pdf: the direct prints written to a PDF file, through the same
// page painters and print procedure as the window's print buttons.
#include "CliCommandRuns.h"
#include "CliOutputOptions.h"
#include "print/AdjustedPages.h"
#include "print/CalibrationPage.h"
#include "print/PrinterOutput.h"

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

void writePdf(const QString& output, int dpi, const PageSource& pages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setResolution(dpi);
    PrinterOutput::setUpPage(printer);
    PrinterOutput::drawDocument(printer, pages);
}

} // namespace

int runPdf(const CliCommandLine& line, QTextStream& out)
{
    const std::optional<PlateKind> calibration = calibrationKind(line.positional.value(0));
    line.requirePositional(calibration ? 1 : 2, calibration ? 1 : 2);
    if (calibration) // a calibration page has no records to choose or order
        line.requireOptionsAmong({u"output"_qs, u"dpi"_qs, u"offset"_qs, u"scale"_qs, u"settings"_qs, u"today"_qs});
    const QString output = line.output();
    const int dpi = line.dpi();
    if (calibration) {
        const PageAdjustment adjustment = pageAdjustmentOf(line);
        writePdf(output, dpi, AdjustedPages(CalibrationPage(*calibration), [adjustment] { return adjustment; }));
    } else {
        const OutputKind kind = line.outputKind(0, {OutputKind::TypeA, OutputKind::TypeBTrunk, OutputKind::TypeBBranch});
        line.today();
        const auto document = line.document(line.positional[1]);
        const OutputOptions options = outputOptionsOf(line, *document);
        writePdf(output, dpi, platesOf(options, document->sheet(), plateKindOf(kind))->pages());
    }
    out << output << '\n';
    return 0;
}
