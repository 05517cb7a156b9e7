#include "XlsxTableReader.h"

#include "TemplateSheet.h"
#include "XlsxCellText.h"
#include "XlsxPartXml.h"
#include "XlsxSheetCells.h"
#include "ZipParts.h"

#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <vector>

namespace XlsxTableReader {
namespace {

using XlsxXml::attribute;
using XlsxXml::isStart;

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

} // namespace

ImportedTable read(const QString& path)
{
    ZipParts zip(path);
    const Parts parts = findParts(zip);
    XlsxSheetCells::Context context;
    context.dateStyles = readDateStyles(zip, parts.styles);
    context.dates1904 = parts.dates1904;
    ImportedTable table = XlsxSheetCells::read(zip, parts.sheet, parts.sharedStrings, context);
    if (parts.sheetCount > 1)
        table.notes.prepend(QStringLiteral("%1 枚のシートのうち「%2」を読みました。").arg(parts.sheetCount).arg(parts.sheetName));
    return table;
}

} // namespace XlsxTableReader
