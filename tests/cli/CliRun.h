#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs tagrio-cli and collects what it printed and its exit status.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;

    static CliRun of(const QStringList& args)
    {
        QProcess process;
        process.start(QStringLiteral(TAGRIO_CLI), args);
        process.waitForFinished(120000);
        CliRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};
