#pragma once

#include <QProcess>
#include <QtGlobal>
#include <gtest/gtest.h>

// The pid of a process that has started and ended: one that nothing runs
// under any more (until the system hands the number out again).
inline qint64 endedProcessPid()
{
    QProcess ended;
#ifdef Q_OS_WIN
    ended.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("exit")});
#else
    ended.start(QStringLiteral("true"), {});
#endif
    EXPECT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    EXPECT_TRUE(ended.waitForFinished());
    return pid;
}
