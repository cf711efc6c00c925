// A horizontal scroll bar over a small range of whole values. Its change is raised
// once a move ends at another value: a drag of the thumb counts when it is released.
#pragma once

#include "toolkit/placed.h"

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
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

public:
    ScrollBar(const ScrollBarDesign& design, QWidget* container);

Q_SIGNALS:
    void changed();
};

} // namespace pizarrin
