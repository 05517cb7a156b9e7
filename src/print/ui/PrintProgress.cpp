#include "PrintProgress.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kRepaintMilliseconds = 50;

} // namespace

PrintProgress::PrintProgress(QWidget* parent, int pageCount)
    : dialog_(QStringLiteral("印刷しています..."), QStringLiteral("キャンセル"), 0, pageCount, parent)
{
    if (parent)
        dialog_.setWindowTitle(parent->window()->windowTitle());
    // While it is up, the dialog takes the user's clicks and the windows behind it do not.
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(kShowAfterMilliseconds);
    dialog_.setValue(0); // starts the clock that decides whether the dialog comes up
    sinceRepaint_.start();
}

bool PrintProgress::pageDrawn(int pagesDrawn)
{
    if (sinceRepaint_.elapsed() >= kRepaintMilliseconds) {
        dialog_.setValue(pagesDrawn);
        // Before the dialog is up, clicks wait until the print is done, as the
        // print dialog's own would; once it is up, it alone takes them.
        QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                            : QEventLoop::ExcludeUserInputEvents);
        sinceRepaint_.start();
    }
    return !dialog_.wasCanceled();
}
