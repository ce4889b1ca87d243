#pragma once

#include <QList>
#include <QRandomGenerator>

namespace word_order {

// A uniformly random order of the record numbers 1..n. Element 0 is unused (0), so that
// order[k] is position k as the game counts it.
QList<qint16> draw(qint16 n, QRandomGenerator &generator);

} // namespace word_order
