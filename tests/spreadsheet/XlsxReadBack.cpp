#include "XlsxReadBack.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <stdexcept>

QByteArray unzipPart(const QString& path, const QString& part)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, part});
    if (!unzip.waitForFinished(60000))
        throw std::runtime_error("unzip did not finish");
    return unzip.readAllStandardOutput();
}

namespace {

QString attribute(const QXmlStreamReader& xml, const char* name)
{
    return xml.attributes().value(QString::fromLatin1(name)).toString();
}

QStringList readSharedStrings(const QByteArray& bytes)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << QString();
        else if (xml.isStartElement() && xml.name() == u"t")
            strings.last() += xml.readElementText();
    }
    return strings;
}

QStringList readFontNames(const QByteArray& bytes)
{
    QStringList names;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"font")
            names << QString();
        else if (xml.isStartElement() && xml.name() == u"name" && !names.isEmpty())
            names.last() = attribute(xml, "val");
    }
    return names;
}

std::vector<XlsxStyle> readStyles(const QByteArray& bytes)
{
    std::vector<double> fontSizes;
    std::vector<XlsxStyle> borders; // only the border fields are used
    std::vector<XlsxStyle> styles;
    QXmlStreamReader xml(bytes);
    QString section;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"fonts" || name == u"borders" || name == u"cellXfs" || name == u"cellStyleXfs")
            section = name.toString();
        else if (section == u"fonts" && name == u"font")
            fontSizes.push_back(0);
        else if (section == u"fonts" && name == u"sz")
            fontSizes.back() = attribute(xml, "val").toDouble();
        else if (section == u"borders" && name == u"border")
            borders.emplace_back();
        else if (section == u"borders" && (name == u"left" || name == u"right" || name == u"top" || name == u"bottom")) {
            XlsxStyle& border = borders.back();
            const QString style = attribute(xml, "style");
            (name == u"left" ? border.left : name == u"right" ? border.right : name == u"top" ? border.top : border.bottom) =
                style;
        } else if (section == u"cellXfs" && name == u"xf") {
            XlsxStyle style = borders.at(attribute(xml, "borderId").toUInt());
            style.fontSize = fontSizes.at(attribute(xml, "fontId").toUInt());
            styles.push_back(style);
        } else if (section == u"cellXfs" && name == u"alignment") {
            styles.back().horizontal = attribute(xml, "horizontal");
            styles.back().shrinkToFit = attribute(xml, "shrinkToFit") == u"1";
        }
    }
    return styles;
}

XlsxSheet readSheet(const QByteArray& bytes, const QStringList& sharedStrings)
{
    XlsxSheet sheet;
    QXmlStreamReader xml(bytes);
    QString section;
    QString cellRef;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"rowBreaks" || name == u"colBreaks") {
            section = name.toString();
        } else if (name == u"brk") {
            (section == u"rowBreaks" ? sheet.rowBreaks : sheet.columnBreaks).push_back(attribute(xml, "id").toInt());
        } else if (name == u"col") {
            for (int column = attribute(xml, "min").toInt(); column <= attribute(xml, "max").toInt(); ++column) {
                sheet.columnWidths[column] = attribute(xml, "width").toDouble();
                sheet.columnStyles[column] = attribute(xml, "style").toInt();
            }
        } else if (name == u"row") {
            if (attribute(xml, "customHeight") == u"1")
                sheet.rowHeights[attribute(xml, "r").toInt()] = attribute(xml, "ht").toDouble();
        } else if (name == u"c") {
            cellRef = attribute(xml, "r");
            XlsxCell& cell = sheet.cells[cellRef];
            cell.type = attribute(xml, "t");
            cell.style = attribute(xml, "s").toInt();
        } else if (name == u"v") {
            XlsxCell& cell = sheet.cells[cellRef];
            const QString value = xml.readElementText();
            cell.text = cell.type == u"s" ? sharedStrings.at(value.toInt()) : value;
        } else if (name == u"t") {
            sheet.cells[cellRef].text += xml.readElementText();
        } else if (name == u"mergeCell") {
            sheet.merges << attribute(xml, "ref");
        } else if (name == u"pageSetUpPr") {
            sheet.fitToPage = attribute(xml, "fitToPage") == u"1";
        } else if (name == u"pageSetup") {
            sheet.fitToWidth = attribute(xml, "fitToWidth");
            sheet.fitToHeight = attribute(xml, "fitToHeight");
            sheet.paperSize = attribute(xml, "paperSize");
        } else if (name == u"pageMargins") {
            for (const QXmlStreamAttribute& margin : xml.attributes())
                sheet.margins[margin.name().toString()] = margin.value().toDouble();
        } else if (name == u"printOptions") {
            sheet.centredHorizontally = attribute(xml, "horizontalCentered") == u"1";
        } else if (name == u"ignoredError") {
            if (attribute(xml, "numberStoredAsText") == u"1")
                sheet.ignoredNumberAsText = attribute(xml, "sqref");
        }
    }
    if (xml.hasError())
        throw std::runtime_error("bad sheet XML: " + xml.errorString().toStdString());
    return sheet;
}

} // namespace

const XlsxCell* XlsxSheet::cell(const QString& a1) const
{
    const auto found = cells.find(a1);
    return found == cells.end() ? nullptr : &found->second;
}

QString XlsxSheet::text(const QString& a1) const
{
    const XlsxCell* found = cell(a1);
    return found ? found->text : QString();
}

XlsxFile XlsxFile::read(const QString& path)
{
    XlsxFile file;
    const QByteArray shared = unzipPart(path, QStringLiteral("xl/sharedStrings.xml"));
    file.hasSharedStrings = !shared.isEmpty();
    const QStringList sharedStrings = readSharedStrings(shared);
    const QByteArray styles = unzipPart(path, QStringLiteral("xl/styles.xml"));
    file.styles = readStyles(styles);
    file.fontNames = readFontNames(styles);

    // Print areas are defined names of the workbook, "'Sheet'!$A$1:$Q$40",
    // tied to their sheet by its index.
    std::map<int, QString> printAreas;
    QXmlStreamReader workbook(unzipPart(path, QStringLiteral("xl/workbook.xml")));
    int number = 0;
    while (!workbook.atEnd()) {
        workbook.readNext();
        if (workbook.isStartElement() && workbook.name() == u"definedName"
            && attribute(workbook, "name") == u"_xlnm.Print_Area") {
            const int index = attribute(workbook, "localSheetId").toInt();
            const QString range = workbook.readElementText();
            printAreas[index] = range.mid(range.lastIndexOf(u'!') + 1);
        }
        if (!workbook.isStartElement() || workbook.name() != u"sheet")
            continue;
        const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(++number);
        XlsxSheet sheet = readSheet(unzipPart(path, part), sharedStrings);
        sheet.name = attribute(workbook, "name");
        file.sheets.push_back(std::move(sheet));
    }
    for (const auto& [index, range] : printAreas)
        file.sheets.at(static_cast<size_t>(index)).printArea = range;
    return file;
}

const XlsxSheet& XlsxFile::sheet(const QString& name) const
{
    for (const XlsxSheet& sheet : sheets) {
        if (sheet.name == name)
            return sheet;
    }
    throw std::out_of_range("no sheet " + name.toStdString());
}

const XlsxStyle& XlsxFile::styleOf(const XlsxSheet& sheet, const QString& a1) const
{
    const XlsxCell* cell = sheet.cell(a1);
    return styles.at(cell ? static_cast<size_t>(cell->style) : 0);
}
