#include "RecordFile.h"

#include "CommaText.h"
#include "Failure.h"
#include "FileAccess.h"
#include "FileWrite.h"
#include "FileLines.h"
#include "FileReading.h"
#include "SingleLineText.h"
#include "TextCodec.h"

#include <QString>

#include <algorithm>

namespace RecordFile {
namespace {

// A fault in one line of the file, counted from 0; load names the file and
// the line, loadFromBytes gives the fault's own words.
class LineFault : public Failure {
public:
    LineFault(qsizetype line, QString message) : Failure(std::move(message)), line_(line) {}
    qsizetype line() const { return line_; }

private:
    qsizetype line_;
};

// A file that ends before a line it must have.
class MissingLine : public LineFault {
public:
    using LineFault::LineFault;
};

// A line quoted in a message: a message box never has to show a whole
// megabyte of junk.
QString quoted(QStringView text)
{
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text.toString() : text.left(kShown).toString() + u'…';
}

// A decimal integer as the file's header lines hold it: leading blanks, an
// optional sign, digits, within 32 bits.
int parseInteger(QStringView text, qsizetype line)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.back().isSpace())
        throw LineFault(line, QStringLiteral("'%1' は整数ではありません").arg(quoted(text)));
    return value;
}

QStringView lineAt(FileLines::Reader& reader, const FileLines& lines, qsizetype index)
{
    if (index >= lines.count())
        throw MissingLine(index, QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
    return reader.line(index);
}

void clearSingleBlankCells(Record& row)
{
    for (QString& cell : row) {
        if (cell.size() == 1 && cell.front() == u' ')
            cell.clear();
    }
}

} // namespace

void load(const QString& path, QString& companyName, RecordSheet& sheet)
{
    const QByteArray bytes = FileReading::readAll(path);
    if (bytes.isEmpty())
        throw Failure(FileAccess::cannotOpenMessage(path, QStringLiteral("空のファイルです。")));
    try {
        loadFromBytes(bytes, companyName, sheet);
    } catch (const MissingLine& missing) {
        throw Failure(FileAccess::cannotOpenMessage(
            path, QStringLiteral("行が足りません。%1 行目がありません。").arg(missing.line() + 1)));
    } catch (const LineFault& fault) {
        throw Failure(FileAccess::cannotOpenMessage(
            path, QStringLiteral("%1 行目: %2。").arg(fault.line() + 1).arg(fault.message())));
    }
}

void loadRecoveryCopy(const QString& path, QString& companyName, RecordSheet& sheet)
{
    try {
        load(path, companyName, sheet);
    } catch (const Failure&) {
        // Whatever broke it, the user can only learn that the copy is unusable.
        throw Failure(FileAccess::cannotOpenMessage(path, QStringLiteral("復元用の控えが壊れています。")));
    }
}

void loadFromBytes(const QByteArray& bytes, QString& companyName, RecordSheet& sheet)
{
    const FileLines lines(bytes);
    FileLines::Reader reader(lines);

    companyName = lineAt(reader, lines, 0).toString();
    sheet.recordCount = parseInteger(lineAt(reader, lines, 1), 1);
    const QString rowCountLine = lineAt(reader, lines, 2).toString();
    const int rowCount = std::max(parseInteger(rowCountLine, 2), 1);
    if (rowCount > kMaxRowCount) {
        throw LineFault(2, QStringLiteral("行数 '%1' は扱える上限の %2 行を超えています")
                               .arg(rowCountLine.trimmed()).arg(kMaxRowCount));
    }

    sheet.setRowCount(rowCount);
    // A file with fewer lines than rows keeps the rows that have a line, and
    // the first row without one comes out empty.
    const int rowsWithLines = static_cast<int>(std::min<qsizetype>(rowCount, lines.count() - 3));
    const bool complete = rowsWithLines == rowCount;
    CommaText::SharedTexts shared;
    for (int r = 0; r < rowsWithLines; ++r) {
        Record row;
        CommaText::readRow(reader.line(r + 3), row, shared);
        if (complete)
            clearSingleBlankCells(row);
        sheet.rows()[static_cast<size_t>(r)] = SheetRow(std::move(row));
    }
    if (!complete) {
        sheet.clearRow(rowsWithLines);
        lineAt(reader, lines, rowsWithLines + 3); // throws: the line is missing
    }
    sheet.writeHeader();
}

QString targetPath(const QString& chosenPath)
{
    return chosenPath.endsWith(QStringLiteral("kav"), Qt::CaseSensitive) ? chosenPath
                                                                         : chosenPath + QStringLiteral(".kav");
}

namespace {

QByteArrayList encodePieces(const QString& companyName, const RecordSheet& sheet)
{
    // Encoded row by row: the whole sheet as one text beside its bytes would
    // hold two more copies of a 100,000-row sheet.
    // A line break inside a text would split its line when the file is read
    // back, shifting every later record or leaving the file unreadable, so
    // nothing is written at all. Each line is checked once, as it is built.
    if (breaksFileLine(companyName))
        throw Failure(QStringLiteral("会社名に改行が含まれているため保存できません。改行を取り除いてから保存してください。"));
    TextCodec::SavingEncoder encoder;
    encoder.addLine(companyName);
    encoder.addLine(QString::number(sheet.recordCount));
    encoder.addLine(QString::number(sheet.rowCount()));
    QString line;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        CommaText::writeRow(sheet.row(r), line);
        if (breaksFileLine(line)) {
            throw Failure(QStringLiteral("%1 行目のセルに改行が含まれているため保存できません。改行を取り除いてから保存してください。")
                              .arg(r));
        }
        encoder.addLine(line);
    }
    return encoder.finishPieces();
}

} // namespace

QByteArray serialize(const QString& companyName, const RecordSheet& sheet)
{
    return encodePieces(companyName, sheet).join();
}

void save(const QString& targetPath, const QString& companyName, const RecordSheet& sheet)
{
    FileWrite::writeAtomically(targetPath, FileWrite::Contents::RecordFile, encodePieces(companyName, sheet));
}

} // namespace RecordFile
