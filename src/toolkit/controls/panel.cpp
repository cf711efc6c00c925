#include "toolkit/controls/panel.h"

#include "toolkit/controls/clicks.h"

namespace pizarrin {

Panel::Panel(const PanelDesign& design, QWidget* container)
    : Placed<QFrame>(container)
{
    setObjectName(design.name.toString());
    // The border is set first: the panel's children are placed inside it.
    if (design.sunkenBorder) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    applyColours(this, design.back, systemColour(SystemColour::WindowText), true);
    setTwips(design.twips);
    setVisible(design.visible);
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    if (isClick(this, event))
        Q_EMIT clicked();
    event->accept();
}

} // namespace pizarrin
