#include "toolkit/platform/windowing.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethod>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <cmath>
#include <emscripten/val.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <string>
#include <utility>
#include <vector>

namespace pizarrin {

namespace {

// The largest factor, in hundredths and never below 1, by which the window and its title
// bar fit in a touch screen's page. The page and the title bar are measured in the page's own (CSS)
// pixels, which the factor does not change; the window in its design's pixels.
qreal fittingFactor(const QWidget& window, const QScreen& page)
{
    // Only on touch screens: with Qt 6.8.2, a mouse's presses on a scaled window's scroll
    // bars do not reach them, while taps do (tests/web/play.mjs plays both).
    const emscripten::val touch = emscripten::val::global("window").call<emscripten::val>(
        "matchMedia", std::string("(any-pointer: coarse)"));
    if (!touch["matches"].as<bool>())
        return 1;
    const QPlatformWindow* shown
        = window.windowHandle() ? window.windowHandle()->handle() : nullptr;
    if (!shown || window.width() <= 0 || window.height() <= 0)
        return 1;
    const QRect area = page.handle()->availableGeometry();
    const QMargins frame = shown->frameMargins();
    const qreal across = qreal(area.width() - frame.left() - frame.right()) / window.width();
    const qreal down = qreal(area.height() - frame.top() - frame.bottom()) / window.height();
    return std::max<qreal>(1, std::floor(std::min(across, down) * 100) / 100);
}

// Draws every window at the page's new factor: each keeps its size in the design's
// pixels, so the controls, their positions and the fonts keep theirs, and all of it is
// drawn afresh at the new resolution, as on a desktop whose scale is changed.
// Qt lays the elements that screen readers read (and that take the pointer where they lie
// over the window) out in the design's pixels: they follow the factor, as the canvas does.
void scaleScreenReaderElements(qreal factor)
{
    using emscripten::val;
    const val host
        = val::global("document").call<val>("getElementById", std::string("qt-shadow-container"));
    if (host.isNull() || host["shadowRoot"].isNull())
        return;
    const val root = host["shadowRoot"];
    if (root.call<val>("querySelector", std::string("style.pizarrin-scale")).isNull()) {
        val style = val::global("document").call<val>("createElement", std::string("style"));
        style.set("className", std::string("pizarrin-scale"));
        style.set("textContent",
            std::string(".qt-window-a11y-container { transform: scale(var(--pizarrin-scale, 1));"
                        " transform-origin: 0 0; }"));
        root.call<void>("appendChild", style);
    }
    host["style"].call<void>(
        "setProperty", std::string("--pizarrin-scale"), std::to_string(factor));
}

void scalePage(QScreen& page, qreal factor)
{
    // Each window's geometry is taken before the factor changes: the moment it does, the
    // page reports each window's old size in the page's pixels as a new one in the
    // design's.
    std::vector<std::pair<QWidget*, QRect>> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->windowHandle() && window->isVisible())
            shown.emplace_back(window, window->geometry());
    QHighDpiScaling::setScreenFactor(&page, factor);
    for (const auto& [window, geometry] : shown) {
        QWindow* handle = window->windowHandle();
        handle->setGeometry(geometry);
        QWindowSystemInterface::handleWindowDevicePixelRatioChanged<
            QWindowSystemInterface::SynchronousDelivery>(handle);
        window->update();
    }
    scaleScreenReaderElements(factor);
}

// The window stands in the page's middle, or at its top left corner, title bar on view,
// when the page is smaller than the window. Measured in the page's pixels: the title bar
// keeps its size there whatever the factor.
void centre(QWidget& window, const QScreen& page)
{
    const QPlatformWindow* shown
        = window.windowHandle() ? window.windowHandle()->handle() : nullptr;
    if (!shown)
        return;
    const qreal factor = QHighDpiScaling::factor(&page);
    const QRect area = page.handle()->availableGeometry();
    const QMargins frame = shown->frameMargins();
    const QSize outer
        = QSize(qRound(window.width() * factor), qRound(window.height() * factor)).grownBy(frame);
    const QPoint client(
        area.left() + std::max(0, (area.width() - outer.width()) / 2) + frame.left(),
        area.top() + std::max(0, (area.height() - outer.height()) / 2) + frame.top());
    window.windowHandle()->setPosition(QHighDpi::fromNativePixels(client, &page));
}

void fit(QWidget& window, QScreen& page)
{
    const qreal factor = fittingFactor(window, page);
    if (factor != QHighDpiScaling::factor(&page))
        scalePage(page, factor);
    centre(window, page);
}

} // namespace

void showMainWindow(QWidget& window)
{
    // Qt shows a browser's windows full screen unless asked otherwise: the window keeps
    // its proportions and its title bar, as on the desktop.
    window.showNormal();
    QScreen* page = window.screen();
    if (!page)
        return;
    fit(window, *page);
    QObject::connect(
        page, &QScreen::availableGeometryChanged, &window, [&window, page] { fit(window, *page); });
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
