#include "EntryRecord.h"

namespace {

void fillIfEmpty(QString& field, const QString& proposal)
{
    if (field.isEmpty())
        field = proposal;
}

} // namespace

EntryRecord entryForRow(const RecordSheet& sheet, int row, const EraDate& today, const QString& companyName)
{
    const Record& source = sheet.recordOrEmpty(row);
    EntryRecord entry;
    entry.numberLabel = source[ColNumber];
    if (entry.numberLabel.isEmpty())
        entry.numberLabel = QString::number(qint64(sheet.recordCount) + 1);
    for (Column column : kDataColumns)
        entry.fields.at(column) = source[column];

    fillIfEmpty(entry.fields.at(ColConstructionDate), today.hizuke1);
    fillIfEmpty(entry.fields.at(ColConstructor), companyName);
    fillIfEmpty(entry.fields.at(ColManufactureYear), today.manufactureYear());
    return entry;
}
