#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

// Positions and sizes are written in twips, as the windows are designed, and converted here
// once: 15 twips to a logical pixel (Qt scales logical pixels for high-DPI screens).
namespace ui {

constexpr int twipsPerPixel = 15;

constexpr int px(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
constexpr double twips(int pixels)
{
    return double(pixels) * twipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline void place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

// Centres a window on its screen, as its load handler does.
void centreOnScreen(QWidget *window);

} // namespace ui
