#include "toolkit/controls/device_pixels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pizarrin {

namespace {

// Device pixels of a width of `logical` pixels: never none, the same for every ruling.
int deviceWidth(qreal logical, qreal ratio)
{
    return std::max(1, static_cast<int>(std::lround(logical * ratio)));
}

// Fills a rectangle given in device pixels: `toLogical` maps them back to the painter's
// coordinates, which the painter maps onto exactly those pixels again.
void fillDevice(
    QPainter& painter, const QTransform& toLogical, const QRect& device, const QColor& colour)
{
    painter.fillRect(toLogical.mapRect(QRectF(device)), colour);
}

// An edge on the device, inside the area it bounds (so inside the widget painting it).
int inwardFloor(qreal edge)
{
    return static_cast<int>(std::floor(edge + 1e-6));
}
int inwardCeil(qreal edge)
{
    return static_cast<int>(std::ceil(edge - 1e-6));
}

} // namespace

void fillRuling(QPainter& painter, QPoint from, QPoint to, int logicalWidth, const QColor& colour)
{
    const QTransform toDevice = painter.deviceTransform();
    if (from.x() != to.x() && from.y() != to.y()) {
        // A slanting line has no pixel rows to keep even.
        painter.setPen(QPen(colour, logicalWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
        return;
    }
    const bool horizontal = from.y() == to.y();
    // Along the line: from the start up to the end, as a flat cap ends it. Across: the
    // width centred on the line, starting on the nearest device pixel.
    const QPointF start = toDevice.map(QPointF(from));
    const QPointF end = toDevice.map(QPointF(to));
    const qreal ratio = horizontal ? toDevice.m22() : toDevice.m11();
    const int width = deviceWidth(logicalWidth, ratio);
    auto nearest = [](qreal edge) { return static_cast<int>(std::floor(edge + 0.5)); };
    if (horizontal) {
        const int left = nearest(std::min(start.x(), end.x()));
        const int right = nearest(std::max(start.x(), end.x()));
        const int top = nearest(start.y() - width / 2.0);
        fillDevice(painter, toDevice.inverted(), QRect(left, top, right - left, width), colour);
    } else {
        const int top = nearest(std::min(start.y(), end.y()));
        const int bottom = nearest(std::max(start.y(), end.y()));
        const int left = nearest(start.x() - width / 2.0);
        fillDevice(painter, toDevice.inverted(), QRect(left, top, width, bottom - top), colour);
    }
}

void fillFrame(QPainter& painter, const QRect& rect, int logicalWidth, const QColor& colour)
{
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(QRectF(rect));
    const int left = inwardCeil(device.left());
    const int top = inwardCeil(device.top());
    const int right = inwardFloor(device.right());
    const int bottom = inwardFloor(device.bottom());
    const int across = deviceWidth(logicalWidth, toDevice.m11());
    const int down = deviceWidth(logicalWidth, toDevice.m22());
    const int width = right - left;
    const int height = bottom - top;
    const QTransform toLogical = toDevice.inverted();
    fillDevice(painter, toLogical, QRect(left, top, width, down), colour);
    fillDevice(painter, toLogical, QRect(left, bottom - down, width, down), colour);
    fillDevice(painter, toLogical, QRect(left, top + down, across, height - 2 * down), colour);
    fillDevice(
        painter, toLogical, QRect(right - across, top + down, across, height - 2 * down), colour);
}

} // namespace pizarrin
