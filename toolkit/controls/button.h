// A command button with its caption in the window's default font.
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

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
};

} // namespace pizarrin
