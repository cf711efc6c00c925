#include "toolkit/controls/image.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace pizarrin {

Image::Image(const ImageDesign& design, QWidget* container)
    : Placed<QWidget>(container)
    , picture_(design.picture)
    , description_(design.description.toString())
{
    setObjectName(design.name.toString());
    if (picture_ != Picture::None)
        pictureName_ = objectName();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwips(design.twips);
    setVisible(design.visible);
    describe();
}

// Right or wrong is said in words too, not only by the colour of the mark.
void Image::describe()
{
    const QString words = pictureWords(picture_);
    setAccessibleName(words.isEmpty() ? description_ : description_ + u": "_s + words);
}

void Image::takePictureOf(const Image& source)
{
    if (picture_ == source.picture_ && pictureName_ == source.pictureName_)
        return;
    picture_ = source.picture_;
    pictureName_ = source.pictureName_;
    describe();
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPicture(painter, picture_);
}

} // namespace pizarrin
