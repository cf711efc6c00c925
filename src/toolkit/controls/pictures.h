// The two mark pictures, drawn as vector strokes so they stay crisp at any device
// pixel ratio: a green tick (24 x 25 pixels) and a red cross (23 x 23 pixels).
#pragma once

#include <QSize>
#include <QString>

class QPainter;

namespace pizarrin {

enum class Picture { None, Tick, Cross };

QSize pictureSize(Picture picture);
QString pictureWords(Picture picture); // "bien", "mal" or ""

void drawPicture(QPainter& painter, Picture picture);

} // namespace pizarrin
