#include "storage/vocabulary_file.h"

#include "storage/thai_codepage.h"
#include "ui/file_system.h"
#include "ui/text_lines.h"

#include <algorithm>
#include <optional>

namespace vocabulary_file {
namespace {

bool isBlank(QByteArrayView line)
{
    for (const char c : line)
        if (c != ' ')
            return false;
    return true;
}

constexpr char utf8Mark[] = "\xEF\xBB\xBF";

bool startsWith(QByteArrayView bytes, QByteArrayView mark)
{
    return bytes.startsWith(mark);
}

QString decodeField(QByteArrayView field, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QString::fromUtf8(field) : thai_codepage::decode(field);
}

// Nothing when a field that is kept is too long.
std::optional<VocabEntry> entryOf(QByteArrayView line, int fieldCount, Encoding encoding)
{
    const QList<QByteArrayView> fields = splitFields(line);
    VocabEntry entry;
    QString *targets[] = {&entry.word, &entry.hint01, &entry.hint02, &entry.meaning, &entry.sentence};
    const qsizetype count = std::min<qsizetype>(fields.size(), fieldCount);
    for (qsizetype i = 0; i < count; ++i) {
        if (fields[i].size() > maxFieldLength * (encoding == Encoding::Utf8 ? 4 : 1))
            return std::nullopt;
        *targets[i] = decodeField(fields[i], encoding);
        if (targets[i]->size() > maxFieldLength)
            return std::nullopt;
    }
    return entry;
}

Contents refused(Problem problem)
{
    Contents contents;
    contents.problem = problem;
    return contents;
}

} // namespace

QList<QByteArrayView> splitFields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype start = 0;
    for (qsizetype i = line.indexOf('|'); i >= 0; i = line.indexOf('|', start)) {
        fields.append(line.sliced(start, i - start));
        start = i + 1;
    }
    fields.append(line.sliced(start));
    return fields;
}

// Walks the bytes as UTF-8 and stops at the first that cannot be (a code page 874 file stops at
// its first Thai letter), so that deciding costs next to nothing for the files the program writes.
Encoding encodingOf(QByteArrayView bytes)
{
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF"))
        return Encoding::Utf16;
    if (startsWith(bytes, utf8Mark))
        return Encoding::Utf8;
    bool thai = false;
    const auto byte = [&bytes](qsizetype i) {
        return i < bytes.size() ? int(static_cast<unsigned char>(bytes[i])) : 0;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const int lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length of the sequence, and the range its second byte must lie in (no overlong forms,
        // no surrogates, nothing past U+10FFFF); later bytes lie in 0x80..0xBF.
        const int length = lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF              ? 3
            : lead >= 0xF0 && lead <= 0xF4              ? 4
                                                        : 0;
        const int low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const int high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (length == 0 || byte(i + 1) < low || byte(i + 1) > high)
            return Encoding::Cp874;
        for (int k = 2; k < length; ++k)
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
                return Encoding::Cp874;
        // U+0E01..U+0E5B, the Thai letters, marks and digits: E0 B8 81 .. E0 B9 9B.
        const int code
            = length == 3 ? (lead & 0x0F) << 12 | (byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F) : 0;
        thai = thai || (code >= 0x0E01 && code <= 0x0E5B);
        i += length;
    }
    return thai ? Encoding::Utf8 : Encoding::Cp874;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8 && startsWith(bytes, utf8Mark))
        bytes = bytes.sliced(3);
    return decodeField(bytes, encoding);
}

Contents parse(QByteArrayView bytes, int fieldCount)
{
    Contents contents;
    const Encoding encoding = encodingOf(bytes);
    if (encoding == Encoding::Utf16)
        return refused(Problem::Utf16);
    if (startsWith(bytes, utf8Mark))
        bytes = bytes.sliced(3);
    const QList<QByteArrayView> lines = ui::splitLines(bytes, encoding == Encoding::Utf8);
    contents.entries.reserve(std::min(lines.size(), maxRecords));
    for (const QByteArrayView line : lines) {
        if (isBlank(line))
            continue;
        if (contents.entries.size() == maxRecords)
            return refused(Problem::TooManyRecords);
        std::optional<VocabEntry> entry = entryOf(line, fieldCount, encoding);
        if (!entry)
            return refused(Problem::FieldTooLong);
        contents.entries.append(std::move(*entry));
    }
    if (contents.entries.isEmpty())
        contents.problem = Problem::NoRecords;
    return contents;
}

Contents refusalOf(const ui::FileBytes &file)
{
    using FileProblem = ui::FileBytes::Problem;
    switch (file.problem) {
    case FileProblem::None:
        break;
    case FileProblem::Missing:
        return refused(Problem::Missing);
    case FileProblem::Folder:
        return refused(Problem::NotAFile);
    case FileProblem::NotRegular:
        return refused(Problem::NotRegular);
    case FileProblem::TooLarge:
        return refused(Problem::TooLarge);
    case FileProblem::Unreadable:
        Contents contents = refused(Problem::Unreadable);
        contents.systemReason = file.error;
        return contents;
    }
    return {};
}

Contents read(const QString &path, int fieldCount)
{
    const ui::FileBytes file = ui::readWholeFile(path, maxFileBytes);
    if (!file.ok())
        return refusalOf(file);
    Contents contents = parse(file.bytes, fieldCount);
    contents.stamp = ui::stampOf(file);
    return contents;
}

QString describeProblem(const QString &fileName, const Contents &contents)
{
    if (contents.ok())
        return {};
    const Reason why = reasonOf(contents);
    return QStringLiteral(
               "ใช้ไฟล์คำศัพท์ \"%1\" ไม่ได้ เพราะ%2\n\nThe vocabulary file \"%1\" cannot be used: %3")
        .arg(fileName, why.thai, why.english);
}

Reason reasonOf(const Contents &contents)
{
    QString thai;
    QString english;
    switch (contents.problem) {
    case Problem::None:
        return {};
    case Problem::Missing:
        thai = QStringLiteral("ไม่พบไฟล์นี้");
        english = QStringLiteral("the file was not found.");
        break;
    case Problem::NotAFile:
        thai = QStringLiteral("ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์");
        english = QStringLiteral("that name is a folder, not a file.");
        break;
    case Problem::NotRegular:
        thai = QStringLiteral("ชื่อนี้ไม่ใช่ไฟล์ธรรมดา (เป็นอุปกรณ์หรือท่อส่งข้อมูล)");
        english = QStringLiteral(
            "that name is not an ordinary file (it is a device, a pipe or the like).");
        break;
    case Problem::TooLarge:
        thai = QStringLiteral("ไฟล์ใหญ่เกิน %1 MB ซึ่งใหญ่กว่าชุดคำศัพท์ใด ๆ").arg(maxFileBytes >> 20);
        english = QStringLiteral("the file is larger than %1 MB, far larger than any word list.")
                      .arg(maxFileBytes >> 20);
        break;
    case Problem::Unreadable:
        thai = QStringLiteral("อ่านไฟล์ไม่ได้ (%1)").arg(contents.systemReason);
        english = QStringLiteral("the file could not be read (%1).").arg(contents.systemReason);
        break;
    case Problem::NoRecords:
        thai = QStringLiteral("ในไฟล์ไม่มีคำศัพท์เลย");
        english = QStringLiteral("the file holds no words.");
        break;
    case Problem::TooManyRecords:
        thai = QStringLiteral("ในไฟล์มีคำศัพท์เกิน %1 คำ").arg(maxRecords);
        english = QStringLiteral("the file holds more than %1 words.").arg(maxRecords);
        break;
    case Problem::Utf16:
        thai = QStringLiteral("ไฟล์นี้บันทึกแบบ UTF-16 (Unicode) ซึ่งโปรแกรมอ่านไม่ได้ "
                              "กรุณาบันทึกใหม่แบบ UTF-8");
        english
            = QStringLiteral("the file is saved as UTF-16 (Unicode), which the program does not "
                             "read; save it again as UTF-8.");
        break;
    case Problem::FieldTooLong:
        thai = QStringLiteral("ในไฟล์มีข้อความยาวเกิน %1 ตัวอักษร").arg(maxFieldLength);
        english
            = QStringLiteral("a text in the file is longer than %1 characters.").arg(maxFieldLength);
        break;
    case Problem::Garbled:
        thai = QStringLiteral("ไฟล์เสียหาย ไม่ได้เป็นอย่างที่โปรแกรมบันทึกไว้");
        english = QStringLiteral("the file is damaged: it is not as the program wrote it.");
        break;
    }
    return {thai, english};
}

Columns columns(const QList<VocabEntry> &entries)
{
    Columns result;
    for (QStringList *list : {&result.words, &result.hints01, &result.hints02})
        list->reserve(entries.size());
    for (const VocabEntry &entry : entries) {
        result.words.append(entry.word);
        result.hints01.append(entry.hint01);
        result.hints02.append(entry.hint02);
    }
    return result;
}

Text::Problem entryProblem(const QString &word, const QString &hint01, const QString &hint02)
{
    using P = Text::Problem;
    for (const QString *field : {&word, &hint01, &hint02}) {
        if (field->contains(QLatin1Char('\r')))
            return P::LineBreak;
        if (field->size() > maxFieldLength)
            return P::FieldTooLong;
        if (!thai_codepage::canEncode(*field))
            return P::Unencodable;
    }
    return P::None;
}

Reason entryProblemReason(Text::Problem problem, const QString &word, const QString &hint01,
                          const QString &hint02)
{
    switch (problem) {
    case Text::Problem::Unencodable:
        for (const QString *field : {&word, &hint01, &hint02}) {
            const qsizetype at = thai_codepage::firstUnencodable(*field);
            if (at < 0)
                continue;
            const QString character = field->mid(at, field->at(at).isHighSurrogate() ? 2 : 1);
            return {QStringLiteral("มีตัวอักษร %1 ซึ่งบันทึกลงไฟล์คำศัพท์ไม่ได้").arg(character),
                    QStringLiteral("holds the character %1, which a vocabulary file cannot hold")
                        .arg(character)};
        }
        break;
    case Text::Problem::LineBreak:
        return {QStringLiteral("มีการขึ้นบรรทัดใหม่อยู่ข้างใน"), QStringLiteral("holds a line break")};
    case Text::Problem::FieldTooLong:
        return {QStringLiteral("มีข้อความยาวเกิน %1 ตัวอักษร").arg(maxFieldLength),
                QStringLiteral("holds a text longer than %1 characters").arg(maxFieldLength)};
    case Text::Problem::None:
    case Text::Problem::TooLarge:
        break;
    }
    return {};
}

Text entriesText(const QStringList &words, const QStringList &hints01, const QStringList &hints02,
                 qsizetype first, qsizetype last)
{
    using P = Text::Problem;
    QString text;
    for (qsizetype i = first; i <= last; ++i) {
        const P problem = entryProblem(words[i], hints01[i], hints02[i]);
        if (problem != P::None)
            return {{}, problem, i};
        text += words[i];
        text += QLatin1Char('|');
        text += hints01[i];
        text += QLatin1Char('|');
        text += hints02[i];
        text += QLatin1String("\r\n");
        // One byte a character in the code page: the text's length is the file's size.
        if (text.size() > maxFileBytes)
            return {{}, P::TooLarge, -1};
    }
    return {thai_codepage::encode(text).value_or(QByteArray()), P::None, -1};
}

} // namespace vocabulary_file
