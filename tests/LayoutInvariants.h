#pragma once

#include <QSet>
#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

// Checks over a built window that hold whatever its layout tables say.
namespace LayoutInvariants {

// The window's named controls; Qt's own parts (qt_*) are left out.
inline QList<QWidget*> namedControls(const QWidget* window)
{
    QList<QWidget*> named;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
            named << widget;
    }
    return named;
}

using NamePair = std::pair<QString, QString>;

// Pairs of shown siblings whose rectangles cover each other by more than a
// shared one-pixel edge. `backdrops` stand behind other controls by design;
// `allowed` lists the pairs the layout places over each other on purpose.
inline QStringList overlappingSiblings(const QWidget* window, const QSet<QString>& backdrops,
                                       const std::vector<NamePair>& allowed)
{
    const auto isAllowed = [&](const QString& a, const QString& b) {
        for (const NamePair& pair : allowed) {
            if ((pair.first == a && pair.second == b) || (pair.first == b && pair.second == a))
                return true;
        }
        return false;
    };
    QList<QWidget*> shown;
    for (QWidget* widget : namedControls(window)) {
        if (!widget->isHidden() && !widget->isWindow() && !backdrops.contains(widget->objectName()))
            shown << widget;
    }
    QStringList overlaps;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QWidget* a = shown[i];
            const QWidget* b = shown[j];
            if (a->parentWidget() != b->parentWidget())
                continue;
            const QRect common = a->geometry() & b->geometry();
            if (common.width() > 1 && common.height() > 1 && !isAllowed(a->objectName(), b->objectName()))
                overlaps << a->objectName() + QStringLiteral(" / ") + b->objectName();
        }
    }
    return overlaps;
}

} // namespace LayoutInvariants
