#include "toolkit/shape.h"

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
    const qreal inset = outlinePixels_ / 2.0;
    painter.setPen(QPen(outline_, outlinePixels_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace pizarrin
