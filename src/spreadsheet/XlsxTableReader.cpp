#include "XlsxTableReader.h"

#include "CellAddress.h"
#include "TemplateSheet.h"
#include "XlsxCellText.h"
#include "ZipParts.h"
#include "sheet/Failure.h"

#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
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

// A part's XML, with the damaged-file message for anything unreadable.
class PartXml {
public:
    PartXml(ZipParts& zip, const QString& name)
        : zip_(zip), name_(name), bytes_(zip.read(name).value_or(QByteArray())), xml_(bytes_)
    {
    }
    bool exists() const { return !bytes_.isEmpty(); }
    QXmlStreamReader& xml() { return xml_; }
    // Call after reading: throws when the XML was broken.
    void check() const
    {
        // The XML reader's own message is English and says nothing a user can act on.
        if (exists() && xml_.hasError())
            throw Failure(zip_.damagedMessage(QStringLiteral("%1 の %2 行目").arg(name_).arg(xml_.lineNumber())));
    }
    [[noreturn]] void fail(const QString& detail) const
    {
        throw Failure(zip_.damagedMessage(QStringLiteral("%1: %2").arg(name_, detail)));
    }

private:
    ZipParts& zip_;
    QString name_;
    QByteArray bytes_;
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

std::vector<QString> readSharedStrings(ZipParts& zip, const QString& part)
{
    std::vector<QString> strings;
    if (part.isEmpty())
        return strings;
    PartXml shared(zip, part);
    while (!shared.xml().atEnd()) {
        shared.xml().readNext();
        if (isStart(shared.xml(), u"si"))
            strings.push_back(readStringItem(shared.xml()));
    }
    shared.check();
    return strings;
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
    bool inCellFormats = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"numFmt")) {
            formatCodes[attribute(xml.attributes(), u"numFmtId").toInt()] = attribute(xml.attributes(), u"formatCode");
        } else if (xml.name() == u"cellXfs") {
            inCellFormats = xml.tokenType() == QXmlStreamReader::StartElement;
        } else if (inCellFormats && isStart(xml, u"xf")) {
            const int id = attribute(xml.attributes(), u"numFmtId").toInt();
            const auto code = formatCodes.find(id);
            isDate.push_back(XlsxCellText::isDateFormat(id, code == formatCodes.end() ? QString() : code->second));
        }
    }
    styles.check();
    return isDate;
}

struct SheetContext {
    std::vector<QString> sharedStrings;
    std::vector<bool> dateStyles;
    bool dates1904 = false;
};

// One <c> element, read to its end: the text it shows. formulaWithoutValue
// tells a formula the file holds no computed value for (files written by
// scripts), which reads as empty.
QString readCellText(QXmlStreamReader& xml, const SheetContext& context, PartXml& part, bool& formulaWithoutValue)
{
    bool hasFormula = false;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString type = attribute(attributes, u"t");
    const int style = attribute(attributes, u"s").toInt();
    QString value;
    bool hasValue = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"v")) {
            value = xml.readElementText();
            hasValue = true;
        } else if (isStart(xml, u"is")) {
            value = readStringItem(xml);
            hasValue = true;
        } else if (isStart(xml, u"f")) {
            hasFormula = true;
            xml.skipCurrentElement(); // the formula itself; its last value is in <v>
        } else if (xml.tokenType() == QXmlStreamReader::EndElement && xml.name() == u"c") {
            break;
        }
    }
    // Scripts write an empty <v/> for a formula they cannot compute; only a
    // text result (t="str") may really be empty.
    formulaWithoutValue = hasFormula && (!hasValue || (value.isEmpty() && type != u"str"));
    if (!hasValue)
        return {};
    if (type == u"s") {
        bool ok = false;
        const qsizetype index = value.toLongLong(&ok);
        if (!ok || index < 0 || index >= static_cast<qsizetype>(context.sharedStrings.size()))
            part.fail(QStringLiteral("共有文字列 %1 がありません").arg(value));
        return context.sharedStrings[static_cast<size_t>(index)];
    }
    if (type == u"inlineStr" || type == u"e")
        return value;
    if (type == u"str")
        return XlsxCellText::unescape(std::move(value));
    if (type == u"b")
        return value.trimmed() == u"1" || value.trimmed() == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type == u"d") {
        const QDate date = QDate::fromString(value.left(10), Qt::ISODate);
        return date.isValid() ? XlsxCellText::eraDate(date) : value;
    }
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

CellAddress parseAddress(const QString& a1, PartXml& part)
{
    try {
        return CellAddress::parse(a1);
    } catch (const std::invalid_argument&) {
        part.fail(QStringLiteral("セル番地 %1 が読めません").arg(a1));
    }
}

ImportedTable readSheet(ZipParts& zip, const QString& name, const SheetContext& context)
{
    PartXml part(zip, name);
    if (!part.exists())
        part.fail(QStringLiteral("ワークシートの部品がありません"));
    QXmlStreamReader& xml = part.xml();
    TableCollector collector;
    std::vector<CellRange> merges;
    qint64 row = 0;     // 1-based, as the file counts
    qint64 column = 0;
    QStringList formulasWithoutValue;
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
            bool formulaWithoutValue = false;
            collector.put(row - 1, column - 1, readCellText(xml, context, part, formulaWithoutValue));
            if (formulaWithoutValue && column <= kColumnCount)
                formulasWithoutValue << CellAddress{static_cast<int>(row), static_cast<int>(column)}.toA1();
        } else if (isStart(xml, u"mergeCell")) {
            try {
                merges.push_back(CellRange::parse(attribute(xml.attributes(), u"ref")));
            } catch (const std::invalid_argument&) {
                part.fail(QStringLiteral("結合範囲 %1 が読めません").arg(attribute(xml.attributes(), u"ref")));
            }
        }
    }
    part.check();

    ImportedTable table = collector.finish();
    // Only a merged area's top-left cell shows its value.
    for (const CellRange& merge : merges) {
        for (int r = merge.first.row; r <= merge.last.row && r <= static_cast<int>(table.rows.size()); ++r) {
            for (int c = merge.first.column; c <= merge.last.column && c <= kColumnCount; ++c) {
                if (r != merge.first.row || c != merge.first.column)
                    table.rows[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)].clear();
            }
        }
    }
    TableRows::dropEmptyRowsAtEnd(table.rows);
    if (!formulasWithoutValue.isEmpty()) {
        constexpr qsizetype kCellsNamed = 10;
        QString cells = formulasWithoutValue.mid(0, kCellsNamed).join(QStringLiteral("、"));
        if (formulasWithoutValue.size() > kCellsNamed)
            cells += QStringLiteral(" ほか");
        table.notes << QStringLiteral("計算済みの値がない式のセルは空のまま読みました（%1 個: %2）。")
                           .arg(formulasWithoutValue.size())
                           .arg(cells);
    }
    return table;
}

} // namespace

ImportedTable read(const QString& path)
{
    ZipParts zip(path);
    const Parts parts = findParts(zip);
    SheetContext context;
    context.sharedStrings = readSharedStrings(zip, parts.sharedStrings);
    context.dateStyles = readDateStyles(zip, parts.styles);
    context.dates1904 = parts.dates1904;
    ImportedTable table = readSheet(zip, parts.sheet, context);
    if (parts.sheetCount > 1)
        table.notes.prepend(QStringLiteral("%1 枚のシートのうち「%2」を読みました。").arg(parts.sheetCount).arg(parts.sheetName));
    return table;
}

} // namespace XlsxTableReader
