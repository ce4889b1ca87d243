#include "shell/application.h"

#include "game/game_window.h"
#include "ui/fonts.h"
#include "ui/forms.h"

#include <QApplication>

namespace pindrel {

void prepareApplication() {
  QApplication::setApplicationName(QStringLiteral("Pindrel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Pindrel"));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(PINDREL_VERSION_MAJOR)
                                          .arg(PINDREL_VERSION_MINOR)
                                          .arg(PINDREL_VERSION_PATCH));
  ui::installFontSubstitutes();
}

int run(int argc, char *argv[]) {
  QApplication app(argc, argv);
  prepareApplication();
  // The program ends when the main window closes for good, not when it reloads itself.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&ui::forms::notifier(), &ui::forms::Notifier::unloaded, &app, [] {
    QMetaObject::invokeMethod(qApp, [] {
      if (!ui::forms::IsLoaded(QString::fromLatin1(GameWindow::formName)))
        QApplication::quit();
    }, Qt::QueuedConnection);
  });
  ui::forms::Show<GameWindow>();
  return app.exec();
}

} // namespace pindrel
