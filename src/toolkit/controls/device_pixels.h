// Rulings and outlines on whole device pixels. At a fractional scale factor a line one
// logical pixel wide covers 1.5 device pixels: drawn as it falls, it is one device pixel
// here and two there, and the squared page looks blotchy. These fill on whole device
// pixels instead, every ruling of one width as wide as every other.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

namespace pizarrin {

// A horizontal or vertical ruling `logicalWidth` pixels wide, centred on the segment
// from `from` to `to` as a flat-capped pen would draw it (painter coordinates). Its
// edges go to the nearest device pixel and its width to a whole number of them.
void fillRuling(QPainter& painter, QPoint from, QPoint to, int logicalWidth, const QColor& colour);

// A frame `logicalWidth` pixels wide just inside `rect`, on whole device pixels.
void fillFrame(QPainter& painter, const QRect& rect, int logicalWidth, const QColor& colour);

} // namespace pizarrin
