// tagrio-cli check: the texts that would run past their cell or plate frame,
// one line each, so they can be shortened before label stock is wasted.
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
        out << text.recordNumber << '\t' << text.lineName << '\t' << QString::number(text.mmTooLong, 'f', 1) << '\n';
    return 0;
}
