#include "FileAccess.h"

#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// Sets errno to 0, runs the call and returns errno as it stood right after,
// so a code left over from an earlier call is never taken for its cause.
template <typename Call>
int errnoAfter(Call&& call)
{
    errno = 0;
    call();
    return errno;
}

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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    const QFileInfo info(path);
    // Devices and pipes may never end or block; only plain files are read.
    if (info.exists() && !info.isFile())
        throw Failure(cannotOpenMessage(path, QStringLiteral("通常のファイルではありません。")));
    if (info.size() > kMaxFileSize)
        throw Failure(cannotOpenMessage(path, QStringLiteral("ファイルが大きすぎます。")));
    bool opened = false;
    int error = errnoAfter([&] { opened = file.open(QIODevice::ReadOnly); });
    if (!opened) {
        // A missing file in a folder that is there is not a missing folder.
        if (error == ENOENT && info.absoluteDir().exists())
            throw Failure(cannotOpenMessage(path, QStringLiteral("ファイルが見つかりません。")));
        throw Failure(cannotOpenMessage(path, systemReason(file, error)));
    }
    QByteArray bytes;
    error = errnoAfter([&] { bytes = file.readAll(); });
    if (file.error() != QFileDevice::NoError)
        throw Failure(cannotOpenMessage(path, systemReason(file, error)));
    return bytes;
}

} // namespace FileAccess
