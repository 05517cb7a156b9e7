#include "FileAccess.h"

#include "Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileAccess {

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
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(cannotOpenMessage(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(cannotOpenMessage(path, file.errorString()));
    return bytes;
}

void writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo(path).isDir())
        throw Failure(cannotCreateMessage(path, QStringLiteral("同じ名前のフォルダーがあります。")));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(cannotCreateMessage(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Failure(cannotCreateMessage(path, reason));
    }
    if (!file.commit())
        throw Failure(cannotCreateMessage(path, file.errorString()));
}

} // namespace FileAccess
