#include "toolkit/controls/twips.h"

#include <QFrame>

namespace pizarrin {

QRect pixelRect(const TwipsRect& twips)
{
    const int left = pixelsFromTwips(twips.left);
    const int top = pixelsFromTwips(twips.top);
    const int right = pixelsFromTwips(twips.left + twips.width);
    const int bottom = pixelsFromTwips(twips.top + twips.height);
    return QRect(left, top, right - left, bottom - top);
}

QPoint clientOrigin(const QWidget* container)
{
    if (const auto* frame = qobject_cast<const QFrame*>(container))
        return frame->contentsRect().topLeft();
    return {};
}

} // namespace pizarrin
