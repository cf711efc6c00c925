// An image control: shows a picture at its natural size from its top-left corner,
// transparent around it. An image can take over the picture of another one.
#pragma once

#include "toolkit/controls/pictures.h"
#include "toolkit/controls/placed.h"

#include <QStringView>
#include <QWidget>

namespace pizarrin {

struct ImageDesign {
    QStringView name;
    TwipsRect twips;
    Picture picture = Picture::None;
    bool visible = false;
    QStringView description {}; // "Fila 1": the accessible name adds "bien" or "mal"
};

class Image : public Placed<QWidget> {
    Q_OBJECT
    PIZARRIN_TWIPS_PROPERTIES
    Q_PROPERTY(QString picture READ pictureName)

public:
    Image(const ImageDesign& design, QWidget* container);

    // The name of the image whose picture this one shows, or "" for none.
    QString pictureName() const { return pictureName_; }

    void takePictureOf(const Image& source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    Picture picture_;
    QString pictureName_;
    QString description_;
};

} // namespace pizarrin
