#include "LabelStockChoice.h"

#include <QStringList>

#include <numeric>

std::variant<PlateSelection, ChoiceProblem> plateSelectionFor(const LabelStockChoice& choice, const RecordSheet& sheet,
                                                              PlateKind kind)
{
    using Part = ChoiceProblem::Part;
    PlateSelection selection;
    const int perPage = platesPerPage(kind);
    if (choice.startPosition < 1 || choice.startPosition > perPage)
        return ChoiceProblem{Part::Start, u"%1の開始位置は 1 から %2 までです。"_qs.arg(plateKindName(kind)).arg(perPage)};
    selection.startPosition = choice.startPosition;
    if (choice.copies < 1 || choice.copies > PlateSelection::kMaxCopies)
        return ChoiceProblem{Part::Copies, u"部数は 1 から %1 までです。"_qs.arg(PlateSelection::kMaxCopies)};
    selection.copies = choice.copies;

    switch (choice.records) {
    case LabelStockChoice::Records::All:
        break;
    case LabelStockChoice::Records::SelectedRows: {
        std::vector<int> rows;
        for (int row : choice.selectedRows) {
            if (row >= 1 && row <= sheet.outputRecordCount())
                rows.push_back(row);
        }
        if (rows.empty())
            return ChoiceProblem{Part::Records, u"印刷する記録の行を選択してください。"_qs};
        selection.rows = rows;
        break;
    }
    case LabelStockChoice::Records::Listed: {
        const auto rows = rowsOfRecordList(sheet, choice.list);
        if (!rows)
            return ChoiceProblem{Part::Records,
                                 u"番号指定が読めません。「3-7,12」のように番号と範囲をコンマで区切って入力してください。"_qs};
        // A number that names no record is a typing slip, never a plate left out silently.
        if (const std::vector<int> missing = numbersNamingNoRecord(sheet, choice.list); !missing.empty()) {
            QStringList numbers;
            for (const int number : missing)
                numbers << QString::number(number);
            return ChoiceProblem{Part::Records, u"番号 %1 の記録がありません。"_qs.arg(numbers.join(u", "))};
        }
        if (rows->empty())
            return ChoiceProblem{Part::Records, u"指定した番号の記録がありません。"_qs};
        selection.rows = *rows;
        break;
    }
    }
    return selection;
}

std::vector<int> rowsOf(const PlateSelection& selection, const RecordSheet& sheet)
{
    if (selection.rows)
        return *selection.rows;
    std::vector<int> all(static_cast<size_t>(sheet.outputRecordCount()));
    std::iota(all.begin(), all.end(), 1);
    return all;
}

QString overlongReport(const std::vector<OverlongText>& overlong)
{
    QStringList lines;
    for (const OverlongText& text : overlong) {
        if (text.leftOut.isEmpty()) {
            lines << u"No.%1　%2　%3mm はみ出し"_qs.arg(text.recordNumber, text.lineName)
                         .arg(QString::number(text.mmTooLong, 'f', 1));
        } else {
            lines << u"No.%1　%2　「%3」が印刷されません"_qs.arg(text.recordNumber, text.lineName, text.leftOut);
        }
    }
    return lines.join(u'\n');
}
