// The editor's input rules and the key codes they are written in.
#include "editor/input_rules.h"
#include "ui/virtual_key.h"

#include <QtTest>

class InputRulesTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against a rule that warns at the wrong bound, with the wrong text or style, or
  // takes the keypad digits for the digit row.
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
        {'K', 0, {}},        {'K', 8, {}},         {'K', 31, {}},         {'K', 32, space},
        {'K', 33, {}},       {'K', 47, {}},        {'K', 48, numbers},    {'K', 57, numbers},
        {'K', 58, {}},       {'K', 96, {}},        {'K', 105, {}},        {'K', 122, {}},
        {'K', 123, englishKey}, {'K', 220, englishKey}, {'K', 229, englishKey},
        {'P', ' ', {}},      {'P', '5', {}},       {'P', 122, {}},        {'P', 123, english},
        {'P', '|', english}, {'P', 127, english},  {'P', 0x0E01, english},
        {'W', 12, {}},       {'W', 13, word},      {'H', 60, {}},         {'H', 61, hint}};
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
    if (warning)
      QCOMPARE(warning->style, rule == 'K' || rule == 'P' ? 0 : 64);
  }

  // Guards against a key code taken from the character: a Thai layout must not hide the
  // digit row, and the keypad must not pass for it.
  void scanCodeGivesTheKeyByItsPlace_data() {
    QTest::addColumn<quint32>("xKeycode");
    QTest::addColumn<int>("keyCode");
    const std::pair<quint32, int> rows[] = {
        {10, 49},  {14, 53},  {19, 48},  {90, 96},  {87, 97},  {85, 102}, {81, 105},
        {47, 186}, {21, 187}, {59, 188}, {20, 189}, {60, 190}, {61, 191}, {49, 192},
        {34, 219}, {51, 220}, {35, 221}, {48, 222}, {67, 112}, {76, 121}, {95, 122},
        {96, 123}, {191, 124}, {202, 135}, {65, 32}, {22, 8},  {23, 9},   {36, 13},
        {50, 16},  {37, 17},  {64, 18},  {9, 27},   {112, 33}, {117, 34}, {115, 35},
        {110, 36}, {113, 37}, {111, 38}, {114, 39}, {116, 40}, {118, 45}, {119, 46},
        {38, 65},  {24, 81},  {33, 80},  {46, 76},  {52, 90},  {58, 77},  {0, 0}};
    for (const auto &[x, code] : rows)
      QTest::addRow("X keycode %u", x) << x << code;
  }
  void scanCodeGivesTheKeyByItsPlace() {
    QFETCH(quint32, xKeycode);
    QFETCH(int, keyCode);
    QCOMPARE(ui::virtualKeyFromScanCode(xKeycode), keyCode);
  }

  // Guards against synthesised keys (no native codes) losing the digit row, the keypad, the
  // shifted digit signs or the punctuation keys.
  void qtKeyStandsInWithoutNativeCodes_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("keyCode");
    const std::tuple<int, bool, int> rows[] = {
        {Qt::Key_5, false, 53},          {Qt::Key_5, true, 101},
        {Qt::Key_0, false, 48},          {Qt::Key_0, true, 96},
        {Qt::Key_Percent, false, 53},    {Qt::Key_Exclam, false, 49},
        {Qt::Key_ParenRight, false, 48}, {Qt::Key_Asterisk, false, 56},
        {Qt::Key_Asterisk, true, 106},   {Qt::Key_Bar, false, 220},
        {Qt::Key_Colon, false, 186},     {Qt::Key_Plus, false, 187},
        {Qt::Key_Plus, true, 107},       {Qt::Key_AsciiTilde, false, 192},
        {Qt::Key_QuoteDbl, false, 222},  {Qt::Key_BraceLeft, false, 219},
        {Qt::Key_A, false, 65},          {Qt::Key_Z, false, 90},
        {Qt::Key_Space, false, 32},      {Qt::Key_Backspace, false, 8},
        {Qt::Key_F11, false, 122},       {Qt::Key_F12, false, 123},
        {0x0E45, false, 0}};
    for (const auto &[key, keypad, code] : rows)
      QTest::addRow("%x%s", key, keypad ? " keypad" : "") << key << keypad << code;
  }
  void qtKeyStandsInWithoutNativeCodes() {
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, keyCode);
    QCOMPARE(ui::virtualKeyCode(qtKey, 0, 0, keypad), keyCode);
  }
};

QTEST_GUILESS_MAIN(InputRulesTest)
#include "test_input_rules.moc"
