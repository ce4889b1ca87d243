#include "storage/save_name.h"

#include <algorithm>

namespace save_name {
namespace {

const QString reservedCharacters = QStringLiteral(":*?\"<>|");

bool isFolderSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}
bool isControl(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127;
}

// Names Windows keeps for devices, whatever the case and whatever follows the dot.
bool isDeviceName(const QString &base)
{
    static const QStringList devices = [] {
        QStringList names {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                           QStringLiteral("NUL")};
        for (int n = 1; n <= 9; ++n) {
            names.append(QStringLiteral("COM%1").arg(n));
            names.append(QStringLiteral("LPT%1").arg(n));
        }
        return names;
    }();
    return devices.contains(base, Qt::CaseInsensitive);
}

QChar firstReserved(const QString &typed)
{
    for (const QChar c : typed)
        if (reservedCharacters.contains(c))
            return c;
    return {};
}

QString thaiThenEnglish(const QString &thai, const QString &english)
{
    return thai + QStringLiteral("\n\n") + english;
}

} // namespace

QString baseName(const QString &typed)
{
    const qsizetype dot = typed.indexOf(QLatin1Char('.'));
    return dot < 0 ? typed : typed.left(dot);
}

QString targetFileName(const QString &typed)
{
    return baseName(typed) + QStringLiteral(".txt");
}

QString existingName(const QString &target, const QStringList &names)
{
    if (names.contains(target))
        return target;
    for (const QString &name : names)
        if (name.compare(target, Qt::CaseInsensitive) == 0)
            return name;
    return {};
}

QString overwriteQuestion(const QString &name)
{
    return QStringLiteral("The file, ") + name
        + QStringLiteral(", exists. Do you want to overwrite it?");
}

Problem check(const QString &typed)
{
    if (typed.isEmpty())
        return Problem::Empty;
    if (typed.indexOf(QLatin1Char('.')) == 0)
        return Problem::LeadingDot;
    if (std::any_of(typed.begin(), typed.end(), isFolderSeparator))
        return Problem::FolderSeparator;
    if (!firstReserved(typed).isNull())
        return Problem::ReservedCharacter;
    if (std::any_of(typed.begin(), typed.end(), isControl))
        return Problem::ControlCharacter;
    const QString base = baseName(typed);
    if (typed.endsWith(QLatin1Char(' ')) || base.endsWith(QLatin1Char(' ')))
        return Problem::TrailingSpace;
    if (isDeviceName(base))
        return Problem::DeviceName;
    if (base.toUtf8().size() > maxBaseNameBytes)
        return Problem::TooLong;
    return Problem::None;
}

QString message(Problem problem, const QString &typed)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::Empty:
        return QStringLiteral("You need to specify a file name to be saved.");
    case Problem::LeadingDot:
        return QStringLiteral("You cannot begin you file nave with a dot.");
    case Problem::FolderSeparator:
        return thaiThenEnglish(
            QStringLiteral("ชื่อไฟล์ต้องไม่มีเครื่องหมาย / หรือ \\ เพราะไฟล์จะถูกบันทึกไว้ในโฟลเดอร์ "
                           "\"Custom Vocab\" เสมอ"),
            QStringLiteral("A file name cannot hold \"/\" or \"\\\": the file is always saved in "
                           "the folder \"Custom Vocab\"."));
    case Problem::ReservedCharacter: {
        const QString c = firstReserved(typed);
        return thaiThenEnglish(
            QStringLiteral("ชื่อไฟล์มีเครื่องหมาย %1 ซึ่งใช้ในชื่อไฟล์ไม่ได้ "
                           "(ห้ามใช้ : * ? \" < > |)")
                .arg(c),
            QStringLiteral("The file name holds \"%1\", which a file name cannot hold "
                           "(none of : * ? \" < > | may be used).")
                .arg(c));
    }
    case Problem::ControlCharacter:
        return thaiThenEnglish(
            QStringLiteral("ชื่อไฟล์มีอักขระควบคุม (เช่น แท็บ) ซึ่งใช้ในชื่อไฟล์ไม่ได้"),
            QStringLiteral("The file name holds a control character (such as a tab), which a "
                           "file name cannot hold."));
    case Problem::TrailingSpace:
        return thaiThenEnglish(
            QStringLiteral("ชื่อไฟล์ต้องไม่ลงท้ายด้วยช่องว่าง และต้องไม่มีช่องว่างอยู่หน้าจุด"),
            QStringLiteral("A file name cannot end in a space, nor have a space just before its "
                           "dot."));
    case Problem::DeviceName: {
        const QString base = baseName(typed);
        return thaiThenEnglish(
            QStringLiteral("\"%1\" เป็นชื่อที่ระบบสงวนไว้สำหรับอุปกรณ์ "
                           "จึงใช้เป็นชื่อไฟล์ไม่ได้")
                .arg(base),
            QStringLiteral("\"%1\" is a name the system keeps for a device; it cannot name a file.")
                .arg(base));
    }
    case Problem::TooLong: {
        const qsizetype bytes = baseName(typed).toUtf8().size();
        return thaiThenEnglish(
            QStringLiteral("ชื่อไฟล์ยาวเกินไป (%1 ไบต์) ชื่อไฟล์ยาวได้ไม่เกิน %2 ไบต์ "
                           "(อักษรไทยหนึ่งตัวใช้ 3 ไบต์)")
                .arg(bytes)
                .arg(maxBaseNameBytes),
            QStringLiteral("The file name is too long (%1 bytes): it may have at most %2 bytes "
                           "(a Thai letter takes 3).")
                .arg(bytes)
                .arg(maxBaseNameBytes));
    }
    }
    return {};
}

} // namespace save_name
