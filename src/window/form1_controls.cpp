#include "window/form1_controls.h"

#include "toolkit/accessibility/accessibility.h"
#include "toolkit/platform/application.h"

#include <QCloseEvent>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {
// The window's client area: 10290 x 6750 twips.
constexpr TwipsRect clientArea {0, 0, 10290, 6750};
} // namespace

Form1Controls::Form1Controls(Platform platform, QWidget* parent)
    : QWidget(parent)
    , platform_(std::move(platform))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(mainWindowTitle.toString());
    // A window of fixed size offers no maximise button, on X11 and on Wayland alike.
    if (isWindow())
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixelRect(clientArea).size());
    setWindowIcon(applicationIcon());
    installAccessibility();
    setFont(designFont({}));
    // Every control inherits the design's colours, never the desktop's scheme.
    setPalette(designPalette());
    applyColours(this, rgbColour(255, 255, 128), systemColour(SystemColour::WindowText), true);

    createControls();
    setFocusOrder();
    if (platform_.attachWindow)
        platform_.attachWindow(this); // the prompts belong to this window
    List1->setFocus(Qt::OtherFocusReason);
}

std::span<Cell* const> Form1Controls::row(int r) const
{
    switch (r) {
    case 1:
        return Text1;
    case 2:
        return Text2;
    case 3:
        return Text3;
    case 4:
        return Text4;
    case 5:
        return Text5;
    case 6:
        return Text6;
    default:
        break;
    }
    return Text7;
}

Label* Form1Controls::expectedPartialProduct(int r) const
{
    const std::array<Label*, 6> labels {Label5, Label6, Label7, Label8, Label9, Label10};
    return labels[std::size_t(r - 1)];
}

void Form1Controls::closeEvent(QCloseEvent* event)
{
    // Closing ends the program: nothing is saved and nothing is asked.
    closing_ = true;
    event->accept();
}

void Form1Controls::changeEvent(QEvent* event)
{
    // Title bars that draw a maximise button whatever the window asks for (Qt's own
    // decorations on Wayland) may still ask to maximise: a window of fixed size stays as
    // it is, and the button does not even change its icon.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    QWidget::changeEvent(event);
}

} // namespace pizarrin
