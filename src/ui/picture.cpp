#include "ui/picture.h"

#include "ui/file_system.h"

namespace ui {
namespace {

// A gallows picture is a few kilobytes; anything far larger is not one.
constexpr qint64 pictureBytes = 16 << 20;

} // namespace

// The file is read by the program's own reader, which opens only regular files and stops at the
// cap, and decoded from memory: Qt's own loader would open a pipe or a device and wait on it.
// Pictures stored with the windows (":/...") are the program's own and are read as they are.
QPixmap LoadPicture(const QString &path)
{
    QPixmap picture;
    if (path.startsWith(QLatin1Char(':'))) {
        picture.load(path);
        return picture;
    }
    const FileBytes file = readWholeFile(path, pictureBytes);
    if (file.ok())
        picture.loadFromData(file.bytes);
    return picture;
}

ImageBox::ImageBox(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
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
