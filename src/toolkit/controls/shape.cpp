#include "toolkit/controls/shape.h"

#include "toolkit/controls/device_pixels.h"

#include <QPainter>

namespace pizarrin {

Shape::Shape(const ShapeDesign& design, QWidget* container)
    : Placed<QWidget>(container)
    , outline_(resolvedColour(design.outline))
    , outlinePixels_(design.outlinePixels)
{
    setObjectName(design.name.toString());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwips(design.twips);
    setVisible(true);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    fillFrame(painter, rect(), outlinePixels_, outline_);
}

} // namespace pizarrin
