#include "ui/forms.h"

#include "ui/zoom.h"

#include <QCloseEvent>
#include <QMap>
#include <QPointer>

namespace ui::forms {
namespace {

struct Entry
{
    QPointer<QWidget> window;
    Form *form = nullptr;
};

QMap<QString, Entry> &registry()
{
    static QMap<QString, Entry> windows;
    return windows;
}

// The close box unloads a window, whatever kind it is.
class CloseBoxUnloads : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && registry().contains(watched->objectName())
            && registry().value(watched->objectName()).window == watched) {
            Unload(watched->objectName());
            event->accept();
            return true;
        }
        return false;
    }
};

} // namespace

Notifier &notifier()
{
    static Notifier n;
    return n;
}

namespace detail {
void adopt(QWidget *window, Form *form)
{
    window->setAttribute(Qt::WA_QuitOnClose, false);
    adoptIcons(window);
    window->installEventFilter(new CloseBoxUnloads(window));
    registry().insert(window->objectName(), {window, form});
    emit notifier().loaded(window->objectName(), window);
}
} // namespace detail

QWidget *find(const QString &name)
{
    const auto it = registry().constFind(name);
    return it == registry().constEnd() ? nullptr : it->window.data();
}

bool IsLoaded(const QString &name)
{
    return find(name) != nullptr;
}

void Show(const QString &name)
{
    if (QWidget *window = find(name)) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void Hide(const QString &name)
{
    if (QWidget *window = find(name))
        window->hide();
}

void Unload(const QString &name)
{
    const auto it = registry().find(name);
    if (it == registry().end())
        return;
    const Entry entry = *it;
    registry().erase(it);
    if (!entry.window)
        return;
    entry.window->hide();
    entry.form->Form_Unload();
    entry.window->deleteLater();
    emit notifier().unloaded(name);
}

QStringList loadedNames()
{
    QStringList names;
    for (auto it = registry().cbegin(); it != registry().cend(); ++it)
        if (it.value().window)
            names.append(it.key());
    return names;
}

} // namespace ui::forms
