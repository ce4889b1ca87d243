#include "shell/about.h"

#include "ui/controls.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>

namespace {
constexpr int clientWidth = 4680;
constexpr int clientHeight = 3195;
const QColor navy(0, 0, 128);
} // namespace

About::About()
{
    ui::makeFixedWindow(this, QStringLiteral("About..."), clientWidth, clientHeight);

    const QString cordia = QStringLiteral("CordiaUPC");
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    Label1 = addLabel("Label1", QStringLiteral("PINDREL "), ui::font(cordia, 27.75, true), 1320,
                      360, 1935, 615);
    ui::setForeColour(Label1, navy);
    // The version here is the one this window was made for, not the program's current one.
    Label4 = addLabel("Label4", QStringLiteral("Version 1.0.0"), ui::font(cordia, 20.25, true),
                      1440, 960, 1695, 495);
    Label3 = addLabel("Label3", QStringLiteral("by"), ui::font(sansSerif, 12, true), 2040, 1800,
                      495, 495);
    Label2 = addLabel("Label2", QStringLiteral("ทีมงาน Pindrel ด้วยรักจากห้องเรียน"),
                      ui::font(sansSerif, 9.75, true), 720, 2280, 3135, 495);
}

QLabel *About::addLabel(const char *name, const QString &caption, const QFont &font, double left,
                        double top, double width, double height)
{
    QLabel *label = ui::addLabel(this, name, caption, {left, top, width, height});
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The faces that stand in for the designed fonts are wider and taller: a label grows
    // about its centre rather than cut its text off.
    ui::growToText(label, ui::Growth::AboutCentre);
    return label;
}

void About::Form_Load()
{
    ui::centreOnScreen(this);
}
