// How long a print goes without reporting a page, which is how long the
// window would go without repainting: prints to a PDF file through the same
// page painters and print procedure as the print buttons.
//   bench_print a|b-trunk|b-branch FILE OUT.pdf
// Prints "time_ms=T peak_kb=K" with T the longest stretch between two page
// reports, from the document's start to its end.
#include "BenchSupport.h"
#include "print/PrinterOutput.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"
#include "sheet/RecordFile.h"
#include "sheet/SettingsFile.h"

#include <QGuiApplication>
#include <QPrinter>

#include <memory>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_print a|b-trunk|b-branch FILE OUT.pdf\n");
        return 2;
    }
    QString company;
    RecordSheet sheet;
    RecordFile::load(args[1], company, sheet);
    const Settings settings = Settings::defaults();
    std::unique_ptr<PageSource> pages;
    if (args[0] == u"a")
        pages = std::make_unique<TypeAPlates>(sheet, settings, TextOrder::Standard);
    else
        pages = std::make_unique<TypeBPlates>(sheet, args[0] == u"b-trunk" ? PlateSize::Trunk : PlateSize::Branch,
                                              QStringLiteral("No."));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(args[2]);
    PrinterOutput::setUpPage(printer);
    PauseClock clock;
    PrinterOutput::drawDocument(printer, *pages, [&clock](int, int) {
        clock.beat();
        return true;
    });
    report(clock.longestMilliseconds());
    return 0;
}
