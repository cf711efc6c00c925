// A rectangular outline in a solid colour, drawn inside its bounds.
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

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
    PIZARRIN_TWIPS_PROPERTIES

public:
    Shape(const ShapeDesign& design, QWidget* container);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    int outlinePixels_;
};

} // namespace pizarrin
