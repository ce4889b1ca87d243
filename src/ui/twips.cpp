#include "ui/twips.h"

#include "ui/zoom.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

const char *const placedAt = "pindrel_twips";
const char *const fixedAt = "pindrel_fixedTwips";

// The screen of the window the user is working in, where a new window is to open.
QScreen *programScreen(const QWidget *window)
{
    if (const QWidget *active = QApplication::activeWindow(); active && active != window)
        return active->screen();
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

} // namespace

int px(double twips)
{
    return static_cast<int>(std::lround(twips * zoom() / twipsPerPixel));
}

void place(QWidget *widget, Twips at)
{
    widget->setProperty(placedAt, QRectF(at.left, at.top, at.width, at.height));
    widget->setGeometry(twipsRect(at));
}

// A widget placed in pixels is taken at its place.
Twips placed(const QWidget *widget)
{
    const QVariant recorded = widget->property(placedAt);
    const double perPixel = twipsPerPixel / zoom();
    const QRectF at = recorded.isValid()
        ? recorded.toRectF()
        : QRectF(widget->geometry().topLeft() * perPixel, QSizeF(widget->size()) * perPixel);
    return {at.left(), at.top(), at.width(), at.height()};
}

void moveTo(QWidget *widget, double left, double top)
{
    const Twips at = placed(widget);
    place(widget, {left, top, at.width, at.height});
}

void setFixedTwipsSize(QWidget *widget, double width, double height)
{
    widget->setProperty(fixedAt, QSizeF(width, height));
    widget->setFixedSize(px(width), px(height));
}

void placeFromTwips(QWidget *widget)
{
    if (const QVariant at = widget->property(placedAt); at.isValid())
        widget->setGeometry(twipsRect(placed(widget)));
    if (const QVariant size = widget->property(fixedAt); size.isValid())
        widget->setFixedSize(px(size.toSizeF().width()), px(size.toSizeF().height()));
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = programScreen(window); screen && !window->isVisible())
        window->setScreen(screen);
    window->adjustSize();
    fitZoomTo(window);
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    // A window larger than the screen keeps its top-left corner, where its caption and menu
    // are, on the screen.
    window->move(area.x() + std::max(0, (area.width() - size.width()) / 2),
                 area.y() + std::max(0, (area.height() - size.height()) / 2));
}

void keepInside(QWidget *window, const QRect &area)
{
    const QRect frame = window->frameGeometry();
    window->move(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                 std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
}

} // namespace ui
