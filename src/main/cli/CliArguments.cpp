#include "CliArguments.h"

namespace {

// Every option takes one value; "-o" is the short name of "--output".
const QStringList kOptions = {
    QStringLiteral("order"), QStringLiteral("no-box"), QStringLiteral("settings"),
    QStringLiteral("today"), QStringLiteral("dpi"),    QStringLiteral("output"),
};

} // namespace

CliArguments CliArguments::parse(const QStringList& args)
{
    CliArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString name;
        if (arg == u"-o")
            name = QStringLiteral("output");
        else if (arg.startsWith(u"--"))
            name = arg.mid(2);
        if (name.isEmpty()) {
            if (parsed.command.isEmpty())
                parsed.command = arg;
            else
                parsed.positional << arg;
            continue;
        }
        if (!kOptions.contains(name))
            throw UsageError("unknown option " + arg.toStdString());
        if (i + 1 >= args.size())
            throw UsageError("option " + arg.toStdString() + " needs a value");
        parsed.options.insert(name, args[++i]);
    }
    return parsed;
}

QDate CliArguments::today() const
{
    if (!has(QStringLiteral("today")))
        return QDate::currentDate();
    const QDate date = QDate::fromString(option(QStringLiteral("today")), Qt::ISODate);
    if (!date.isValid())
        throw UsageError("--today needs a date as YYYY-MM-DD");
    return date;
}

int CliArguments::intOption(const QString& name, int fallback) const
{
    if (!has(name))
        return fallback;
    bool ok = false;
    const int value = option(name).toInt(&ok);
    if (!ok || value <= 0)
        throw UsageError("--" + name.toStdString() + " needs a positive whole number");
    return value;
}
