// The twips geometry every placed control shares, and its four properties. moc does not
// read templates, so each control class names PIZARRIN_TWIPS_PROPERTIES after Q_OBJECT.
#pragma once

#include "toolkit/controls/twips.h"

// A macro rather than a base class: moc must see the properties in the class itself.
#define PIZARRIN_TWIPS_PROPERTIES                                                                  \
    Q_PROPERTY(int leftTwips READ leftTwips WRITE setLeftTwips)                                    \
    Q_PROPERTY(int topTwips READ topTwips WRITE setTopTwips)                                       \
    Q_PROPERTY(int widthTwips READ widthTwips WRITE setWidthTwips)                                 \
    Q_PROPERTY(int heightTwips READ heightTwips WRITE setHeightTwips)

namespace pizarrin {

template <class Widget> class Placed : public Widget {
public:
    using Widget::Widget;

    int leftTwips() const { return twips_.left; }
    int topTwips() const { return twips_.top; }
    int widthTwips() const { return twips_.width; }
    int heightTwips() const { return twips_.height; }

    void setLeftTwips(int left) { place({left, twips_.top, twips_.width, twips_.height}); }
    void setTopTwips(int top) { place({twips_.left, top, twips_.width, twips_.height}); }
    void setWidthTwips(int width) { place({twips_.left, twips_.top, width, twips_.height}); }
    void setHeightTwips(int height) { place({twips_.left, twips_.top, twips_.width, height}); }

    void setTwips(const TwipsRect& twips) { place(twips); }

    // A control's own visibility, whether or not the window is on screen.
    bool isShown() const { return !this->isHidden(); }

private:
    void place(const TwipsRect& twips)
    {
        twips_ = twips;
        this->setGeometry(pixelRect(twips_).translated(clientOrigin(this->parentWidget())));
    }

    TwipsRect twips_;
};

} // namespace pizarrin
