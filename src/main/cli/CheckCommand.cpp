// tagrio-cli check: the texts a plate would not show whole, one line each, so
// they can be shortened before label stock is wasted: record, line, millimetres
// past the cell or frame, and the characters left out.
#include "CliCommandRuns.h"
#include "CliOutputOptions.h"

int runCheck(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(2, 2);
    const OutputKind kind = line.outputKind(0, {OutputKind::TypeA, OutputKind::TypeBTrunk, OutputKind::TypeBBranch});
    line.today();
    const auto document = line.document(line.positional[1]);
    const OutputOptions options = outputOptionsOf(line, *document);
    const auto plates = platesOf(options, document->sheet(), plateKindOf(kind));
    for (const OverlongText& text : plates->overlongTexts())
        out << text.recordNumber << '\t' << text.lineName << '\t' << QString::number(text.mmTooLong, 'f', 1) << '\t'
            << text.leftOut << '\n';
    return 0;
}
