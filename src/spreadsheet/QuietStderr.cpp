#include "QuietStderr.h"

#include <cstdio>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
namespace {
constexpr char kNullDevice[] = "NUL";
int duplicate(int fd) { return ::_dup(fd); }
int duplicateTo(int fd, int target) { return ::_dup2(fd, target); }
int openForWriting(const char* path) { return ::_open(path, _O_WRONLY); }
int closeFile(int fd) { return ::_close(fd); }
int stderrNumber() { return ::_fileno(stderr); }
} // namespace
#else
#include <unistd.h>
namespace {
constexpr char kNullDevice[] = "/dev/null";
int duplicate(int fd) { return ::dup(fd); }
int duplicateTo(int fd, int target) { return ::dup2(fd, target); }
int openForWriting(const char* path) { return ::open(path, O_WRONLY | O_CLOEXEC); }
int closeFile(int fd) { return ::close(fd); }
int stderrNumber() { return ::fileno(stderr); }
} // namespace
#endif

QuietStderr::QuietStderr()
{
    std::fflush(stderr);
    const int null = openForWriting(kNullDevice);
    if (null < 0)
        return;
    saved_ = duplicate(stderrNumber());
    if (saved_ >= 0 && duplicateTo(null, stderrNumber()) < 0) {
        closeFile(saved_);
        saved_ = -1;
    }
    closeFile(null);
}

QuietStderr::~QuietStderr()
{
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    duplicateTo(saved_, stderrNumber());
    closeFile(saved_);
}
