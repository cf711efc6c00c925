#include "toolkit/image.h"

#include <QPainter>

namespace pizarrin {

Image::Image(const ImageDesign& design, QWidget* container)
    : Placed<QWidget>(container)
    , picture_(design.picture)
{
    setObjectName(design.name.toString());
    if (picture_ != Picture::None)
        pictureName_ = objectName();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwips(design.twips);
    setVisible(design.visible);
}

void Image::takePictureOf(const Image& source)
{
    if (picture_ == source.picture_ && pictureName_ == source.pictureName_)
        return;
    picture_ = source.picture_;
    pictureName_ = source.pictureName_;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPicture(painter, picture_);
}

} // namespace pizarrin
