#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

// Helpers for tests that drive the real windows.
namespace testing {

// Unloads every window that is loaded and lets the deferred deletions run, so each test
// starts with no window at all.
void unloadAllForms();

// Lets windows unloaded inside a handler be destroyed, as the event loop would.
inline void processDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// A control of a window, by its objectName; fails the test when it is missing.
template <class T> T *control(const QObject *window, const QString &name) {
  T *found = window ? window->findChild<T *>(name) : nullptr;
  if (!found)
    qWarning("control %s not found", qPrintable(name));
  return found;
}

// A left click in the middle of a widget.
void click(QWidget *widget);
// Types text into whatever has the focus in window (or into window itself).
void type(QWidget *window, const QString &text);

} // namespace testing
