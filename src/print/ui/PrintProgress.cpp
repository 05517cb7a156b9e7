#include "PrintProgress.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kRepaintMilliseconds = 50;

} // namespace

PrintProgress::PrintProgress(QWidget* parent, int pageCount)
    : dialog_(QStringLiteral("印刷しています..."), QString(), 0, pageCount, parent)
{
    if (parent)
        dialog_.setWindowTitle(parent->window()->windowTitle());
    dialog_.setCancelButton(nullptr);
    dialog_.setMinimumDuration(kShowAfterMilliseconds);
    dialog_.setValue(0); // starts the clock that decides whether the dialog comes up
    sinceRepaint_.start();
}

void PrintProgress::pageDrawn(int pagesDrawn)
{
    if (sinceRepaint_.elapsed() < kRepaintMilliseconds)
        return;
    dialog_.setValue(pagesDrawn);
    // The user's clicks wait until the print is done, as the print dialog's own would.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}
