// A straight line between two points given in twips, drawn in a solid colour.
#pragma once

#include "toolkit/controls/design.h"

#include <QStringView>
#include <QWidget>

namespace pizarrin {

struct LineDesign {
    QStringView name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour colour;
    int widthPixels = 1;
};

class Line : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int x1Twips READ x1Twips WRITE setX1Twips)
    Q_PROPERTY(int y1Twips READ y1Twips WRITE setY1Twips)
    Q_PROPERTY(int x2Twips READ x2Twips WRITE setX2Twips)
    Q_PROPERTY(int y2Twips READ y2Twips WRITE setY2Twips)

public:
    Line(const LineDesign& design, QWidget* container);

    int x1Twips() const { return x1_; }
    int y1Twips() const { return y1_; }
    int x2Twips() const { return x2_; }
    int y2Twips() const { return y2_; }
    void setX1Twips(int x);
    void setY1Twips(int y);
    void setX2Twips(int x);
    void setY2Twips(int y);

    bool isShown() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relocate();

    int x1_;
    int y1_;
    int x2_;
    int y2_;
    QColor colour_;
    int widthPixels_;
};

} // namespace pizarrin
