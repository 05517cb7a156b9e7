#include "DocumentFiles.h"

#include "TableFile.h"
#include "sheet/Failure.h"
#include "sheet/FileReading.h"

#include <QFileInfo>

#include <array>

namespace DocumentFiles {
namespace {

const auto kRecordFilter = QStringLiteral("記録ファイル (*.kav)");
const auto kAllFilesFilter = QStringLiteral("すべてのファイル (*)");

struct TableType {
    QString filter;
    QString suffix;
};

const std::array<TableType, 2>& tableTypes()
{
    static const std::array<TableType, 2> types = {
        TableType{QString::fromUtf16(TableFile::kXlsxFilter), QStringLiteral(".xlsx")},
        TableType{QString::fromUtf16(TableFile::kCsvFilter), QStringLiteral(".csv")},
    };
    return types;
}

QStringList recordAndTableFilters()
{
    QStringList filters{kRecordFilter};
    for (const TableType& type : tableTypes())
        filters << type.filter;
    return filters;
}

// A record file's second and third lines are the record and row counts, and
// its fourth the heading row as comma text. A one-column table of numbers
// has no comma in its fourth line.
bool startsLikeRecordFile(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    if (lines.size() < 4)
        return false;
    bool recordCount = false;
    bool rowCount = false;
    lines[1].trimmed().toInt(&recordCount);
    lines[2].trimmed().toInt(&rowCount);
    return recordCount && rowCount && lines[3].contains(',');
}

} // namespace

// Every kind 開く reads, built from the types so that a new one joins it.
QString readableFilter()
{
    QStringList patterns{QStringLiteral("*.kav")};
    for (const TableType& type : tableTypes())
        patterns << u'*' + type.suffix;
    return QStringLiteral("読み込めるファイル (%1)").arg(patterns.join(u' '));
}

QString openFilters()
{
    return (QStringList{readableFilter()} + recordAndTableFilters() << kAllFilesFilter).join(QStringLiteral(";;"));
}

QString saveFilters() { return recordAndTableFilters().join(QStringLiteral(";;")); }

QString withFilterSuffix(const QString& path, const QString& selectedFilter)
{
    for (const TableType& type : tableTypes()) {
        if (selectedFilter == type.filter && !path.endsWith(type.suffix, Qt::CaseInsensitive))
            return path + type.suffix;
    }
    return path;
}

bool isTableFile(const QString& path)
{
    QByteArray head;
    try {
        head = FileReading::readHead(path, 4096);
    } catch (const Failure&) {
        return false; // the record file's load reports why it cannot be read
    }
    if (TableFile::startsLikeWorkbook(head))
        return true;
    if (startsLikeRecordFile(head))
        return false;
    // Anything else named .kav is a damaged record file, and the record
    // file's load says what is wrong with it.
    return QFileInfo(path).suffix().compare(QStringLiteral("kav"), Qt::CaseInsensitive) != 0;
}

QStringList open(RecordDocument& document, const QString& path)
{
    return *openConfirmed(document, path, {});
}

std::optional<QStringList> openConfirmed(RecordDocument& document, const QString& path,
                                         const TableConfirmation& confirm)
{
    if (!isTableFile(path)) {
        document.open(path);
        return QStringList();
    }
    ImportedTable table = TableFile::read(path);
    if (confirm) {
        const std::optional<TableLayout> layout = confirm(table, TableFile::textFormatOf(path));
        if (!layout)
            return std::nullopt;
        table.layout = layout;
    }
    return document.importTable(table, path);
}

bool isTablePath(const QString& path)
{
    for (const TableType& type : tableTypes()) {
        if (path.endsWith(type.suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void save(RecordDocument& document, const QString& chosenPath)
{
    if (isTablePath(chosenPath))
        TableFile::write(chosenPath, document.sheet());
    else
        document.save(chosenPath);
}

} // namespace DocumentFiles
