// What every interface of the toolkit's controls shares: it is showing only while the
// pupil can see the control, and it can be operated only then.
#pragma once

#include "toolkit/accessibility.h"

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

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    bool operable() const { return onView(widget()) && widget()->isEnabled(); }
};

} // namespace pizarrin
