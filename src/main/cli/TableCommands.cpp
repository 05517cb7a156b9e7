// tagrio-cli import and export: cable lists as .xlsx/.csv tables, read and
// written as the window's 開く and 保存 do.
#include "CliCommandRuns.h"
#include "sheet/ImportedTable.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/TableFile.h"

namespace {

// --columns and --no-heading: the layout they ask for, or none to detect it.
std::optional<TableLayout> chosenLayout(const CliCommandLine& line)
{
    const std::optional<QString> columns = line.value(QStringLiteral("columns"));
    const bool noHeading = line.value(QStringLiteral("no-heading")).has_value();
    if (!columns)
        return noHeading ? std::optional(TableLayout::plain()) : std::nullopt;
    QStringList unknown;
    const TableLayout layout = TableRows::layoutByHeadings(columns->split(u','), unknown);
    if (!unknown.isEmpty())
        throw UsageError("--columns: no record column answers to " + unknown.join(u", "_qs).toStdString());
    return layout;
}

// The table with the chosen layout; a layout chosen without --no-heading
// still skips the heading row the file has.
QStringList importTable(RecordDocument& document, const QString& path, TableLayout layout, bool noHeading)
{
    ImportedTable table = TableFile::read(path);
    if (!noHeading)
        layout.headingRow = TableRows::detectLayout(table.rows).headingRow;
    table.layout = layout;
    return document.importTable(table, path);
}

} // namespace

int runImport(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 1);
    const QString output = line.output();
    const auto document = line.document(QString());
    const QString input = line.positional[0];
    line.keep(input);
    const std::optional<TableLayout> layout = chosenLayout(line);
    if (layout && !DocumentFiles::isTableFile(input))
        throw UsageError("--columns and --no-heading apply to tables, and " + input.toStdString() + " is a record file");
    const QStringList notes = layout ? importTable(*document, input, *layout, line.value(QStringLiteral("no-heading")).has_value())
                                     : DocumentFiles::open(*document, input);
    document->save(output);
    out << RecordFile::targetPath(output) << '\n';
    if (!notes.isEmpty()) {
        QTextStream err(stderr);
        err << notes.join(u'\n') << '\n';
    }
    return 0;
}

int runExport(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 1);
    const QString output = line.output();
    if (!DocumentFiles::isTablePath(output))
        throw UsageError("export writes OUT.xlsx or OUT.csv, not " + output.toStdString());
    const auto document = line.document(line.positional[0]);
    TableFile::write(output, document->sheet());
    out << output << '\n';
    return 0;
}
