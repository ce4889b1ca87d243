// The editor's input rules and the key codes they are written in.
#include "editor/input_rules.h"
#include "ui/virtual_key.h"

#include <QtTest>

class InputRulesTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against a rule that warns at the wrong bound, with the wrong text or style.
  void rulesWarnFromTheirBounds_data() {
    QTest::addColumn<char>("rule");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    const QString numbers = QStringLiteral("Numbers are not allowed. พิมพ์ตัวเลข ไม่ได้ครับ");
    const QString englishKey = QStringLiteral(
        "พิมพ์ได้เฉพาะตัวอักษรภาษาอังกฤษครับ ท่านลืมกดแป้นเปลี่ยนอักษรเป็นภาษาไทยหรือเปล่า");
    const QString space = QStringLiteral(
        "Space is not allowed. You need to press the back space key and type it again. "
        "คำศัพท์ต้องไม่มีเว้นวรรค ท่านต้องกดปุ่ม ถอยหลัง "
        "หรือ backspace เพื่อลบช่องว่าง แล้วจึงค่อยพิมพ์ใหม่ นะครับ");
    const QString english =
        QStringLiteral("คำศัพท์ต้องเป็นภาษาอังกฤษเท่านั้น คำใบ้พิมพ์ได้ทั้งไทย และอังกฤษ");
    const QString word = QStringLiteral("คำที่ใช้ ต้องไม่เกิน 12 ตัวอักษร");
    const QString hint = QStringLiteral("พิมพ์ได้ไม่เกิน 60 ตัวอักษร นะครับ");
    const std::tuple<char, int, QString> rows[] = {
        {'K', 31, {}},          {'K', 32, space},   {'K', 33, {}},        {'K', 47, {}},
        {'K', 48, numbers},     {'K', 57, numbers}, {'K', 58, {}},        {'K', 122, {}},
        {'K', 123, englishKey}, {'P', 122, {}},     {'P', 123, english},  {'P', 0x0E01, english},
        {'W', 12, {}},          {'W', 13, word},    {'H', 60, {}},        {'H', 61, hint}};
    for (const auto &[rule, value, message] : rows)
      QTest::addRow("%c %d", rule, value) << rule << value << message;
  }
  void rulesWarnFromTheirBounds() {
    QFETCH(char, rule);
    QFETCH(int, value);
    QFETCH(QString, message);
    const auto warning = rule == 'K'   ? input_rules::keyDown(value)
                         : rule == 'P' ? input_rules::keyPress(value)
                         : rule == 'W' ? input_rules::wordLength(value)
                                       : input_rules::hintLength(value);
    QCOMPARE(warning ? warning->text : QString(), message);
    QCOMPARE(warning ? warning->style : -1, message.isEmpty() ? -1 : rule == 'K' || rule == 'P' ? 0 : 64);
  }

  // Guards against a key code taken from the character when the event has a scan code (a Thai
  // layout must not hide the digit row), the keypad passing for the digit row, and synthesised
  // keys (no native codes) losing the digit row, the shifted digit signs or the punctuation keys.
  void keyCodeNamesThePlaceOfTheKey() {
    const int thai1 = 0x0E45; // what the "1" key gives under a Thai layout
    const std::tuple<quint32, int, bool, int> rows[] = { // scan code, Qt key, keypad, key code
        {10, thai1, false, 49}, {19, 0, false, 48},   {90, 0, true, 96},    {81, 0, true, 105},
        {47, 0, false, 186},    {20, 0, false, 189},  {49, 0, false, 192},  {51, 0, false, 220},
        {48, 0, false, 222},    {95, 0, false, 122},  {96, 0, false, 123},  {65, 0, false, 32},
        {22, 0, false, 8},      {119, 0, false, 46},  {38, 0, false, 65},   {52, 0, false, 90},
        {0, Qt::Key_5, false, 53},       {0, Qt::Key_5, true, 101},       {0, Qt::Key_0, true, 96},
        {0, Qt::Key_Percent, false, 53}, {0, Qt::Key_Exclam, false, 49},  {0, Qt::Key_Bar, false, 220},
        {0, Qt::Key_Plus, true, 107},    {0, Qt::Key_Colon, false, 186},  {0, Qt::Key_F12, false, 123},
        {0, Qt::Key_A, false, 65},       {0, Qt::Key_Space, false, 32},   {0, thai1, false, 0}};
    for (auto [scanCode, qtKey, keypad, keyCode] : rows) // the case stands beside its result
      QCOMPARE(std::tuple(scanCode, qtKey, keypad, ui::virtualKeyCode(qtKey, scanCode, 0, keypad)),
               std::tuple(scanCode, qtKey, keypad, keyCode));
  }
};

QTEST_GUILESS_MAIN(InputRulesTest)
#include "test_input_rules.moc"
