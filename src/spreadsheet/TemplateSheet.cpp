#include "TemplateSheet.h"

#include "sheet/EntrySheetNotes.h"
#include "sheet/RecordSheet.h"

namespace TemplateSheet {
namespace {

// Widths of columns A to K, which hold the record columns 0 to 10 under the
// record sheet's own header texts.
constexpr double kColumnWidths[] = {4, 14, 14, 14, 14, 9, 20, 12, 16, 20, 12};
static_assert(std::size(kColumnWidths) == kColumnCount);
constexpr int kNumberedRows = 100;

QString fullWidthSpaces(int count) { return QString(count, QChar(0x3000)); }

void writeHeads(Worksheet& sheet, int firstColumn, int lastColumn)
{
    for (int column = firstColumn; column <= lastColumn; ++column)
        sheet.setValue(CellAddress{1, column}, RecordSheet::headerTexts()[static_cast<size_t>(column - 1)]);
}

} // namespace

void build(Workbook& workbook, const QString& companyName, const EraDate& today, const ProgressStep& step)
{
    workbook.addSheetsBeyond(1);
    step();

    Worksheet& sheet = workbook.sheet(1);
    sheet.setName(QStringLiteral("ｹｰﾌﾞﾙ一覧表"));
    for (int column = 1; column <= kColumnCount; ++column)
        sheet.setColumnWidth(column, kColumnWidths[column - 1]);
    step();

    sheet.setHorizontalAlignment(CellRange::parse(u"A1:K1"), HorizontalAlignment::Center);
    sheet.setHorizontalAlignment(CellRange::parse(u"A2:K500"), HorizontalAlignment::General);
    writeHeads(sheet, 1, 5);
    step();
    writeHeads(sheet, 6, kColumnCount);
    step();

    for (int n = 1; n <= kNumberedRows; ++n) {
        const CellAddress cell{n + 1, 1};
        sheet.setHorizontalAlignment(cell, HorizontalAlignment::Center);
        sheet.setNumber(cell, n);
        step();
    }

    sheet.setValue(CellRange::parse(u"I2"), today.hizuke1);
    sheet.setHorizontalAlignment(CellRange::parse(u"I2"), HorizontalAlignment::Center);
    sheet.setValue(CellRange::parse(u"J2"), companyName);
    sheet.setValue(CellRange::parse(u"K2"), today.gengou + today.nen + QStringLiteral("年"));
    sheet.setHorizontalAlignment(CellRange::parse(u"K2"), HorizontalAlignment::Center);
    constexpr int kPadding[] = {15, 0, 5};
    for (int n = 0; n < 3; ++n) {
        sheet.setValue(CellAddress{8 + n, 3},
                       QString::fromUtf16(EntrySheetNotes::kTexts[static_cast<size_t>(n)]) + fullWidthSpaces(kPadding[n]));
    }
    step();
}

} // namespace TemplateSheet

namespace TemplateSheet {

void layOutHeads(Worksheet& sheet)
{
    sheet.setName(QString::fromUtf16(kSheetName));
    for (int column = 1; column <= kColumnCount; ++column)
        sheet.setColumnWidth(column, kColumnWidths[column - 1]);
    sheet.setHorizontalAlignment(CellRange::parse(u"A1:K1"), HorizontalAlignment::Center);
    writeHeads(sheet, 1, kColumnCount);
}

} // namespace TemplateSheet
