// Loaded into tagrio with LD_PRELOAD by bench/run.sh, so the program itself
// carries no benchmark code: once the first window has been painted, prints
// "time_ms=T peak_kb=K" and quits. T counts from the moment the kernel
// started the process, so loading the libraries counts too.
#include "BenchSupport.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

// /proc gives the start in clock ticks (10 ms here), which is fine against a
// target of hundreds of milliseconds.
double millisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string field;
    std::getline(stat, field, ')'); // the command name may hold blanks
    for (int i = 3; i <= 22; ++i)
        stat >> field; // field 22: start time in clock ticks after boot
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double startMs = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 - startMs;
}

class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // A zero timer fires once the whole window, children included, has been painted.
            QTimer::singleShot(0, [] {
                report(millisecondsSinceProcessStart());
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

void installFirstPaintProbe()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintProbe(app));
}

} // namespace

// Runs inside the program's QApplication constructor.
Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)
