#include "DesktopWorkbookOpener.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

std::optional<WorkbookHandOff::Command> installedSpreadsheetCommand(const QString& path)
{
#ifdef Q_OS_WIN
    // Windows opens .xlsx files in the application the user chose for them
    // (Excel on most machines), which opens its own copy for editing.
    Q_UNUSED(path);
    return std::nullopt;
#else
    return WorkbookHandOff::spreadsheetCommandFor(
        path, [](const QString& name) { return QStandardPaths::findExecutable(name); });
#endif
}

enum class Outcome { Taken, NotStarted, Failed };

// Starts the application and watches it for the failure window.
Outcome startAndWatch(const WorkbookHandOff::Command& command, std::chrono::milliseconds failureWindow)
{
    // Left without a parent on purpose: a QProcess kills its program when it
    // is destroyed, and the application must outlive this program. It is
    // deleted once the application ends while the program still runs.
    auto* process = new QProcess;
    process->setProgram(command.program);
    process->setArguments(command.arguments);
    // No pipes: a write to a closed one would end the application after this program has gone.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    QEventLoop watching;
    QObject::connect(process, &QProcess::finished, &watching, &QEventLoop::quit);
    QObject::connect(process, &QProcess::errorOccurred, &watching, [&watching](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            watching.quit();
    });
    QTimer::singleShot(failureWindow, &watching, &QEventLoop::quit);
    process->start();
    // The window's busy banner stays up meanwhile; clicks wait for the answer.
    if (process->state() != QProcess::NotRunning)
        watching.exec(QEventLoop::ExcludeUserInputEvents);

    if (process->state() == QProcess::NotRunning) {
        Outcome outcome = Outcome::Failed;
        if (process->error() == QProcess::FailedToStart)
            outcome = Outcome::NotStarted;
        else if (process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0)
            outcome = Outcome::Taken; // handed to an instance already running
        delete process;
        return outcome;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return Outcome::Taken;
}

} // namespace

DesktopWorkbookOpener::DesktopWorkbookOpener(CommandFinder commandFor, std::chrono::milliseconds failureWindow)
    : commandFor_(commandFor ? std::move(commandFor) : CommandFinder(installedSpreadsheetCommand))
    , failureWindow_(failureWindow)
{
}

bool DesktopWorkbookOpener::open(const QString& path)
{
    const auto command = commandFor_(path);
    const Outcome outcome = command ? startAndWatch(*command, failureWindow_) : Outcome::NotStarted;
    if (outcome == Outcome::NotStarted)
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return outcome == Outcome::Taken;
}
