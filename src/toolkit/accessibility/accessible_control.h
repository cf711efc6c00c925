// What every interface of the toolkit's controls shares: it is showing only while the
// pupil can see the control, and it offers its actions, "SetFocus" among them where the
// control takes the focus, only then.
#pragma once

#include "toolkit/accessibility/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace pizarrin {

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* control, QAccessible::Role role)
        : QAccessibleWidget(control, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !onView(widget());
        return state;
    }

    QStringList actionNames() const override
    {
        if (!operable())
            return {};
        QStringList names = operations();
        if (widget()->focusPolicy() != Qt::NoFocus)
            names.append(setFocusAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (!actionNames().contains(action))
            return;
        if (action == setFocusAction())
            widget()->setFocus(Qt::OtherFocusReason);
        else
            operate(action);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    bool operable() const { return onView(widget()) && widget()->isEnabled(); }

    // The control's own actions besides "SetFocus", and what they do; asked and done
    // only while the control is operable.
    virtual QStringList operations() const { return {}; }
    virtual void operate(const QString&) { }
};

} // namespace pizarrin
