#pragma once

#include <QByteArray>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace ui {

// A picture file (or a resource) loaded by path; a missing, unreadable, oversized or
// non-regular file (a pipe, a device) gives an empty picture at once, never an error or a wait.
QByteArray LoadPicture(const QString &path);

// An image control: shows its picture at the picture's own size times the zoom step, from its
// top-left corner, or whole inside the control when it is fitted. At each step the picture is
// decoded again from the file's bytes at the new size, not enlarged from the pixels shown.
class ImageBox : public QLabel
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    void setPicture(const QByteArray &picture, bool fitted = false);
    void clearPicture();

private:
    void showPicture();

    QByteArray m_picture;
    bool m_fitted = false;
};

} // namespace ui
