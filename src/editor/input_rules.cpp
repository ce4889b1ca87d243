#include "editor/input_rules.h"

#include "ui/message_box.h"

namespace input_rules {

std::optional<Warning> keyDown(int keyCode) {
  if (keyCode < 32)
    return std::nullopt;
  if (keyCode >= 48 && keyCode <= 57)
    return Warning{QStringLiteral("Numbers are not allowed. พิมพ์ตัวเลข ไม่ได้ครับ"), ui::vbOKOnly};
  if (keyCode >= 123)
    return Warning{QStringLiteral("พิมพ์ได้เฉพาะตัวอักษรภาษาอังกฤษครับ "
                                  "ท่านลืมกดแป้นเปลี่ยนอักษรเป็นภาษาไทยหรือเปล่า"),
                   ui::vbOKOnly};
  if (keyCode == 32)
    return Warning{QStringLiteral("Space is not allowed. You need to press the back space key "
                                  "and type it again. คำศัพท์ต้องไม่มีเว้นวรรค "
                                  "ท่านต้องกดปุ่ม ถอยหลัง หรือ backspace เพื่อลบช่องว่าง แล้วจึงค่อยพิมพ์ใหม่ นะครับ"),
                   ui::vbOKOnly};
  return std::nullopt;
}

std::optional<Warning> keyPress(int characterCode) {
  if (characterCode < 123)
    return std::nullopt;
  return Warning{QStringLiteral("คำศัพท์ต้องเป็นภาษาอังกฤษเท่านั้น คำใบ้พิมพ์ได้ทั้งไทย และอังกฤษ"),
                 ui::vbOKOnly};
}

std::optional<Warning> wordLength(qsizetype length) {
  if (length <= wordLimit)
    return std::nullopt;
  return Warning{QStringLiteral("คำที่ใช้ ต้องไม่เกิน 12 ตัวอักษร"), ui::vbOKInformation};
}

std::optional<Warning> hintLength(qsizetype length) {
  if (length <= hintLimit)
    return std::nullopt;
  return Warning{QStringLiteral("พิมพ์ได้ไม่เกิน 60 ตัวอักษร นะครับ"), ui::vbOKInformation};
}

} // namespace input_rules
