#include "ui/controls.h"

namespace ui {

void makeFixedWindow(QWidget *window, const QString &caption, double width, double height)
{
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(px(width), px(height));
}

} // namespace ui
