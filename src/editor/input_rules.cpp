#include "editor/input_rules.h"

#include "storage/vocabulary_file.h"
#include "ui/message_style.h"

namespace input_rules {

std::optional<Warning> keyDown(int keyCode)
{
    if (keyCode < 32)
        return std::nullopt;
    if (keyCode >= 48 && keyCode <= 57)
        return Warning {QStringLiteral("Numbers are not allowed. พิมพ์ตัวเลข ไม่ได้ครับ"), ui::vbOKOnly};
    if (keyCode >= 123)
        return Warning {QStringLiteral("พิมพ์ได้เฉพาะตัวอักษรภาษาอังกฤษครับ "
                                       "ท่านลืมกดแป้นเปลี่ยนอักษรเป็นภาษาไทยหรือเปล่า"),
                        ui::vbOKOnly};
    if (keyCode == 32)
        return Warning {
            QStringLiteral("Space is not allowed. You need to press the back space key "
                           "and type it again. คำศัพท์ต้องไม่มีเว้นวรรค "
                           "ท่านต้องกดปุ่ม ถอยหลัง หรือ backspace เพื่อลบช่องว่าง แล้วจึงค่อยพิมพ์ใหม่ นะครับ"),
            ui::vbOKOnly};
    return std::nullopt;
}

std::optional<Warning> keyPress(int characterCode)
{
    if (characterCode < 123)
        return std::nullopt;
    return Warning {QStringLiteral("คำศัพท์ต้องเป็นภาษาอังกฤษเท่านั้น คำใบ้พิมพ์ได้ทั้งไทย และอังกฤษ"), ui::vbOKOnly};
}

std::optional<Warning> wordLength(qsizetype length)
{
    if (length <= wordLimit)
        return std::nullopt;
    return Warning {QStringLiteral("คำที่ใช้ ต้องไม่เกิน 12 ตัวอักษร"), ui::vbOKInformation};
}

std::optional<Warning> hintLength(qsizetype length)
{
    if (length <= hintLimit)
        return std::nullopt;
    return Warning {QStringLiteral("พิมพ์ได้ไม่เกิน 60 ตัวอักษร นะครับ"), ui::vbOKInformation};
}

std::optional<Refusal> checkEntry(const QString &word, const QString &hint01, const QString &hint02,
                                  qsizetype entries)
{
    const auto refuse = [](const QString &text, Box focus) {
        return Refusal {{text, ui::vbOKInformation}, focus};
    };
    if (word.isEmpty())
        return refuse(QStringLiteral("ท่านต้องพิมพ์คำศัพท์ ในช่องคำศัทพ์ด้วย นะครับ"), Box::Word);
    if (word.contains(QLatin1Char(' ')))
        return refuse(QStringLiteral("คำศัพท์จะต้องไม่มีช่องว่าง และต้องไม่เว้นวรรคก่อนหน้าหรือหลังคำศัพท์ นะครับ"),
                      Box::Word);
    if (hint01.isEmpty())
        return refuse(QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ"), Box::Hint01);
    if (hint02.isEmpty())
        return refuse(QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 2 ด้วย นะครับ"), Box::Hint02);
    // One more would make a file that the game refuses; the typed entry stays in the boxes.
    if (entries >= vocabulary_file::maxRecords)
        return Refusal {
            {QStringLiteral("คลังคำศัพท์เต็มแล้ว ไฟล์คำศัพท์หนึ่งไฟล์มีคำศัพท์ได้ไม่เกิน %1 คำ "
                            "ซึ่งเป็นจำนวนมากที่สุดที่เกมเล่นได้\n\n"
                            "The vocabulary is full: a vocabulary file can hold at most %1 "
                            "words, the most the game can play.")
                 .arg(vocabulary_file::maxRecords),
             ui::vbOKExclamation},
            Box::None};
    return std::nullopt;
}

} // namespace input_rules
