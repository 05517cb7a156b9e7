// tagrio-cli: every output of the program from a record file, without a window.
#include "JapaneseTranslation.h"
#include "main/cli/CliCommands.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>
#endif

namespace {

QtMessageHandler previousMessageHandler = nullptr;

// Starting the offscreen platform looks up a runtime folder that tagrio-cli
// never uses; where XDG_RUNTIME_DIR is unset (scripts, containers) Qt would
// warn about it on stderr on every run.
void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    previousMessageHandler(type, context, message);
}

#ifdef Q_OS_WIN
// The output is the same bytes as on Linux: UTF-8 with LF line ends, never
// CR LF from the C library's text mode, so that files written with ">" and
// pipes into other tools match on both systems. A console shows it as UTF-8
// while the program runs and gets its own code page back afterwards.
class Utf8ConsoleOutput {
public:
    Utf8ConsoleOutput() : previousCodePage_(::GetConsoleOutputCP())
    {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
        if (previousCodePage_)
            ::SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8ConsoleOutput()
    {
        std::fflush(stdout);
        std::fflush(stderr);
        if (previousCodePage_)
            ::SetConsoleOutputCP(previousCodePage_);
    }
    Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
    Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

private:
    UINT previousCodePage_; // 0 without a console
};
#endif

} // namespace

int main(int argc, char* argv[])
{
    // Drawing text for the PDF outputs needs a GUI application, but never a
    // display. Windows' own platform needs none and is the one whose font
    // database sees the system's fonts (offscreen there finds none, and the
    // PDFs would come out without text).
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    previousMessageHandler = qInstallMessageHandler(dropRuntimeFolderWarning);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previousMessageHandler);
    QCoreApplication::setApplicationName(QStringLiteral("tagrio"));
    installJapaneseTranslation(app);
#ifdef Q_OS_WIN
    const Utf8ConsoleOutput console; // outlives the streams, which flush when they go
#endif
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    return runCli(app.arguments(), out, err);
}
