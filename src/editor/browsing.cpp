#include "editor/browsing.h"

qint16 Browsing::left(qint16 upperBound, qint16 lowest)
{
    if (!active()) {
        navLast = upperBound;
        navLeft = 1;
        navIndex = navLast;
    } else {
        navIndex = static_cast<qint16>(navIndex - 1);
        if (navIndex < lowest)
            navIndex = navLast;
    }
    return navIndex;
}

qint16 Browsing::right(qint16 upperBound, qint16 lowest)
{
    if (!active()) {
        navLast = upperBound;
        navRight = 1;
        navIndex = lowest;
    } else {
        navIndex = navIndex + 1 > navLast ? lowest : static_cast<qint16>(navIndex + 1);
    }
    return navIndex;
}
