#pragma once

#include <QObject>

class QWidget;

// One zoom step for every window of the program, so that a class can read the board from the
// back of the room. A step multiplies every twips rectangle, font and picture; at 100 % each
// window is exactly as designed.
namespace ui {

int zoomStep();

// Takes the step, or the largest below it at which every window shown fits its screen, and
// places every window anew at it.
void setZoomStep(int percent);

// Lowers the step, when the window would not fit its screen at the step in force.
void fitZoomTo(QWidget *window);

// The step of the last run, from the user's settings; the one a zoom key took is kept there.
void restoreZoomStep();

// Ctrl+plus and Ctrl+minus step through the steps in every window, Ctrl+0 goes back to 100 %.
void installZoomKeys();

// A window just made: its icons, sized in pixels at 100 %, take the step in force.
void adoptIcons(QWidget *window);

// Emitted once every window is placed at a new step: for what a window fits to its text.
class ZoomNotifier : public QObject
{
    Q_OBJECT
signals:
    void zoomed();
};
ZoomNotifier &zoomNotifier();

} // namespace ui
