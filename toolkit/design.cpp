#include "toolkit/design.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

// The design's face and its stand-ins, best first.
QStringList candidates(Face face)
{
    switch (face) {
    case Face::TimesNewRoman:
        return {u"Times New Roman"_s, u"Liberation Serif"_s};
    case Face::Fixedsys:
        return {u"Fixedsys"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s};
    case Face::MsSansSerif:
        // Only the large bold multiplication sign uses this face: MS Sans Serif's narrow
        // bitmap glyphs fit its 16-pixel box, Liberation Sans's do not, Narrow's do.
        return {u"MS Sans Serif"_s, u"Liberation Sans Narrow"_s, u"Liberation Sans"_s};
    case Face::Dialog:
        break;
    }
    return {u"MS Sans Serif"_s, u"Liberation Sans"_s};
}

// The candidates that are installed come first. Asking the font database for a missing
// face first makes it search the whole system for stand-ins, once per font: most of
// the program's start-up time on a machine without the design's faces.
QStringList families(Face face)
{
    static const QStringList installed = QFontDatabase::families();
    QStringList present;
    QStringList missing;
    for (const QString& family : candidates(face))
        (installed.contains(family, Qt::CaseInsensitive) ? present : missing).append(family);
    return present + missing;
}

QFont::StyleHint styleHint(Face face)
{
    switch (face) {
    case Face::TimesNewRoman:
        return QFont::Serif;
    case Face::Fixedsys:
        return QFont::TypeWriter;
    case Face::MsSansSerif:
    case Face::Dialog:
        break;
    }
    return QFont::SansSerif;
}

QColor resolve(Colour colour, const QPalette& palette)
{
    if (!colour.isSystem)
        return QColor::fromRgb(colour.rgb);
    switch (colour.system) {
    case SystemColour::WindowBackground:
        return palette.color(QPalette::Base);
    case SystemColour::WindowText:
        return palette.color(QPalette::Text);
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColour::ButtonText:
        break;
    }
    return palette.color(QPalette::ButtonText);
}

} // namespace

QFont designFont(const FontDesign& design)
{
    QFont font;
    font.setFamilies(families(design.face));
    font.setStyleHint(styleHint(design.face));
    font.setFixedPitch(design.face == Face::Fixedsys);
    font.setPixelSize(static_cast<int>(std::lround(design.points * 96.0 / 72.0)));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

QColor resolvedColour(Colour colour)
{
    return resolve(colour, QApplication::palette());
}

void applyColours(QWidget* widget, Colour background, Colour text, bool opaque)
{
    QPalette palette = widget->palette();
    const QColor back = resolvedColour(background);
    const QColor fore = resolvedColour(text);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, back);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(opaque);
}

} // namespace pizarrin
