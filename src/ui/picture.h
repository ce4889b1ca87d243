#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace ui {

// A picture file (or a resource) loaded by path; a missing, unreadable, oversized or
// non-regular file (a pipe, a device) gives an empty picture at once, never an error or a wait.
QPixmap LoadPicture(const QString &path);

// An image control: shows its picture at the picture's own size, from its top-left corner,
// never stretched.
class ImageBox : public QLabel
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
    void clearPicture();
};

} // namespace ui
