#include "RecoveryFiles.h"

#include "Failure.h"
#include "FileAccess.h"
#include "FileWrite.h"
#include "FileReading.h"
#include "RecordFile.h"
#include "RunningProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

namespace RecoveryFiles {

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
        {QStringLiteral("started"), RunningProcess::startMarkOf(copy.pid)},
        {QStringLiteral("written"), copy.writtenAt.toString(Qt::ISODate)},
    };
    FileWrite::writeAtomically(copy.infoPath, FileWrite::Contents::Output, {QJsonDocument(info).toJson()});
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
        const QString infoPath = QDir(folder).filePath(name);
        QByteArray description;
        try {
            description = FileReading::readAll(infoPath, kMaxDescriptionSize);
        } catch (const Failure&) {
            continue;
        }
        const QJsonObject info = QJsonDocument::fromJson(description).object();
        const qint64 pid = info.value(QStringLiteral("pid")).toInteger();
        Copy copy = copyFor(folder, pid);
        if (copy.infoPath != infoPath || !QFile::exists(copy.recordPath)
            || RunningProcess::isRunning(pid, info.value(QStringLiteral("started")).toString()))
            continue;
        copy.originalPath = info.value(QStringLiteral("original")).toString();
        copy.writtenAt = QDateTime::fromString(info.value(QStringLiteral("written")).toString(), Qt::ISODate);
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) { return a.writtenAt < b.writtenAt; });
    return copies;
}

} // namespace RecoveryFiles
