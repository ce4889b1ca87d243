// Playing words in the real main window: guessing, the gallows, winning, losing, hints and the
// difficult words.
#include "storage/thai_codepage.h"
#include "support/windows.h"
#include "ui/twips.h"

using namespace testing;

namespace {

QImage stagePicture(const ProgramFolder &folder, int stage) {
  return QPixmap(folder.filePath(QStringLiteral("0%1.jpg").arg(stage))).toImage();
}
QImage picture(GameWindow *window) { return control<QLabel>(window, "imgPindrel")->pixmap().toImage(); }
QString shownSlots(GameWindow *window) { // "_" for an empty slot
  QString shown;
  for (int i = 1; i <= window->strWord.size(); ++i)
    shown += caption(window, QStringLiteral("Word_%1").arg(i)).leftJustified(1, u'_');
  return shown;
}

} // namespace

class GamePlayTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a letter that fills only its first place or counts twice, stages out of
  // step, a ninth wrong letter that does not lose, a win tested before the letters are
  // counted, words beyond the keys that can be won, typing that acts after the game, hints
  // taken out of order or twice, score arithmetic that goes wrong below zero, and a next word
  // that keeps slots, keys, hints, the panel or the picture of the last.
  void typedLettersPlayTheWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed"); // letters, and 1 and 2 for a click on a hint button
    QTest::addColumn<QString>("filled");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("after"); // the board
    const QString wonBoard = QStringLiteral("panel 1, keys 0, hints 00, score 2, list 0");
    const QString inPlay = QStringLiteral("panel 0, keys %1, hints 10, score 0, list 0");
    QTest::newRow("repeated letter") << "book" << "oo" << "_OO_" << 0 << "" << inPlay.arg(25);
    QTest::newRow("ninth wrong loses") << "Cat" << "bdefghijkca" << "___" << 9
                                       << "You've Lost! \n\rThe Word Was CAT"
                                       << "panel 1, keys 0, hints 00, score 0, list 1";
    QTest::newRow("win at eight wrong") << "ox" << "oabcdefghX" << "OX" << 8 << "You've Won!" << wonBoard;
    QTest::newRow("hyphen") << "ice-cream" << "icream" << "ICE_CREAM" << 0 << "" << inPlay.arg(20);
    QTest::newRow("one letter") << "a" << "a" << "A" << 0 << "You've Won!" << wonBoard;
    QTest::newRow("empty word") << "" << "q" << "" << 1 << "You've Won!" << wonBoard;
    QTest::newRow("hint 2 only after hint 1") << "book" << "21o" << "_OO_" << 0 << ""
                                              << "panel 0, keys 25, hints 01, score -1, list 0";
    QTest::newRow("two hints, then a win") << "ox" << "12ox" << "OX" << 0 << "You've Won!"
                                           << "panel 1, keys 0, hints 00, score 0, list 0";
    QTest::newRow("two hints, then a loss") << "ox" << "12abcdefghi" << "__" << 9
                                            << "You've Lost! \n\rThe Word Was OX"
                                            << "panel 1, keys 0, hints 00, score -2, list 1";
  }
  void typedLettersPlayTheWord() {
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, filled);
    QFETCH(QString, after);
    ProgramFolder folder;
    auto *window = startGameOn(folder, word + QStringLiteral("|h1|h2|m|s\r\n"));
    for (const QChar c : typed) {
      c.isDigit() ? click(window, c == u'1' ? "cmdHint01" : "cmdHint02") : QTest::keyClicks(window, c);
      QCOMPARE(picture(window), stagePicture(folder, window->intWrongGuesses));
    }
    QCOMPARE(caption(window, "lblHint01"), typed.contains(u'1') ? "h1" : "");
    QCOMPARE(caption(window, "lblHint02"), typed.contains(u"12") ? "h2" : "");
    QCOMPARE(shownSlots(window), filled);
    QTEST(int(window->intWrongGuesses), "wrong");
    QTEST(caption(window, "Label1"), "result");
    QCOMPARE(board(window), after);

    click(window, "Command1_0"); // the same word again, on a clean board
    QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, ") + after.section(", ", 3));
    QCOMPARE(caption(window, "lblHint01") + caption(window, "lblHint02"), QString());
    QCOMPARE(picture(window), stagePicture(folder, 0));
    QCOMPARE(shownSlots(window), QString(word.size(), u'_'));
    const auto slotLabels = window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Word_")));
    QCOMPARE(slotLabels.size(), qMax<qsizetype>(1, word.size()));
  }

  // Guards against a hint the player paid for that cannot be read whole: cut off at the box's
  // edge, wrapped out of it, or cut without its whole text at hand. Every built-in hint and
  // hints of 60 English and Thai characters fit the box at 7 to 8 points; only a hint that
  // cannot (60 capital Ws) is cut with "…".
  void everyHintIsReadWholeInItsBox() {
    ProgramFolder folder;
    QString lines;
    for (const char *name : {"school.txt", "house.txt", "animals.txt"})
      lines += thai_codepage::decode(folder.read(QString::fromLatin1(name)));
    const QString english = QStringLiteral("The subject where you learn about plants, animals and light.");
    const QString thai = QStringLiteral("สัตว์เลี้ยงตัวเล็กที่ชอบไล่จับหนู ร้องเหมียวเหมียว ชอบนอนกลางวันบนโซฟา").left(60);
    const QString tooWide(60, u'W');
    lines += QStringLiteral("zzz|%1|%2|m|s\r\nqqq|%3|x|m|s\r\n").arg(english, thai, tooWide);
    auto *window = startGameOn(folder, lines);
    QCOMPARE(english.size() + thai.size(), 120);
    const QRect boxes[] = {ui::twipsRect(4680, 2360, 3615, 375), ui::twipsRect(4680, 2760, 3615, 375)};
    QStringList cut;
    for (int game = 0; game < window->intWordCount; ++game) {
      click(window, "cmdHint01");
      click(window, "cmdHint02");
      for (int i = 0; i < 2; ++i) {
        const auto *label = control<QLabel>(window, i == 0 ? "lblHint01" : "lblHint02");
        const QString hint = i == 0 ? window->strHint01 : window->strHint02;
        QCOMPARE(label->geometry(), boxes[i]);
        QVERIFY2(label->sizeHint().width() <= label->width() && label->font().pointSizeF() >= 7,
                 qPrintable(hint));
        if (label->text() != hint) {
          cut.append(hint);
          QVERIFY(label->text().endsWith(u'…'));
          QCOMPARE(label->toolTip() + label->accessibleDescription(), hint + hint);
        }
      }
      winGame(window);
      click(window, "Command1_0");
    }
    QCOMPARE(cut.join(u"\n"), tooWide);
  }

  // Guards against a score cut off (four digits and a sign did not fit), or a score label that
  // leaves its centre, covers the letter keys or passes the window's edge.
  void scoreShowsWholeDownToItsLowest() {
    ProgramFolder folder;
    auto *window = startGameOn(folder, QStringLiteral("a|h|h|m|s\r\n"));
    const auto *score = control<QLabel>(window, "lblScore");
    const QRect design = ui::twipsRect(7320, 600, 855, 855);
    const QRect keys = control<QLabel>(window, "Letter_12")->geometry();
    for (int game = 1; game <= 16385; ++game) { // two hints and a loss: 2 points each
      click(window, "cmdHint01");
      click(window, "cmdHint02");
      QTest::keyClicks(window, "bcdefghij");
      if (game == 1931 || game == 16385) {
        QCOMPARE(score->text(), game == 1931 ? QStringLiteral("-3862") : QStringLiteral("-32768"));
        QVERIFY(score->sizeHint().width() <= score->width());
        QCOMPARE(score->x() * 2 + score->width(), design.x() * 2 + design.width());
        QCOMPARE(QList<int>({score->y(), score->height()}), QList<int>({design.y(), design.height()}));
        QVERIFY(score->x() > keys.right() && score->geometry().right() < score->parentWidget()->width());
      }
      click(window, "Command1_0");
    }
  }

  // Guards against a letter typed with Alt, Ctrl or Meta (a menu key or a shortcut) taken for a
  // guess; Shift is only a capital.
  void onlyPlainOrShiftedLettersAreGuesses() {
    ProgramFolder folder;
    auto *window = startGameOn(folder, QStringLiteral("cat|h1|h2|m|s\r\n"));
    for (const Qt::KeyboardModifier held : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier})
      for (const Qt::Key key : {Qt::Key_A, Qt::Key_E})
        QTest::keyClick(window, key, held);
    QCOMPARE(board(window), QStringLiteral("panel 0, keys 26, hints 10, score 0, list 0"));
    QTest::keyClick(window, Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_E, Qt::ShiftModifier);
    QCOMPARE(shownSlots(window), QStringLiteral("_A_"));
    QCOMPARE(board(window), QStringLiteral("panel 0, keys 24, hints 10, score 0, list 0"));
  }

  // Guards against a list and its meanings that drift apart, a popup that will not reopen,
  // text cut off in it (long text wraps and the popup grows downward), and type-ahead in the
  // list taking the player's letters.
  void lostWordsKeepTheirOwnMeanings() {
    ProgramFolder folder;
    const QString sentence = QStringLiteral("This example sentence is much too long to stand on the "
                                            "two lines that the label was designed with, so it wraps.");
    auto *window = startGameOn(folder, QStringLiteral("cat|h|h|แมว|") + sentence + QStringLiteral("\r\n"));
    loseGame(window);
    click(window, "Command1_0");
    window->strMeaning = QStringLiteral("M"); // as if the file had changed in between
    loseGame(window);
    QListWidget *list = control<QListWidget>(window, "lstDifficultWords");
    QCOMPARE(list->count(), 2);

    list->setCurrentRow(1);
    QWidget *popup = form("frmShowMeaning");
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(caption(popup, "lblMeaning"), QStringLiteral("CAT:   M"));
    auto *label = control<QLabel>(popup, "lblSentence");
    QCOMPARE(label->text(), sentence);
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(control<QPushButton>(popup, "cmdOK")->geometry().top() >= label->geometry().bottom());

    list->setCurrentRow(0);
    QCOMPARE(caption(popup, "lblMeaning"), QStringLiteral("CAT:   แมว"));
    click(popup, "cmdOK");
    QVERIFY(!popup->isVisible());
    selectItem(list, QStringLiteral("CAT"));
    QVERIFY(popup->isVisible());

    click(window, "Command1_0");
    list->clearSelection();
    list->setFocus();
    QTest::keyClick(list, 'c');
    QCOMPARE(window->intLettersFound, qint16(1));
    QVERIFY(list->selectedItems().isEmpty());
  }
};

WINDOWS_TEST_MAIN(GamePlayTest)
#include "test_game_play.moc"
