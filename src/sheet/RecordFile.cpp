#include "RecordFile.h"

#include "CommaText.h"
#include "Failure.h"
#include "FileAccess.h"
#include "TextCodec.h"

#include <QString>

namespace RecordFile {
namespace {

// A decimal integer as the file's header lines hold it: leading blanks, an
// optional sign, digits, within 32 bits.
int parseInteger(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.back().isSpace())
        throw Failure(QStringLiteral("'%1' は整数ではありません").arg(text));
    return value;
}

QStringView lineAt(const std::vector<QStringView>& lines, qsizetype index)
{
    if (index >= static_cast<qsizetype>(lines.size()))
        throw Failure(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
    return lines[static_cast<size_t>(index)];
}

void clearSingleBlankCells(RecordSheet& sheet)
{
    for (Record& row : sheet.rows()) {
        for (QString& cell : row) {
            if (cell.size() == 1 && cell.front() == u' ')
                cell.clear();
        }
    }
}

} // namespace

void load(const QString& path, QString& companyName, RecordSheet& sheet)
{
    loadFromBytes(FileAccess::readAll(path), companyName, sheet);
}

void loadFromBytes(const QByteArray& bytes, QString& companyName, RecordSheet& sheet)
{
    const QString text = TextCodec::decode(bytes);
    const std::vector<QStringView> lines = TextCodec::splitLines(text);

    companyName = lineAt(lines, 0).toString();
    sheet.recordCount = parseInteger(lineAt(lines, 1));
    const QStringView rowCountLine = lineAt(lines, 2);
    const int rowCount = std::max(parseInteger(rowCountLine), 1);
    if (rowCount > kMaxRowCount) {
        throw Failure(QStringLiteral("行数 '%1' は扱える上限の %2 行を超えています")
                          .arg(rowCountLine.trimmed()).arg(kMaxRowCount));
    }

    sheet.setRowCount(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        sheet.clearRow(r);
        CommaText::readRow(lineAt(lines, r + 3), sheet.row(r));
    }
    clearSingleBlankCells(sheet);
    sheet.writeHeader();
}

QString targetPath(const QString& chosenPath)
{
    return chosenPath.endsWith(QStringLiteral("kav"), Qt::CaseSensitive) ? chosenPath
                                                                         : chosenPath + QStringLiteral(".kav");
}

QByteArray serialize(const QString& companyName, const RecordSheet& sheet)
{
    // One text with CR LF after every line, built row by row: a list of the
    // row lines beside it would hold a second copy of a 100,000-row sheet.
    QString text;
    const auto addLine = [&text](const QString& line) {
        text += line;
        text += u"\r\n";
    };
    addLine(companyName);
    addLine(QString::number(sheet.recordCount));
    addLine(QString::number(sheet.rowCount()));
    for (const Record& row : sheet.rows())
        addLine(CommaText::writeRow(row));
    return TextCodec::encodeTextForSaving(text);
}

void save(const QString& targetPath, const QString& companyName, const RecordSheet& sheet)
{
    FileAccess::writeAtomically(targetPath, serialize(companyName, sheet));
}

} // namespace RecordFile
