#include "ui/fonts.h"

#include <QPalette>

namespace ui {

void installFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Loma"), QStringLiteral("DejaVu Sans")});
  // CordiaUPC is a narrow Thai face; Laksaman is the closest narrow one with Latin too.
  QFont::insertSubstitutions(QStringLiteral("CordiaUPC"),
                             {QStringLiteral("Laksaman"), QStringLiteral("Loma")});
  QFont::insertSubstitutions(QStringLiteral("Arial"),
                             {QStringLiteral("Garuda"), QStringLiteral("DejaVu Sans")});
}

QFont font(const QString &windowsName, double points, bool bold) {
  QFont f(windowsName);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void setColours(QWidget *widget, const QColor &back, const QColor &fore) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, back);
  palette.setColor(QPalette::Base, back);
  palette.setColor(QPalette::Active, QPalette::WindowText, fore);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, fore);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void setForeColour(QWidget *widget, const QColor &fore) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, fore);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, fore);
  widget->setPalette(palette);
}

} // namespace ui
