// A command button with its caption in the window's default font.
#pragma once

#include "toolkit/design.h"
#include "toolkit/placed.h"

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
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

public:
    Button(const ButtonDesign& design, QWidget* container)
        : Placed<QPushButton>(container)
    {
        setObjectName(design.name.toString());
        setFont(designFont({}));
        setAutoDefault(false);
        setText(design.caption.toString());
        setAccessibleName(design.accessibleName.toString());
        setAccessibleDescription(design.description.toString());
        setTwips(design.twips);
        setVisible(design.visible);
    }
};

} // namespace pizarrin
