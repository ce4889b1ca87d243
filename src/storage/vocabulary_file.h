#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include "ui/file_system.h"

// The vocabulary file: one entry a line, fields joined by "|", code page 874, CR LF.
struct VocabEntry
{
    QString word;
    QString hint01;
    QString hint02;
    QString meaning;  // built-in files only
    QString sentence; // built-in files only
};

namespace vocabulary_file {

constexpr int builtInFields = 5;
constexpr int customFields = 3;
// The record count is a 16-bit number and word selection needs one more than it. The editor
// keeps to the same bound, so that every file it writes can be played and edited again.
constexpr qsizetype maxRecords = 32766;
// The most a text box holds, and more than any word or hint needs: a longer field is a damaged
// file, and a word of millions of letters would need as many slots.
constexpr qsizetype maxFieldLength = 32767;
// 32,766 entries of ordinary words and hints take a few MB; a larger file is no word list.
constexpr qint64 maxFileBytes = 64 << 20;

enum class Problem {
    None,
    Missing,
    NotAFile,
    NotRegular,
    TooLarge,
    Unreadable,
    NoRecords,
    TooManyRecords,
    FieldTooLong,
    Utf16,
    Garbled, // not as the program wrote it: a file of its own that only it writes
};

// How a file's bytes are text: code page 874 as the format has it, or UTF-8, which a file shows
// by its byte-order mark, or by being valid UTF-8 throughout with Thai in it (no code page 874
// text with Thai in it is valid UTF-8). UTF-16 is not read.
enum class Encoding { Cp874, Utf8, Utf16 };
Encoding encodingOf(QByteArrayView bytes);
// The bytes as text in that encoding, without a UTF-8 byte-order mark.
QString decode(QByteArrayView bytes, Encoding encoding);

struct Contents
{
    QList<VocabEntry> entries;
    Problem problem = Problem::None;
    QString systemReason; // for Unreadable
    ui::FileStamp stamp;  // what read() found in the file, so a save can tell if it changed since
    bool ok() const { return problem == Problem::None; }
};

// Blank lines (empty or only spaces) are not records; a line with fewer fields than
// fieldCount is a record whose missing fields are empty; fields beyond fieldCount are ignored.
// A file with a field of more than maxFieldLength characters is refused whole. In a UTF-8 file
// the byte-order mark is no part of the first word, and a lone LF ends a line too, as editors
// that save UTF-8 end their lines.
// Splits a line at every "|", with no escape: n separators give n + 1 fields.
QList<QByteArrayView> splitFields(QByteArrayView line);

Contents parse(QByteArrayView bytes, int fieldCount);
Contents read(const QString &path, int fieldCount);
// Why the bytes of a file could not be had at all; no problem when they could.
Contents refusalOf(const ui::FileBytes &file);

// Why a file cannot be used, in Thai and then in English, naming it.
QString describeProblem(const QString &fileName, const Contents &contents);
struct Reason
{
    QString thai;
    QString english; // a sentence of its own, lower case first, full stop last
};
Reason reasonOf(const Contents &contents);

// The entries as the editor keeps them: three parallel lists, words and the two hints.
struct Columns
{
    QStringList words;
    QStringList hints01;
    QStringList hints02;
};
Columns columns(const QList<VocabEntry> &entries);

// What a save writes, or why it cannot: nothing is written that could not be read back as the
// same entries.
struct Text
{
    enum class Problem {
        None,
        Unencodable,  // a character code page 874 cannot hold
        LineBreak,    // a carriage return, which would end the line inside the entry
        FieldTooLong, // longer than a file's field may be
        TooLarge,     // the whole text is larger than a file the game reads
    };
    QByteArray bytes;
    Problem problem = Problem::None;
    qsizetype index = -1; // the first entry at fault, but for TooLarge
    bool ok() const { return problem == Problem::None; }
};
// Why one entry cannot be written, by the same rules as entriesText; None when it can.
Text::Problem entryProblem(const QString &word, const QString &hint01, const QString &hint02);
// What the entry holds that a file cannot, in Thai and in English ("holds a line break"), for a
// message that names the entry.
Reason entryProblemReason(Text::Problem problem, const QString &word, const QString &hint01,
                          const QString &hint02);
// Entries first..last of three parallel lists, each line ended by CR LF, encoded as a whole.
Text entriesText(const QStringList &words, const QStringList &hints01, const QStringList &hints02,
                 qsizetype first, qsizetype last);

} // namespace vocabulary_file
