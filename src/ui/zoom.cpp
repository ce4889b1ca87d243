#include "ui/zoom.h"

#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/twips.h"
#include "ui/zoom_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace ui {
namespace {

const char *const iconAt100 = "pindrel_iconAt100";
const QString settingsKey = QStringLiteral("zoom/step");

int &step()
{
    static int percent = 100;
    return percent;
}

// The largest step, at most percent, at which the window fits the screen it is on.
int fittingStep(const QWidget *window, int percent)
{
    const QScreen *screen = window->screen();
    if (!screen || window->isFullScreen())
        return percent;
    return zoom_steps::largestFitting(percent, QSizeF(window->size()) / zoom(),
                                      window->frameGeometry().size() - window->size(),
                                      screen->availableGeometry().size());
}

// Only the controls of this window: a window parented to it is placed on its own.
void placeAgain(QWidget *window, double ratio)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget->window() != window)
            continue;
        placeFromTwips(widget);
        if (widget->testAttribute(Qt::WA_SetFont) && widget->font().pointSizeF() > 0) {
            QFont font = widget->font();
            font.setPointSizeF(font.pointSizeF() * ratio);
            widget->setFont(font);
        }
        const QVariant icon = widget->property(iconAt100);
        if (icon.isValid())
            static_cast<QAbstractButton *>(widget)->setIconSize(icon.toSize() * zoom());
    }
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen && window->isVisible() && !window->isFullScreen())
        keepInside(window, screen->availableGeometry());
}

void takeStep(int percent)
{
    if (percent == step())
        return;
    const double ratio = double(percent) / step();
    step() = percent;
    installApplicationFont();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        // Qt tells the windows of a new application font only once its event loop runs.
        QEvent fontChange(QEvent::ApplicationFontChange);
        QApplication::sendEvent(window, &fontChange);
        placeAgain(window, ratio);
        // Sized now, not when the event loop next runs: the next step is measured on it.
        if (window->layout())
            window->layout()->activate();
    }
    emit zoomNotifier().zoomed();
    for (QWidget *window : windows)
        keepOnScreen(window);
}

class ZoomKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
            || !(key->modifiers() & Qt::ControlModifier))
            return false;
        int wanted = 0;
        if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Equal)
            wanted = zoom_steps::next(step(), +1);
        else if (key->key() == Qt::Key_Minus)
            wanted = zoom_steps::next(step(), -1);
        else if (key->key() == Qt::Key_0)
            wanted = zoom_steps::steps.front();
        else
            return false;
        setZoomStep(wanted);
        QSettings().setValue(settingsKey, step());
        return true;
    }
};

} // namespace

double zoom()
{
    return step() / 100.0;
}

int zoomStep()
{
    return step();
}

void setZoomStep(int percent)
{
    int taken = zoom_steps::atMost(percent);
    for (const QString &name : forms::loadedNames()) {
        const QWidget *window = forms::find(name);
        if (window->isVisible())
            taken = std::min(taken, fittingStep(window, taken));
    }
    takeStep(taken);
}

void fitZoomTo(QWidget *window)
{
    takeStep(fittingStep(window, step()));
}

void restoreZoomStep()
{
    setZoomStep(QSettings().value(settingsKey, 100).toInt());
}

void installZoomKeys()
{
    qApp->installEventFilter(new ZoomKeys(qApp));
}

void adoptIcons(QWidget *window)
{
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->icon().isNull() || button->property(iconAt100).isValid())
            continue;
        button->setProperty(iconAt100, button->iconSize());
        button->setIconSize(button->iconSize() * zoom());
    }
}

ZoomNotifier &zoomNotifier()
{
    static ZoomNotifier notifier;
    return notifier;
}

} // namespace ui
