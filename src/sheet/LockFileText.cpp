#include "LockFileText.h"

#include <QByteArray>

#include <array>
#include <optional>

namespace LockFileText {
namespace {

bool isBlankedInMessages(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control: // line breaks, tabs, escapes
    case QChar::Other_Format: // direction overrides that reorder the rest of a message
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// A field as a message box may show it: one line, bounded.
QString shownText(QByteArrayView utf8)
{
    QString text = QString::fromUtf8(utf8);
    for (QChar& c : text) {
        if (isBlankedInMessages(c))
            c = u' ';
    }
    text = text.trimmed();
    if (text.size() > kMaxFieldLength) {
        qsizetype end = kMaxFieldLength;
        if (text[end - 1].isHighSurrogate())
            --end;
        text = text.left(end) + u'…';
    }
    return text;
}

QByteArrayView lineAt(QByteArrayView bytes, qsizetype& pos)
{
    const qsizetype start = pos;
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0)
        end = bytes.size();
    pos = end + 1;
    QByteArrayView line = bytes.sliced(start, end - start);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// Qt's format starts with a line holding only the pid: digits, as Qt writes it.
std::optional<Content> qtLock(QByteArrayView bytes)
{
    qsizetype pos = 0;
    const QByteArrayView pidLine = lineAt(bytes, pos);
    constexpr qsizetype kMaxPidDigits = 18; // fits in qint64
    if (pidLine.isEmpty() || pidLine.size() > kMaxPidDigits)
        return std::nullopt;
    qint64 pid = 0;
    for (const char digit : pidLine) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        pid = pid * 10 + (digit - '0');
    }
    if (pid <= 0)
        return std::nullopt;
    Content content;
    content.kind = Content::Kind::QtLock;
    content.pid = pid;
    if (pos < bytes.size())
        lineAt(bytes, pos); // the program's name
    if (pos < bytes.size())
        content.host = shownText(lineAt(bytes, pos));
    return content;
}

// An office suite's entry: five fields, "," between them and ";" after the
// last; whatever follows the entry is not needed.
std::optional<Content> officeLock(QByteArrayView bytes)
{
    constexpr size_t kFieldCount = 5;
    std::array<QByteArray, kFieldCount> fields;
    qsizetype pos = 0;
    for (size_t field = 0; field < kFieldCount; ++field) {
        for (;;) {
            if (pos >= bytes.size())
                return std::nullopt;
            char c = bytes[pos++];
            if (c == ',' || c == ';') {
                if ((c == ';') != (field == kFieldCount - 1))
                    return std::nullopt;
                break;
            }
            if (c == '\\') {
                if (pos >= bytes.size())
                    return std::nullopt;
                c = bytes[pos++];
                if (c != ',' && c != ';' && c != '\\')
                    return std::nullopt;
            }
            fields[field] += c;
        }
    }
    Content content;
    content.kind = Content::Kind::OfficeLock;
    content.user = shownText(fields[0]);
    if (content.user.isEmpty())
        content.user = shownText(fields[1]);
    content.host = shownText(fields[2]);
    content.since = QDateTime::fromString(QString::fromLatin1(fields[3]).trimmed(), QStringLiteral("dd.MM.yyyy hh:mm"));
    return content;
}

} // namespace

Content parse(QByteArrayView bytes)
{
    if (bytes.size() > kMaxSize)
        return {};
    if (std::optional<Content> content = qtLock(bytes))
        return *content;
    if (std::optional<Content> content = officeLock(bytes))
        return *content;
    return {};
}

} // namespace LockFileText
