#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// Text files of the program: read with byte-order-mark detection (UTF-8,
// UTF-16 LE/BE), Shift_JIS (Windows code page 932) otherwise; written with
// CR LF after every line.
namespace TextCodec {

enum class Encoding { ShiftJis, Utf8, Utf16LE, Utf16BE };

// Decodes a whole file, skipping its byte-order mark.
QString decode(const QByteArray& bytes);
Encoding detectEncoding(const QByteArray& bytes);

// Splits at CR LF, lone LF or lone CR; a final line break makes no extra line.
// The views point into text, which must outlive them.
std::vector<QStringView> splitLines(QStringView text);

// Joins lines with CR LF after each and encodes them for saving: Shift_JIS when
// every character survives the round trip, otherwise UTF-8 with a byte-order
// mark, so that saving never loses a character.
QByteArray encodeLinesForSaving(const QStringList& lines);
QByteArray encodeTextForSaving(const QString& text);

// Code page 932 with '?' for unmappable characters (a close equivalent first).
QByteArray toShiftJis(QStringView text);
QString fromShiftJis(const QByteArray& bytes);

// Number of UTF-16 code units.
inline int characterCount(QStringView text) { return static_cast<int>(text.size()); }
// Number of bytes of the text in code page 932; an unmappable character counts 1.
int byteWidth(QStringView text);

} // namespace TextCodec
