#include "toolkit/controls/scrollbar.h"

#include <QKeyEvent>

namespace pizarrin {

ScrollBar::ScrollBar(const ScrollBarDesign& design, QWidget* container)
    : Placed<QScrollBar>(Qt::Horizontal, container)
{
    setObjectName(design.name.toString());
    setAccessibleName(design.accessibleName.toString());
    setRange(design.minimum, design.maximum);
    setValue(design.value);
    setSingleStep(1);
    setPageStep(1);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setTwips(design.twips);
    setVisible(true);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::changed);
}

// Qt's scroll bars invert their controls so that the wheel scrolls the page down; on
// the keys that makes Left raise the value, the opposite of the bar's left arrow.
void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace pizarrin
