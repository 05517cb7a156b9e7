// tagrio-cli catalogue: every row of the sixteen cable families.
#include "CliCommand.h"
#include "catalogue/CableFamilies.h"

namespace {

// One line per row: family, row, designation and the seven hidden columns,
// tab-separated; a column the family does not fill prints empty.
int runCatalogue(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 0, 0);
    for (const CableFamily& family : cableFamilies()) {
        for (int row = 1; row <= family.rowCount(); ++row) {
            out << family.caption << '\t' << row;
            for (int column = 0; column <= 7; ++column)
                out << '\t' << family.value(column, row);
            out << '\n';
        }
    }
    return 0;
}

const CliRegistration registerCatalogue{{40, "catalogue", "catalogue", runCatalogue}};

} // namespace
