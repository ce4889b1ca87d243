#include "game/guess.h"

namespace guess {

QList<qsizetype> positionsOf(const QString &word, QChar letter) {
  QList<qsizetype> positions;
  for (qsizetype p = word.indexOf(letter); p >= 0; p = word.indexOf(letter, p + 1))
    positions.append(p + 1);
  return positions;
}

int keyIndexOf(int characterCode) {
  if (characterCode > 64 && characterCode < 91)
    return characterCode - 65;
  if (characterCode > 96 && characterCode < 123)
    return characterCode - 97;
  return -1;
}

} // namespace guess
