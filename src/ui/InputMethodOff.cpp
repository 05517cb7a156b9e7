#include "InputMethodOff.h"

#include <QCoreApplication>
#include <QInputMethodQueryEvent>
#include <QWidget>

namespace UiStyle {
namespace {

class InputMethodRefusal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::InputMethodQuery || answering_)
            return false;
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        if (!(query->queries() & Qt::ImEnabled))
            return false;
        // The box answers the rest of the query (cursor, text) itself.
        answering_ = true;
        QCoreApplication::sendEvent(watched, event);
        answering_ = false;
        query->setValue(Qt::ImEnabled, false);
        return true;
    }

private:
    bool answering_ = false;
};

} // namespace

void turnInputMethodOff(QWidget* box)
{
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new InputMethodRefusal(box));
}

} // namespace UiStyle
