#pragma once

#include <QString>

// Whether a process, known by the pid it wrote into a file, is still running.
// A pid alone may since have been given to another process, so the start
// mark recorded with it (when the process started, in the system's own
// units) tells the two apart.
namespace RunningProcess {

// Empty when the system does not say or the process is gone.
QString startMarkOf(qint64 pid);

// A process that exists but belongs to another user counts as running. An
// empty startMark (or one the system cannot give now) trusts the pid alone.
bool isRunning(qint64 pid, const QString& startMark);

} // namespace RunningProcess
