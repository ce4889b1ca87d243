// The editor's rules: the warnings while typing, the key codes they are written in, the add
// button's checks and the arrows' position.
#include "editor/browsing.h"
#include "editor/input_rules.h"
#include "ui/virtual_key.h"

#include <QtTest>

class EditorRulesTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against a rule that warns at the wrong bound, with the wrong text or style.
    void rulesWarnFromTheirBounds()
    {
        const QString numbers = QStringLiteral("Numbers are not allowed. พิมพ์ตัวเลข ไม่ได้ครับ");
        const QString englishKey
            = QStringLiteral("พิมพ์ได้เฉพาะตัวอักษรภาษาอังกฤษครับ ท่านลืมกดแป้นเปลี่ยนอักษรเป็นภาษาไทยหรือเปล่า");
        const QString space
            = QStringLiteral("Space is not allowed. You need to press the back space key and type "
                             "it again. คำศัพท์ต้องไม่มีเว้นวรรค "
                             "ท่านต้องกดปุ่ม ถอยหลัง หรือ backspace เพื่อลบช่องว่าง แล้วจึงค่อยพิมพ์ใหม่ นะครับ");
        const QString english = QStringLiteral("คำศัพท์ต้องเป็นภาษาอังกฤษเท่านั้น คำใบ้พิมพ์ได้ทั้งไทย และอังกฤษ");
        const QString word = QStringLiteral("คำที่ใช้ ต้องไม่เกิน 12 ตัวอักษร");
        const QString hint = QStringLiteral("พิมพ์ได้ไม่เกิน 60 ตัวอักษร นะครับ");
        const std::tuple<char, int, QString> rows[]
            = {{'K', 31, {}},          {'K', 32, space},       {'K', 33, {}},  {'K', 47, {}},
               {'K', 48, numbers},     {'K', 57, numbers},     {'K', 58, {}},  {'K', 122, {}},
               {'K', 123, englishKey}, {'K', 220, englishKey}, {'P', 122, {}}, {'P', 123, english},
               {'P', 124, english},    {'P', 0x0E01, english}, {'W', 12, {}},  {'W', 13, word},
               {'H', 60, {}},          {'H', 61, hint}};
        for (const auto &[rule, value, message] : rows) { // the rule and the value stand beside the result
            const auto warning = rule == 'K' ? input_rules::keyDown(value)
                : rule == 'P'                ? input_rules::keyPress(value)
                : rule == 'W'                ? input_rules::wordLength(value)
                                             : input_rules::hintLength(value);
            const int style = message.isEmpty() ? -1 : rule == 'K' || rule == 'P' ? 0 : 64;
            QCOMPARE(std::tuple(rule, value, warning ? warning->text : QString(),
                                warning ? warning->style : -1),
                     std::tuple(rule, value, message, style));
        }
    }

    // Guards against a key code taken from the character when the event has a scan code (a Thai
    // layout must not hide the digit row), the keypad passing for the digit row, and synthesised
    // keys (no native codes) losing the digit row, the shifted digit signs or the punctuation keys.
    void keyCodeNamesThePlaceOfTheKey()
    {
        const int thai1 = 0x0E45; // what the "1" key gives under a Thai layout
        // Scan code, Qt key, keypad, key code.
        const std::tuple<quint32, int, bool, int> rows[] = {{10, thai1, false, 49},
                                                            {19, 0, false, 48},
                                                            {90, 0, true, 96},
                                                            {81, 0, true, 105},
                                                            {47, 0, false, 186},
                                                            {20, 0, false, 189},
                                                            {49, 0, false, 192},
                                                            {51, 0, false, 220},
                                                            {48, 0, false, 222},
                                                            {95, 0, false, 122},
                                                            {96, 0, false, 123},
                                                            {65, 0, false, 32},
                                                            {22, 0, false, 8},
                                                            {119, 0, false, 46},
                                                            {38, 0, false, 65},
                                                            {52, 0, false, 90},
                                                            {0, Qt::Key_5, false, 53},
                                                            {0, Qt::Key_5, true, 101},
                                                            {0, Qt::Key_Percent, false, 53},
                                                            {0, Qt::Key_Exclam, false, 49},
                                                            {0, Qt::Key_Bar, false, 220},
                                                            {0, Qt::Key_Plus, true, 107},
                                                            {0, Qt::Key_Colon, false, 186},
                                                            {0, Qt::Key_F12, false, 123},
                                                            {0, Qt::Key_A, false, 65},
                                                            {0, Qt::Key_Space, false, 32},
                                                            {0, thai1, false, 0}};
        for (auto [scanCode, qtKey, keypad, keyCode] : rows) // the case stands beside its result
            QCOMPARE(std::tuple(scanCode, qtKey, keypad, ui::virtualKeyCode(qtKey, scanCode, 0, keypad)),
                     std::tuple(scanCode, qtKey, keypad, keyCode));
    }

    // Guards against the add button's checks out of order, with the wrong message, focus or style,
    // and a full store that refuses one entry too early or too late.
    void addRefusesTheFirstMissingPart()
    {
        const QString word = QStringLiteral("ท่านต้องพิมพ์คำศัพท์ ในช่องคำศัทพ์ด้วย นะครับ|1|64");
        const QString space
            = QStringLiteral("คำศัพท์จะต้องไม่มีช่องว่าง และต้องไม่เว้นวรรคก่อนหน้าหรือหลังคำศัพท์ นะครับ|1|64");
        const QString hint1 = QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ|2|64");
        const QString hint2 = QStringLiteral("ท่านต้องให้ คำใบ้คำที่ 2 ด้วย นะครับ|3|64");
        const QString full = QStringLiteral(
            "คลังคำศัพท์เต็มแล้ว ไฟล์คำศัพท์หนึ่งไฟล์มีคำศัพท์ได้ไม่เกิน 32766 คำ ซึ่งเป็นจำนวนมากที่สุดที่เกมเล่นได้\n\n"
            "The vocabulary is full: a vocabulary file can hold at most 32766 words, the most the "
            "game can play.|0|48");
        // Word, hints and the entries stored; the message, the box focused (0 none, 1 word, 2 and 3
        // the hints) and the style.
        const std::pair<QStringList, QString> rows[]
            = {{{"", "", "", "0"}, word},         {{"ice cream", "", "", "0"}, space},
               {{"cat ", "a", "b", "0"}, space},  {{"cat", "", "", "0"}, hint1},
               {{"cat", "a", "", "0"}, hint2},    {{"ice-creamcandle", "a", "b", "0"}, {}},
               {{"cat", "a", "b", "32765"}, {}},  {{"cat", "a", "b", "32766"}, full},
               {{"cat", "a", "", "32766"}, hint2}};
        for (const auto &[entry, refusal] : rows) { // the entry stands beside the result
            const auto got
                = input_rules::checkEntry(entry.at(0), entry.at(1), entry.at(2), entry.at(3).toInt());
            const QString shown = got ? QStringLiteral("%1|%2|%3")
                                            .arg(got->warning.text)
                                            .arg(int(got->focus))
                                            .arg(got->warning.style)
                                      : QString();
            QCOMPARE(std::pair(entry, shown), std::pair(entry, refusal));
        }
    }

    // Guards against arrows that show the placeholder in create mode, do not wrap round between the
    // lowest index and navLast, or keep a position each.
    void arrowsStepAndWrapRound()
    {
        const std::tuple<qint16, qint16, QString, QString> rows[]
            = {// lowest, upper bound, clicks, shown
               {1, 3, "LLLL", "3 2 1 3"},    {1, 3, "RRRR", "1 2 3 1"},
               {0, 3, "LLLLL", "3 2 1 0 3"}, {0, 3, "RRRRR", "0 1 2 3 0"},
               {1, 1, "LLRR", "1 1 1 1"},    {0, 0, "RRLL", "0 0 0 0"},
               {1, 3, "LLRR", "3 2 3 1"},    {0, 3, "RLL", "0 3 2"},
               {1, 3, "LLaR", "3 2 1"}}; // a: the add button
        for (const auto &[lowest, upperBound, clicks, shown] : rows) {
            Browsing browsing;
            QStringList got;
            for (const QChar click : clicks) {
                if (click == u'a')
                    browsing.stop();
                else
                    got.append(QString::number(click == u'L' ? browsing.left(upperBound, lowest)
                                                             : browsing.right(upperBound, lowest)));
            }
            QCOMPARE(std::tuple(lowest, upperBound, clicks, got.join(u' ')),
                     std::tuple(lowest, upperBound, clicks, shown));
        }
    }
};

QTEST_GUILESS_MAIN(EditorRulesTest)
#include "test_editor_rules.moc"
