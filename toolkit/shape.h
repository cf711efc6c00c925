// A rectangular outline in a solid colour, drawn inside its bounds.
#pragma once

#include "toolkit/design.h"
#include "toolkit/placed.h"

#include <QStringView>
#include <QWidget>

namespace pizarrin {

struct ShapeDesign {
    QStringView name;
    TwipsRect twips;
    Colour outline;
    int outlinePixels = 1;
};

class Shape : public Placed<QWidget> {
    Q_OBJECT
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

public:
    Shape(const ShapeDesign& design, QWidget* container);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    int outlinePixels_;
};

} // namespace pizarrin
