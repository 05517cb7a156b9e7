// tagrio: the main window, the entry form and the cable catalogue.
#include "JapaneseTranslation.h"
#include "TForm1.h"
#include "catalogue/ui/TForm3.h"
#include "entry/TForm2.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Milliseconds since the kernel started this process (10 ms granularity),
// so that loading the libraries counts too.
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

// TAGRIO_BENCH_FIRST_SHOW=1: once the main window has first been painted,
// prints "time_ms=T peak_kb=K" and quits; the start-up benchmark reads it.
class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the whole window, children included, has been painted.
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("time_ms=%.1f peak_kb=%ld\n", millisecondsSinceProcessStart(), usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio"));
    installJapaneseTranslation(app);

    TForm1 form1;
    TForm2 form2(form1.document());
    TForm3 form3;
    form1.setEntryForm(&form2);
    form2.setCatalogueWindow(&form3);
    form3.setPickTarget(form2.cableTypeField(), form2.purposeField());

    // The program ends with the main window, even while the catalogue is open.
    QObject::connect(&form1, &TForm1::closing, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    if (const QScreen* screen = form1.screen()) {
        QRect frame = form1.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form1.move(frame.topLeft());
    }
    if (qEnvironmentVariableIntValue("TAGRIO_BENCH_FIRST_SHOW") == 1)
        new FirstPaintReport(&form1);
    form1.show();
    // Without a window manager nothing activates the window, and the record
    // file named on the command line opens at the first activation.
    form1.activateWindow();
    return app.exec();
}
