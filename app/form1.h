// The one window of the program and its 138 controls.
//
// How an event flows: Qt delivers a mouse click, a key, a scroll-bar change or a
// timer tick to one of the toolkit's controls, which raises the design's event
// (Click, KeyDown, KeyPress, Change, Timer). The window wires each event to exactly
// one handler, a plain function named after the control and the event
// (`Command1_Click`, `Text3_KeyDown`) in app/, worksheet/, entry/ or grading/. A
// handler reads what it needs from the controls (captions, cell texts, visibility,
// twips positions), writes its results back to them and returns; nothing of an
// exercise lives anywhere else, so the next handler reads the controls again. For a
// key in a cell the events come in the order key-down, key-press, the cell's own
// editing, change; the key always lands in the cell where it was pressed.
#pragma once

#include "toolkit/button.h"
#include "toolkit/cell.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/line.h"
#include "toolkit/listbox.h"
#include "toolkit/panel.h"
#include "toolkit/platform.h"
#include "toolkit/scrollbar.h"
#include "toolkit/shape.h"
#include "toolkit/timer.h"

#include <QWidget>
#include <array>
#include <span>

namespace pizarrin {

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Platform platform, QWidget* parent = nullptr); // runs Form_Load

    const Platform& platform() const { return platform_; }

    // True once the window has been closed: a prompt loop must not keep a closing
    // program alive.
    bool isClosing() const { return closing_; }

    // Answer row r: 1 to 6 are the partial-product rows Text1 to Text6, 7 is the
    // product row Text7. Index 0 is the units cell.
    std::span<Cell* const> row(int r) const;

    // The controls, named as in the window's design. The window owns them all.
    Button* Command1 = nullptr;
    Button* Command2 = nullptr;
    Button* Command3 = nullptr;
    Timer* Timer1 = nullptr;
    ListBox* List1 = nullptr;
    Panel* Picture1 = nullptr;
    Panel* Picture2 = nullptr;
    Shape* Shape1 = nullptr;
    ScrollBar* HScroll1 = nullptr;
    ScrollBar* HScroll2 = nullptr;
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    Label* Label9 = nullptr;
    Label* Label10 = nullptr;
    Label* Label11 = nullptr;
    Label* Label12 = nullptr;
    Label* Label13 = nullptr;
    Label* Label14 = nullptr;
    Label* Label15 = nullptr;
    Label* Label16 = nullptr;
    Label* Label17 = nullptr;
    Label* Label18 = nullptr;
    Label* Label19 = nullptr;
    Label* Label20 = nullptr;
    Label* Label21 = nullptr;
    Label* Label22 = nullptr;
    Label* Label23 = nullptr;
    std::array<Label*, 6> Label24 {};
    Label* Label25 = nullptr;
    std::array<Label*, 7> Label26 {};
    std::array<Cell*, 7> Text1 {};
    std::array<Cell*, 7> Text2 {};
    std::array<Cell*, 7> Text3 {};
    std::array<Cell*, 7> Text4 {};
    std::array<Cell*, 7> Text5 {};
    std::array<Cell*, 7> Text6 {};
    std::array<Cell*, 13> Text7 {};
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
    std::array<Line*, 9> Line3 {};
    std::array<Line*, 16> Line4 {};
    std::array<Image*, 7> Image1 {};
    Image* Image2 = nullptr;
    Image* Image3 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls(); // the design, in form1_layout.cpp
    void setFocusOrder();
    void connectEvents();

    Platform platform_;
    bool closing_ = false;
};

} // namespace pizarrin
