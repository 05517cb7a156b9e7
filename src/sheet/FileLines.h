#pragma once

#include "TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The lines of a text file (see LineBreaks.h), decoded as they are read. In
// Shift_JIS and UTF-8 a line break is a byte no other character contains, so
// the lines are found in the bytes and each is decoded when asked for: a
// large file is never held decoded whole beside the rows read from it.
// UTF-16 files are decoded whole.
class FileLines {
public:
    explicit FileLines(const QByteArray& bytes);

    qsizetype count() const { return static_cast<qsizetype>(ranges_.size()); }

    // Reads lines; one reader per thread. A returned line stays valid until
    // the reader's next call.
    class Reader {
    public:
        explicit Reader(const FileLines& lines);
        QStringView line(qsizetype index);

    private:
        const FileLines& lines_;
        std::optional<TextCodec::PieceDecoder> decoder_; // none when the text is decoded whole
    };

private:
    struct Range {
        qsizetype start;
        qsizetype size;
    };

    TextCodec::Encoding encoding_;
    QByteArray bytes_;          // after the byte-order mark, when lines are decoded one by one
    QString text_;              // the whole text, when the file is UTF-16
    std::vector<Range> ranges_; // into bytes_ or text_
};
