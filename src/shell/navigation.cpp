#include "shell/navigation.h"

#include "game/game_window.h"
#include "game/select_cust_vocab.h"
#include "storage/pindrel_module.h"
#include "ui/forms.h"

#include <QAction>
#include <QSignalBlocker>

namespace pindrel {
namespace {

// The vocabulary items of the menu, each with the vocabulary it stands for.
struct VocabularyItem {
  const char *name;
  VocabularyInUse vocabulary;
};

QList<VocabularyItem> vocabularyItems(const VocabularyInUse &inUse) {
  return {{"mnuHouse", {true, QStringLiteral("house.txt")}},
          {"mnuSchool", {true, QStringLiteral("school.txt")}},
          {"mnuAnimals", {true, QStringLiteral("animals.txt")}},
          // Whichever file of the user's is played.
          {"mnuCustVocab", {false, inUse.builtIn ? QString() : inUse.fileName}}};
}

} // namespace

Navigation::Navigation(QObject *parent) : QObject(parent) {
  connect(&ui::forms::notifier(), &ui::forms::Notifier::loaded, this, &Navigation::wire);
}

void Navigation::wire(const QString &name, QWidget *window) {
  if (auto *game = qobject_cast<GameWindow *>(window)) {
    connect(game, &GameWindow::vocabularyInUseChanged, this, [game] { markVocabularyInUse(game); });
    // Qt ticks or unticks a checkable item itself at every click: the marks are put back at
    // once, from the vocabulary in use, whatever the click then leads to.
    for (const VocabularyItem &item : vocabularyItems({}))
      connect(game->findChild<QAction *>(QLatin1String(item.name)), &QAction::toggled, this,
              [game] { markVocabularyInUse(game); });
    markVocabularyInUse(game);
  } else if (auto *chooser = qobject_cast<SelectCustVocab *>(window)) {
    connect(chooser, &SelectCustVocab::fileChosen, this, &Navigation::openGameOn);
  }
  Q_UNUSED(name);
}

// Exactly one item is checked, the one of the vocabulary being played; none while none is.
void Navigation::markVocabularyInUse(GameWindow *game) {
  const VocabularyInUse &inUse = game->vocabularyInUse();
  for (const VocabularyItem &item : vocabularyItems(inUse)) {
    auto *action = game->findChild<QAction *>(QLatin1String(item.name));
    const QSignalBlocker quiet(action);
    action->setChecked(!inUse.none() && item.vocabulary == inUse);
  }
}

// The chooser found the file playable and hands over what it read: the main window opens
// afresh on it, with a new score and an empty list.
void Navigation::openGameOn(const QString &fileName, const QList<VocabEntry> &entries) {
  ui::forms::Unload(QString::fromLatin1(GameWindow::formName));
  ui::forms::Unload(QString::fromLatin1(SelectCustVocab::formName));
  pindrelModule::strFileInUse = fileName;
  ui::forms::Show<GameWindow>(entries);
}

} // namespace pindrel
