#include "app/form1.h"

#include "app/auxiliary.h"
#include "app/startup.h"
#include "entry/cell_keys.h"
#include "entry/cell_navigation.h"
#include "grading/check_worksheet.h"
#include "worksheet/start_exercise.h"

#include "toolkit/accessibility.h"
#include "toolkit/application.h"

#include <QCloseEvent>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

// The window's client area: 10290 x 6750 twips.
constexpr TwipsRect clientArea {0, 0, 10290, 6750};

using KeyDownHandler = void (*)(Form1&, int index, int keyCode, int shift);
using KeyPressHandler = void (*)(Form1&, int index, int characterCode);
using ChangeHandler = void (*)(Form1&, int index);

struct RowHandlers {
    KeyDownHandler keyDown;
    KeyPressHandler keyPress;
    ChangeHandler change;
};

constexpr std::array<RowHandlers, 7> rowHandlers {{
    {Text1_KeyDown, Text1_KeyPress, Text1_Change},
    {Text2_KeyDown, Text2_KeyPress, Text2_Change},
    {Text3_KeyDown, Text3_KeyPress, Text3_Change},
    {Text4_KeyDown, Text4_KeyPress, Text4_Change},
    {Text5_KeyDown, Text5_KeyPress, Text5_Change},
    {Text6_KeyDown, Text6_KeyPress, Text6_Change},
    {Text7_KeyDown, Text7_KeyPress, Text7_Change},
}};

} // namespace

Form1::Form1(Platform platform, QWidget* parent)
    : QWidget(parent)
    , platform_(std::move(platform))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Realiza la multiplicación"_s);
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
    connectEvents();
    if (platform_.attachWindow)
        platform_.attachWindow(this); // the prompts belong to this window
    List1->setFocus(Qt::OtherFocusReason);
    Form_Load(*this);
}

std::span<Cell* const> Form1::row(int r) const
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

void Form1::connectEvents()
{
    connect(HScroll1, &ScrollBar::changed, this, [this] { HScroll1_Change(*this); });
    connect(HScroll2, &ScrollBar::changed, this, [this] { HScroll2_Change(*this); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(*this); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(*this); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(*this); });
    connect(Label14, &Label::clicked, this, [this] { Label14_Click(*this); });
    connect(Picture1, &Panel::clicked, this, [this] { Picture1_Click(*this); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(*this); });

    for (int r = 1; r <= 7; ++r) {
        const RowHandlers handlers = rowHandlers[r - 1];
        const auto cells = row(r);
        for (int index = 0; index < int(cells.size()); ++index) {
            Cell* cell = cells[index];
            connect(cell, &Cell::keyDown, this, [this, handlers, index](int keyCode, int shift) {
                handlers.keyDown(*this, index, keyCode, shift);
            });
            connect(cell, &Cell::keyPress, this, [this, handlers, index](int characterCode) {
                handlers.keyPress(*this, index, characterCode);
            });
            connect(cell, &Cell::changed, this,
                [this, handlers, index] { handlers.change(*this, index); });
        }
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing ends the program: nothing is saved and nothing is asked.
    closing_ = true;
    event->accept();
}

void Form1::changeEvent(QEvent* event)
{
    // Title bars that draw a maximise button whatever the window asks for (Qt's own
    // decorations on Wayland) may still ask to maximise: a window of fixed size stays as
    // it is, and the button does not even change its icon.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    QWidget::changeEvent(event);
}

} // namespace pizarrin
