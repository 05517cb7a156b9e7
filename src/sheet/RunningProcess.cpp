#include "RunningProcess.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <QFile>

#include <cerrno>
#include <csignal>
#endif

namespace RunningProcess {
namespace {

#ifdef Q_OS_WIN

struct ProcessHandle {
    HANDLE handle;
    explicit ProcessHandle(qint64 pid)
        : handle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid)))
    {
    }
    ~ProcessHandle()
    {
        if (handle)
            ::CloseHandle(handle);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
};

// An ended process stays open to whoever still holds a handle on it.
bool stillActive(const ProcessHandle& process)
{
    DWORD exitCode = 0;
    return ::GetExitCodeProcess(process.handle, &exitCode) && exitCode == STILL_ACTIVE;
}

// The creation time as a count of 100 ns intervals.
QString creationTimeOf(const ProcessHandle& process)
{
    FILETIME created, exited, kernel, user;
    if (!process.handle || !stillActive(process) || !::GetProcessTimes(process.handle, &created, &exited, &kernel, &user))
        return {};
    return QString::number((quint64(created.dwHighDateTime) << 32) | created.dwLowDateTime);
}

bool exists(qint64 pid)
{
    const ProcessHandle process(pid);
    if (!process.handle)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    return stillActive(process);
}

#else

bool exists(qint64 pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

#endif

} // namespace

QString startMarkOf(qint64 pid)
{
    if (pid <= 0)
        return {};
#ifdef Q_OS_WIN
    return creationTimeOf(ProcessHandle(pid));
#else
    // Field 22 of /proc/<pid>/stat, in clock ticks since boot; the command
    // name (field 2) may hold blanks, so the count starts after its ')'.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
#endif
}

bool isRunning(qint64 pid, const QString& startMark)
{
    if (pid <= 0 || !exists(pid))
        return false;
    const QString current = startMarkOf(pid);
    return startMark.isEmpty() || current.isEmpty() || current == startMark;
}

} // namespace RunningProcess
