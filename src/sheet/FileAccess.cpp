#include "FileAccess.h"

#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace FileAccess {
namespace {

// Windows has no quota error number; a full quota is a full disk there too.
#ifdef EDQUOT
constexpr int kQuotaExceeded = EDQUOT;
#else
constexpr int kQuotaExceeded = ENOSPC;
#endif

struct KnownCause {
    int errorNumber;
    const char16_t* reason;
};

// EFBIG comes from a write stopped by a file-size limit, which to the user is
// the same as a full disk.
const KnownCause kKnownCauses[] = {
    {ENOSPC, u"ディスクの空き容量が足りません。"},
    {kQuotaExceeded, u"ディスクの空き容量が足りません。"},
    {EFBIG, u"ディスクの空き容量が足りません。"},
    {EACCES, u"アクセスが拒否されました。"},
    {EPERM, u"アクセスが拒否されました。"},
    {ENOENT, u"フォルダーが見つかりません。"},
    {ENOTDIR, u"フォルダーが見つかりません。"},
    {EROFS, u"読み取り専用です。"},
};

QString systemText(int errorNumber) { return QString::fromLocal8Bit(std::strerror(errorNumber)); }

} // namespace

QString systemReason(int errorNumber, const QString& text)
{
    for (const KnownCause& cause : kKnownCauses) {
        if (!text.isEmpty() && text == systemText(cause.errorNumber))
            return QString::fromUtf16(cause.reason);
    }
    for (const KnownCause& cause : kKnownCauses) {
        if (errorNumber == cause.errorNumber)
            return QString::fromUtf16(cause.reason);
    }
    if (!text.isEmpty() || errorNumber == 0)
        return text;
    return systemText(errorNumber);
}

bool isOutOfSpace(int errorNumber)
{
    return errorNumber == ENOSPC || errorNumber == kQuotaExceeded || errorNumber == EFBIG;
}

QString systemReason(const QFileDevice& file, int errorNumber)
{
    return systemReason(errorNumber, file.errorString());
}

QString cannotOpenMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("ファイル %1 は開けません。 %2 ").arg(path, reason);
}

QString cannotCreateMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(path, reason);
}

} // namespace FileAccess
