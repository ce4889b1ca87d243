#include "ui/fonts.h"

#include "ui/twips.h"

#include <QApplication>
#include <QPalette>

namespace ui {
namespace {

// How an installed family stands in for a Windows font: the windows were laid out for the
// narrow Windows faces, so the stand-ins are drawn a little narrower (stretch), and the Thai
// UPC faces draw their glyphs small for their point size (scale).
struct Substitute
{
    const char *windowsName;
    QStringList families;
    int stretch;
    double scale;
};

const QList<Substitute> &substitutes()
{
    static const QList<Substitute> table {
        {"MS Sans Serif", {QStringLiteral("Loma"), QStringLiteral("DejaVu Sans")}, 85, 1.0},
        {"CordiaUPC", {QStringLiteral("Laksaman"), QStringLiteral("Loma")}, 100, 0.75},
        {"Arial", {QStringLiteral("Loma"), QStringLiteral("DejaVu Sans")}, 95, 1.0},
    };
    return table;
}

} // namespace

void installFontSubstitutes()
{
    for (const Substitute &s : substitutes())
        QFont::insertSubstitutions(QString::fromLatin1(s.windowsName), s.families);
    installApplicationFont();
}

void installApplicationFont()
{
    QApplication::setFont(font(QStringLiteral("MS Sans Serif"), 8));
}

QFont font(const QString &windowsName, double points, bool bold)
{
    return printedFont(windowsName, points * zoom(), bold);
}

QFont printedFont(const QString &windowsName, double points, bool bold)
{
    QFont f(windowsName);
    double size = points;
    for (const Substitute &s : substitutes()) {
        if (windowsName == QLatin1String(s.windowsName)) {
            f.setStretch(s.stretch);
            size *= s.scale;
        }
    }
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

void setColours(QWidget *widget, const QColor &back, const QColor &fore)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Active, QPalette::WindowText, fore);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColour(QWidget *widget, const QColor &fore)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, fore);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, fore);
    widget->setPalette(palette);
}

} // namespace ui
