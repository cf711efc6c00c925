// The look of a control as the window's design gives it: fonts by face and point size,
// colours by RGB or by the design's system colours, which are the classic light ones
// on every desktop. The toolkit turns these into Qt fonts and palettes; the window's
// layout only names them.
#pragma once

#include <QRgb>

class QColor;
class QFont;
class QPalette;
class QWidget;

namespace pizarrin {

enum class SystemColour { WindowBackground, WindowText, ButtonFace, ButtonText };

struct Colour {
    bool isSystem = true;
    SystemColour system = SystemColour::ButtonFace;
    QRgb rgb = 0;
};

constexpr Colour systemColour(SystemColour system)
{
    return {true, system, 0};
}
constexpr Colour rgbColour(int red, int green, int blue)
{
    return {false, SystemColour::ButtonFace, qRgb(red, green, blue)};
}

// The faces of the design; where one is missing a metric-compatible face stands in.
enum class Face { Dialog, TimesNewRoman, MsSansSerif, Fixedsys };

struct FontDesign {
    Face face = Face::Dialog;
    double points = 8.0;
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Centre, Right };

// Sized in pixels at 96 dpi, so the window looks the same at any logical DPI.
QFont designFont(const FontDesign& design);

// How many pixels higher the font's text stands than its classic (hhea) ascent puts it:
// a face that asks for its typographic line metrics (OS/2 USE_TYPO_METRICS) gets a
// smaller ascent from Qt. Debian 13's Liberation Sans Narrow asks, Debian 12's does not.
int typographicLift(const QFont& font);

// The colour itself; the system colours are the classic light ones on every desktop.
QColor resolvedColour(Colour colour);

// The palette every control of the window starts from: the classic light colours in
// every role and every state, whatever the desktop's colour scheme.
QPalette designPalette();

// Sets the widget's background and text colours (background only painted if opaque).
void applyColours(QWidget* widget, Colour background, Colour text, bool opaque);

} // namespace pizarrin
