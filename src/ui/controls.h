#pragma once

#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

#include <type_traits>
#include <utility>

// Making the controls of a window as its design gives them: a kind, a name and a place.
namespace ui {

// A control of kind T on parent, named as the design names it and placed in twips. Extra
// arguments go to T's constructor before the parent. A label shows its text as plain text: a
// caption may come from a file, and Qt would otherwise take anything that looks like HTML for
// markup, and load the pictures it names.
template<class T, class... Args>
T *addControl(QWidget *parent, const char *name, Twips at, Args &&...args)
{
    auto *control = new T(std::forward<Args>(args)..., parent);
    if constexpr (std::is_base_of_v<QLabel, T>)
        control->setTextFormat(Qt::PlainText);
    control->setObjectName(QString::fromLatin1(name));
    place(control, at);
    return control;
}

inline QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, Twips at)
{
    return addControl<QLabel>(parent, name, at, caption);
}

// A button whose click runs handler on window.
template<class Window>
QPushButton *addButton(Window *window, QWidget *parent, const char *name, const QString &caption,
                       Twips at, void (Window::*handler)())
{
    auto *button = addControl<QPushButton>(parent, name, at, caption);
    QObject::connect(button, &QPushButton::clicked, window, handler);
    return button;
}

// Qt shows a tooltip that looks like HTML as rich text, whatever the widget: the text is
// escaped, so that it reads exactly as given. An empty text removes the tooltip.
void setPlainToolTip(QWidget *widget, const QString &text);

// A dialog-like window of a fixed client size in twips, with its caption.
void makeFixedWindow(QWidget *window, const QString &caption, double width, double height);

} // namespace ui
