#include "support/windows.h"

#include "ui/forms.h"

#include <QApplication>

namespace testing {

void unloadAllForms() {
  for (const QString &name : ui::forms::loadedNames())
    ui::forms::Unload(name);
  processDeferredDeletes();
}

void click(QWidget *widget) {
  QVERIFY(widget);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void type(QWidget *window, const QString &text) {
  QWidget *target = window->focusWidget() ? window->focusWidget() : window;
  for (const QChar c : text)
    QTest::keyClick(target, c.toLatin1());
}

} // namespace testing
