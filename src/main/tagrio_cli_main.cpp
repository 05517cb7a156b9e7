// tagrio-cli: every output of the program from a record file, without a window.
#include "JapaneseTranslation.h"
#include "main/cli/CliCommand.h"
#include "sheet/Failure.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void printUsage(QTextStream& err)
{
    err << "usage:\n";
    for (const CliCommand& command : cliCommands())
        err << "  tagrio-cli " << command.usage << '\n';
    err << "options: --order standard|from-to|to-from, --no-box TEXT, --settings FILE,\n"
           "         --today YYYY-MM-DD, --dpi N, -o OUT\n";
}

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
    // Drawing text for the PDF outputs needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousMessageHandler = qInstallMessageHandler(dropRuntimeFolderWarning);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previousMessageHandler);
    QCoreApplication::setApplicationName(QStringLiteral("tagrio"));
    installJapaneseTranslation(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    try {
        const CliArguments args = CliArguments::parse(app.arguments().mid(1));
        for (const CliCommand& command : cliCommands()) {
            if (args.command == QString::fromLatin1(command.name))
                return command.run(args, out);
        }
        throw UsageError(args.command.isEmpty() ? "no command given" : "unknown command " + args.command.toStdString());
    } catch (const UsageError& e) {
        err << "tagrio-cli: " << e.what() << '\n';
        printUsage(err);
        return 2;
    } catch (const Failure& e) {
        out.flush();
        err << e.message() << '\n';
        return 1;
    } catch (const std::exception& e) {
        out.flush();
        err << e.what() << '\n';
        return 1;
    }
}
