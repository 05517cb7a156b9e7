#include "WorkbookHandOff.h"

#include "XlsxWriter.h"
#include "sheet/Failure.h"
#include "sheet/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

namespace WorkbookHandOff {

namespace {

QString inPrivateFolder(const QString& fileName, const std::function<void(const QString& path)>& write)
{
    // Qt gives an empty temporary path when TMPDIR names a folder that does
    // not exist; the folder would then be made in the root folder.
    const QString temporaryPath = QDir::tempPath();
    if (temporaryPath.isEmpty())
        throw Failure(QStringLiteral("一時フォルダーを作成できません。フォルダー \"%1\" がありません。")
                          .arg(QDir::toNativeSeparators(qEnvironmentVariable("TMPDIR"))));
    errno = 0;
    QTemporaryDir folder(temporaryPath + QStringLiteral("/tagrio-XXXXXX"));
    if (!folder.isValid()) {
        const QString reason = FileAccess::systemReason(errno, folder.errorString());
        throw Failure(QStringLiteral("一時フォルダーを作成できません。%1").arg(reason));
    }
    folder.setAutoRemove(false);
    // QTemporaryDir makes the folder readable by its owner only.
    const QString path = folder.filePath(fileName);
    try {
        write(path);
    } catch (...) {
        folder.remove();
        throw;
    }
    return path;
}

} // namespace

QString buildInPrivateFolder(const QString& fileName, const std::function<void(Workbook&)>& build,
                             const std::function<void()>& tick)
{
    return inPrivateFolder(fileName, [&](const QString& path) {
        Workbook workbook;
        XlsxWriter::StreamingWrite file(workbook, path);
        build(workbook);
        file.finish(tick);
    });
}

std::optional<Command> spreadsheetCommandFor(const QString& path,
                                             const std::function<QString(const QString&)>& findExecutable)
{
    for (const auto* name : {u"libreoffice", u"soffice"}) {
        const QString program = findExecutable(QString::fromUtf16(name));
        if (!program.isEmpty())
            return Command{program, {QStringLiteral("-n"), path}};
    }
    return std::nullopt;
}

QString cannotOpenMessage(const QString& path)
{
    return QStringLiteral("ブックを開ける表計算アプリケーションが見つかりません。\nブックは次の場所に保存しました:\n%1")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace WorkbookHandOff
