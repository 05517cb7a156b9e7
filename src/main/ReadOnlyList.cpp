#include "ReadOnlyList.h"

#include "sheet/ListLock.h"
#include "sheet/NativeFiles.h"

#include <QDir>
#include <QFileInfo>

namespace ReadOnlyList {

QString proposedSavePath(const QString& lockedPath)
{
    const QFileInfo locked(lockedPath);
    const QDir folder = locked.absoluteDir();
    const QString base = locked.completeBaseName() + QStringLiteral(" のコピー");
    QString candidate = folder.filePath(base + QStringLiteral(".kav"));
    // Bounded: past this many copies the user picks a name in the dialog anyway.
    for (int number = 2; QFileInfo::exists(candidate) && number < 1000; ++number)
        candidate = folder.filePath(QStringLiteral("%1 (%2).kav").arg(base).arg(number));
    return candidate;
}

bool writesLockedFile(const QString& target, const QString& lockedPath)
{
    return NativeFiles::isSameFile(target, lockedPath)
           || ListLock::lockPathFor(target) == ListLock::lockPathFor(lockedPath);
}

QString refusal(const QString& target)
{
    return QStringLiteral("%1 は他のプログラムで編集中のため、読み取り専用で開いています。別の名前で保存してください。")
        .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
}

} // namespace ReadOnlyList
