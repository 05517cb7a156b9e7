#include "Workbook.h"

#include <stdexcept>

Workbook::Workbook()
    : formats_(std::make_unique<FormatTable>())
    , finishedRows_(std::make_unique<FinishedRowsSink>())
{
    addSheet();
}

Worksheet& Workbook::sheet(int number)
{
    return const_cast<Worksheet&>(std::as_const(*this).sheet(number));
}

const Worksheet& Workbook::sheet(int number) const
{
    if (number < 1 || number > sheetCount())
        throw std::out_of_range("no such worksheet");
    return *sheets_[static_cast<size_t>(number - 1)];
}

Worksheet& Workbook::addSheet()
{
    const QString name = QStringLiteral("Sheet") + QString::number(sheetCount() + 1);
    return *sheets_.emplace_back(std::make_unique<Worksheet>(*formats_, name, finishedRows_.get()));
}

void Workbook::addSheetsBeyond(int minimum)
{
    while (sheetCount() <= minimum)
        addSheet();
}
