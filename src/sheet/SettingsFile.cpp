#include "SettingsFile.h"

#include "Failure.h"
#include "FileAccess.h"
#include "FileWrite.h"
#include "FileReading.h"
#include "TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

Settings Settings::defaults()
{
    return Settings{{
        QStringLiteral("〇〇〇〇株式会社"),
        QStringLiteral("行　き　先"),
        QStringLiteral("ｹｰﾌﾞﾙ種類"),
        QStringLiteral("用　　　途"),
        QStringLiteral("施工年月日"),
        QStringLiteral("施 工 者 名"),
        QStringLiteral("ｹｰﾌﾞﾙ製造年"),
    }};
}

namespace SettingsFile {

bool load(const QString& path, Settings& settings)
{
    // Seven short lines; anything far larger is no settings file of ours.
    constexpr qint64 kMaxSettingsSize = 64 * 1024;
    QByteArray bytes;
    try {
        bytes = FileReading::readAll(path, kMaxSettingsSize);
    } catch (const Failure&) {
        return false;
    }
    loadFromBytes(bytes, settings);
    return true;
}

void loadFromBytes(const QByteArray& bytes, Settings& settings)
{
    const QString text = TextCodec::decode(bytes);
    const std::vector<QStringView> lines = TextCodec::splitLines(text);
    const size_t present = std::min(lines.size(), settings.lines.size());
    for (size_t i = 0; i < present; ++i)
        settings.lines[i] = lines[i].toString();
}

QByteArray serialize(const Settings& settings)
{
    return TextCodec::encodeLinesForSaving(QStringList(settings.lines.begin(), settings.lines.end()));
}

void save(const QString& path, const Settings& settings)
{
    FileWrite::writeAtomically(path, FileWrite::Contents::Settings, {serialize(settings)});
}

namespace {
constexpr const char16_t* kInstallationMarks[] = {u"../share/applications/tagrio.desktop", u"../Uninstall.exe"};
} // namespace

QString pathFor(const QString& executableFolder)
{
    const QString local = QDir(executableFolder).filePath(QString::fromLatin1(kFileName));
    // A settings file beside the program wins while it can be written: a
    // portable copy, or a file carried over from an older installation.
    const QFileInfo existing(local);
    if (existing.isFile() && existing.isWritable())
        return local;
    // An installed program keeps its settings per user, even where the
    // program's folder happens to be writable. Installed means its desktop
    // entry laid out beside it (`cmake --install` and the Debian package) or
    // the uninstaller of the Windows installer; the Windows zip has neither.
    const bool installed = std::ranges::any_of(kInstallationMarks, [&](const char16_t* mark) {
        return QFileInfo::exists(QDir(executableFolder).filePath(QString::fromUtf16(mark)));
    });
    const QFileInfo folder(executableFolder);
    if (!installed && folder.isDir() && folder.isWritable())
        return local;
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configFolder);
    return QDir(configFolder).filePath(QString::fromLatin1(kFileName));
}

} // namespace SettingsFile
