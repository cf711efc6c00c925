// An answer cell: a single-line edit field that raises, for every key pressed in it,
// key-down, then key-press for keys that produce a character, then its own editing,
// then change. The key is always applied to the cell where it was pressed, even when
// a handler has already moved the focus elsewhere.
#pragma once

#include "toolkit/design.h"
#include "toolkit/placed.h"

#include <QLineEdit>
#include <QStringView>

namespace pizarrin {

struct CellDesign {
    QStringView name;
    TwipsRect twips;
    Colour back;
    QString accessibleName; // its row and place value, "Fila 2, decenas"
};

// Key codes of the design's key-down event (the desktop's virtual-key codes).
enum KeyCode : int {
    KeyBackspace = 8,
    KeyEnter = 13,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

class Cell : public Placed<QLineEdit> {
    Q_OBJECT
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

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
