#pragma once

#include "storage/vocabulary_file.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

// The worksheets a teacher prints from a word list, on paper or as PDF.
namespace worksheet {

enum class Kind {
    PupilsSheet, // each word as empty boxes, one a letter as on the board, with its two hints
    TeachersKey, // each word with its Thai meaning and sentence (its hints, for a list without them)
};

// A4 with margins of 15 mm, named after the list; the print dialog may change it.
void prepare(QPrinter &printer, const QString &listName);

// Every entry, as many to a page as fit at a size a class can read, under a header with the list's
// name and the page number. False when the device could not be started (a PDF that cannot be
// written).
bool print(QPagedPaintDevice &device, const QString &listName, const QList<VocabEntry> &entries,
           Kind kind);

} // namespace worksheet
