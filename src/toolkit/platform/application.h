// The application's identity on the desktop: its icon, its desktop file name, and the
// language of Qt's own texts.
#pragma once

#include <QString>

class QIcon;

namespace pizarrin {

inline const QString desktopFileName = QStringLiteral("org.pizarrin.Pizarrin");

// The icon in every size the project renders, from the program's own resources.
QIcon applicationIcon();

// Qt's own Spanish translation: the system's (Debian's qt6-translations-l10n), or the copy
// compiled in where there is no system to take it from (the browser).
QString qtSpanishTranslation();

// Makes Qt's standard texts (dialog buttons, edit and scroll-bar menus) Spanish, whatever
// the desktop's language. Call it before the first window exists. Returns false, and
// leaves Qt's defaults, when the translation is not there.
bool installQtTranslation(const QString& file = qtSpanishTranslation());

// Where the program carries the faces of its design (the browser, which has no system
// fonts to find), makes them known to Qt. Call it before the first window exists: the
// window looks its faces up once. Returns how many faces were added.
int installBundledFonts();

} // namespace pizarrin
