#include "toolkit/controls/design.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QRawFont>
#include <QWidget>
#include <QtEndian>
#include <array>
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

// The design's system colours are the classic light ones whatever the desktop's scheme:
// around them the design fixes yellow, pale yellow and blue, so taking the window's
// background or text from a dark or high-contrast scheme would hide the pupil's digits.
constexpr QRgb classicWindowBackground = qRgb(255, 255, 255);
constexpr QRgb classicWindowText = qRgb(0, 0, 0);
constexpr QRgb classicButtonFace = qRgb(239, 239, 239);
constexpr QRgb classicButtonText = qRgb(0, 0, 0);

QRgb classic(SystemColour colour)
{
    switch (colour) {
    case SystemColour::WindowBackground:
        return classicWindowBackground;
    case SystemColour::WindowText:
        return classicWindowText;
    case SystemColour::ButtonFace:
        return classicButtonFace;
    case SystemColour::ButtonText:
        break;
    }
    return classicButtonText;
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

int typographicLift(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray hhea = raw.fontTable("hhea");
    constexpr int fsSelection = 62;
    constexpr int typoAscender = 68;
    constexpr int hheaAscender = 4;
    constexpr quint16 useTypoMetrics = 1 << 7;
    if (os2.size() < typoAscender + 2 || hhea.size() < hheaAscender + 2 || raw.unitsPerEm() <= 0)
        return 0;
    if (!(qFromBigEndian<quint16>(os2.constData() + fsSelection) & useTypoMetrics))
        return 0;
    const int difference = qFromBigEndian<qint16>(hhea.constData() + hheaAscender)
        - qFromBigEndian<qint16>(os2.constData() + typoAscender);
    return std::max(
        0, static_cast<int>(std::lround(difference * raw.pixelSize() / raw.unitsPerEm())));
}

QColor resolvedColour(Colour colour)
{
    return QColor::fromRgb(colour.isSystem ? classic(colour.system) : colour.rgb);
}

QPalette designPalette()
{
    // Qt's own light palette, the one a desktop without a colour scheme gets: the button
    // face and text and the window's background and text are the classic values above,
    // and the bevels, the cells' outline (mid) and the selection go with them.
    struct Role {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    static constexpr std::array<Role, 20> roles {{
        {QPalette::WindowText, classicWindowText, 0xFFBEBEBE},
        {QPalette::Button, classicButtonFace, classicButtonFace},
        {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
        {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
        {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
        {QPalette::Text, classicWindowText, 0xFFBEBEBE},
        {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::ButtonText, classicButtonText, 0xFFBEBEBE},
        {QPalette::Base, classicWindowBackground, classicButtonFace},
        {QPalette::Window, classicButtonFace, classicButtonFace},
        {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
        {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
        {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
        {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
        {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
        {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
        {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    }};
    QPalette palette;
    for (const Role& entry : roles) {
        const QColor normal = QColor::fromRgba(entry.normal);
        palette.setColor(QPalette::Active, entry.role, normal);
        palette.setColor(QPalette::Inactive, entry.role, normal);
        palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.disabled));
    }
    return palette;
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
