// The read of a lock file found beside a list: any bytes give a holder or
// "cannot be read", and what a message box shows of them is one short line.
#include "FuzzCheck.h"
#include "sheet/LockFileText.h"

#include <cstdint>

namespace {

using LockFileText::Content;

bool fitsInAMessage(const QString& field)
{
    if (field.size() > LockFileText::kMaxFieldLength + 1 || !field.isValidUtf16() || field.trimmed() != field)
        return false;
    for (const QChar c : field) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Content content = LockFileText::parse(bytes);
    FUZZ_CHECK(fitsInAMessage(content.user) && fitsInAMessage(content.host));
    if (bytes.size() > LockFileText::kMaxSize)
        FUZZ_CHECK(content.kind == Content::Kind::Unreadable);

    switch (content.kind) {
    case Content::Kind::Unreadable:
        FUZZ_CHECK(content.user.isEmpty() && content.host.isEmpty() && content.pid == 0 && !content.since.isValid());
        break;
    case Content::Kind::QtLock: {
        // The pid is the first line, read as Qt reads it.
        const qsizetype lineEnd = bytes.indexOf('\n');
        QByteArray first = lineEnd < 0 ? bytes : bytes.left(lineEnd);
        if (first.endsWith('\r'))
            first.chop(1);
        bool ok = false;
        FUZZ_CHECK(first.toLongLong(&ok) == content.pid && ok && content.pid > 0);
        FUZZ_CHECK(content.user.isEmpty() && !content.since.isValid());
        break;
    }
    case Content::Kind::OfficeLock: {
        FUZZ_CHECK(content.pid == 0);
        // Only the entry counts: what follows it changes nothing.
        const QByteArray longer = bytes + "\n,other,entry,01.01.2000 00:00,;";
        if (longer.size() <= LockFileText::kMaxSize) {
            const Content again = LockFileText::parse(longer);
            FUZZ_CHECK(again.kind == content.kind && again.user == content.user && again.host == content.host
                       && again.since == content.since);
        }
        break;
    }
    }
    return 0;
}
