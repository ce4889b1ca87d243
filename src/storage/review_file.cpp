#include "storage/review_file.h"

#include "storage/thai_codepage.h"
#include "ui/file_system.h"
#include "ui/text_lines.h"

namespace review_file {
namespace {

constexpr char utf8Mark[] = "\xEF\xBB\xBF";
constexpr int fieldCount = vocabulary_file::builtInFields + 1;

Contents refused(vocabulary_file::Problem problem)
{
    Contents contents;
    contents.problem = problem;
    return contents;
}

} // namespace

QString path()
{
    return ui::userDataFolder() + QLatin1Char('/') + fileName;
}

Contents parse(QByteArrayView bytes)
{
    using vocabulary_file::Problem;
    const bool utf8 = bytes.startsWith(utf8Mark);
    if (utf8)
        bytes = bytes.sliced(3);
    const QList<QByteArrayView> lines = ui::splitLines(bytes);
    if (lines.size() > vocabulary_file::maxRecords)
        return refused(Problem::TooManyRecords);
    Contents contents;
    contents.entries.reserve(lines.size());
    contents.boxes.reserve(lines.size());
    for (const QByteArrayView line : lines) {
        const QList<QByteArrayView> fields = vocabulary_file::splitFields(line);
        if (fields.size() != fieldCount || fields.last().size() != 1 || fields.last()[0] < '1'
            || fields.last()[0] > '3')
            return refused(Problem::Garbled);
        VocabEntry entry;
        QString *targets[]
            = {&entry.word, &entry.hint01, &entry.hint02, &entry.meaning, &entry.sentence};
        for (qsizetype i = 0; i < fieldCount - 1; ++i) {
            *targets[i] = utf8 ? QString::fromUtf8(fields[i]) : thai_codepage::decode(fields[i]);
            if (targets[i]->size() > vocabulary_file::maxFieldLength)
                return refused(Problem::FieldTooLong);
        }
        contents.entries.append(std::move(entry));
        contents.boxes.append(static_cast<qint8>(fields.last()[0] - '0'));
    }
    return contents;
}

Contents read(const QString &path)
{
    const ui::FileBytes file = ui::readWholeFile(path, vocabulary_file::maxFileBytes);
    if (file.ok())
        return parse(file.bytes);
    Contents contents;
    static_cast<vocabulary_file::Contents &>(contents) = vocabulary_file::refusalOf(file);
    return contents;
}

QByteArray text(const QList<VocabEntry> &entries, const QList<qint8> &boxes)
{
    QString text;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const VocabEntry &e = entries[i];
        for (const QString *field : {&e.word, &e.hint01, &e.hint02, &e.meaning, &e.sentence}) {
            text += *field;
            text += QLatin1Char('|');
        }
        text += QChar(u'0' + boxes[i]);
        text += QLatin1String("\r\n");
    }
    if (std::optional<QByteArray> bytes = thai_codepage::encode(text))
        return *bytes;
    return utf8Mark + text.toUtf8();
}

QString describeProblem(const Contents &contents, const QString &keptAs)
{
    const vocabulary_file::Reason why = vocabulary_file::reasonOf(contents);
    const QString thaiFate = keptAs.isNull() ? QStringLiteral("ย้ายไฟล์นั้นออกไปไม่ได้ จึงยังอยู่ที่เดิม")
                                             : QStringLiteral("จึงเก็บไฟล์นั้นไว้ในชื่อ \"%1\"").arg(keptAs);
    const QString englishFate = keptAs.isNull()
        ? QStringLiteral("It could not be moved out of the way and stays where it is")
        : QStringLiteral("It is kept as \"%1\"").arg(keptAs);
    return QStringLiteral("อ่านรายการคำที่เคยผิด \"%1\" ไม่ได้ เพราะ%2 %3 และเริ่มรายการใหม่\n\n"
                          "The review list \"%1\" cannot be read: %4 %5, and a new list begins.")
        .arg(fileName, why.thai, thaiFate, why.english, englishFate);
}

QString describeSaveFailure(const QString &reason)
{
    return QStringLiteral("บันทึกรายการคำที่เคยผิด \"%1\" ไม่ได้ (%2) รายการที่บันทึกไว้ก่อนหน้านี้ยังอยู่ครบ "
                          "แต่คำที่เพิ่งแพ้หรือชนะอาจไม่ถูกจำไว้ในครั้งหน้า\n\n"
                          "The review list \"%1\" could not be saved (%2). The list saved before "
                          "is whole, but the words just lost or won may not be remembered next "
                          "time.")
        .arg(fileName, reason);
}

} // namespace review_file
