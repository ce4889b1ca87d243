#pragma once

#include "storage/vocabulary_file.h"

#include <QObject>

class GameWindow;

namespace pindrel {

// The hand-overs between windows, and the vocabulary menu's check marks: the one place that
// knows every window. Windows say what happened; this does what follows. One exists while the
// program runs; it wires each window as the registry loads it.
class Navigation : public QObject {
  Q_OBJECT

public:
  explicit Navigation(QObject *parent = nullptr);

private:
  void wire(const QString &name, QWidget *window);
  void openGameOn(const QString &fileName, const QList<VocabEntry> &entries);
  static void markVocabularyInUse(GameWindow *game);
};

} // namespace pindrel
