#pragma once

#include <QtGlobal>

// Where the editor stands while the user steps through the stored entries with its arrows. The
// two arrows share one position: once browsing has begun with either, left steps back and right
// steps forward, both wrapping round between the lowest index and navLast.
struct Browsing
{
    qint16 navLast = 0;  // the store's upper bound when browsing began
    qint16 navIndex = 0; // the entry shown
    qint16 navLeft = 0;  // 1 when browsing began with the left arrow
    qint16 navRight = 0; // 1 when it began with the right arrow

    bool active() const { return navLeft != 0 || navRight != 0; }
    // Ends browsing: the boxes hold a new entry again.
    void stop()
    {
        navLeft = 0;
        navRight = 0;
    }
    // Each gives the entry to show. lowest: 1 in create mode (0 is a placeholder never shown),
    // 0 in edit mode; upperBound: the store's.
    qint16 left(qint16 upperBound, qint16 lowest);
    qint16 right(qint16 upperBound, qint16 lowest);
};
