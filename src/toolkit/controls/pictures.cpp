#include "toolkit/controls/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace pizarrin {

QSize pictureSize(Picture picture)
{
    switch (picture) {
    case Picture::Tick:
        return {24, 25};
    case Picture::Cross:
        return {23, 23};
    case Picture::None:
        break;
    }
    return {};
}

QString pictureWords(Picture picture)
{
    switch (picture) {
    case Picture::Tick:
        return QStringLiteral("bien");
    case Picture::Cross:
        return QStringLiteral("mal");
    case Picture::None:
        break;
    }
    return {};
}

void drawPicture(QPainter& painter, Picture picture)
{
    if (picture == Picture::None)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture == Picture::Tick) {
        // A short stroke down and right from the middle of the left edge, then a long
        // one up to the top-right corner.
        QPainterPath tick;
        tick.moveTo(1.5, 12.5);
        tick.lineTo(8.5, 21.0);
        tick.lineTo(22.5, 1.5);
        painter.setPen(QPen(QColor(0, 255, 0), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(tick);
    } else {
        // Two strokes about 3 pixels thick, corner to corner.
        painter.setPen(QPen(QColor(255, 0, 0), 3.0, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(1.5, 1.5), QPointF(21.5, 21.5));
        painter.drawLine(QPointF(21.5, 1.5), QPointF(1.5, 21.5));
    }
    painter.restore();
}

} // namespace pizarrin
