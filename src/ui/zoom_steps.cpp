#include "ui/zoom_steps.h"

#include <algorithm>

namespace zoom_steps {

int next(int percent, int direction)
{
    if (direction > 0) {
        const auto larger = std::upper_bound(steps.begin(), steps.end(), percent);
        return larger == steps.end() ? steps.back() : *larger;
    }
    const auto atLeast = std::lower_bound(steps.begin(), steps.end(), percent);
    return atLeast == steps.begin() ? steps.front() : *(atLeast - 1);
}

int atMost(int percent)
{
    const auto above = std::upper_bound(steps.begin(), steps.end(), percent);
    return above == steps.begin() ? steps.front() : *(above - 1);
}

int largestFitting(int wanted, QSizeF at100, QSizeF frame, QSizeF available)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const QSizeF size = at100 * (*step / 100.0) + frame;
        if (*step <= wanted && size.width() <= available.width() && size.height() <= available.height())
            return *step;
    }
    return steps.front();
}

} // namespace zoom_steps
