#include "game/review_list.h"

namespace game {

ReviewList::ReviewList(QList<VocabEntry> entries, QList<qint8> boxes)
    : m_entries(std::move(entries))
    , m_boxes(std::move(boxes))
{ }

qsizetype ReviewList::find(const QString &word) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].word.compare(word, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::pair<VocabEntry, qint8> ReviewList::take(qsizetype index)
{
    return {m_entries.takeAt(index), m_boxes.takeAt(index)};
}

bool ReviewList::Lost(const VocabEntry &entry)
{
    const qsizetype known = find(entry.word);
    if (known >= 0 && m_boxes[known] == 1)
        return false; // it never left the first box, nor its place there
    VocabEntry kept = known >= 0 ? take(known).first : entry;
    // A word already in the list is out of it now: only a new one needs room.
    for (qint8 box = lastBox; size() >= maxWords && box >= 1; --box)
        if (const qsizetype longest = m_boxes.indexOf(box); longest >= 0)
            take(longest);
    m_entries.append(std::move(kept));
    m_boxes.append(1);
    return true;
}

bool ReviewList::Won(const QString &word)
{
    const qsizetype index = find(word);
    if (index < 0)
        return false;
    auto [entry, box] = take(index);
    if (box < lastBox) {
        m_entries.append(std::move(entry));
        m_boxes.append(static_cast<qint8>(box + 1));
    }
    return true;
}

} // namespace game
