// A list box of text lines in a fixed-pitch face, so that columns padded with spaces
// line up.
#pragma once

#include "toolkit/controls/placed.h"

#include <QListWidget>
#include <QStringView>

namespace pizarrin {

struct ListBoxDesign {
    QStringView name;
    TwipsRect twips;
    QStringView accessibleName {};
};

class ListBox : public Placed<QListWidget> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES

public:
    ListBox(const ListBoxDesign& design, QWidget* container);

    void appendLine(const QString& line);
    int lineCount() const { return count(); }
    QString line(int index) const;

protected:
    // The list's current line is where its keyboard focus would stand; screen readers
    // take it for the focus, so it is let go when the focus goes elsewhere.
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace pizarrin
