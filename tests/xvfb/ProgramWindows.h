#pragma once

// Windows of real tagrio processes under Xvfb, found and measured through
// xdotool.

#include "../StateTimeout.h"

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs xdotool and returns what it printed; empty when it failed.
inline QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(kStateTimeoutMs) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The top-left corner of the first visible window whose title matches
// `title`: without a window manager it is the corner of the client area.
inline QPoint windowCorner(const QString& title)
{
    const QString id = xdotool({u"search"_qs, u"--sync"_qs, u"--onlyvisible"_qs, u"--name"_qs, title}).section(u'\n', 0, 0);
    QPoint corner(-1, -1);
    for (const QString& line : xdotool({u"getwindowgeometry"_qs, u"--shell"_qs, id}).split(u'\n')) {
        if (line.startsWith(u"X="))
            corner.setX(line.mid(2).toInt());
        if (line.startsWith(u"Y="))
            corner.setY(line.mid(2).toInt());
    }
    return corner;
}
