#include "toolkit/controls/line.h"

#include "toolkit/controls/device_pixels.h"
#include "toolkit/controls/twips.h"

#include <QPainter>

namespace pizarrin {

Line::Line(const LineDesign& design, QWidget* container)
    : QWidget(container)
    , x1_(design.x1)
    , y1_(design.y1)
    , x2_(design.x2)
    , y2_(design.y2)
    , widthPixels_(design.widthPixels)
{
    setObjectName(design.name.toString());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    colour_ = resolvedColour(design.colour);
    relocate();
    setVisible(true);
}

void Line::setX1Twips(int x)
{
    x1_ = x;
    relocate();
}

void Line::setY1Twips(int y)
{
    y1_ = y;
    relocate();
}

void Line::setX2Twips(int x)
{
    x2_ = x;
    relocate();
}

void Line::setY2Twips(int y)
{
    y2_ = y;
    relocate();
}

void Line::relocate()
{
    // The widget is the line's bounding box, widened by the pen on every side.
    const QPoint from(pixelsFromTwips(x1_), pixelsFromTwips(y1_));
    const QPoint to(pixelsFromTwips(x2_), pixelsFromTwips(y2_));
    const QRect box = QRect(from, to).normalized().adjusted(
        -widthPixels_, -widthPixels_, widthPixels_, widthPixels_);
    setGeometry(box.translated(clientOrigin(parentWidget())));
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    const QPoint origin = geometry().topLeft() - clientOrigin(parentWidget());
    const QPoint from = QPoint(pixelsFromTwips(x1_), pixelsFromTwips(y1_)) - origin;
    const QPoint to = QPoint(pixelsFromTwips(x2_), pixelsFromTwips(y2_)) - origin;
    QPainter painter(this);
    fillRuling(painter, from, to, widthPixels_, colour_);
}

} // namespace pizarrin
