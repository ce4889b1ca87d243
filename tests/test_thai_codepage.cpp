// The Thai code page at the file's edge.
#include "storage/thai_codepage.h"

#include <QtTest>

class ThaiCodepageTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against a byte that changes on its way through a read and a write, and a wrong
  // table: Thai letters, marks, digits, the Windows extras, and the bytes with no character of
  // their own, which must still come back as they were.
  void everyByteRoundTripsThroughItsCharacter() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      all.append(static_cast<char>(b));
    const QString text = thai_codepage::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(thai_codepage::encode(text).value_or(QByteArray()), all);
    const std::pair<int, int> characters[] = {
        {0xA1, 0x0E01}, {0xD3, 0x0E33}, {0xDA, 0x0E3A}, {0xDF, 0x0E3F}, {0xE1, 0x0E41},
        {0xE8, 0x0E48}, {0xF0, 0x0E50}, {0xFB, 0x0E5B}, {0x80, 0x20AC}, {0x85, 0x2026},
        {0x91, 0x2018}, {0x97, 0x2014}, {0xA0, 0x00A0}, {0x7C, 0x007C}, {0xDB, 0xF7DB},
        {0xFF, 0xF7FF}, {0x81, 0xF781}};
    for (const auto &[byte, character] : characters) // the byte stands beside its character
      QCOMPARE(std::pair(byte, int(text.at(byte).unicode())), std::pair(byte, character));
  }

  // Guards against '?' written in place of a character the code page cannot hold.
  void charactersOutsideTheCodePageAreRefused() {
    const std::pair<QString, int> texts[] = { // each with the first character it cannot hold
        {"cat 😺", 4}, {"猫", 0}, {"café", 3}, {QString(QChar(0x0E3B)), 0}, {"cat|แมว", -1}};
    for (const auto &[text, position] : texts) {
      QCOMPARE(std::pair(text, int(thai_codepage::firstUnencodable(text))), std::pair(text, position));
      QCOMPARE(std::pair(text, thai_codepage::encode(text).has_value()), std::pair(text, position < 0));
    }
  }
};

QTEST_GUILESS_MAIN(ThaiCodepageTest)
#include "test_thai_codepage.moc"
