#pragma once

// File-system faults: staged in a child process, so that a size limit or a
// dropped privilege never reaches the test process itself, or, for tests
// that need the test process's own windows, a size limit lifted again.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace FileFaults {

// Runs body in a child process and returns its exit status (-signal when killed).
inline int inChild(const std::function<int()>& body, const std::function<void(pid_t)>& whileRunning = {})
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    if (whileRunning)
        whileRunning(pid);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// A file-size limit stands in for a full disk: writes past it fail with EFBIG
// (the signal that would end the process is ignored, as a full disk sends none).
inline void limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// The same limit in the test process itself, lifted again (with the signal's
// handler put back) when the object goes.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

inline constexpr uid_t kUnprivilegedUid = 65534;

// Root writes into any folder whatever its mode; a child running as root
// becomes an ordinary user first. Returns false when that failed.
inline bool dropRoot()
{
    if (geteuid() != 0)
        return true;
    return setgid(kUnprivilegedUid) == 0 && setuid(kUnprivilegedUid) == 0;
}

// A folder everybody may enter and read but nobody (but root) may write,
// inside a temporary folder that everybody may enter.
struct ReadOnlyFolder {
    QTemporaryDir base;
    QString path = base.filePath(QStringLiteral("locked"));

    ReadOnlyFolder()
    {
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(base.path()).constData(), 0755);
        ::chmod(QFile::encodeName(path).constData(), 0555);
    }
    ~ReadOnlyFolder() { ::chmod(QFile::encodeName(path).constData(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    QString filePath(const QString& name) const { return path + u'/' + name; }
};

} // namespace FileFaults
