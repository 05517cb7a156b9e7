// tagrio-cli catalogue: every row of the sixteen cable families.
#include "CliCommandRuns.h"
#include "catalogue/CableFamilies.h"

// One line per row: family, row, designation and the seven hidden columns,
// tab-separated; a column the family does not fill prints empty.
int runCatalogue(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(0, 0);
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
