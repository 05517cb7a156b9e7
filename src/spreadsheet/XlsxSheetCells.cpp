#include "XlsxSheetCells.h"

#include "CellAddress.h"
#include "XlsxCellText.h"
#include "XlsxPartXml.h"
#include "sheet/Failure.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

namespace XlsxSheetCells {
namespace {

using XlsxXml::attribute;
using XlsxXml::isStart;
using XlsxXml::readStringItem;

// What one <c> element holds: its text, or the index of the shared string
// that is its text (looked up once the sheet has been read).
struct CellValue {
    QString text;
    std::optional<quint32> sharedString;
    bool hasValue = false;
    // A formula the file holds no computed value for (files written by
    // scripts), which reads as empty.
    bool formulaWithoutValue = false;
};

// The text of a number cell as it is shown: dates as era dates.
QString numberText(const QString& value, int style, const Context& context)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value;
    const bool isDate = style >= 0 && style < static_cast<int>(context.dateStyles.size())
        && context.dateStyles[static_cast<size_t>(style)];
    if (isDate) {
        if (const std::optional<QDate> date = XlsxCellText::dateOfSerial(number, context.dates1904))
            return XlsxCellText::eraDate(*date);
    }
    return XlsxCellText::number(number);
}

// One <c> element, read to its end.
CellValue readCell(QXmlStreamReader& xml, const Context& context, PartXml& part)
{
    bool hasFormula = false;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString type = attribute(attributes, u"t");
    CellValue cell;
    QString& value = cell.text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"v")) {
            value = xml.readElementText();
            cell.hasValue = true;
        } else if (isStart(xml, u"is")) {
            value = readStringItem(xml);
            cell.hasValue = true;
        } else if (isStart(xml, u"f")) {
            hasFormula = true;
            xml.skipCurrentElement(); // the formula itself; its last value is in <v>
        } else if (xml.tokenType() == QXmlStreamReader::EndElement && xml.name() == u"c") {
            break;
        }
    }
    // Scripts write an empty <v/> for a formula they cannot compute; only a
    // text result (t="str") may really be empty.
    cell.formulaWithoutValue = hasFormula && (!cell.hasValue || (value.isEmpty() && type != u"str"));
    if (!cell.hasValue)
        return cell;
    if (type == u"s") {
        bool ok = false;
        const qulonglong index = value.toULongLong(&ok);
        if (!ok || index > std::numeric_limits<quint32>::max())
            part.fail(QStringLiteral("共有文字列 %1 がありません").arg(value));
        cell.sharedString = static_cast<quint32>(index);
        value.clear();
    } else if (type == u"str") {
        value = XlsxCellText::unescape(std::move(value));
    } else if (type == u"b") {
        value = value.trimmed() == u"1" || value.trimmed() == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    } else if (type == u"d") {
        const QDate date = QDate::fromString(value.left(10), Qt::ISODate);
        if (date.isValid())
            value = XlsxCellText::eraDate(date);
    } else if (type != u"inlineStr" && type != u"e") {
        value = numberText(value, attribute(attributes, u"s").toInt(), context);
    }
    return cell;
}

CellAddress parseAddress(const QString& a1, PartXml& part)
{
    try {
        return CellAddress::parse(a1);
    } catch (const std::invalid_argument&) {
        part.fail(QStringLiteral("セル番地 %1 が読めません").arg(a1));
    }
}

// A kept cell whose text is a shared string, 0-based.
struct SharedStringCell {
    qint32 row;
    qint32 column;
    quint32 index;
};

// What the sheet part holds for the table: the cells read so far, the kept
// cells still waiting for their shared strings, the merged areas over
// columns A to K, and the formula cells without a value.
struct SheetCells {
    TableCollector collector;
    std::vector<SharedStringCell> sharedStringCells;
    std::vector<CellRange> merges;
    qint64 formulasWithoutValue = 0;
    QStringList formulaCellsNamed;
};

// A stand-in text for a cell past column K that holds something: the
// collector counts such rows, never keeps their texts.
const QString& droppedCellMark()
{
    static const QString mark = QStringLiteral("…");
    return mark;
}

void readSheetCells(ZipParts& zip, const QString& name, const Context& context, SheetCells& cells)
{
    constexpr qsizetype kCellsNamed = 10;
    PartXml part(zip, name);
    if (!part.exists())
        part.fail(QStringLiteral("ワークシートの部品がありません"));
    QXmlStreamReader& xml = part.xml();
    qint64 row = 0;     // 1-based, as the file counts
    qint64 column = 0;
    qint64 rowWithDroppedCell = 0; // the last row already counted for a cell past K
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"row")) {
            const QString r = attribute(xml.attributes(), u"r");
            bool ok = r.isEmpty();
            row = ok ? row + 1 : r.toLongLong(&ok);
            if (!ok || row < 1 || row > kMaxRows)
                part.fail(QStringLiteral("行番号 %1 が読めません").arg(r));
            column = 0;
        } else if (isStart(xml, u"c")) {
            const QString r = attribute(xml.attributes(), u"r");
            if (row < 1)
                part.fail(QStringLiteral("セル %1 が行の外にあります").arg(r));
            if (r.isEmpty()) {
                ++column;
            } else {
                const CellAddress address = parseAddress(r, part);
                if (address.row != row)
                    part.fail(QStringLiteral("セル %1 が行 %2 の外にあります").arg(r).arg(row));
                column = address.column;
            }
            if (column > kColumnCount && row == rowWithDroppedCell) {
                xml.skipCurrentElement(); // this row is already counted; the cell is not read
                continue;
            }
            CellValue cell = readCell(xml, context, part);
            if (column > kColumnCount) {
                // Past K a shared string counts as something without being looked up.
                if (!cell.text.isEmpty() || cell.sharedString) {
                    cells.collector.put(row - 1, column - 1, droppedCellMark());
                    rowWithDroppedCell = row;
                }
                continue;
            }
            if (cell.formulaWithoutValue && cells.formulasWithoutValue++ < kCellsNamed)
                cells.formulaCellsNamed << CellAddress{static_cast<int>(row), static_cast<int>(column)}.toA1();
            // A row past the table's limit is refused by the collector, which
            // only a text can tell it: a shared string there stands for one.
            if (cell.sharedString && row <= kMaxRowCount)
                cells.sharedStringCells.push_back({static_cast<qint32>(row - 1), static_cast<qint32>(column - 1), *cell.sharedString});
            else
                cells.collector.put(row - 1, column - 1, cell.sharedString ? droppedCellMark() : std::move(cell.text));
        } else if (isStart(xml, u"mergeCell")) {
            const QString ref = attribute(xml.attributes(), u"ref");
            try {
                const CellRange merge = CellRange::parse(ref);
                // Areas right of K or below the table's limit clear nothing read.
                if (merge.first.column <= kColumnCount && merge.first.row <= kMaxRowCount && !merge.isSingleCell())
                    cells.merges.push_back(merge);
            } catch (const std::invalid_argument&) {
                part.fail(QStringLiteral("結合範囲 %1 が読めません").arg(ref));
            }
        }
    }
    part.check();
}

// The texts of the shared strings that kept cells name, each put in its
// cell. The XML part filter hands on only those items, the others being
// dropped as bytes, and reading stops after the last one: a part of
// millions of strings that no kept cell uses costs a byte scan.
void fillSharedStrings(ZipParts& zip, const QString& name, SheetCells& cells)
{
    if (cells.sharedStringCells.empty())
        return;
    std::vector<quint32> wanted;
    wanted.reserve(cells.sharedStringCells.size());
    for (const SharedStringCell& cell : cells.sharedStringCells)
        wanted.push_back(cell.index);
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

    std::vector<QString> texts(wanted.size());
    size_t found = 0; // items of wanted read so far
    if (!name.isEmpty()) {
        PartXml shared(zip, name);
        if (shared.exists())
            shared.filter().keepOnlyItems("si", wanted);
        QXmlStreamReader& xml = shared.xml();
        quint64 index = 0; // of the next item, when every item is passed on
        int depth = 0;
        while (found < wanted.size() && !xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement())
                --depth;
            if (!xml.isStartElement())
                continue;
            if (depth != 1 || xml.name() != u"si") {
                ++depth;
                continue;
            }
            // Items are the root's children; the filter hands on only the wanted ones.
            const quint64 item = shared.filter().passesEveryItem() ? index++ : wanted[found];
            if (item == wanted[found])
                texts[found++] = readStringItem(xml);
            else
                xml.skipCurrentElement();
        }
        shared.checkRest();
    }
    if (found < wanted.size())
        throw Failure(zip.damagedMessage(QStringLiteral("共有文字列 %1 がありません").arg(wanted[found])));
    for (const SharedStringCell& cell : cells.sharedStringCells) {
        const size_t at = static_cast<size_t>(std::lower_bound(wanted.begin(), wanted.end(), cell.index) - wanted.begin());
        cells.collector.put(cell.row, cell.column, texts[at]);
    }
    cells.sharedStringCells = {};
}

// Only a merged area's top-left cell shows its value. Column by column, the
// rows the areas cover are sorted into runs first, so that the work grows
// with the areas and the rows, never with their product.
void clearMergedCells(std::vector<Record>& rows, const std::vector<CellRange>& merges)
{
    const qint64 rowCount = static_cast<qint64>(rows.size());
    std::vector<std::pair<qint64, qint64>> runs; // 1-based rows, both ends in
    for (int column = 1; column <= kColumnCount; ++column) {
        runs.clear();
        for (const CellRange& merge : merges) {
            if (column < merge.first.column || column > merge.last.column)
                continue;
            const qint64 first = column == merge.first.column ? merge.first.row + 1 : merge.first.row;
            const qint64 last = std::min<qint64>(merge.last.row, rowCount);
            if (first <= last)
                runs.emplace_back(first, last);
        }
        std::sort(runs.begin(), runs.end());
        qint64 clearedTo = 0; // rows up to here are cleared in this column
        for (const auto& [first, last] : runs) {
            for (qint64 r = std::max(first, clearedTo + 1); r <= last; ++r)
                rows[static_cast<size_t>(r - 1)][static_cast<size_t>(column - 1)].clear();
            clearedTo = std::max(clearedTo, last);
        }
    }
}

} // namespace

ImportedTable read(ZipParts& zip, const QString& sheetPart, const QString& sharedStringsPart, const Context& context)
{
    SheetCells cells;
    readSheetCells(zip, sheetPart, context, cells);
    fillSharedStrings(zip, sharedStringsPart, cells);

    ImportedTable table = cells.collector.finish();
    clearMergedCells(table.rows, cells.merges);
    TableRows::dropEmptyRowsAtEnd(table.rows);
    if (cells.formulasWithoutValue > 0) {
        QString named = cells.formulaCellsNamed.join(QStringLiteral("、"));
        if (cells.formulasWithoutValue > cells.formulaCellsNamed.size())
            named += QStringLiteral(" ほか");
        table.notes << QStringLiteral("計算済みの値がない式のセルは空のまま読みました（%1 個: %2）。")
                           .arg(cells.formulasWithoutValue)
                           .arg(named);
    }
    return table;
}

} // namespace XlsxSheetCells
