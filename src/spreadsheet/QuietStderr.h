#pragma once

// Sends the process's standard error to the null device while it lives.
// libxlsxwriter prints its own English "[ERROR]" lines there before it
// returns the error that this program reports in Japanese; users of
// tagrio-cli must not see those lines.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1; // a duplicate of the standard error it had, or -1
};
