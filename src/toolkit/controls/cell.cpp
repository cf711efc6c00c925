#include "toolkit/controls/cell.h"

#include "toolkit/controls/device_pixels.h"

#include <QKeyEvent>
#include <QPainter>
#include <limits>
#include <optional>

namespace pizarrin {

namespace {

int keyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return KeyBackspace;
    case Qt::Key_Tab:
        return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Shift:
        return KeyShift;
    case Qt::Key_Control:
        return KeyControl;
    case Qt::Key_Alt:
        return KeyAlt;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    case Qt::Key_End:
        return KeyEnd;
    case Qt::Key_Home:
        return KeyHome;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return KeyInsert;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        break;
    }
    // Digits, letters and the space share their codes with Qt's key values.
    const int key = event->key();
    if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    return 0;
}

int shiftState(const QKeyEvent* event)
{
    const auto modifiers = event->modifiers();
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
        | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The character a key produces, if any. Backspace and Enter produce 8 and 13;
// Delete and the keys that only move the caret produce none.
std::optional<int> characterCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return KeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return std::nullopt;
    return text.front().unicode();
}

} // namespace

Cell::Cell(const CellDesign& design, QWidget* container)
    : Placed<QLineEdit>(container)
{
    setObjectName(design.name.toString());
    setAccessibleName(design.accessibleName);
    setFont(designFont({Face::TimesNewRoman, 24.0, true, false}));
    setAlignment(Qt::AlignCenter);
    // A cell takes one digit: an on-screen keyboard offers its number pad.
    setInputMethodHints(Qt::ImhDigitsOnly);
    setFrame(false);
    // The cell itself sets no limit; one character per cell is the handlers' rule.
    setMaxLength(std::numeric_limits<int>::max());
    applyColours(this, design.back, systemColour(SystemColour::WindowText), true);
    setText(QStringLiteral("0")); // the design text; start-up empties every cell
    setTwips(design.twips);
    setVisible(true);
    connect(this, &QLineEdit::textChanged, this, &Cell::changed);
}

void Cell::giveFocus()
{
    if (isShown())
        setFocus(Qt::OtherFocusReason);
}

void Cell::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(keyCode(event), shiftState(event));
    if (const auto code = characterCode(event))
        Q_EMIT keyPress(*code);
    QLineEdit::keyPressEvent(event);
    // A cell is a whole field of its own: Enter inserts nothing and goes no further.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

void Cell::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed through an input method (dead keys, compose, on-screen keyboards)
    // is typed too, and moves the focus on like any other character.
    const QString committed = event->commitString();
    if (!committed.isEmpty())
        Q_EMIT keyPress(committed.front().unicode());
    QLineEdit::inputMethodEvent(event);
}

void Cell::focusInEvent(QFocusEvent* event)
{
    // However the focus arrives, nothing is selected and the caret stands after the
    // cell's character, so Backspace takes it away and a new character is added to it.
    QLineEdit::focusInEvent(event);
    deselect();
    end(false);
}

void Cell::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    // A thin outline shows the pupil where each cell is on the white page.
    QPainter painter(this);
    fillFrame(painter, rect(), 1, palette().color(QPalette::Mid));
}

} // namespace pizarrin
