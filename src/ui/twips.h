#pragma once

#include <QRect>
#include <QWidget>

// Positions and sizes are written in twips, as the windows are designed, and converted here
// once: 15 twips to a logical pixel at 100 % (Qt scales logical pixels for high-DPI screens),
// multiplied by the zoom step. A control placed here keeps its twips, so that a new step places
// it again from them rather than from pixels already rounded.
namespace ui {

constexpr int twipsPerPixel = 15;

// A rectangle in twips: left, top, width, height.
struct Twips
{
    double left;
    double top;
    double width;
    double height;
};

// The zoom step's factor: 1 at 100 %.
double zoom();

int px(double twips);

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {px(left), px(top), px(width), px(height)};
}
inline QRect twipsRect(Twips at)
{
    return twipsRect(at.left, at.top, at.width, at.height);
}

void place(QWidget *widget, Twips at);
inline void place(QWidget *widget, double left, double top, double width, double height)
{
    place(widget, {left, top, width, height});
}
// Where the widget was placed, in twips.
Twips placed(const QWidget *widget);
void moveTo(QWidget *widget, double left, double top);
// A window or a board of a fixed size in twips.
void setFixedTwipsSize(QWidget *widget, double width, double height);
// Places the widget again from its twips, at the zoom step in force.
void placeFromTwips(QWidget *widget);

// Centres a window on the program's screen, as its load handler does.
void centreOnScreen(QWidget *window);
// Moves a window's frame inside area; a window larger than it keeps its top-left corner, where
// its caption and menu are, inside.
void keepInside(QWidget *window, const QRect &area);

} // namespace ui
