#include "ui/picture.h"

namespace ui {

QPixmap LoadPicture(const QString &path)
{
    QPixmap picture;
    if (!path.isEmpty())
        picture.load(path);
    return picture;
}

ImageBox::ImageBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

void ImageBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
}

void ImageBox::clearPicture()
{
    setPixmap(QPixmap());
}

} // namespace ui
