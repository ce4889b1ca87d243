#include "game/word_order.h"

#include <algorithm>
#include <utility>

namespace word_order {

QList<qint16> draw(qint16 n, QRandomGenerator &generator)
{
    QList<qint16> order(qMax<qint16>(n, 0) + 1, 0);
    for (qint16 k = 1; k <= n; ++k)
        order[k] = k;
    // Fisher-Yates: every order equally likely, in one pass.
    for (qint16 k = n; k > 1; --k) {
        const auto j = static_cast<qint16>(1 + generator.bounded(static_cast<quint32>(k)));
        std::swap(order[k], order[j]);
    }
    return order;
}

// A random order sorted by box, keeping the order within each box: each box's own is random.
QList<qint16> dealByBox(const QList<qint8> &boxes, QRandomGenerator &generator)
{
    QList<qint16> order = draw(static_cast<qint16>(boxes.size()), generator);
    std::stable_sort(order.begin() + 1, order.end(),
                     [&boxes](qint16 a, qint16 b) { return boxes[a - 1] < boxes[b - 1]; });
    return order;
}

} // namespace word_order
