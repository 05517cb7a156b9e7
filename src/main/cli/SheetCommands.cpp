// tagrio-cli dump, save and texts: the record file as the window loads it.
#include "CliCommand.h"
#include "CliContext.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int runDump(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 1, 1);
    const CliContext context = CliContext::from(args, args.positional[0]);
    QJsonArray rows;
    for (const Record& record : context.sheet.rows()) {
        QJsonArray cells;
        for (const QString& cell : record)
            cells.append(cell);
        rows.append(cells);
    }
    const QJsonObject json{
        {QStringLiteral("company"), context.companyName},
        {QStringLiteral("count"), context.sheet.recordCount},
        {QStringLiteral("rowCount"), context.sheet.rowCount()},
        {QStringLiteral("rows"), rows},
    };
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
    return 0;
}

int runSave(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 2, 2);
    const CliContext context = CliContext::from(args, args.positional[0]);
    const QString target = RecordFile::targetPath(args.positional[1]);
    RecordFile::save(target, context.companyName, context.sheet);
    out << target << '\n';
    return 0;
}

int runTexts(const CliArguments& args, QTextStream& out)
{
    requirePositional(args, 1, 1);
    const CliContext context = CliContext::from(args, args.positional[0]);
    const TextOrder order = textOrderOption(args);
    for (int r = 1; r <= context.sheet.outputRecordCount(); ++r) {
        const Record& record = context.sheet.recordOrEmpty(r);
        out << NameplateTexts::routeText(record, order) << '\t' << NameplateTexts::circuitText(record) << '\t'
            << NameplateTexts::dateLine(record) << '\n';
    }
    return 0;
}

const CliRegistration registerDump{{10, "dump", "dump FILE", runDump}};
const CliRegistration registerSave{{20, "save", "save IN OUT", runSave}};
const CliRegistration registerTexts{{30, "texts", "texts FILE [--order standard|from-to|to-from]", runTexts}};

} // namespace
