#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <vector>

struct UConverter;

// Text files of the program: read with byte-order-mark detection (UTF-8,
// UTF-16 LE/BE), Shift_JIS (Windows code page 932) otherwise; written with
// CR LF after every line.
namespace TextCodec {

enum class Encoding { ShiftJis, Utf8, Utf16LE, Utf16BE };

// ICU's name of Microsoft's Shift_JIS table (code page 932); other aliases of
// Shift_JIS map a few characters differently.
inline constexpr char kShiftJisConverter[] = "windows-31j";

// Decodes a whole file, skipping its byte-order mark.
QString decode(const QByteArray& bytes);
Encoding detectEncoding(const QByteArray& bytes);
qsizetype byteOrderMarkSize(Encoding encoding);

struct ConverterCloser {
    void operator()(UConverter* c) const;
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Decodes text of one encoding (after its byte-order mark) piece by piece,
// with one converter and one buffer kept from piece to piece: for reading a
// large file a line at a time.
class PieceDecoder {
public:
    explicit PieceDecoder(Encoding encoding);
    // The text stays valid until the next call.
    QStringView decode(const char* data, qsizetype size);

private:
    Converter converter_;
    QString buffer_;
};

// Splits at CR LF, lone LF or lone CR; a final line break makes no extra line.
// The views point into text, which must outlive them.
std::vector<QStringView> splitLines(QStringView text);

// Joins lines with CR LF after each and encodes them for saving: Shift_JIS when
// every character maps both ways, otherwise UTF-8 with a byte-order
// mark, so that saving never loses a character.
QByteArray encodeLinesForSaving(const QStringList& lines);

// The same encoding for saving, fed a line at a time, so that a large file
// is never held as one text beside its bytes. The first line that does not
// survive Shift_JIS turns the whole output, earlier lines too, into UTF-8.
class SavingEncoder {
public:
    void addLine(QStringView line); // CR LF follows it
    QByteArray finish();
    // The bytes as pieces of some tens of KB, to be written one after the
    // other: no buffer of the whole file is ever built.
    QByteArrayList finishPieces();

private:
    void flush();

    QString pending_;       // lines not yet encoded
    QByteArrayList pieces_; // the encoded lines so far
    bool utf8_ = false;     // pieces_ hold UTF-8 after its byte-order mark
};

// Code page 932 with '?' for unmappable characters (a close equivalent first).
QByteArray toShiftJis(QStringView text);
QString fromShiftJis(const QByteArray& bytes);

// Number of UTF-16 code units.
inline int characterCount(QStringView text) { return static_cast<int>(text.size()); }
// The first count UTF-16 units of text, one fewer where the cut would fall
// inside a surrogate pair: a character is never split into halves.
QStringView leadingUnits(QStringView text, qsizetype count);
// Number of bytes of the text in code page 932; an unmappable character counts 1.
int byteWidth(QStringView text);

} // namespace TextCodec
