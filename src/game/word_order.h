#pragma once

#include <QList>
#include <QRandomGenerator>

namespace word_order {

// A uniformly random order of the record numbers 1..n. Element 0 is unused (0), so that
// order[k] is position k as the game counts it.
QList<qint16> draw(qint16 n, QRandomGenerator &generator);
// The review's order of the records 1..boxes.size(), boxes[m - 1] being the box of record m: the
// records of the lowest box first, then those of the next, each box in a random order of its own.
QList<qint16> dealByBox(const QList<qint8> &boxes, QRandomGenerator &generator);

} // namespace word_order
