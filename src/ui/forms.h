#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <utility>

namespace ui {

// What every window of the program has: a form name and its load and unload handlers.
class Form
{
public:
    virtual ~Form() = default;
    virtual void Form_Load() { }
    virtual void Form_Unload() { }
};

// The window registry: one instance of each window, created on first use and addressed by
// its form name (its objectName). Unload hides a window at once, runs its unload handler and
// destroys it only after the running event handler has returned.
namespace forms {

QWidget *find(const QString &name);
bool IsLoaded(const QString &name);
void Show(const QString &name); // a loaded window only; see Show<T> to load on first use
void Hide(const QString &name);
void Unload(const QString &name);
QStringList loadedNames();

// Notifies the application shell, which decides when the program ends.
class Notifier : public QObject
{
    Q_OBJECT
signals:
    // Before the window's load handler runs, so that the shell can connect to it first.
    void loaded(const QString &name, QWidget *window);
    void unloaded(const QString &name);
};
Notifier &notifier();

namespace detail {
void adopt(QWidget *window, Form *form);
}

template<class T> T *get()
{
    return qobject_cast<T *>(find(QString::fromLatin1(T::formName)));
}

// Creates the window (with args, if any, for its constructor) and runs its load handler; a loaded
// window is returned as it is.
template<class T, class... Args> T *Load(Args &&...args)
{
    if (T *window = get<T>())
        return window;
    auto *window = new T(std::forward<Args>(args)...);
    window->setObjectName(QString::fromLatin1(T::formName));
    detail::adopt(window, window);
    window->Form_Load();
    return window;
}

// Modeless show, loading the window first when it is not loaded.
template<class T, class... Args> T *Show(Args &&...args)
{
    T *window = Load<T>(std::forward<Args>(args)...);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace forms
} // namespace ui
