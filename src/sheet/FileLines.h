#pragma once

#include "TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

struct UConverter;

// The lines of a text file (see LineBreaks.h), decoded as they are read. In Shift_JIS and UTF-8 a line break is a byte no
// other character contains, so the lines are found in the bytes and each is
// decoded when asked for: a large file is never held decoded whole beside
// the rows read from it. UTF-16 files are decoded whole.
class FileLines {
public:
    explicit FileLines(const QByteArray& bytes);

    qsizetype count() const { return static_cast<qsizetype>(ranges_.size()); }

    // Reads lines; one reader per thread. A returned line stays valid until
    // the reader's next call.
    class Reader {
    public:
        explicit Reader(const FileLines& lines);
        ~Reader();
        Reader(const Reader&) = delete;
        Reader& operator=(const Reader&) = delete;

        QStringView line(qsizetype index);

    private:
        const FileLines& lines_;
        UConverter* converter_ = nullptr; // none when the text is decoded whole
        QString buffer_;
    };

private:
    struct Range {
        qsizetype start;
        qsizetype size;
    };

    QByteArray bytes_;         // the file, when its lines are decoded one by one
    const char* converterName_ = nullptr;
    QString text_;             // the whole text, when the file is UTF-16
    std::vector<Range> ranges_; // into bytes_ or text_
};
