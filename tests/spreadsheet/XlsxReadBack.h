#pragma once

// Reads an .xlsx file back through its XML parts (unzipped with unzip -p),
// so tests see what a spreadsheet application will see.
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

struct XlsxCell {
    QString type; // "inlineStr", "s", "str", "n" (numbers) or "" (blank)
    QString text; // the shown text: inline or shared string, or the number
    int style = 0;
};

struct XlsxStyle {
    QString horizontal; // "center", "justify", "distributed" or ""
    bool shrinkToFit = false;
    double fontSize = 0;
    QString left, right, top, bottom; // border styles: "hair", "thin", "medium" or ""
};

struct XlsxSheet {
    QString name;
    std::map<QString, XlsxCell> cells; // by A1 address
    QStringList merges;                // "C4:F4"
    std::map<int, double> rowHeights;  // 1-based rows with a custom height
    std::map<int, double> columnWidths;
    std::map<int, int> columnStyles;
    std::vector<int> rowBreaks;    // brk ids as written
    std::vector<int> columnBreaks;
    bool fitToPage = false;
    QString fitToWidth, fitToHeight, paperSize;
    std::map<QString, double> margins; // pageMargins by attribute: "left", "top", ...
    bool centredHorizontally = false;
    QString printArea; // the defined name's range, such as "$A$1:$Q$40"
    QString ignoredNumberAsText; // sqref of the ignored "number stored as text" errors

    const XlsxCell* cell(const QString& a1) const;
    QString text(const QString& a1) const;
};

struct XlsxFile {
    std::vector<XlsxSheet> sheets;
    std::vector<XlsxStyle> styles; // cellXfs in order
    QStringList fontNames;         // fonts in order; the first one counts column widths
    bool hasSharedStrings = false;

    static XlsxFile read(const QString& path);
    const XlsxSheet& sheet(const QString& name) const;
    const XlsxStyle& styleOf(const XlsxSheet& sheet, const QString& a1) const;
};

// One part of the zip, as bytes; empty when it is missing.
QByteArray unzipPart(const QString& path, const QString& part);
