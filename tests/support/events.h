// Random events a child at the keyboard and mouse can cause, applied to the real window
// as real key and mouse events, and the invariants that must hold after every one.
// Shared by the soak test and the window fuzzer; a source of choices (a seeded
// generator, or the fuzzer's bytes) decides every event.
#pragma once

#include "support/harness.h"

namespace pizarrin::testing {

enum class EventKind {
    Key, // a named key, maybe with Shift
    Type, // a key that produces text (ASCII or any Unicode)
    Paste, // Ctrl+V of a clipboard text
    SetText, // the program, undo or a drop putting text into a cell
    ClickButton, // the "Empezar"/"Terminar" spot
    ClickHelp,
    ClickVerdict,
    ClickPanel,
    ClickCell,
    WriteRightRow, // a pupil who knows the answer writes one row, or all and finishes
    TimerTick,
    Scroll,
    Count
};

struct Event {
    EventKind kind = EventKind::Key;
    int key = 0; // Qt::Key for Key; the bar (1 or 2) for Scroll
    bool shift = false;
    int value = 0; // a cell number (0..54), a scroll value, a point on the panel
    QString text;
    QStringList answers; // prompt answers while the event runs
    float random1 = 0;
    float random2 = 0;
    float clock = 0;
};

// Where choices come from: `below(n)` gives 0 <= k < n.
class Choices {
public:
    virtual ~Choices() = default;
    virtual int below(int n) = 0;
    virtual float unit() { return float(below(1 << 24)) / float(1 << 24); }
};

QString randomText(Choices& choose, int maxLength);

QString randomAnswer(Choices& choose);

Event randomEvent(Choices& choose);

QString describe(const Event& event);

Cell* nthCell(const Form1& form, int n);

// Clicks go through the window, to whatever is shown under the pointer.
void clickAt(Form1& form, const QWidget* control, QPoint local);

// Clears the row's cells (a click, End, Backspace in each), then clicks its units cell
// and types the expected digits from right to left, as real keys; a zero row gets its
// "0". Nothing happens to a row that is not shown.
void writeRightRow(Form1& form, int r);

void apply(Window& window, const Event& event);

// What must hold after every event; returns what broke, or "" when all holds.
QString brokenInvariant(const Form1& form);

using ExtraInvariant = std::function<QString(const Form1&)>;

// Applies one event and checks every invariant after it, the extra one included;
// returns what broke, or "".
QString applyAndCheck(Window& window, const Event& event, const ExtraInvariant& extra = {});

// Runs the events in a fresh window; returns the index of the first event after which an
// invariant (or the extra one) breaks, and what broke; -1 when none does.
int firstFailure(
    const QList<Event>& events, QString* broken = nullptr, const ExtraInvariant& extra = {});

// The shortest sequence found (by removing ever smaller chunks) that still breaks an
// invariant.
QList<Event> shrink(QList<Event> events, const ExtraInvariant& extra = {});

} // namespace pizarrin::testing
