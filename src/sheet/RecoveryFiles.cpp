#include "RecoveryFiles.h"

#include "Failure.h"
#include "FileAccess.h"
#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace RecoveryFiles {
namespace {

// When the process started, from /proc: with the pid it tells a process
// apart from a later one that was given the same pid.
QString startMarkOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // Field 22; the command name (field 2) may hold blanks, so count after its ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

bool isRunning(qint64 pid, const QString& startMark)
{
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM))
        return false;
    const QString current = startMarkOf(pid);
    return startMark.isEmpty() || current.isEmpty() || current == startMark;
}

} // namespace

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

Copy copyFor(const QString& folder, qint64 pid)
{
    const QString base = QStringLiteral("%1/tagrio-%2").arg(folder).arg(pid);
    return {base + QStringLiteral(".kav"), base + QStringLiteral(".json"), {}, pid, {}};
}

void write(const Copy& copy, const QString& companyName, const RecordSheet& sheet)
{
    const QString folder = QFileInfo(copy.recordPath).absolutePath();
    if (!QDir().mkpath(folder))
        throw Failure(FileAccess::cannotCreateMessage(folder, QStringLiteral("フォルダーを作れません。")));
    RecordFile::save(copy.recordPath, companyName, sheet);
    const QJsonObject info{
        // Absolute: the program that restores the copy may start in another folder.
        {QStringLiteral("original"), copy.originalPath.isEmpty() ? QString() : QFileInfo(copy.originalPath).absoluteFilePath()},
        {QStringLiteral("pid"), copy.pid},
        {QStringLiteral("started"), startMarkOf(copy.pid)},
        {QStringLiteral("written"), copy.writtenAt.toString(Qt::ISODate)},
    };
    FileAccess::writeAtomically(copy.infoPath, QJsonDocument(info).toJson());
}

void remove(const Copy& copy)
{
    // The description first: a record file alone is never offered.
    QFile::remove(copy.infoPath);
    QFile::remove(copy.recordPath);
}

std::vector<Copy> leftBehind(const QString& folder)
{
    std::vector<Copy> copies;
    const QStringList infos = QDir(folder).entryList({QStringLiteral("tagrio-*.json")}, QDir::Files);
    for (const QString& name : infos) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject info = QJsonDocument::fromJson(file.readAll()).object();
        const qint64 pid = info.value(QStringLiteral("pid")).toInteger();
        Copy copy = copyFor(folder, pid);
        if (copy.infoPath != file.fileName() || !QFile::exists(copy.recordPath)
            || isRunning(pid, info.value(QStringLiteral("started")).toString()))
            continue;
        copy.originalPath = info.value(QStringLiteral("original")).toString();
        copy.writtenAt = QDateTime::fromString(info.value(QStringLiteral("written")).toString(), Qt::ISODate);
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) { return a.writtenAt < b.writtenAt; });
    return copies;
}

} // namespace RecoveryFiles
