#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace ui {

// Maps the Windows font names the windows are designed with ("MS Sans Serif", "CordiaUPC",
// "Arial") to installed families that carry Thai glyphs, and makes MS Sans Serif 8 pt the
// application's font, as the windows were designed with. Run once at start-up.
void installFontSubstitutes();

// MS Sans Serif 8 pt at the zoom step in force, for every control without a font of its own.
void installApplicationFont();

// A designed font as it is shown on the screen, at the zoom step in force.
QFont font(const QString &windowsName, double points, bool bold = false);
// The same font on paper, where the zoom has no part.
QFont printedFont(const QString &windowsName, double points, bool bold = false);

// Back and fore colours of a control, the way the designs give them.
void setColours(QWidget *widget, const QColor &back, const QColor &fore);
void setForeColour(QWidget *widget, const QColor &fore);

} // namespace ui
