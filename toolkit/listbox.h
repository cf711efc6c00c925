// A list box of text lines in a fixed-pitch face, so that columns padded with spaces
// line up.
#pragma once

#include "toolkit/placed.h"

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
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

public:
    ListBox(const ListBoxDesign& design, QWidget* container);

    void appendLine(const QString& line);
    int lineCount() const { return count(); }
    QString line(int index) const;
};

} // namespace pizarrin
