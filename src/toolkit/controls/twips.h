// Twips, the window's unit of length (1/1440 inch): geometry is stored in twips
// exactly as written, and turned into logical pixels only where a widget is placed.
#pragma once

#include <QRect>

class QWidget;

namespace pizarrin {

// 15 twips make one logical pixel at 96 dpi; Qt scales logical pixels on HiDPI screens.
inline constexpr int twipsPerPixel = 15;

// Nearest pixel. 15 is odd, so a twips value never lies exactly halfway between two pixels.
constexpr int pixelsFromTwips(int twips)
{
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Both edges are rounded, so neighbouring controls that share an edge in twips share it
// in pixels too.
QRect pixelRect(const TwipsRect& twips);

// Where a container's client area starts, in pixels: inside a panel's border.
QPoint clientOrigin(const QWidget* container);

} // namespace pizarrin
