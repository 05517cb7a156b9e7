#pragma once

#include <QAnyStringView>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

namespace UiStyle {

// The controls of one window by object name, filled while the window builds
// them, so later steps (the tab order, the window's own pointers) find them
// without searching the widget tree.
class ControlIndex {
public:
    template <typename Control>
    Control* add(Control* control)
    {
        byName_.insert(control->objectName(), control);
        return control;
    }

    // The control of that name; null when none was added.
    QWidget* find(QAnyStringView name) const { return byName_.value(name.toString()); }

    // The control of that name as its class; the window's tables guarantee it.
    template <typename Control>
    Control* get(QAnyStringView name) const
    {
        auto* control = qobject_cast<Control*>(find(name));
        Q_ASSERT_X(control, "ControlIndex::get", qPrintable(name.toString()));
        return control;
    }

    // Makes Tab walk the named controls in the order given.
    template <typename Names>
    void setTabOrder(const Names& names) const
    {
        QList<QWidget*> chain;
        for (const auto& name : names)
            chain << find(name);
        setTabChain(chain);
    }

private:
    static void setTabChain(const QList<QWidget*>& chain);

    QHash<QString, QWidget*> byName_;
};

} // namespace UiStyle
