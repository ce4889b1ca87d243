// The word order, the guess rule and the 16-bit arithmetic of the game.
#include "game/guess.h"
#include "game/int16.h"
#include "game/word_order.h"

#include <QtTest>

class WordOrderTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against an order that repeats or drops a record.
  void orderHoldsEveryRecordOnce_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("hundreds") << 317;
    QTest::newRow("the limit") << 32766;
  }
  void orderHoldsEveryRecordOnce() {
    QFETCH(int, n);
    QRandomGenerator generator(42);
    const QList<qint16> order = word_order::draw(static_cast<qint16>(n), generator);
    QCOMPARE(order.size(), n + 1);
    QCOMPARE(order[0], qint16(0));
    QList<qint16> sorted = order.mid(1);
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < n; ++k)
      QCOMPARE(sorted[k], qint16(k + 1));
  }

  // Guards against an order that ignores its seed, or a shuffle that favours some orders.
  void seededOrdersAreReproducibleAndUniform() {
    QRandomGenerator a(99);
    QRandomGenerator b(99);
    QCOMPARE(word_order::draw(50, a), word_order::draw(50, b));

    QRandomGenerator generator(2026);
    QMap<QList<qint16>, int> seen;
    constexpr int draws = 6000;
    for (int i = 0; i < draws; ++i)
      ++seen[word_order::draw(3, generator)];
    QCOMPARE(seen.size(), 6);
    for (const int count : seen)
      QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
  }

  // Guards against a letter found only once, or a search that is not exact.
  void everyPositionOfALetterIsFound_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QList<qsizetype>>("positions");
    QTest::newRow("book o") << QStringLiteral("BOOK") << QChar('O') << QList<qsizetype>{2, 3};
    QTest::newRow("sheep e") << QStringLiteral("SHEEP") << QChar('E') << QList<qsizetype>{3, 4};
    QTest::newRow("absent") << QStringLiteral("CAT") << QChar('Z') << QList<qsizetype>{};
    QTest::newRow("case exact") << QStringLiteral("cat") << QChar('C') << QList<qsizetype>{};
    QTest::newRow("empty word") << QString() << QChar('A') << QList<qsizetype>{};
  }
  void everyPositionOfALetterIsFound() {
    QFETCH(QString, word);
    QFETCH(QChar, letter);
    QFETCH(QList<qsizetype>, positions);
    QCOMPARE(guess::positionsOf(word, letter), positions);
  }

  // Guards against typed characters that reach the wrong key, or non-letters that guess.
  void typedCharactersFindTheirKey_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("key");
    QTest::newRow("A") << 65 << 0;
    QTest::newRow("Z") << 90 << 25;
    QTest::newRow("q") << int('q') << 16;
    QTest::newRow("Q") << int('Q') << 16;
    QTest::newRow("@") << 64 << -1;
    QTest::newRow("[") << 91 << -1;
    QTest::newRow("`") << 96 << -1;
    QTest::newRow("{") << 123 << -1;
    QTest::newRow("digit") << int('5') << -1;
    QTest::newRow("thai") << 0x0E01 << -1;
  }
  void typedCharactersFindTheirKey() {
    QFETCH(int, code);
    QFETCH(int, key);
    QCOMPARE(guess::keyIndexOf(code), key);
  }

  // Guards against a score that wraps round from the highest value to the lowest.
  void arithmeticStopsAtTheEdges() {
    QCOMPARE(int16::add(32766, 2), qint16(32767));
    QCOMPARE(int16::add(-32767, -2), qint16(-32768));
    QCOMPARE(int16::add(-1, -1), qint16(-2));
    QCOMPARE(int16::add(32767, -1), qint16(32766));
  }
};

QTEST_GUILESS_MAIN(WordOrderTest)
#include "test_word_order.moc"
