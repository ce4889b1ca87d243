#include "ui/controls.h"

namespace ui {

void setPlainToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(text.isEmpty() ? QString() : Qt::convertFromPlainText(text));
}

void makeFixedWindow(QWidget *window, const QString &caption, double width, double height)
{
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedTwipsSize(window, width, height);
}

} // namespace ui
