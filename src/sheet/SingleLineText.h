#pragma once

#include <QString>
#include <QStringView>

// A record file holds one cell or the company name per line, so none of them
// may contain a line break. These rules decide what counts as one.

// True for CR, LF, U+2028 (line separator) and U+2029 (paragraph separator).
bool isLineBreak(QChar c);

// The text as one line: line breaks at the end are dropped (a copied
// spreadsheet cell ends in CR LF) and every break inside becomes one blank;
// CR LF counts as a single break.
QString toSingleLine(const QString& text);

// True when the text holds CR or LF, the characters that end a line of a
// record file.
bool breaksFileLine(QStringView text);
