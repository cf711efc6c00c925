#include "toolkit/controls/label.h"

#include "toolkit/controls/clicks.h"

#include <QMouseEvent>

namespace pizarrin {

namespace {
Qt::Alignment qtAlignment(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}
} // namespace

Label::Label(const LabelDesign& design, QWidget* container)
    : Placed<QLabel>(container)
{
    setObjectName(design.name.toString());
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(qtAlignment(design.align));
    setFont(designFont(design.font));
    // The text stands where the face's classic ascent puts it, whichever line metrics
    // the installed version of the face asks for.
    setContentsMargins(0, typographicLift(font()), 0, 0);
    applyColours(this, design.back, design.fore, !design.transparent);
    if (design.border)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    setText(design.caption.toString());
    setAccessibleDescription(design.description.toString());
    setTwips(design.twips);
    setVisible(design.visible);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (isClick(this, event))
        Q_EMIT clicked();
    event->accept();
}

} // namespace pizarrin
