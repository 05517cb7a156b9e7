// tagrio-cli import and export: cable lists as .xlsx/.csv tables, read and
// written as the window's 開く and 保存 do.
#include "CliCommandRuns.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/TableFile.h"

int runImport(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 1);
    const QString output = line.output();
    refuseOutputOverInput(line.positional[0], RecordFile::targetPath(output));
    const auto document = line.document(QString());
    const QStringList notes = DocumentFiles::open(*document, line.positional[0]);
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
    const QString output = line.outputOtherThan(line.positional[0]);
    if (!DocumentFiles::isTablePath(output))
        throw UsageError("export writes OUT.xlsx or OUT.csv, not " + output.toStdString());
    const auto document = line.document(line.positional[0]);
    TableFile::write(output, document->sheet());
    out << output << '\n';
    return 0;
}
