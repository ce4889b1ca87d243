#include "ui/picture.h"

#include "ui/file_system.h"
#include "ui/twips.h"
#include "ui/zoom.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace ui {
namespace {

// A gallows picture is a few kilobytes; anything far larger is not one.
constexpr qint64 pictureBytes = 16 << 20;

} // namespace

// The file is read by the program's own reader, which opens only regular files and stops at the
// cap, and decoded from memory: Qt's own loader would open a pipe or a device and wait on it.
// Pictures stored with the windows (":/...") are the program's own and are read as they are.
QByteArray LoadPicture(const QString &path)
{
    if (path.startsWith(QLatin1Char(':'))) {
        QFile resource(path);
        return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    }
    const FileBytes file = readWholeFile(path, pictureBytes);
    return file.ok() ? file.bytes : QByteArray();
}

ImageBox::ImageBox(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    connect(&zoomNotifier(), &ZoomNotifier::zoomed, this, &ImageBox::showPicture);
}

void ImageBox::setPicture(const QByteArray &picture)
{
    m_picture = picture;
    showPicture();
}

void ImageBox::clearPicture()
{
    setPicture({});
}

void ImageBox::showPicture()
{
    QBuffer bytes(&m_picture);
    QImageReader reader(&bytes);
    const QSize own = reader.size();
    if (own.isValid())
        reader.setScaledSize(own.scaled(size(), Qt::KeepAspectRatio));
    setPixmap(m_picture.isEmpty() ? QPixmap() : QPixmap::fromImage(reader.read()));
}

} // namespace ui
