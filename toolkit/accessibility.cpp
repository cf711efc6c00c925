#include "toolkit/accessibility.h"

#include "toolkit/image.h"
#include "toolkit/label.h"

#include <QAccessibleWidget>

namespace pizarrin {

namespace {

// Shown to the pupil: the control and every container up to the window are shown.
bool onView(const QWidget* widget)
{
    return widget->isVisibleTo(widget->window()) && !widget->isHidden();
}

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const Label*>(widget());
        if (!onView(label))
            return {};
        switch (kind) {
        case QAccessible::Name:
            return label->caption();
        case QAccessible::Description:
            return label->accessibleDescription();
        default:
            break;
        }
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !onView(widget());
        return state;
    }
};

class ImageAccessible : public QAccessibleWidget {
public:
    explicit ImageAccessible(Image* image)
        : QAccessibleWidget(image, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!onView(widget()))
            return {};
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("pizarrin::Label"))
        return new LabelAccessible(static_cast<Label*>(object));
    if (className == QLatin1String("pizarrin::Image"))
        return new ImageAccessible(static_cast<Image*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
}

} // namespace pizarrin
