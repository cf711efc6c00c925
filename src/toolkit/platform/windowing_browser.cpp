#include "toolkit/platform/windowing.h"

#include <QDialog>
#include <QGuiApplication>
#include <QInputMethod>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace pizarrin {

namespace {

// The page is the browser's screen: the window stands in its middle, or at its top left
// corner, title bar on view, when the page is smaller than the window.
void centre(QWidget& window, const QScreen& page)
{
    const QRect area = page.availableGeometry();
    const QSize outer = window.frameGeometry().size();
    const QPoint topLeft(area.left() + std::max(0, (area.width() - outer.width()) / 2),
        area.top() + std::max(0, (area.height() - outer.height()) / 2));
    window.move(topLeft);
}

} // namespace

void showMainWindow(QWidget& window)
{
    // Qt shows a browser's windows full screen unless asked otherwise: the window keeps
    // its design size and its title bar, as on the desktop.
    window.showNormal();
    QScreen* page = window.screen();
    if (!page)
        return;
    centre(window, *page);
    QObject::connect(page, &QScreen::availableGeometryChanged, &window,
        [&window, page] { centre(window, *page); });
}

void typeIntoPrompt(QDialog& prompt, QWidget& field)
{
    // The page keeps the keyboard on the window that was clicked to open the prompt: once
    // the prompt is up, it is made the active window, and its field the browser's input.
    QTimer::singleShot(0, &field, [&prompt, &field] {
        prompt.activateWindow();
        field.setFocus(Qt::ActiveWindowFocusReason);
        QGuiApplication::inputMethod()->show();
    });
}

} // namespace pizarrin
