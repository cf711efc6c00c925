#include "toolkit/application.h"

#include <QIcon>

namespace pizarrin {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pizarrin/icons/org.pizarrin.Pizarrin-%1.png").arg(size),
            QSize(size, size));
    return icon;
}

} // namespace pizarrin
