// Runs one command as a child process and prints "time_ms=T peak_kb=K": its
// wall time from start to exit and its own peak resident memory, as
// getrusage reports it for the waited-for child. The child's output is
// dropped; its exit status is passed on.
//   bench_process COMMAND [ARGUMENTS...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_process COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return 2;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("time_ms=%.1f peak_kb=%ld\n", ms, usage.ru_maxrss);
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    std::fprintf(stderr, "%s ended by signal %d\n", argv[1], WTERMSIG(status));
    return 1;
}
