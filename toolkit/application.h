// The application's identity on the desktop: its icon and its desktop file name.
#pragma once

#include <QString>

class QIcon;

namespace pizarrin {

inline const QString desktopFileName = QStringLiteral("org.pizarrin.Pizarrin");

// The icon in every size the project renders, from the program's own resources.
QIcon applicationIcon();

} // namespace pizarrin
