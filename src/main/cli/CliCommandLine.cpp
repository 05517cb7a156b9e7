#include "CliCommandLine.h"

#include "sheet/Failure.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/DocumentFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <array>

namespace {

// Every option takes one value; "-o" is the short name of "--output".
const QStringList kValueOptions = {
    QStringLiteral("order"), QStringLiteral("no-box"), QStringLiteral("settings"),
    QStringLiteral("today"), QStringLiteral("dpi"),    QStringLiteral("output"),
    // printing on label stock
    QStringLiteral("start"), QStringLiteral("records"), QStringLiteral("copies"),
    QStringLiteral("offset"), QStringLiteral("scale"),
    // import: each table column's record column
    QStringLiteral("columns"),
};
// Options without a value.
const QStringList kFlagOptions = {QStringLiteral("no-heading")};

struct KindName {
    OutputKind kind;
    const char16_t* name;
};
constexpr std::array kKindNames = {
    KindName{OutputKind::Template, u"template"},
    KindName{OutputKind::TypeA, u"a"},
    KindName{OutputKind::TypeBTrunk, u"b-trunk"},
    KindName{OutputKind::TypeBBranch, u"b-branch"},
};

QString dashed(const QString& name) { return (name.size() == 1 ? u"-"_qs : u"--"_qs) + name; }

} // namespace

CliCommandLine CliCommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : kValueOptions) {
        QStringList names{name};
        if (name == u"output")
            names.prepend(QStringLiteral("o"));
        parser.addOption(QCommandLineOption(names, {}, QStringLiteral("value")));
    }
    for (const QString& name : kFlagOptions)
        parser.addOption(QCommandLineOption(name));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            throw UsageError("unknown option " + dashed(parser.unknownOptionNames().first()).toStdString());
        throw UsageError(parser.errorText().toStdString());
    }

    CliCommandLine line;
    line.helpAsked = parser.isSet(QStringLiteral("help"));
    line.positional = parser.positionalArguments();
    if (!line.positional.isEmpty())
        line.command = line.positional.takeFirst();
    for (const QString& name : kValueOptions) {
        if (parser.isSet(name))
            line.options_.insert(name, parser.value(name));
    }
    for (const QString& name : kFlagOptions) {
        if (parser.isSet(name))
            line.options_.insert(name, QString());
    }
    return line;
}

void CliCommandLine::requirePositional(int min, int max) const
{
    const auto n = positional.size();
    if (n < min || n > max)
        throw UsageError("wrong number of arguments for " + command.toStdString());
}

OutputKind CliCommandLine::outputKind(int index, std::initializer_list<OutputKind> allowed) const
{
    const QString text = positional.value(index);
    for (const KindName& known : kKindNames) {
        if (text == QStringView(known.name) && std::find(allowed.begin(), allowed.end(), known.kind) != allowed.end())
            return known.kind;
    }
    QStringList names;
    for (const KindName& known : kKindNames) {
        if (std::find(allowed.begin(), allowed.end(), known.kind) != allowed.end())
            names << QString::fromUtf16(known.name);
    }
    const QString last = names.takeLast();
    const QString choices = names.isEmpty() ? last : names.join(u", "_qs) + u" or "_qs + last;
    throw UsageError((command + u" KIND must be "_qs + choices).toStdString());
}

void CliCommandLine::requireOptionsAmong(const QStringList& names) const
{
    for (auto option = options_.keyBegin(); option != options_.keyEnd(); ++option) {
        if (!names.contains(*option))
            throw UsageError(dashed(*option).toStdString() + " does not apply to " + command.toStdString());
    }
}

QString CliCommandLine::output() const
{
    if (!has(QStringLiteral("output")))
        throw UsageError(command.toStdString() + " needs -o OUT");
    return option(QStringLiteral("output"));
}

QString CliCommandLine::noBoxText() const { return option(QStringLiteral("no-box"), QStringLiteral("No.")); }

TextOrder CliCommandLine::textOrder() const
{
    const QString order = option(QStringLiteral("order"), QStringLiteral("standard"));
    if (order == u"standard")
        return TextOrder::Standard;
    if (order == u"from-to")
        return TextOrder::FromTo;
    if (order == u"to-from")
        return TextOrder::ToFrom;
    throw UsageError("--order must be standard, from-to or to-from");
}

EraDate CliCommandLine::today() const
{
    if (!has(QStringLiteral("today")))
        return EraDate::forDate(QDate::currentDate());
    const QDate date = QDate::fromString(option(QStringLiteral("today")), Qt::ISODate);
    if (!date.isValid())
        throw UsageError("--today needs a date as YYYY-MM-DD");
    return EraDate::forDate(date);
}

int CliCommandLine::dpi() const { return positiveNumber(QStringLiteral("dpi"), 1200); }

std::optional<QString> CliCommandLine::value(const QString& name) const
{
    return has(name) ? std::optional(option(name)) : std::nullopt;
}

int CliCommandLine::positiveNumber(const QString& name, int fallback) const
{
    if (!has(name))
        return fallback;
    bool ok = false;
    const int value = option(name).toInt(&ok);
    if (!ok || value <= 0)
        throw UsageError("--" + name.toStdString() + " needs a positive whole number");
    return value;
}

void CliCommandLine::keep(const QString& path, FileWrite::KeptAs role) const
{
    kept_.emplace_back(path, role);
}

QString CliCommandLine::settingsFile() const
{
    return has(QStringLiteral("settings")) ? option(QStringLiteral("settings"))
                                           : SettingsFile::pathFor(QCoreApplication::applicationDirPath());
}

std::unique_ptr<RecordDocument> CliCommandLine::document(const QString& recordFile, FileWrite::KeptAs role) const
{
    if (!recordFile.isEmpty())
        keep(recordFile, role);
    // Opened as the window's 開く opens it: a record file, or a cable list kept as .xlsx or .csv.
    auto document = RecordDocument::fromFiles(QString(), settingsFile());
    if (recordFile.isEmpty())
        return document;
    const QStringList notes = DocumentFiles::open(*document, recordFile);
    if (!notes.isEmpty()) {
        QTextStream err(stderr);
        err << notes.join(u'\n') << '\n';
    }
    return document;
}
