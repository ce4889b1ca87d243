// The floor for the start-up figures: a plain Qt Widgets main window of about the game's
// make-up (a menu bar, forty labels, a list and the same photograph) in Qt's default font,
// with nothing of the game behind it. Its text is Latin only, so the floor does not pay for
// Thai fonts and Thai line breaking, which the game does.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));

  for (const char *caption : {"Vocabulary", "Create", "Help"}) {
    QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(caption));
    menu->addAction(QStringLiteral("Things in the &House"));
    menu->addAction(QStringLiteral("Own words"));
  }

  auto *client = new QWidget(&window);
  client->setFixedSize(589, 373);
  window.setCentralWidget(client);
  for (int i = 0; i < 26; ++i) {
    auto *key = new QLabel(QString(QChar('A' + i)), client);
    key->setGeometry(16 + (i % 13) * 33, 24 + (i / 13) * 29, 33, 29);
  }
  for (int i = 0; i < 14; ++i) {
    auto *label = new QLabel(i % 2 ? QStringLiteral("Next word") : QStringLiteral("Your Score:"), client);
    label->setGeometry(200 + (i % 2) * 120, 96 + (i / 2) * 20, 110, 18);
  }
  auto *list = new QListWidget(client);
  list->setGeometry(424, 232, 121, 116);
  auto *picture = new QLabel(client);
  picture->setGeometry(16, 157, 172, 209);
  picture->setPixmap(QPixmap(QStringLiteral(":/beach.jpg")));

  window.show();
  return app.exec();
}
