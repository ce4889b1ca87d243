#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

// Text that must be read whole in a label of a fixed design: made smaller within bounds, cut
// only as a last resort, or given room about the label's centre.
namespace ui {

// Shows text on one line inside the label's own rectangle: in font when it fits, otherwise at
// a smaller size, down to smallestPoints (at 100 %); text still too wide is cut with "…", and the
// whole of it becomes the tooltip and the accessible description (otherwise the description is the
// one given).
void showOnOneLine(QLabel *label, const QFont &font, double smallestPoints, const QString &text,
                   const QString &description);

// Widens the label evenly about the centre of design, its designed rectangle, as far as its text
// needs, never to the left of leftmost nor to the right of rightmost (x coordinates of the
// parent); its top, height and font stay.
void widenAboutCentre(QLabel *label, const QRect &design, int leftmost, int rightmost);

// The height of a label whose text wraps at its width: designed while the text, down to the foot
// of the lowest marks of its last line, fits in it (a stand-in face's line may be a pixel taller
// than the design's, below its marks); otherwise the height of all its lines.
int wrappedHeight(const QLabel *label, int designed);

// Grows the label where the face that stands in for its designed font needs more room than the
// design gave it: downward, or about its centre to the size of its text; again at every zoom step.
enum class Growth { Down, AboutCentre };
void growToText(QLabel *label, Growth growth);

} // namespace ui
