#pragma once

#include "storage/vocabulary_file.h"

// The review list's file, in the user's data folder: the built-in files' format (five fields)
// with a sixth that only this file carries, the word's box, 1 to 3. The lines stand in the order
// in which their words came into their boxes. Written in code page 874; when a word from a UTF-8
// file holds a character code page 874 has not, the whole file is written in UTF-8 instead, with
// a byte-order mark, so that nothing of the word is lost.
namespace review_file {

inline const QString fileName = QStringLiteral("review.txt");
QString path();

struct Contents : vocabulary_file::Contents
{
    QList<qint8> boxes; // the box of each entry
};
// Only what text() writes is read: six fields a line, the last 1, 2 or 3 (else Garbled), at most
// as many lines and as long fields as a vocabulary file has. An empty file is an empty list.
Contents parse(QByteArrayView bytes);
Contents read(const QString &path);
QByteArray text(const QList<VocabEntry> &entries, const QList<qint8> &boxes);

// Why the list could not be read, and where the file went (keptAs: its new name, or null when it
// could not be moved), in Thai and then in English.
QString describeProblem(const Contents &contents, const QString &keptAs);
QString describeSaveFailure(const QString &reason);

} // namespace review_file
