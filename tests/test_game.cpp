// The game without its window: the play of a word, hints, score, word order, difficult words.
#include "game/game.h"
#include "game/word_order.h"

#include <QtTest>

namespace {

// Entries joined by ";", fields by "/": word, hint one, hint two, meaning, sentence.
QList<VocabEntry> vocabulary(const QString &text)
{
    QList<VocabEntry> entries;
    for (const QString &line : text.split(u';')) {
        const QStringList f = line.split(u'/');
        entries.append({f.value(0), f.value(1), f.value(2), f.value(3), f.value(4)});
    }
    return entries;
}

const QString book = QStringLiteral("book/read it/pages/a thing to read/I read a book.");
const QString catDog = QStringLiteral("cat/meow/pet/แมว/The cat sleeps.;Dog/woof/pet/หมา/");
const QString request
    = QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ");
// Both lose at once: nine letters that CAT has not, then nine that DOG has not.
const QString loseCat = QStringLiteral("bdefhijkl"), loseDog = QStringLiteral("abcefhijk");
// With this seed the first words of a vocabulary are played in the file's order.
constexpr quint32 fileOrderSeed = 5;

} // namespace

class GameTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { game::setSeedSource({}); }

    // Guards against a letter found once or counted twice, stages off by one, a ninth wrong guess
    // that does not lose or an eighth that does, wrong score changes or no 16-bit saturation, hints
    // out of order or twice, speech before the end, an order whose last word never comes, lost
    // words listed once or apart from their meanings, the popup decided by where a word came from,
    // a category choice that keeps list, score or order, and emptyDiffList touching arrDiffInfo.
    void scriptPlaysToItsState_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<bool>("builtIn");
        QTest::addColumn<QString>("script"); // typed characters; 1, 2 hints; > next; # category; ? custom
        QTest::addColumn<QStringList>("expected"); // name=value, as the facts below name them
        QTest::addColumn<quint32>("seed");
        const auto row = [](const char *tag, const QString &entries, bool builtIn, const QString &script,
                            const QStringList &expected, quint32 seed = fileOrderSeed) {
            QTest::newRow(tag) << entries << builtIn << script << expected << seed;
        };
        const QString bookLost = QStringLiteral("lookup=BOOK:   a thing to read|I read a book.");
        // Seed 9 draws the order 2, 3, 1.
        row("three words in their order, then again",
            "Ant/a1/a2/am/as;bee/b1/b2/bm/bs;Cat/c1/c2/cm/cs", true, ">>>>>>",
            {"played=BEE,CAT,ANT,BEE,CAT,ANT,BEE", "entry=BEE/b1/b2/bm/bs", "next=2"}, 9);
        row("one word again and again", book, true, ">>", {"played=BOOK,BOOK,BOOK", "next=1"});
        row("repeated letter fills its slots at once", book, true, "oO",
            {"word=BOOK", "slots=_OO_", "found=2", "wrong=0", "keys=25", "outcome=playing", "spoken="});
        row("eight wrong guesses go on", book, true, "cdefghij",
            {"wrong=8", "outcome=playing", "stages=1,2,3,4,5,6,7,8", "list=", "keys=18", "spoken="});
        row("ninth wrong guess loses", book, true, "cdefghijl",
            {"outcome=lost", "stages=1,2,3,4,5,6,7,8,9", "score=0", "list=BOOK", "keys=0",
             "hints=00", "info=a thing to read/I read a book.", bookLost,
             "heard=book+I read a book.", "spoken=book+I read a book."});
        row("nothing counts after a win", book, true, "obkzcdefghijl12",
            {"outcome=won", "wrong=0", "stages=", "score=2", "list="});
        row("second hint only after the first", book, true, "2", {"score=0", "hints=10"});
        row("each hint once", book, true, "1122", {"score=-2", "hints=00"});
        row("sign other than a letter", "t-rex", false, "trexabcdfghij",
            {"slots=T_REX", "found=4", "outcome=lost"});
        row("empty word won by a first key", "/a/b", false, "q",
            {"stages=1", "wrong=1", "outcome=won", "score=2"});
        row("score stops at its highest", "a", false, QStringLiteral("a>").repeated(16385),
            {"score=32767"});
        row("score stops at its lowest", "a", false, QStringLiteral("12bcdefghij>").repeated(16385),
            {"score=-32768"});
        row("word lost twice listed twice", book, true, "cdefghijl>cdefghijl",
            {"list=BOOK,BOOK", "info=a thing to read,a thing to read/I read a book.,I read a book.",
             bookLost + ";BOOK:   a thing to read|I read a book."});
        row("meanings stay beside their words", catDog, true, loseCat + ">" + loseDog,
            {"list=CAT,DOG", "info=แมว,หมา/The cat sleeps.,",
             "lookup=CAT:   แมว|The cat sleeps.;DOG:   หมา|", "heard=cat+The cat sleeps.;dog",
             "spoken=dog"});
        row("category empties the list alone", catDog, true, "cat>" + loseDog + "#",
            {"list=", "info=หมา/", "score=0", "word=CAT", "next=2", "outcome=playing", "keys=26",
             "hints=10", "stages="});
        row("lost word after a category has its meaning", catDog, true,
            loseCat + ">" + loseDog + "#cat>" + loseDog,
            {"list=DOG", "info=หมา/", "lookup=DOG:   หมา|", "score=2"});
        row("custom vocabulary takes no meaning", catDog, false, loseCat,
            {"meaning=|", "lookup=|" + request, "heard=cat", "spoken=cat", "use=birds.txt custom"});
        row("category after a custom vocabulary", catDog, false, "#" + loseCat,
            {"builtIn=1", "use=house.txt built-in", "lookup=CAT:   แมว|The cat sleeps."});
        row("custom command: no meaning taken or shown", catDog, true, loseCat + "?>" + loseDog,
            {"builtIn=0", "list=DOG", "meaning=แมว|The cat sleeps.", "info=แมว/The cat sleeps.",
             "lookup=|" + request, "heard=dog", "spoken=dog", "use=birds.txt built-in"});
        // R plays the review list; nine letters that neither CAT nor DOG has lose either. A lost
        // word keeps its meaning there.
        const QString loseBook = "cdefghijl", loseEither = "befhijklm";
        const QString winAny = "antbecow", loseAny = "dfghijklm"; // ANT, BEE or COW
        row("a word lost twice joins the review once, case ignored", "Cat/a/b/m/s;cAT/c/d", false,
            loseEither + ">" + loseEither + ">", {"review=Cat/1"});
        row("won outside the review, its box stays", book, true, loseBook + ">bok", {"review=book/1"});
        row("won from the review, up a box", book, true, loseBook + "Rbok",
            {"review=book/2", "use=review.txt built-in"});
        row("won from the last box, known and gone", book, true, loseBook + "Rbok>bok>bok", {"review="});
        row("lost from the review, back to the first box", book, true, loseBook + "Rbok>bok>" + loseBook,
            {"review=book/1", "lookup=BOOK:   a thing to read|I read a book."});
        // With seed 9 an order drawn without the boxes would deal the box-2 word second.
        row("the review deals box 1 first", "ant;bee;cow", true,
            loseAny + ">" + loseAny + ">" + loseAny + "R" + winAny + "R", {"dealt=1,1,2"}, 9);
        row("in the review a user's word has no meaning", "owl/h/w", false, "abcdefghiRabcdefghi",
            {"lookup=|" + request, "review=owl/1", "builtIn=1"});
    }
    void scriptPlaysToItsState()
    {
        QFETCH(QString, entries);
        QFETCH(bool, builtIn);
        QFETCH(QString, script);
        QFETCH(QStringList, expected);
        QFETCH(quint32, seed);
        game::setSeedSource([seed] { return seed; });
        game::Game g;
        const game::GameState &s = g.state();
        g.ResetBoard();
        g.TakeVocabulary({builtIn, QStringLiteral("birds.txt")}, vocabulary(entries));
        g.SelectWord();
        QString shown;
        QStringList stages, played;
        const auto newWord = [&] {
            shown.fill(u'_', s.strWord.size());
            stages.clear();
            played.append(s.strWord);
        };
        const QHash<QChar, std::function<void()>> commands {
            {u'1', [&] { g.TakeHint01(); }},
            {u'2', [&] { g.TakeHint02(); }},
            {u'?', [&] { g.mnuCustVocab_Click(); }},
            {u'R', [&] { g.ChooseReview(); }},
            {u'>', [&] { g.StartNextWord(); }},
            {u'#', [&] { g.ChooseCategory(QStringLiteral("house.txt"), vocabulary(entries)); }}};
        newWord();
        for (const QChar step : script) {
            if (commands.contains(step)) {
                commands[step]();
                if (QStringLiteral("R>#").contains(step)) // a new word
                    newWord();
                continue;
            }
            const int key = game::keyIndexOf(step.unicode());
            const game::GuessResult result = g.Guess(key);
            for (const qsizetype p : result.positions)
                shown[p - 1] = game::keyLetter(key);
            if (result.stage >= 0)
                stages.append(QString::number(result.stage));
        }
        QStringList lookups, heard;
        for (qsizetype j = 0; j < s.difficultWords.size(); ++j) {
            const game::DifficultWord w = g.lookUp(j);
            lookups.append(w.meaningCaption + u'|' + w.sentenceCaption);
            heard.append(w.spoken.join(u'+'));
        }
        const auto n = [](int value) { return QString::number(value); };
        QStringList review;
        for (qsizetype i = 0; i < s.reviewList.size(); ++i)
            review.append(s.reviewList.entries()[i].word + u'/' + n(s.reviewList.boxes()[i]));
        QStringList dealt; // the boxes of the order's records, while the list is as it was dealt
        for (const qint16 record : s.arrWordOrder.mid(1))
            dealt.append(n(s.reviewList.boxes().value(record - 1)));
        int keys = 0;
        for (int i = 0; i < game::keyCount; ++i)
            keys += g.keyEnabled(i);
        const QMap<QString, QString> facts {
            {"word", s.strWord},
            {"slots", shown},
            {"found", n(s.intLettersFound)},
            {"wrong", n(s.intWrongGuesses)},
            {"stages", stages.join(u',')},
            {"outcome", QStringList {"none", "playing", "won", "lost"}.at(int(s.outcome))},
            {"score", n(s.intScore)},
            {"keys", n(keys)},
            {"hints", n(g.canTakeHint01()) + n(g.canTakeHint02())},
            {"next", n(s.intNextWord)},
            {"played", played.join(u',')},
            {"list", s.difficultWords.join(u',')},
            {"entry",
             QStringList {s.strWord, s.strHint01, s.strHint02, s.strMeaning, s.strSentence}.join(u'/')},
            {"info", s.arrDiffInfo[0].join(u',') + u'/' + s.arrDiffInfo[1].join(u',')},
            {"lookup", lookups.join(u';')},
            {"heard", heard.join(u';')},
            {"spoken", g.spokenAfterRound().join(u'+')},
            {"meaning", s.strMeaning + u'|' + s.strSentence},
            {"builtIn", n(s.blnBuiltIn)},
            {"review", review.join(u',')},
            {"dealt", dealt.join(u',')},
            {"use", s.vocabularyInUse.fileName + (s.vocabularyInUse.builtIn ? " built-in" : " custom")}};
        for (const QString &fact : expected) // the name stands beside the value
            QCOMPARE(fact.section(u'=', 0, 0) + u'=' + facts.value(fact.section(u'=', 0, 0), "?"), fact);
    }

    // Guards against an order that repeats or drops a record (32,766 records is the most a game
    // can take), ignores its seed, or favours some orders; and a review's order that deals a box in
    // one order only, or a higher box before a lower (record 2 is in box 2, the others in box 1).
    void seededOrdersHoldEveryRecordOnceUniformly()
    {
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
            ++seen[word_order::dealByBox({1, 2, 1, 1}, generator)];
        QCOMPARE(seen.size(), 6);
        for (const int count : seen)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
    }

    // Guards against a full review list (32,766 words) that grows, drops a word when the word
    // lost is in it already, or drops another than the longest waiting of the highest box.
    void aFullReviewListDropsTheLongestWaitingOfTheHighestBox()
    {
        QList<VocabEntry> entries;
        for (int i = 0; i < 32766; ++i)
            entries.append({QString::number(i), {}, {}, {}, {}});
        // The boxes raised (position:box; the others are in box 1), the word lost, the one dropped.
        const std::tuple<QString, QString, QString> cases[] = {
            {"1:2 9:3 5:3", "new", "5"}, {"7:2 3:2", "new", "3"}, {"", "new", "0"}, {"9:3", "9", ""}};
        for (const auto &[raised, lost, dropped] : cases) {
            QList<qint8> boxes(entries.size(), 1);
            for (const QString &box : raised.split(u' ', Qt::SkipEmptyParts))
                boxes[box.section(u':', 0, 0).toInt()] = qint8(box.section(u':', 1).toInt());
            game::ReviewList list(entries, boxes);
            QVERIFY(list.Lost({lost, {}, {}, {}, {}}));
            QCOMPARE(std::tuple(list.size(), list.entries().last().word, list.boxes().last()),
                     std::tuple(qsizetype(32766), lost, qint8(1)));
            QVERIFY(!list.Won(dropped)); // not in the list
        }
    }

    // Guards against typed characters that reach the wrong key, and signs beside the letters that
    // guess ('@', '[', '`', '{').
    void onlyLettersReachTheirKeys()
    {
        const std::pair<int, int> keys[]
            = {{'A', 0},  {'Z', 25}, {'a', 0},  {'z', 25}, {'q', 16}, {'Q', 16},
               {'@', -1}, {'[', -1}, {'`', -1}, {'{', -1}, {'5', -1}, {0x0E01, -1}};
        for (const auto &[code, key] : keys) // the code stands beside the result to name the case
            QCOMPARE(std::pair(code, game::keyIndexOf(code)), std::pair(code, key));
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"
