// The program's window: `Form1` with its controls (window/form1_controls.h), every
// event wired to its handler, and start-up run.
//
// How an event flows: Qt delivers a mouse click, a key, a scroll-bar change or a
// timer tick to one of the toolkit's controls, which raises the design's event
// (Click, KeyDown, KeyPress, Change, Timer). The window wires each event to exactly
// one handler, a plain function named after the control and the event
// (`Command1_Click`, `Text3_KeyDown`) in app/, start/, entry/, grading/, help/ or
// teacher/. A handler reads what it needs from the controls (captions, cell texts,
// visibility, twips positions), writes its results back to them and returns; nothing
// of an exercise lives anywhere else, so the next handler reads the controls again.
// For a key in a cell the events come in the order key-down, key-press, the cell's
// own editing, change; the key always lands in the cell where it was pressed.
#pragma once

#include "toolkit/platform/platform.h"
#include "window/form1_controls.h"

namespace pizarrin {

class Form1 : public Form1Controls {
    Q_OBJECT

public:
    explicit Form1(Platform platform, QWidget* parent = nullptr); // runs Form_Load

private:
    void connectEvents();
};

} // namespace pizarrin
