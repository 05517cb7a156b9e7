#include "XlsxTableReader.h"

#include "CellAddress.h"
#include "TemplateSheet.h"
#include "XlsxCellText.h"
#include "XmlPartFilter.h"
#include "ZipParts.h"
#include "sheet/Failure.h"

#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace XlsxTableReader {
namespace {

using Relationships = std::map<QString, QString>; // id or type → part name

struct Parts {
    QString workbook;
    QString sheet;
    QString sheetName;
    int sheetCount = 0;
    QString sharedStrings;
    QString styles;
    bool dates1904 = false;
};

// A part's XML, read as it is inflated through the XML part filter, with
// the damaged-file message for anything unreadable. An empty part counts as
// none.
class PartXml {
public:
    PartXml(ZipParts& zip, const QString& name) : zip_(zip), name_(name), part_(zip.open(name))
    {
        if (!exists())
            return;
        filter_ = std::make_unique<XmlPartFilter>(*part_);
        xml_.setDevice(filter_.get());
    }
    bool exists() const { return part_ && part_->declaredSize() > 0; }
    QXmlStreamReader& xml() { return xml_; }
    // Only present when exists().
    XmlPartFilter& filter() { return *filter_; }
    // Call after reading: throws when the part's data or its XML was broken.
    void check() const
    {
        if (!exists())
            return;
        if (part_->failed())
            throw Failure(zip_.damagedMessage(name_));
        if (filter_->tokenTooLong()) {
            fail(QStringLiteral("%1 MB を超える文字やタグの並びがあります").arg(XmlPartFilter::kMaxTokenSize / (1024 * 1024)));
        }
        // The XML reader's own message is English and says nothing a user can act on.
        if (xml_.hasError())
            throw Failure(zip_.damagedMessage(QStringLiteral("%1 の %2 行目").arg(name_).arg(xml_.lineNumber())));
    }
    // Reading stopped before the end: the rest is inflated all the same, so
    // that its checksum is checked, but not parsed.
    void checkRest()
    {
        if (exists() && !xml_.hasError()) {
            QByteArray piece(qsizetype(1) << 16, Qt::Uninitialized);
            while (part_->read(piece.data(), piece.size()) > 0) {}
        }
        check();
    }
    [[noreturn]] void fail(const QString& detail) const
    {
        throw Failure(zip_.damagedMessage(QStringLiteral("%1: %2").arg(name_, detail)));
    }

private:
    ZipParts& zip_;
    QString name_;
    std::unique_ptr<ZipParts::Part> part_;
    std::unique_ptr<XmlPartFilter> filter_;
    QXmlStreamReader xml_;
};

bool isStart(const QXmlStreamReader& xml, QStringView name)
{
    return xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == name;
}

QString attribute(const QXmlStreamAttributes& attributes, QStringView name)
{
    // By local name, so that any namespace prefix (r:id) is accepted.
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.name() == name)
            return a.value().toString();
    }
    return {};
}

// A relationship target is relative to the folder of the part it belongs to,
// or absolute from the container's root.
QString resolveTarget(const QString& sourcePart, const QString& target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    return QDir::cleanPath(sourcePart.left(slash + 1) + target);
}

// The relationships of a part, by id and by the last word of their type
// ("officeDocument", "sharedStrings", ...).
Relationships relationshipsOf(ZipParts& zip, const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    PartXml rels(zip, part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels"));
    Relationships result;
    if (!rels.exists())
        return result;
    while (!rels.xml().atEnd()) {
        rels.xml().readNext();
        if (!isStart(rels.xml(), u"Relationship"))
            continue;
        const QString target = resolveTarget(part, attribute(rels.xml().attributes(), u"Target"));
        const QString type = attribute(rels.xml().attributes(), u"Type");
        result[attribute(rels.xml().attributes(), u"Id")] = target;
        result.try_emplace(type.mid(type.lastIndexOf(u'/') + 1), target);
    }
    rels.check();
    return result;
}

QString lookUp(const Relationships& relationships, const QString& key)
{
    const auto it = relationships.find(key);
    return it == relationships.end() ? QString() : it->second;
}

Parts findParts(ZipParts& zip)
{
    Parts parts;
    parts.workbook = lookUp(relationshipsOf(zip, QString()), QStringLiteral("officeDocument"));
    if (parts.workbook.isEmpty())
        parts.workbook = QStringLiteral("xl/workbook.xml");
    const Relationships relationships = relationshipsOf(zip, parts.workbook);
    parts.sharedStrings = lookUp(relationships, QStringLiteral("sharedStrings"));
    parts.styles = lookUp(relationships, QStringLiteral("styles"));

    PartXml workbook(zip, parts.workbook);
    if (!workbook.exists())
        workbook.fail(QStringLiteral("ブックの部品がありません"));
    struct Sheet {
        QString name;
        QString target;
        bool visible = true;
    };
    std::vector<Sheet> sheets;
    qsizetype activeTab = 0;
    QXmlStreamReader& xml = workbook.xml();
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"workbookPr")) {
            const QString value = attribute(xml.attributes(), u"date1904");
            parts.dates1904 = value == u"1" || value == u"true";
        } else if (isStart(xml, u"workbookView")) {
            activeTab = attribute(xml.attributes(), u"activeTab").toLongLong();
        } else if (isStart(xml, u"sheet")) {
            const QString state = attribute(xml.attributes(), u"state");
            sheets.push_back({attribute(xml.attributes(), u"name"), lookUp(relationships, attribute(xml.attributes(), u"id")),
                              state != u"hidden" && state != u"veryHidden"});
        }
    }
    workbook.check();
    // The entry sheet by its name, else the sheet the workbook was left on
    // when it is visible, else the first visible one.
    auto chosen = std::find_if(sheets.begin(), sheets.end(),
                               [](const Sheet& sheet) { return sheet.name == QStringView(TemplateSheet::kSheetName); });
    if (chosen == sheets.end() && activeTab >= 0 && activeTab < static_cast<qsizetype>(sheets.size())
        && sheets[static_cast<size_t>(activeTab)].visible)
        chosen = sheets.begin() + activeTab;
    if (chosen == sheets.end())
        chosen = std::find_if(sheets.begin(), sheets.end(), [](const Sheet& sheet) { return sheet.visible; });
    if (chosen == sheets.end() || chosen->target.isEmpty())
        workbook.fail(QStringLiteral("ワークシートがありません"));
    parts.sheet = chosen->target;
    parts.sheetName = chosen->name;
    parts.sheetCount = static_cast<int>(sheets.size());
    return parts;
}

// The text of a string item (<si> or <is>): its own <t>, or its rich-text
// runs joined; phonetic guides (<rPh>) are no part of the text.
QString readStringItem(QXmlStreamReader& xml)
{
    const QString itemName = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"rPh"))
            xml.skipCurrentElement();
        else if (isStart(xml, u"t"))
            text += xml.readElementText();
        else if (xml.tokenType() == QXmlStreamReader::EndElement && xml.name() == itemName)
            break;
    }
    return XlsxCellText::unescape(std::move(text));
}

// For each cell format (the s attribute of a cell), whether it shows a date.
std::vector<bool> readDateStyles(ZipParts& zip, const QString& part)
{
    std::vector<bool> isDate;
    if (part.isEmpty())
        return isDate;
    PartXml styles(zip, part);
    QXmlStreamReader& xml = styles.xml();
    std::map<int, QString> formatCodes;
    // Each number format is judged once, however many cell formats use it.
    std::map<int, bool> isDateFormat;
    bool inCellFormats = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"numFmt")) {
            const int id = attribute(xml.attributes(), u"numFmtId").toInt();
            formatCodes[id] = attribute(xml.attributes(), u"formatCode");
            isDateFormat.erase(id);
        } else if (xml.name() == u"cellXfs") {
            inCellFormats = xml.tokenType() == QXmlStreamReader::StartElement;
        } else if (inCellFormats && isStart(xml, u"xf")) {
            const int id = attribute(xml.attributes(), u"numFmtId").toInt();
            auto known = isDateFormat.find(id);
            if (known == isDateFormat.end()) {
                const auto code = formatCodes.find(id);
                known = isDateFormat.emplace(id, XlsxCellText::isDateFormat(id, code == formatCodes.end() ? QString() : code->second))
                            .first;
            }
            isDate.push_back(known->second);
        }
    }
    styles.check();
    return isDate;
}

struct SheetContext {
    std::vector<bool> dateStyles;
    bool dates1904 = false;
};

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
QString numberText(const QString& value, int style, const SheetContext& context)
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
CellValue readCell(QXmlStreamReader& xml, const SheetContext& context, PartXml& part)
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

void readSheetCells(ZipParts& zip, const QString& name, const SheetContext& context, SheetCells& cells)
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
// cell. Only the items up to the last one named are read: a part of
// millions of strings that no kept cell uses costs no memory.
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

ImportedTable read(const QString& path)
{
    ZipParts zip(path);
    const Parts parts = findParts(zip);
    SheetContext context;
    context.dateStyles = readDateStyles(zip, parts.styles);
    context.dates1904 = parts.dates1904;
    SheetCells cells;
    readSheetCells(zip, parts.sheet, context, cells);
    fillSharedStrings(zip, parts.sharedStrings, cells);

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
    if (parts.sheetCount > 1)
        table.notes.prepend(QStringLiteral("%1 枚のシートのうち「%2」を読みました。").arg(parts.sheetCount).arg(parts.sheetName));
    return table;
}

} // namespace XlsxTableReader
