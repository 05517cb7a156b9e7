#include "CellAddress.h"

#include <algorithm>
#include <stdexcept>

namespace {

[[noreturn]] void badAddress(QStringView text)
{
    throw std::invalid_argument("not a cell address: " + text.toString().toStdString());
}

bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

int columnNumber(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        badAddress(letters);
    int number = 0;
    for (QChar c : letters) {
        if (!isAsciiLetter(c))
            badAddress(letters);
        number = number * 26 + (c.toUpper().unicode() - u'A' + 1);
    }
    if (number > kMaxColumns)
        badAddress(letters);
    return number;
}

QString columnLetters(int column)
{
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

CellAddress CellAddress::parse(QStringView a1)
{
    qsizetype split = 0;
    while (split < a1.size() && isAsciiLetter(a1[split]))
        ++split;
    const QStringView digits = a1.mid(split);
    if (digits.isEmpty() || digits.size() > 7 || !std::all_of(digits.begin(), digits.end(), isAsciiDigit))
        badAddress(a1);
    const int row = digits.toInt();
    if (row < 1 || row > kMaxRows)
        badAddress(a1);
    return {row, columnNumber(a1.first(split))};
}

QString CellAddress::toA1() const { return columnLetters(column) + QString::number(row); }

CellRange::CellRange(CellAddress a, CellAddress b)
    : first{std::min(a.row, b.row), std::min(a.column, b.column)}
    , last{std::max(a.row, b.row), std::max(a.column, b.column)}
{
}

CellRange CellRange::parse(QStringView a1)
{
    const qsizetype colon = a1.indexOf(u':');
    if (colon < 0)
        return CellAddress::parse(a1);
    return {CellAddress::parse(a1.first(colon)), CellAddress::parse(a1.mid(colon + 1))};
}

bool CellRange::contains(const CellAddress& cell) const
{
    return cell.row >= first.row && cell.row <= last.row && cell.column >= first.column && cell.column <= last.column;
}

bool CellRange::intersects(const CellRange& other) const
{
    return first.row <= other.last.row && other.first.row <= last.row && first.column <= other.last.column
        && other.first.column <= last.column;
}

QString CellRange::toA1() const
{
    return isSingleCell() ? first.toA1() : first.toA1() + u':' + last.toA1();
}
