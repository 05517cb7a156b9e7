// tagrio-cli: every output of the program from a record file, without a window.
#include "JapaneseTranslation.h"
#include "main/cli/CliCommands.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

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
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    return runCli(app.arguments(), out, err);
}
