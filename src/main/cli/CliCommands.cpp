// The command table of tagrio-cli. To add a command: write its run function
// (see CliCommandRuns.h; read the options through CliCommandLine), declare it
// there and add one row below. The rows' order is the order of the usage text.
#include "CliCommands.h"

#include "CliCommandRuns.h"
#include "sheet/Failure.h"

#include <array>

namespace {

struct CliCommand {
    const char* name;
    const char* usage; // one line, after "tagrio-cli "
    int (*run)(const CliCommandLine& line, QTextStream& out);
    // The options the command takes besides the global ones; any other is a usage error.
    const char* options = "";
};

constexpr std::array kCommands = {
    CliCommand{"dump", "dump FILE", runDump},
    CliCommand{"save", "save IN OUT", runSave},
    CliCommand{"texts", "texts FILE [--order standard|from-to|to-from]", runTexts, "order"},
    CliCommand{"catalogue", "catalogue", runCatalogue},
    CliCommand{"xlsx", "xlsx template|a|b-trunk|b-branch [FILE] -o OUT [--no-box TEXT]", runXlsx, "output no-box"},
    CliCommand{"pdf", "pdf a|b-trunk|b-branch FILE -o OUT [--order O] [--no-box TEXT] [--dpi N]", runPdf,
               "output order no-box dpi"},
    CliCommand{"import", "import IN.xlsx|IN.csv -o OUT.kav [--columns LIST] [--no-heading]", runImport,
               "output columns no-heading"},
    CliCommand{"export", "export FILE -o OUT.xlsx|OUT.csv", runExport, "output"},
    CliCommand{"pdf", "pdf ... [--start N] [--records LIST] [--copies N] [--offset X,Y] [--scale SX,SY]", runPdf,
               "start records copies offset scale"},
    CliCommand{"pdf", "pdf calibration-a|calibration-b-trunk|calibration-b-branch -o OUT [--offset X,Y] [--scale SX,SY]",
               runPdf, "output dpi offset scale"},
    CliCommand{"check", "check a|b-trunk|b-branch FILE [--records LIST] [--order O] [--no-box TEXT]", runCheck,
               "records order no-box"},
};

// Options every command takes.
constexpr const char* kGlobalOptions = "settings today";

void printUsage(QTextStream& stream)
{
    stream << "usage:\n";
    for (const CliCommand& command : kCommands)
        stream << "  tagrio-cli " << command.usage << '\n';
    stream << "options: --order standard|from-to|to-from, --no-box TEXT, --settings FILE,\n"
              "         --today YYYY-MM-DD, --dpi N, -o OUT\n";
}

int runCommand(const CliCommandLine& line, QTextStream& out)
{
    QStringList taken = QString::fromLatin1(kGlobalOptions).split(u' ');
    for (const CliCommand& command : kCommands) {
        if (line.command == QLatin1String(command.name))
            taken << QString::fromLatin1(command.options).split(u' ', Qt::SkipEmptyParts);
    }
    // No command writes the settings, whatever -o says.
    line.keep(line.settingsFile(), FileWrite::KeptAs::Settings);
    for (const CliCommand& command : kCommands) {
        if (line.command == QLatin1String(command.name)) {
            line.requireOptionsAmong(taken);
            return command.run(line, out);
        }
    }
    throw UsageError(line.command.isEmpty() ? "no command given" : "unknown command " + line.command.toStdString());
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    try {
        const CliCommandLine line = CliCommandLine::parse(arguments);
        if (line.helpAsked) {
            printUsage(out);
            return 0;
        }
        return runCommand(line, out);
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
