#pragma once

#include "storage/vocabulary_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Word lists in from and out to spreadsheets. A sheet has the columns word, hint 1, hint 2, Thai
// meaning and sentence, and is saved as CSV: UTF-8 (with or without a byte-order mark) or code page
// 874, separated by commas, semicolons or tabs.
namespace spreadsheet {

// A row the import left out: its number in the sheet (its first row is 1), its word, and why, in
// the words of the check that refused it.
struct Failure
{
    qsizetype row;
    QString word;
    QString reason;
};

struct Import
{
    QList<VocabEntry> entries; // the good rows, in order, with all five columns
    QList<Failure> failures;
    // The file refused whole (too large, not an ordinary file, UTF-16, too many rows, no row at
    // all); the good rows and the failures are then empty.
    vocabulary_file::Problem problem = vocabulary_file::Problem::None;
    QString systemReason;
    bool refused() const { return problem != vocabulary_file::Problem::None; }
    bool ok() const { return !refused() && !entries.isEmpty(); }
};

// Every row goes through the editor's add checks and the save's rules for an entry; a first row
// that names the columns, in English or Thai, is no entry; a row with nothing in it is skipped.
Import parse(QByteArrayView bytes);
Import read(const QString &path);

// Whether a row names the columns: its first field names the word column, and every other field
// that holds anything names one of the five.
bool isHeader(const QStringList &fields);

// What the user is told, Thai first, then English: why a file was refused whole; how many rows
// came in (or that none did); the failures, the first listedFailures of them and then how many
// more; and, when some good row has them, that the meaning and sentence columns stay behind.
constexpr qsizetype listedFailures = 20;
QString describeRefusal(const QString &fileName, const Import &import);
QString summary(const QString &fileName, const Import &import);
QStringList failureLines(const QList<Failure> &failures);
QString leftOutColumns(const Import &import);

// The entries as a sheet that spreadsheet programs open with Thai intact: UTF-8 with a byte-order
// mark, a header row, then one row an entry with its five columns, comma-separated.
QByteArray exportSheet(const QList<VocabEntry> &entries);

} // namespace spreadsheet
