#pragma once

#include <QByteArray>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace ui {

// A picture file (or a resource) loaded by path; a missing, unreadable, oversized or
// non-regular file (a pipe, a device) gives an empty picture at once, never an error or a wait.
QByteArray LoadPicture(const QString &path);

// An image control: shows its picture whole inside the control. The pictures are drawn larger
// than their place at 100 %, and at each zoom step the picture is decoded again from the file's
// bytes at the new size, not enlarged from the pixels shown.
class ImageBox : public QLabel
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    void setPicture(const QByteArray &picture);
    void clearPicture();

private:
    void showPicture();

    QByteArray m_picture;
};

} // namespace ui
