#pragma once

#include <QSizeF>

#include <array>

// The zoom steps a projector needs, and which of them a window can take on its screen.
namespace zoom_steps {

inline constexpr std::array<int, 6> steps {100, 125, 150, 200, 250, 300};

// The step after percent in that direction (+1 larger, -1 smaller), or the step itself at either
// end; a percent between steps goes to the nearest step that way.
int next(int percent, int direction);

// The largest step at most percent; 100 below it.
int atMost(int percent);

// The largest step, at most wanted, at which a window that is at100 large at 100 % (plus frame,
// which does not scale) fits into available; 100 when none does.
int largestFitting(int wanted, QSizeF at100, QSizeF frame, QSizeF available);

} // namespace zoom_steps
