#pragma once

// Real pointer and keys under Xvfb: xdotool moves the X server's pointer,
// clicks and types, so every event takes the path the window system gives it.
#include "../StateTimeout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <functional>
#include <type_traits>

// Runs xdotool and waits for it; the events it sends arrive through the X
// server, so the caller processes events afterwards.
inline void xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    QVERIFY2(process.waitForFinished(kStateTimeoutMs), "xdotool did not finish");
    QCOMPARE(process.exitCode(), 0);
}

inline void clickAt(QPoint global, int clicks = 1)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
             QString::number(global.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
             QString::number(clicks), QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
}

// Clicking inside a modal dialog must not block the dialog's own event loop.
inline void clickLaterAt(QPoint global)
{
    QProcess::startDetached(QStringLiteral("xdotool"),
                            {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                             QStringLiteral("click"), QStringLiteral("1")});
}

inline QPoint centreOf(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }

// Calls act once with the first modal dialog of type Dialog that shows up;
// polls from a timer so that it also runs inside the dialog's own event loop.
template <typename Dialog = QWidget>
void onNextModal(QObject* context, std::type_identity_t<std::function<void(Dialog*)>> act)
{
    auto* timer = new QTimer(context);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, context, [timer, act = std::move(act)] {
        if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

inline QString plainText(const QAbstractButton* button)
{
    return button->text().remove(QLatin1Char('&'));
}
