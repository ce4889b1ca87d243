#include "ui/fitted_text.h"

#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/zoom.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace ui {
namespace {

bool fits(const QLabel *label)
{
    return label->sizeHint().width() <= label->width();
}

void grow(QLabel *label, Growth growth)
{
    if (growth == Growth::Down) {
        label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));
        return;
    }
    const QSize text = label->fontMetrics().size(0, label->text());
    const int width = std::max(label->width(), text.width());
    label->setGeometry(label->x() - (width - label->width()) / 2, label->y(), width,
                       std::max(label->height(), text.height()));
}

} // namespace

void showOnOneLine(QLabel *label, const QFont &font, double smallestPoints, const QString &text,
                   const QString &description)
{
    QFont shown = font;
    label->setText(text);
    const double smallest = smallestPoints * zoom();
    for (double points = font.pointSizeF();; points = std::max(points - 0.5 * zoom(), smallest)) {
        shown.setPointSizeF(points);
        label->setFont(shown);
        if (fits(label) || points <= smallest)
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

int wrappedHeight(const QLabel *label, int designed)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int belowMarks = metrics.descent() - metrics.boundingRect(QStringLiteral("ฎฐฤู")).bottom() - 1;
    const int lines = label->heightForWidth(label->width());
    return lines - std::max(0, belowMarks) <= designed ? designed : lines;
}

void growToText(QLabel *label, Growth growth)
{
    grow(label, growth);
    QObject::connect(&zoomNotifier(), &ZoomNotifier::zoomed, label,
                     [label, growth] { grow(label, growth); });
}

} // namespace ui
