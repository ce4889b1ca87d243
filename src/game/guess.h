#pragma once

#include <QList>
#include <QString>

namespace guess {

// Every position (counted from 1) at which letter stands in word, exact comparison.
QList<qsizetype> positionsOf(const QString &word, QChar letter);

// The letter key (0 = A .. 25 = Z) that a typed character guesses, or -1.
int keyIndexOf(int characterCode);

} // namespace guess
