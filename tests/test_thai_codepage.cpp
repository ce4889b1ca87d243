// The Thai code page at the file's edge.
#include "storage/thai_codepage.h"

#include <QtTest>

class ThaiCodepageTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against a byte that changes on its way through a read and a write.
  void everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      all.append(static_cast<char>(b));
    const QString text = thai_codepage::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(thai_codepage::encode(text).value_or(QByteArray()), all);
  }

  // Guards against a wrong table: Thai letters, marks, digits, the Windows extras, and the
  // bytes with no character of their own, which must still come back as they were.
  void bytesDecodeToTheirCharacters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    const std::pair<int, int> rows[] = {
        {0xA1, 0x0E01}, {0xD3, 0x0E33}, {0xDA, 0x0E3A}, {0xDF, 0x0E3F}, {0xE1, 0x0E41},
        {0xE8, 0x0E48}, {0xF0, 0x0E50}, {0xFB, 0x0E5B}, {0x80, 0x20AC}, {0x85, 0x2026},
        {0x91, 0x2018}, {0x97, 0x2014}, {0xA0, 0x00A0}, {0x7C, 0x007C}, {0xDB, 0xF7DB},
        {0xFF, 0xF7FF}, {0x81, 0xF781}};
    for (const auto &[byte, character] : rows)
      QTest::addRow("0x%X", byte) << byte << character;
  }
  void bytesDecodeToTheirCharacters() {
    QFETCH(int, byte);
    QFETCH(int, character);
    const QString text = thai_codepage::decode(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(int(text.at(0).unicode()), character);
  }

  // Guards against '?' written in place of a character the code page cannot hold.
  void charactersOutsideTheCodePageAreRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("emoji") << QStringLiteral("cat 😺") << 4;
    QTest::newRow("chinese") << QStringLiteral("猫") << 0;
    QTest::newRow("e acute") << QStringLiteral("café") << 3;
    QTest::newRow("thai gap U+0E3B") << QString(QChar(0x0E3B)) << 0;
    QTest::newRow("plain") << QStringLiteral("cat|แมว") << -1;
  }
  void charactersOutsideTheCodePageAreRefused() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QCOMPARE(thai_codepage::firstUnencodable(text), qsizetype(position));
    QCOMPARE(thai_codepage::encode(text).has_value(), position < 0);
  }
};

QTEST_GUILESS_MAIN(ThaiCodepageTest)
#include "test_thai_codepage.moc"
