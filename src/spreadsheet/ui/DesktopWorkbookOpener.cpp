#include "DesktopWorkbookOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool DesktopWorkbookOpener::open(const QString& path)
{
    const auto command = WorkbookHandOff::spreadsheetCommandFor(
        path, [](const QString& name) { return QStandardPaths::findExecutable(name); });
    if (command && QProcess::startDetached(command->program, command->arguments))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
