#include "ui/fitted_text.h"

#include "ui/controls.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace ui {
namespace {

bool fits(const QLabel *label)
{
    return label->sizeHint().width() <= label->width();
}

} // namespace

void showOnOneLine(QLabel *label, const QFont &font, double smallestPoints, const QString &text,
                   const QString &description)
{
    QFont shown = font;
    label->setText(text);
    for (double points = font.pointSizeF();; points = std::max(points - 0.5, smallestPoints)) {
        shown.setPointSizeF(points);
        label->setFont(shown);
        if (fits(label) || points <= smallestPoints)
            break;
    }
    if (fits(label)) {
        setPlainToolTip(label, {});
        label->setAccessibleDescription(description);
        return;
    }
    const QFontMetrics metrics(shown);
    const int frameAndIndent = label->sizeHint().width() - metrics.horizontalAdvance(text);
    label->setText(metrics.elidedText(text, Qt::ElideRight, label->width() - frameAndIndent));
    setPlainToolTip(label, text);
    label->setAccessibleDescription(text);
}

void widenAboutCentre(QLabel *label, const QRect &design, int leftmost, int rightmost)
{
    const int room = std::min(design.left() - leftmost, rightmost - (design.left() + design.width()));
    const int wanted = (label->sizeHint().width() - design.width() + 1) / 2;
    const int each = std::clamp(wanted, 0, std::max(room, 0));
    label->setGeometry(design.adjusted(-each, 0, each, 0));
}

} // namespace ui
