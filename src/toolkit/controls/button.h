// A command button with its caption in the window's default font. Space and Enter
// press it once it has the focus.
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QStringView>

namespace pizarrin {

struct ButtonDesign {
    QStringView name;
    QStringView caption;
    TwipsRect twips;
    bool visible = true;
    QStringView accessibleName {};
    QStringView description {};
};

class Button : public Placed<QPushButton> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    Button(const ButtonDesign& design, QWidget* container)
        : Placed<QPushButton>(container)
    {
        setObjectName(design.name.toString());
        setFont(designFont({}));
        // A button keeps the design's button face, not the window's yellow around it.
        applyColours(this, systemColour(SystemColour::ButtonFace),
            systemColour(SystemColour::ButtonText), false);
        setAutoDefault(false);
        setText(design.caption.toString());
        setAccessibleName(design.accessibleName.toString());
        setAccessibleDescription(design.description.toString());
        setTwips(design.twips);
        setVisible(design.visible);
    }

protected:
    // Qt's buttons take Enter only in dialogs, as their default; a pupil presses the
    // button the focus is on with Enter as with Space.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

} // namespace pizarrin
