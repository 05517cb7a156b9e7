// tagrio-cli dump, save and texts: the record file as the window loads it.
#include "CliCommandRuns.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int runDump(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 1);
    line.today(); // a bad --today is a usage error here too
    const auto document = line.document(line.positional[0]);
    const RecordSheet& sheet = document->sheet();
    QJsonArray rows;
    for (const SheetRow& row : sheet.rows()) {
        QJsonArray cells;
        for (const QString& cell : row.texts())
            cells.append(cell);
        rows.append(cells);
    }
    const QJsonObject json{
        {QStringLiteral("company"), document->companyName()},
        {QStringLiteral("count"), sheet.recordCount},
        {QStringLiteral("rowCount"), sheet.rowCount()},
        {QStringLiteral("rows"), rows},
    };
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
    return 0;
}

int runSave(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(2, 2);
    line.today();
    // Saving a list over itself is allowed: the save is atomic and the
    // same list comes out.
    const auto document = line.document(line.positional[0], FileWrite::KeptAs::OpenList);
    document->save(line.positional[1]);
    out << RecordFile::targetPath(line.positional[1]) << '\n';
    return 0;
}

int runTexts(const CliCommandLine& line, QTextStream& out)
{
    line.requirePositional(1, 1);
    line.today();
    const auto document = line.document(line.positional[0]);
    const TextOrder order = line.textOrder();
    const RecordSheet& sheet = document->sheet();
    for (int r = 1; r <= sheet.outputRecordCount(); ++r) {
        const Record& record = sheet.recordOrEmpty(r);
        out << NameplateTexts::routeText(record, order) << '\t' << NameplateTexts::circuitText(record) << '\t'
            << NameplateTexts::dateLine(record) << '\n';
    }
    return 0;
}
