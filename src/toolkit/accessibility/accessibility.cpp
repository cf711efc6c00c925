#include "toolkit/accessibility/accessibility.h"

#include "toolkit/accessibility/accessible_cell.h"
#include "toolkit/accessibility/accessible_control.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/cell.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/scrollbar.h"

#include <QAbstractScrollArea>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QTimer>

namespace pizarrin {

namespace {

bool opaque(const QWidget* widget)
{
    return widget->autoFillBackground() || qobject_cast<const QAbstractScrollArea*>(widget);
}

// A shown, opaque sibling drawn later than `widget` (so above it) that covers it wholly.
bool covered(const QWidget* widget)
{
    const QWidget* container = widget->parentWidget();
    if (!container)
        return false;
    const QObjectList& siblings = container->children();
    for (qsizetype k = siblings.indexOf(widget) + 1; k < siblings.size(); ++k) {
        const auto* above = qobject_cast<const QWidget*>(siblings[k]);
        if (above && !above->isHidden() && !above->isWindow() && opaque(above)
            && above->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

class LabelAccessible : public AccessibleControl {
public:
    explicit LabelAccessible(Label* label)
        : AccessibleControl(label, QAccessible::StaticText)
        , label_(label)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!onView(label_))
            return {};
        switch (kind) {
        case QAccessible::Name:
            return label_->caption();
        case QAccessible::Description:
            return label_->accessibleDescription();
        default:
            break;
        }
        return {};
    }

private:
    Label* label_;
};

class ImageAccessible : public AccessibleControl {
public:
    explicit ImageAccessible(Image* image)
        : AccessibleControl(image, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!onView(widget()))
            return {};
        return QAccessibleWidget::text(kind);
    }
};

// A command button: "Press" while it is on view and enabled, nothing otherwise.
class ButtonAccessible : public AccessibleControl {
public:
    explicit ButtonAccessible(Button* button)
        : AccessibleControl(button, QAccessible::Button)
        , button_(button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button_->accessibleName().isEmpty())
            return button_->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = AccessibleControl::state();
        state.pressed = button_->isDown();
        return state;
    }

protected:
    QStringList operations() const override { return {pressAction()}; }

    void operate(const QString&) override
    {
        // Later, from the event loop: a press may open a modal prompt, and the screen
        // reader waits for its answer until this returns. The button is asked again then.
        QTimer::singleShot(0, button_, [button = button_] {
            if (onView(button) && button->isEnabled())
                button->click();
        });
    }

private:
    Button* button_;
};

// A scroll bar: its value can be read always, and changed only while it is on view.
class ScrollBarAccessible : public AccessibleControl, public QAccessibleValueInterface {
public:
    explicit ScrollBarAccessible(ScrollBar* bar)
        : AccessibleControl(bar, QAccessible::ScrollBar)
        , bar_(bar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(bar_->value());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar_->value(); }
    void setCurrentValue(const QVariant& value) override
    {
        if (operable())
            bar_->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return bar_->maximum(); }
    QVariant minimumValue() const override { return bar_->minimum(); }
    QVariant minimumStepSize() const override { return bar_->singleStep(); }

protected:
    QStringList operations() const override { return {increaseAction(), decreaseAction()}; }

    void operate(const QString& action) override
    {
        bar_->triggerAction(action == increaseAction() ? QAbstractSlider::SliderSingleStepAdd
                                                       : QAbstractSlider::SliderSingleStepSub);
    }

private:
    ScrollBar* bar_;
};

// The type of the object decides, whatever class name Qt asks about first.
QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<Label*>(object))
        return new LabelAccessible(label);
    if (auto* image = qobject_cast<Image*>(object))
        return new ImageAccessible(image);
    if (auto* button = qobject_cast<Button*>(object))
        return new ButtonAccessible(button);
    if (auto* bar = qobject_cast<ScrollBar*>(object))
        return new ScrollBarAccessible(bar);
    if (auto* cell = qobject_cast<Cell*>(object))
        return accessibleCell(cell);
    return nullptr;
}

} // namespace

bool onView(const QWidget* widget)
{
    if (widget->isHidden() || !widget->isVisibleTo(widget->window()))
        return false;
    for (const QWidget* control = widget; control && !control->isWindow();
         control = control->parentWidget())
        if (covered(control))
            return false;
    return true;
}

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
}

} // namespace pizarrin
