// A panel: a container that can be hidden with all it holds, and clicked on its free
// surface (a click on a label inside it is the label's own).
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

#include <QFrame>
#include <QStringView>

namespace pizarrin {

struct PanelDesign {
    QStringView name;
    TwipsRect twips;
    Colour back;
    bool sunkenBorder = false;
    bool visible = true;
};

class Panel : public Placed<QFrame> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    Panel(const PanelDesign& design, QWidget* container);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace pizarrin
