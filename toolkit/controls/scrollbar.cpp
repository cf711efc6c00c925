#include "toolkit/controls/scrollbar.h"

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

} // namespace pizarrin
