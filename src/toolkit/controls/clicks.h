// What counts as a click on a control: the left button released over it.
#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace pizarrin {

inline bool isClick(const QWidget* widget, const QMouseEvent* release)
{
    return release->button() == Qt::LeftButton
        && widget->rect().contains(release->position().toPoint());
}

} // namespace pizarrin
