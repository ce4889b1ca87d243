#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace ui {

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->adjustSize();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    // A window larger than the screen keeps its top-left corner, where its caption and menu
    // are, on the screen.
    window->move(area.x() + std::max(0, (area.width() - size.width()) / 2),
                 area.y() + std::max(0, (area.height() - size.height()) / 2));
}

} // namespace ui
