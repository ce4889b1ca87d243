#include "classroom/spreadsheet.h"

#include "classroom/csv.h"
#include "editor/input_rules.h"
#include "ui/file_system.h"

#include <QSet>

#include <optional>

namespace spreadsheet {
namespace {

using vocabulary_file::Problem;

// Names of the columns as teachers head them, without spaces and in lower case.
const QSet<QString> &wordNames()
{
    static const QSet<QString> names {"word", "words", "vocab", "vocabulary", "คำศัพท์", "ศัพท์", "คำ"};
    return names;
}

const QSet<QString> &otherNames()
{
    static const QSet<QString> names {
        "hint1",       "hintone",  "firsthint",       "คำใบ้1",           "คำใบ้ที่1",
        "คำใบ้คำที่1",    "คำใบ้ข้อที่1", "hint2",           "hinttwo",         "secondhint",
        "คำใบ้2",       "คำใบ้ที่2",   "คำใบ้คำที่2",        "คำใบ้ข้อที่2",        "meaning",
        "thaimeaning", "thai",     "ความหมาย",        "ความหมายภาษาไทย", "คำแปล",
        "sentence",    "example",  "examplesentence", "ประโยค",          "ประโยคตัวอย่าง",
        "ตัวอย่างประโยค"};
    return names;
}

QString nameOf(const QString &field)
{
    QString name = field.toCaseFolded();
    name.removeIf([](QChar c) { return c.isSpace(); });
    return name;
}

bool isBlank(const QStringList &fields)
{
    for (const QString &field : fields)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

VocabEntry entryOf(const QStringList &fields)
{
    const auto at = [&fields](qsizetype i) { return fields.value(i); };
    return {at(0), at(1), at(2), at(3), at(4)};
}

// Why the editor's Add or the save would refuse the entry, or nothing.
std::optional<QString> refusalOf(const VocabEntry &entry, qsizetype entriesSoFar)
{
    if (const auto refusal
        = input_rules::checkEntry(entry.word, entry.hint01, entry.hint02, entriesSoFar))
        return refusal->warning.text;
    const auto problem = vocabulary_file::entryProblem(entry.word, entry.hint01, entry.hint02);
    if (problem == vocabulary_file::Text::Problem::None)
        return std::nullopt;
    const vocabulary_file::Reason reason
        = vocabulary_file::entryProblemReason(problem, entry.word, entry.hint01, entry.hint02);
    return reason.thai + QStringLiteral(" / ") + reason.english;
}

Import refused(Problem problem, const QString &systemReason = {})
{
    Import import;
    import.problem = problem;
    import.systemReason = systemReason;
    return import;
}

} // namespace

bool isHeader(const QStringList &fields)
{
    if (fields.isEmpty() || !wordNames().contains(nameOf(fields.first())))
        return false;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QString name = nameOf(fields[i]);
        if (!name.isEmpty() && !otherNames().contains(name) && !wordNames().contains(name))
            return false;
    }
    return true;
}

Import parse(QByteArrayView bytes)
{
    const vocabulary_file::Encoding encoding = vocabulary_file::encodingOf(bytes);
    if (encoding == vocabulary_file::Encoding::Utf16)
        return refused(Problem::Utf16);
    const QString text = vocabulary_file::decode(bytes, encoding);
    // Record by record, so that a sheet of far too many rows is refused at the first too many.
    csv::Reader reader(text, csv::separatorOf(text));
    Import import;
    qsizetype rows = 0;
    for (qsizetype row = 1; !reader.atEnd(); ++row) {
        const QStringList fields = reader.next();
        if (isBlank(fields) || (row == 1 && isHeader(fields)))
            continue;
        if (++rows > vocabulary_file::maxRecords)
            return refused(Problem::TooManyRecords);
        const VocabEntry entry = entryOf(fields);
        if (const std::optional<QString> reason = refusalOf(entry, import.entries.size()))
            import.failures.append({row, entry.word, *reason});
        else
            import.entries.append(entry);
    }
    if (rows == 0)
        return refused(Problem::NoRecords);
    return import;
}

Import read(const QString &path)
{
    const ui::FileBytes file = ui::readWholeFile(path, vocabulary_file::maxFileBytes);
    if (file.ok())
        return parse(file.bytes);
    const vocabulary_file::Contents refusal = vocabulary_file::refusalOf(file);
    return refused(refusal.problem, refusal.systemReason);
}

QString describeRefusal(const QString &fileName, const Import &import)
{
    vocabulary_file::Contents contents;
    contents.problem = import.problem;
    contents.systemReason = import.systemReason;
    const vocabulary_file::Reason reason = vocabulary_file::reasonOf(contents);
    return QStringLiteral(
               "นำเข้าไฟล์ \"%1\" ไม่ได้ เพราะ%2\n\nThe spreadsheet \"%1\" cannot be imported: %3")
        .arg(fileName, reason.thai, reason.english);
}

QString summary(const QString &fileName, const Import &import)
{
    QString text = import.entries.isEmpty()
        ? QStringLiteral("ไม่มีแถวใดในไฟล์ \"%1\" ที่ใช้ได้ จึงไม่ได้นำเข้าคำศัพท์เลย\n"
                         "No row of \"%1\" could be used, so nothing was imported.")
              .arg(fileName)
        : QStringLiteral("นำเข้าคำศัพท์จากไฟล์ \"%1\" ได้ %2 คำ ตรวจและแก้ได้ด้วยปุ่มลูกศร "
                         "แล้วกด \"บันทึกข้อมูล\"\n"
                         "%2 words came in from \"%1\": check them with the arrows, then save.")
              .arg(fileName)
              .arg(import.entries.size());
    if (!import.failures.isEmpty())
        text += QStringLiteral("\n\nแถวที่ใช้ไม่ได้ %1 แถว / %1 rows could not be used:")
                    .arg(import.failures.size());
    return text;
}

QStringList failureLines(const QList<Failure> &failures)
{
    QStringList lines;
    for (qsizetype i = 0; i < failures.size() && i < listedFailures; ++i)
        lines.append(QStringLiteral("แถว %1 (row %1) \"%2\": %3")
                         .arg(failures[i].row)
                         .arg(failures[i].word, failures[i].reason));
    if (failures.size() > listedFailures)
        lines.append(QStringLiteral("และอีก %1 แถว (and %1 more)").arg(failures.size() - listedFailures));
    return lines;
}

QString leftOutColumns(const Import &import)
{
    for (const VocabEntry &entry : import.entries)
        if (!entry.meaning.isEmpty() || !entry.sentence.isEmpty())
            return QStringLiteral(
                "ความหมายภาษาไทยและประโยคตัวอย่างไม่ได้นำเข้า "
                "เพราะชุดคำศัพท์ที่สร้างเองเก็บเฉพาะคำศัพท์กับคำใบ้สองข้อ\n"
                "The Thai meaning and sentence columns stay in the sheet: a list of your own "
                "keeps the word and its two hints.");
    return {};
}

QByteArray exportSheet(const QList<VocabEntry> &entries)
{
    QString text
        = csv::line({QStringLiteral("Word"), QStringLiteral("Hint 1"), QStringLiteral("Hint 2"),
                     QStringLiteral("Thai meaning"), QStringLiteral("Sentence")});
    for (const VocabEntry &entry : entries)
        text += csv::line({entry.word, entry.hint01, entry.hint02, entry.meaning, entry.sentence});
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace spreadsheet
