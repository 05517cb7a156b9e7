#include "FileWrite.h"

#include "Failure.h"
#include "FileAccess.h"
#include "FileStamp.h"
#include "NativeFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>

namespace FileWrite {
namespace {

struct Kept {
    QString path;
    KeptAs role;
};

// The kept files of the whole program: recovery copies are written on a
// worker thread while the window keeps its files.
struct KeptFiles {
    std::mutex mutex;
    std::map<int, Kept> files;
    int lastId = 0;
};

KeptFiles& keptFiles()
{
    static KeptFiles kept;
    return kept;
}

bool mayReplace(KeptAs role, Contents contents)
{
    switch (role) {
    case KeptAs::Input:
        return false;
    case KeptAs::OpenList:
        return contents == Contents::RecordFile;
    case KeptAs::Settings:
        return contents == Contents::Settings;
    }
    return false;
}

QString keptMessage(KeptAs role, const QString& target)
{
    switch (role) {
    case KeptAs::Input:
        return QStringLiteral("出力先 %1 は入力ファイルと同じです。入力ファイルはそのままにしました。").arg(target);
    case KeptAs::OpenList:
        return QStringLiteral("出力先 %1 は開いている一覧のファイルです。一覧のファイルはそのままにしました。").arg(target);
    case KeptAs::Settings:
        return QStringLiteral("出力先 %1 は設定ファイルです。設定ファイルはそのままにしました。").arg(target);
    }
    return {};
}

void refuseKeptFiles(const QString& target, const QString& resolved, Contents contents)
{
    KeptFiles& kept = keptFiles();
    const std::lock_guard lock(kept.mutex);
    for (const auto& [id, file] : kept.files) {
        if (!mayReplace(file.role, contents) && NativeFiles::isSameFile(resolved, file.path))
            throw KeptFileRefusal(keptMessage(file.role, target));
    }
}

[[noreturn]] void cannotCreate(const QString& target, const QString& reason)
{
    throw Failure(FileAccess::cannotCreateMessage(target, reason));
}

// Sets errno to 0, runs the call and returns errno as it stood right after.
template <typename Call>
int errnoAfter(Call&& call)
{
    errno = 0;
    call();
    return errno;
}

// A new file beside target with a short name of plain ASCII (libraries open
// it through a char* path). Created with the usual permissions, as any new
// file of the user's; it is closed again at once, since Windows cannot rename
// a file that is still open.
QString reservePartialFile(const QString& target, const QString& resolved)
{
    const QString folder = QFileInfo(resolved).absolutePath();
    if (!QFileInfo(folder).isDir())
        cannotCreate(target, FileAccess::systemReason(ENOENT));
    int error = 0;
    for (int attempt = 0; attempt < 32; ++attempt) {
        const QString name = QStringLiteral("/.~tagrio-%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(folder + name);
        bool opened = false;
        error = errnoAfter([&] { opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly); });
        if (opened)
            return file.fileName();
        if (!file.exists())
            cannotCreate(target, FileAccess::systemReason(file, error));
    }
    cannotCreate(target, FileAccess::systemReason(error));
}

} // namespace

KeptFile::KeptFile(const QString& path, KeptAs role)
{
    KeptFiles& kept = keptFiles();
    const std::lock_guard lock(kept.mutex);
    id_ = ++kept.lastId;
    kept.files.emplace(id_, Kept{path, role});
}

KeptFile::~KeptFile()
{
    if (id_ == 0)
        return;
    KeptFiles& kept = keptFiles();
    const std::lock_guard lock(kept.mutex);
    kept.files.erase(id_);
}

KeptFile::KeptFile(KeptFile&& other) noexcept : id_(std::exchange(other.id_, 0)) {}

KeptFile& KeptFile::operator=(KeptFile&& other) noexcept
{
    if (this != &other) {
        KeptFile released(std::move(*this));
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

TargetState stateOf(const QString& target, const QString& ownFile, const FileStamp& ownStamp)
{
    const QString resolved = resolvedTarget(target);
    if (!QFileInfo::exists(resolved))
        return TargetState::Absent;
    if (!ownFile.isEmpty() && NativeFiles::isSameFile(resolved, ownFile))
        return ownStamp.changedOnDisk(ownFile) ? TargetState::OwnFileChanged : TargetState::OwnFile;
    return TargetState::OtherFile;
}

QString resolvedTarget(const QString& target)
{
    QFileInfo file(target);
    // A loop of links ends somewhere; the write then fails on the link itself.
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? target : file.filePath();
}

void refuseUnwritable(const QString& target, Contents contents)
{
    const QString resolved = resolvedTarget(target);
    const QFileInfo file(resolved);
    if (file.isDir())
        cannotCreate(target, QStringLiteral("同じ名前のフォルダーがあります。"));
    if (file.exists() && !file.isFile())
        cannotCreate(target, QStringLiteral("通常のファイルではありません。"));
    refuseKeptFiles(target, resolved, contents);
    // The owner's write permission is looked at too: a file marked read-only
    // stays so even for an administrator, as its owner meant.
    if (file.exists() && (!file.isWritable() || !file.permissions().testFlag(QFileDevice::WriteOwner)))
        cannotCreate(target, QStringLiteral("読み取り専用です。"));
}

Output::Output(const QString& target, Contents contents)
    : target_(target)
    , resolved_(resolvedTarget(target))
    , contents_(contents)
{
    refuseUnwritable(target, contents);
    partial_ = reservePartialFile(target, resolved_);
}

Output::~Output()
{
    if (!partial_.isEmpty())
        QFile::remove(partial_);
}

void Output::commit()
{
    // Whatever the writer did meanwhile, a kept file is still never replaced.
    refuseUnwritable(target_, contents_);
    if (QFileInfo::exists(resolved_))
        QFile::setPermissions(partial_, QFile::permissions(resolved_));
    if (const QString reason = NativeFiles::syncToDisk(partial_); !reason.isEmpty())
        cannotCreate(target_, reason);
    if (const QString reason = NativeFiles::renameOver(partial_, resolved_); !reason.isEmpty())
        cannotCreate(target_, reason);
    partial_.clear();
}

void writeAtomically(const QString& target, Contents contents, const QByteArrayList& pieces)
{
    Output output(target, contents);
    QFile file(output.partialPath());
    bool done = false;
    int error = errnoAfter([&] { done = file.open(QIODevice::WriteOnly | QIODevice::Truncate); });
    if (!done)
        cannotCreate(target, FileAccess::systemReason(file, error));
    error = errnoAfter([&] {
        done = std::all_of(pieces.begin(), pieces.end(),
                           [&](const QByteArray& piece) { return file.write(piece) == piece.size(); })
            && file.flush();
    });
    if (!done)
        cannotCreate(target, FileAccess::systemReason(file, error));
    file.close();
    output.commit();
}

} // namespace FileWrite
