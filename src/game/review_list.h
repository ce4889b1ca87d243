#pragma once

#include "storage/vocabulary_file.h"

#include <QList>

namespace game {

// The words the learner lost, each in one of three boxes (Leitner's way): a lost word goes into
// the first; won while the review is played, it moves up one; won from the last, it is known and
// leaves. The words stand in the order they came into their boxes, so that the first of a box is
// the one that has waited there longest.
class ReviewList
{
public:
    static constexpr qint8 lastBox = 3;
    // As many as a vocabulary holds: the list is played as one.
    static constexpr qsizetype maxWords = vocabulary_file::maxRecords;

    ReviewList() = default;
    ReviewList(QList<VocabEntry> entries, QList<qint8> boxes);

    qsizetype size() const { return m_entries.size(); }
    const QList<VocabEntry> &entries() const { return m_entries; }
    const QList<qint8> &boxes() const { return m_boxes; }

    // Into box 1, the word once (case ignored): a word already in the list goes back to it as it
    // was first kept. A full list makes room by dropping the word that has waited longest in the
    // highest box that holds any. False when nothing changed: the word was in box 1 already.
    bool Lost(const VocabEntry &entry);
    // Up one box, or out from the last; false when the word is not in the list.
    bool Won(const QString &word);

private:
    qsizetype find(const QString &word) const;
    std::pair<VocabEntry, qint8> take(qsizetype index);

    QList<VocabEntry> m_entries;
    QList<qint8> m_boxes;
};

} // namespace game
