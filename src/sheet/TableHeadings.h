#pragma once

#include "RecordSheet.h"

#include <QString>
#include <QStringView>

#include <vector>

// Column headings of cable-list tables as people type them: the record
// sheet's own heading texts in any width or case (ｹｰﾌﾞﾙ種類 = ケーブル種類,
// NO. = No.) and the common other words for the same columns (番号, 自, 行き先,
// 施工日, ...).
namespace TableHeadings {

// The text with width and case folded (NFKC, case folding) and blanks,
// brackets, dots and dashes left out: the key a heading is looked up by.
QString fold(QStringView heading);

// The record columns a heading may name, in the order they are claimed when
// the same heading stands twice ("自", "自" are from names 1 and 2); empty for
// a text that names no record column.
std::vector<int> candidatesFor(QStringView heading);

// For each cell of a row taken as a heading row, the record column it names,
// or -1; every record column is claimed at most once.
std::vector<int> recordColumnsOf(const Record& row);

} // namespace TableHeadings
