#pragma once

#include <QString>

// A list opened read-only because another program is editing its file: the
// window never writes that file, and its 保存 proposes another name.
namespace ReadOnlyList {

// A record file beside the locked one that does not exist yet:
// "NAME のコピー.kav", else "NAME のコピー (2).kav" and so on.
QString proposedSavePath(const QString& lockedPath);

// Whether writing target would write the locked file, by its identity or by
// the lock both names share (symbolic and hard links, other spellings).
bool writesLockedFile(const QString& target, const QString& lockedPath);

// What the user is told when a save is aimed at the locked file.
QString refusal(const QString& target);

} // namespace ReadOnlyList
