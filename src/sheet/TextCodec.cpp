#include "TextCodec.h"

#include "LineBreaks.h"

#include <unicode/ucnv.h>

#include <memory>
#include <optional>
#include <stdexcept>

namespace TextCodec {

void ConverterCloser::operator()(UConverter* c) const { ucnv_close(c); }

namespace {

Converter openConverter(const char* name)
{
    UErrorCode err = U_ZERO_ERROR;
    Converter c(ucnv_open(name, &err));
    if (U_FAILURE(err))
        throw std::runtime_error(std::string("cannot open converter ") + name);
    return c;
}

Converter openShiftJisWriter()
{
    Converter c = openConverter(kShiftJisConverter);
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setFallback(c.get(), true);
    ucnv_setSubstChars(c.get(), "?", 1, &err);
    return c;
}

// Encodes only characters Shift_JIS maps both ways: no close equivalents, and
// the first character without a mapping stops the conversion with an error.
Converter openExactShiftJisWriter()
{
    Converter c = openConverter(kShiftJisConverter);
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setFallback(c.get(), false);
    ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    return c;
}

// Decodes into out, grown as needed and never shrunk; returns the length.
qsizetype convertInto(UConverter* c, const char* data, qsizetype size, QString& out)
{
    // Every byte yields at most one UTF-16 unit for these encodings (plus one
    // replacement unit for a trailing partial sequence).
    if (out.size() < size + 2)
        out.resize(size + 2);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(c, reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                                         data, static_cast<int32_t>(size), &err);
    if (U_FAILURE(err))
        throw std::runtime_error("text decoding failed");
    return length;
}

const char* converterName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Utf16LE: return "UTF-16LE";
    case Encoding::Utf16BE: return "UTF-16BE";
    case Encoding::ShiftJis: break;
    }
    return kShiftJisConverter;
}

QString decodeWith(const char* converterName, const char* data, qsizetype size)
{
    if (size <= 0)
        return {};
    Converter c = openConverter(converterName);
    QString out;
    const qsizetype length = convertInto(c.get(), data, size, out);
    out.truncate(length);
    return out;
}

// Nothing when the converter stops, which only a writer without substitutes does.
std::optional<QByteArray> encodeShiftJis(UConverter* c, QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto* src = reinterpret_cast<const UChar*>(text.utf16());
    const auto len = static_cast<int32_t>(text.size());
    // Code page 932 needs at most two bytes per UTF-16 unit.
    QByteArray out(text.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(c, out.data(), static_cast<int32_t>(out.size()), src, len, &err);
    if (U_FAILURE(err))
        return std::nullopt;
    out.truncate(n);
    return out;
}

} // namespace

Encoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return Encoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return Encoding::Utf16BE;
    return Encoding::ShiftJis;
}

qsizetype byteOrderMarkSize(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return 3;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: return 2;
    case Encoding::ShiftJis: break;
    }
    return 0;
}

QString decode(const QByteArray& bytes)
{
    const Encoding encoding = detectEncoding(bytes);
    const qsizetype mark = byteOrderMarkSize(encoding);
    return decodeWith(converterName(encoding), bytes.constData() + mark, bytes.size() - mark);
}

PieceDecoder::PieceDecoder(Encoding encoding)
    : converter_(openConverter(converterName(encoding)))
{
}

QStringView PieceDecoder::decode(const char* data, qsizetype size)
{
    const qsizetype length = convertInto(converter_.get(), data, size, buffer_); // may move the buffer
    return QStringView(buffer_).first(length);
}

QString fromShiftJis(const QByteArray& bytes)
{
    return decodeWith(kShiftJisConverter, bytes.constData(), bytes.size());
}

QByteArray toShiftJis(QStringView text)
{
    Converter c = openShiftJisWriter();
    std::optional<QByteArray> bytes = encodeShiftJis(c.get(), text);
    if (!bytes)
        throw std::runtime_error("text encoding failed");
    return std::move(*bytes);
}

int byteWidth(QStringView text)
{
    if (text.isEmpty())
        return 0;
    Converter c = openShiftJisWriter();
    UErrorCode err = U_ZERO_ERROR;
    // Preflight: with no buffer ICU returns the byte count and reports overflow.
    const int32_t n = ucnv_fromUChars(c.get(), nullptr, 0, reinterpret_cast<const UChar*>(text.utf16()),
                                      static_cast<int32_t>(text.size()), &err);
    return n;
}

std::vector<QStringView> splitLines(QStringView text)
{
    std::vector<QStringView> lines;
    forEachLine(text.utf16(), text.size(), [&](qsizetype start, qsizetype size) { lines.push_back(text.sliced(start, size)); });
    return lines;
}

namespace {
// Lines are encoded in pieces of about this many UTF-16 units: small enough
// that the piece and its bytes reuse the same heap blocks (and stay in the
// cache) from piece to piece instead of mapping fresh pages each time.
constexpr qsizetype kPieceSize = 1 << 15;
} // namespace

void SavingEncoder::addLine(QStringView line)
{
    pending_ += line;
    pending_ += u"\r\n";
    if (pending_.size() >= kPieceSize)
        flush();
}

void SavingEncoder::flush()
{
    if (pending_.isEmpty())
        return;
    if (!utf8_) {
        Converter c = openExactShiftJisWriter();
        if (std::optional<QByteArray> shiftJis = encodeShiftJis(c.get(), pending_)) {
            pieces_.push_back(std::move(*shiftJis));
            pending_.truncate(0); // keeps the buffer
            return;
        }
        // Every earlier piece was exact Shift_JIS: decoding it gives its text back.
        const QByteArray earlier = QByteArray("\xEF\xBB\xBF") + fromShiftJis(pieces_.join()).toUtf8();
        pieces_ = {earlier};
        utf8_ = true;
    }
    pieces_.push_back(pending_.toUtf8());
    pending_.truncate(0);
}

QByteArrayList SavingEncoder::finishPieces()
{
    flush();
    return std::move(pieces_);
}

QByteArray SavingEncoder::finish()
{
    return finishPieces().join();
}

QByteArray encodeLinesForSaving(const QStringList& lines)
{
    SavingEncoder encoder;
    for (const QString& line : lines)
        encoder.addLine(line);
    return encoder.finish();
}

QStringView leadingUnits(QStringView text, qsizetype count)
{
    if (count >= text.size())
        return text;
    if (count > 0 && text[count - 1].isHighSurrogate() && text[count].isLowSurrogate())
        --count;
    return text.first(std::max<qsizetype>(count, 0));
}

} // namespace TextCodec
