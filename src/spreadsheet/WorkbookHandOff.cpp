#include "WorkbookHandOff.h"

#include "Failure.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace WorkbookHandOff {

QString writeToPrivateFolder(const Workbook& workbook, const QString& fileName, const std::function<void()>& tick)
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tagrio-XXXXXX"));
    if (!folder.isValid())
        throw Failure(QStringLiteral("一時フォルダーを作成できません。%1").arg(folder.errorString()));
    folder.setAutoRemove(false);
    // QTemporaryDir makes the folder readable by its owner only.
    const QString path = folder.filePath(fileName);
    try {
        XlsxWriter::write(workbook, path, tick);
    } catch (...) {
        folder.remove();
        throw;
    }
    return path;
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
