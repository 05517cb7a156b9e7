#include "FileLines.h"

#include "LineBreaks.h"

namespace {

bool breaksLinesInBytes(TextCodec::Encoding encoding)
{
    return encoding == TextCodec::Encoding::ShiftJis || encoding == TextCodec::Encoding::Utf8;
}

} // namespace

FileLines::FileLines(const QByteArray& bytes)
    : encoding_(TextCodec::detectEncoding(bytes))
{
    const auto addRange = [this](qsizetype start, qsizetype size) { ranges_.push_back({start, size}); };
    if (breaksLinesInBytes(encoding_)) {
        // Slicing copies: a file without a byte-order mark is shared instead.
        const qsizetype mark = TextCodec::byteOrderMarkSize(encoding_);
        bytes_ = mark > 0 ? bytes.sliced(mark) : bytes;
        forEachLine(bytes_.constData(), bytes_.size(), addRange);
    } else {
        text_ = TextCodec::decode(bytes);
        forEachLine(text_.utf16(), text_.size(), addRange);
    }
}

FileLines::Reader::Reader(const FileLines& lines)
    : lines_(lines)
{
    if (breaksLinesInBytes(lines.encoding_))
        decoder_.emplace(lines.encoding_);
}

QStringView FileLines::Reader::line(qsizetype index)
{
    const Range range = lines_.ranges_[static_cast<size_t>(index)];
    if (!decoder_)
        return QStringView(lines_.text_).sliced(range.start, range.size);
    return decoder_->decode(lines_.bytes_.constData() + range.start, range.size);
}
