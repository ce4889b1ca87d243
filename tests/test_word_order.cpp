// The word order, the guess rule and the 16-bit arithmetic of the game.
#include "game/guess.h"
#include "game/int16.h"
#include "game/word_order.h"

#include <QtTest>

class WordOrderTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against an order that repeats or drops a record (32,766 records is the most a game
  // can take), ignores its seed, or favours some orders.
  void seededOrdersHoldEveryRecordOnceUniformly() {
    QRandomGenerator a(99), b(99);
    const QList<qint16> order = word_order::draw(32766, a);
    QCOMPARE(order, word_order::draw(32766, b));
    QList<qint16> sorted = order, expected(32767);
    std::sort(sorted.begin() + 1, sorted.end()); // element 0 is unused: the records count from 1
    std::iota(expected.begin(), expected.end(), qint16(0));
    QCOMPARE(sorted, expected);
    QRandomGenerator generator(2026);
    QMap<QList<qint16>, int> seen;
    for (int i = 0; i < 6000; ++i)
      ++seen[word_order::draw(3, generator)];
    QCOMPARE(seen.size(), 6);
    for (const int count : seen)
      QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
  }

  // Guards against a letter found only once, a search that is not exact, typed characters that
  // reach the wrong key, or non-letters that guess.
  void lettersFindTheirPlacesAndTheirKeys() {
    QCOMPARE(guess::positionsOf(QStringLiteral("SHEEP"), u'E'), (QList<qsizetype>{3, 4}));
    QCOMPARE(guess::positionsOf(QStringLiteral("cat"), u'C'), QList<qsizetype>());
    const std::pair<int, int> keys[] = {{'A', 0}, {'Z', 25}, {'q', 16}, {'Q', 16}, {'@', -1},
                                        {'[', -1}, {'`', -1}, {'{', -1}, {'5', -1}, {0x0E01, -1}};
    for (const auto &[code, key] : keys) // the code stands beside the result to name the case
      QCOMPARE(std::pair(code, guess::keyIndexOf(code)), std::pair(code, key));
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
