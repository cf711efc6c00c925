// A label: a caption that wraps at word boundaries, opaque or transparent, and a click.
#pragma once

#include "toolkit/controls/design.h"
#include "toolkit/controls/placed.h"

#include <QLabel>
#include <QStringView>

namespace pizarrin {

struct LabelDesign {
    QStringView name;
    QStringView caption;
    TwipsRect twips;
    FontDesign font {};
    Colour back = systemColour(SystemColour::ButtonFace);
    Colour fore = systemColour(SystemColour::ButtonText);
    bool transparent = false;
    Align align = Align::Left;
    bool border = false;
    bool visible = true;
    QStringView description {}; // what the label is, for screen readers
};

class Label : public Placed<QLabel> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    Label(const LabelDesign& design, QWidget* container);

    // Captions are plain text, never markup: a pupil's name is shown as typed.
    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

Q_SIGNALS:
    void clicked();

protected:
    // A click on a label is the label's own, even where it has no handler: it never
    // reaches the panel beneath.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace pizarrin
