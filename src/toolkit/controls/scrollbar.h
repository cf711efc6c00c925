// A horizontal scroll bar over a small range of whole values. Its change is raised
// once a move ends at another value: a drag of the thumb counts when it is released.
// Left and Right step the value as the arrows at those ends of the bar do.
#pragma once

#include "toolkit/controls/placed.h"

#include <QScrollBar>
#include <QStringView>

namespace pizarrin {

struct ScrollBarDesign {
    QStringView name;
    TwipsRect twips;
    int minimum = 1;
    int maximum = 1;
    int value = 1;
    QStringView accessibleName {};
};

class ScrollBar : public Placed<QScrollBar> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    ScrollBar(const ScrollBarDesign& design, QWidget* container);

Q_SIGNALS:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pizarrin
