#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

// Text that must be read whole in a label of a fixed design: made smaller within bounds, cut
// only as a last resort, or given room about the label's centre.
namespace ui {

// Shows text on one line inside the label's own rectangle: in font when it fits, otherwise at
// a smaller size, down to smallestPoints; text still too wide is cut with "…", and the whole of
// it becomes the tooltip and the accessible description (otherwise the description is the one
// given).
void showOnOneLine(QLabel *label, const QFont &font, double smallestPoints, const QString &text,
                   const QString &description);

// Widens the label evenly about the centre of design, its designed rectangle, as far as its text
// needs, never to the left of leftmost nor to the right of rightmost (x coordinates of the
// parent); its top, height and font stay.
void widenAboutCentre(QLabel *label, const QRect &design, int leftmost, int rightmost);

} // namespace ui
