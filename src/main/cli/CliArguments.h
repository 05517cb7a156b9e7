#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>

// A usage error: the command line cannot be understood (exit status 2).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The parsed command line of tagrio-cli: the command, its positional
// arguments and the options given as --name VALUE (or -o VALUE).
struct CliArguments {
    QString command;
    QStringList positional;
    QMap<QString, QString> options;

    static CliArguments parse(const QStringList& args);

    bool has(const QString& name) const { return options.contains(name); }
    QString option(const QString& name, const QString& fallback = {}) const { return options.value(name, fallback); }
    // --today YYYY-MM-DD, or the system date.
    QDate today() const;
    int intOption(const QString& name, int fallback) const;
};
