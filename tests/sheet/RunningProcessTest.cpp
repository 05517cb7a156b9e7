#include "EndedProcess.h"
#include "TestSupport.h"
#include "sheet/RunningProcess.h"

#include <QCoreApplication>

namespace {

TEST(RunningProcess, TellsThisProcessFromEndedAndReusedOnes)
{
    const qint64 self = QCoreApplication::applicationPid();
    const QString selfMark = RunningProcess::startMarkOf(self);
    ASSERT_FALSE(selfMark.isEmpty());
    EXPECT_EQ(RunningProcess::startMarkOf(self), selfMark);

    const qint64 ended = endedProcessPid();
    ASSERT_GT(ended, 0);
    struct Case {
        const char* what;
        qint64 pid;
        QString startMark;
        bool running;
    };
    const Case cases[] = {
        {"this process, its own mark", self, selfMark, true},
        {"this process, no mark recorded", self, QString(), true},
        // Same pid, a different start: the pid was given to a later process.
        {"this process, an earlier process's mark", self, selfMark + u'0', false},
        {"an ended process", ended, QString(), false},
        {"no pid", 0, QString(), false},
        {"a negative pid", -1, QString(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunningProcess::isRunning(c.pid, c.startMark), c.running) << c.what;
    EXPECT_TRUE(RunningProcess::startMarkOf(ended).isEmpty());
}

} // namespace
