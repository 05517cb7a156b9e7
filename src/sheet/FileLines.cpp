#include "FileLines.h"

#include "LineBreaks.h"

#include <unicode/ucnv.h>

#include <stdexcept>

FileLines::FileLines(const QByteArray& bytes)
{
    const auto addRange = [this](qsizetype start, qsizetype size) { ranges_.push_back({start, size}); };
    switch (TextCodec::detectEncoding(bytes)) {
    case TextCodec::Encoding::Utf16LE:
    case TextCodec::Encoding::Utf16BE:
        text_ = TextCodec::decode(bytes);
        forEachLine(text_.utf16(), text_.size(), addRange);
        return;
    case TextCodec::Encoding::Utf8:
        bytes_ = bytes.sliced(3);
        converterName_ = "UTF-8";
        break;
    case TextCodec::Encoding::ShiftJis:
        bytes_ = bytes;
        converterName_ = TextCodec::kShiftJisConverter;
        break;
    }
    forEachLine(bytes_.constData(), bytes_.size(), addRange);
}

FileLines::Reader::Reader(const FileLines& lines)
    : lines_(lines)
{
    if (!lines.converterName_)
        return;
    UErrorCode err = U_ZERO_ERROR;
    converter_ = ucnv_open(lines.converterName_, &err);
    if (U_FAILURE(err))
        throw std::runtime_error(std::string("cannot open converter ") + lines.converterName_);
}

FileLines::Reader::~Reader()
{
    if (converter_)
        ucnv_close(converter_);
}

QStringView FileLines::Reader::line(qsizetype index)
{
    const Range range = lines_.ranges_[static_cast<size_t>(index)];
    if (!converter_)
        return QStringView(lines_.text_).sliced(range.start, range.size);
    // Every byte yields at most one UTF-16 unit in these encodings.
    if (buffer_.size() < range.size + 2)
        buffer_.resize(range.size + 2);
    ucnv_reset(converter_);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter_, reinterpret_cast<UChar*>(buffer_.data()),
                                         static_cast<int32_t>(buffer_.size()),
                                         lines_.bytes_.constData() + range.start,
                                         static_cast<int32_t>(range.size), &err);
    if (U_FAILURE(err))
        throw std::runtime_error("text decoding failed");
    return QStringView(buffer_).first(length);
}
