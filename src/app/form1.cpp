#include "app/form1.h"

#include "app/startup.h"
#include "entry/cell_keys.h"
#include "entry/cell_navigation.h"
#include "grading/check_rows.h"
#include "grading/verdict_timer.h"
#include "help/help_button.h"
#include "start/digit_bars.h"
#include "start/start_exercise.h"
#include "teacher/hidden_panel.h"
#include "window/worksheet.h"

namespace pizarrin {

namespace {

using KeyDownHandler = void (*)(Form1Controls&, int index, int keyCode, int shift);
using KeyPressHandler = void (*)(Form1Controls&, int index, int characterCode);
using ChangeHandler = void (*)(Form1Controls&, int index);

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
    : Form1Controls(std::move(platform), parent)
{
    connectEvents();
    Form_Load(*this);
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

    for (int r = 1; r <= answerRows; ++r) {
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

} // namespace pizarrin
