// Playing words in the real main window: guessing, the gallows, winning, losing, hints and the
// difficult words.
#include "support/board.h"
#include "support/game.h"
#include "support/program_folder.h"
#include "ui/forms.h"

#include <QFrame>
#include <QPushButton>
#include <QtTest>

using namespace testing;

namespace {

QImage stagePicture(const ProgramFolder &folder, int stage) {
  return QPixmap(folder.filePath(QStringLiteral("0%1.jpg").arg(stage))).toImage();
}
QImage picture(GameWindow *window) {
  return control<QLabel>(window, "imgPindrel")->pixmap().toImage();
}
QString shownSlots(GameWindow *window) { // "_" for an empty slot
  QString shown;
  for (int i = 1; i <= window->strWord.size(); ++i)
    shown += caption(window, QStringLiteral("Word_%1").arg(i)).leftJustified(1, u'_');
  return shown;
}
QWidget *meaningPopup() { return ui::forms::find(QStringLiteral("frmShowMeaning")); }

} // namespace

class GamePlayTest : public QObject {
  Q_OBJECT

private slots:
  void init() { GameWindow::setSeedSource([] { return 11u; }); }
  void cleanup() { unloadAllForms(); }

  // Guards against a letter that fills only its first place or counts twice, stages out of
  // step, a ninth wrong letter that does not lose, a win tested before the letters are
  // counted, words beyond the keys that can be won, typing that acts after the game, and a
  // next word that keeps slots, keys, the panel or the picture of the last.
  void typedLettersPlayTheWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("keysLeft");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("score");
    const QString won = QStringLiteral("You've Won!");
    QTest::newRow("repeated letter") << "book" << "oo" << "_OO_" << 0 << 25 << "" << 0;
    QTest::newRow("ninth wrong loses") << "Cat" << "bdefghijkca" << "___" << 9 << 0
                                       << "You've Lost! \n\rThe Word Was CAT" << 0;
    QTest::newRow("win at eight wrong") << "ox" << "oabcdefghX" << "OX" << 8 << 0 << won << 2;
    QTest::newRow("hyphen") << "ice-cream" << "icream" << "ICE_CREAM" << 0 << 20 << "" << 0;
    QTest::newRow("one letter") << "a" << "a" << "A" << 0 << 0 << won << 2;
    QTest::newRow("empty word") << "" << "q" << "" << 1 << 0 << won << 2;
  }
  void typedLettersPlayTheWord() {
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, filled);
    QFETCH(int, wrong);
    QFETCH(int, keysLeft);
    QFETCH(QString, result);
    QFETCH(int, score);
    ProgramFolder folder;
    auto *window = startGameOn(folder, word + QStringLiteral("|h1|h2|m|s\r\n"));
    for (const QChar c : typed) {
      press(window, c);
      QCOMPARE(picture(window), stagePicture(folder, window->intWrongGuesses));
    }
    QCOMPARE(shownSlots(window), filled);
    QCOMPARE(window->intLettersFound, qint16(filled.size() - filled.count(u'_')));
    QCOMPARE(window->intWrongGuesses, qint16(wrong));
    QCOMPARE(enabledKeys(window), keysLeft);
    QCOMPARE(control<QFrame>(window, "Frame1")->isVisibleTo(window), !result.isEmpty());
    QCOMPARE(caption(window, "Label1"), result);
    QCOMPARE(control<QPushButton>(window, "cmdHint01")->isEnabled(), result.isEmpty());
    QCOMPARE(caption(window, "lblScore"), QString::number(score));
    const QListWidget *list = difficultWords(window);
    QCOMPARE(list->count() ? list->item(0)->text() : QString(), wrong == 9 ? window->strWord : "");

    click(control<QPushButton>(window, "Command1_0")); // the same word again, on a clean board
    QVERIFY(!control<QFrame>(window, "Frame1")->isVisibleTo(window));
    QCOMPARE(picture(window), stagePicture(folder, 0));
    QCOMPARE(shownSlots(window), QString(word.size(), u'_'));
    const auto slotLabels = window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Word_")));
    QCOMPARE(slotLabels.size(), std::max(qsizetype(1), word.size()));
    QCOMPARE(enabledKeys(window), 26);
    QCOMPARE(caption(window, "lblScore"), QString::number(score));
  }

  // Guards against hints taken out of order or twice, hint labels kept into the next word,
  // and score arithmetic that goes wrong below zero.
  void hintsCostAPointEachInOrder() {
    ProgramFolder folder;
    auto *window = startGameOn(folder, QStringLiteral("ox|first hint||m|s\r\n"));
    auto *hint1 = control<QPushButton>(window, "cmdHint01");
    auto *hint2 = control<QPushButton>(window, "cmdHint02");
    // Which hint buttons are enabled, the two hint labels and the score.
    const auto board = [&] {
      return QStringList{QString::number(hint1->isEnabled()) + QString::number(hint2->isEnabled()),
                         caption(window, "lblHint01"), caption(window, "lblHint02"),
                         caption(window, "lblScore")}.join(u'/');
    };
    QCOMPARE(board(), QStringLiteral("10///0"));
    hint1->click();
    QCOMPARE(board(), QStringLiteral("01/first hint//-1"));
    hint2->click();
    QCOMPARE(board(), QStringLiteral("00/first hint//-2"));
    press(window, QStringLiteral("ox"));
    QCOMPARE(board(), QStringLiteral("00/first hint//0"));
    click(control<QPushButton>(window, "Command1_0"));
    QCOMPARE(board(), QStringLiteral("10///0"));
    hint1->click();
    hint2->click();
    loseGame(window);
    QCOMPARE(board(), QStringLiteral("00/first hint//-2"));
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
    click(control<QPushButton>(window, "Command1_0"));
    window->strMeaning = QStringLiteral("M"); // as if the file had changed in between
    loseGame(window);
    QListWidget *list = difficultWords(window);
    QCOMPARE(list->count(), 2);

    list->setCurrentRow(1);
    QWidget *popup = meaningPopup();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(caption(popup, "lblMeaning"), QStringLiteral("CAT:   M"));
    auto *label = control<QLabel>(popup, "lblSentence");
    QCOMPARE(label->text(), sentence);
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(popup->height() > 122);
    QCOMPARE(popup->width(), 276);
    QVERIFY(control<QPushButton>(popup, "cmdOK")->geometry().top() >= label->geometry().bottom());

    list->setCurrentRow(0);
    QCOMPARE(caption(popup, "lblMeaning"), QStringLiteral("CAT:   แมว"));
    control<QPushButton>(popup, "cmdOK")->click();
    QVERIFY(!popup->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QVERIFY(popup->isVisible());
    QCOMPARE(meaningPopup(), popup);

    click(control<QPushButton>(window, "Command1_0"));
    list->clearSelection();
    list->setFocus();
    QTest::keyClick(list, 'c');
    QCOMPARE(window->intLettersFound, qint16(1));
    QVERIFY(list->selectedItems().isEmpty());
  }
};

QTEST_MAIN(GamePlayTest)
#include "test_game_play.moc"
