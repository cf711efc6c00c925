// An answer cell: a single-line edit field that raises key-down, key-press and change
// for every key pressed in it, in the order app/form1.h describes, and applies the key
// to the cell where it was pressed even when a handler has moved the focus elsewhere.
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

#include <QLineEdit>
#include <QStringView>

namespace pizarrin {

struct CellDesign {
    QStringView name;
    TwipsRect twips;
    Colour back;
    QString accessibleName; // its row and place value, "Fila 2, decenas"
};

// The codes of the design's key-down event, one per key the cell tells apart; digits,
// letters and the space are their character's code, and any other key is 0. Backspace
// and Enter are also the character codes of key-press.
enum KeyCode : int {
    KeyBackspace = 8,
    KeyTab = 9,
    KeyEnter = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyAlt = 18,
    KeyEscape = 27,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyInsert = 45,
    KeyDelete = 46,
};

class Cell : public Placed<QLineEdit> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    Cell(const CellDesign& design, QWidget* container);

    // Takes the keyboard focus, but only while the cell is shown.
    void giveFocus();

Q_SIGNALS:
    void keyDown(int keyCode, int shift);
    void keyPress(int characterCode);
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pizarrin
