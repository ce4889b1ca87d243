// Playing words in the real main window: guessing, the gallows, winning, losing, hints and the
// difficult words.
#include "game/game_window.h"
#include "storage/pindrel_module.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using testing::control;

namespace {

QImage stagePicture(const ProgramFolder &folder, int stage) {
  return QPixmap(folder.filePath(QStringLiteral("0%1.jpg").arg(stage))).toImage();
}

} // namespace

class GamePlayTest : public QObject {
  Q_OBJECT

  GameWindow *startWith(ProgramFolder &folder, const QString &lines) {
    folder.write(QStringLiteral("school.txt"), cp874(lines));
    return ui::forms::Load<GameWindow>();
  }
  // Loads the window with a seed that makes wanted the first word.
  GameWindow *startOn(ProgramFolder &folder, const QString &lines, const QString &wanted) {
    for (quint32 seed = 1; seed < 64; ++seed) {
      GameWindow::setSeedSource([seed] { return seed; });
      GameWindow *window = startWith(folder, lines);
      if (window->strWord == wanted)
        return window;
      testing::unloadAllForms();
    }
    return nullptr;
  }
  static void press(GameWindow *window, const QString &letters) {
    for (const QChar c : letters)
      QTest::keyClick(window, c.toLatin1());
  }
  static QString shownSlots(GameWindow *window) {
    QString shown;
    for (int i = 1; i <= window->strWord.size(); ++i) {
      const QString caption = control<QLabel>(window, QStringLiteral("Word_%1").arg(i))->text();
      shown += caption.isEmpty() ? QStringLiteral("_") : caption;
    }
    return shown;
  }
  static QImage picture(GameWindow *window) {
    return control<QLabel>(window, "imgPindrel")->pixmap().toImage();
  }

private slots:
  void init() { GameWindow::setSeedSource([] { return 11u; }); }
  void cleanup() { testing::unloadAllForms(); }

  // Guards against a letter that fills only its first place or counts once for two.
  void aRepeatedLetterFillsEveryPlace() {
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("book|h1|h2|m|s\r\n"));
    testing::click(control<QLabel>(window, "Letter_14"));
    QCOMPARE(shownSlots(window), QStringLiteral("_OO_"));
    QCOMPARE(window->intLettersFound, qint16(2));
    QVERIFY(!control<QLabel>(window, "Letter_14")->isEnabled());
    press(window, QStringLiteral("o"));
    QCOMPARE(window->intLettersFound, qint16(2));
  }

  // Guards against stages shown out of step, or a ninth wrong letter that does not lose.
  void wrongLettersAdvanceTheGallowsAndTheNinthLoses() {
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("Cat|h1|h2|แมว|The cat sleeps.\r\n"));
    const QString wrong = QStringLiteral("bdefghijk");
    for (int i = 0; i < 8; ++i) {
      press(window, wrong.mid(i, 1));
      QCOMPARE(window->intWrongGuesses, qint16(i + 1));
      QCOMPARE(picture(window), stagePicture(folder, i + 1));
      QVERIFY(!control<QFrame>(window, "Frame1")->isVisibleTo(window));
    }
    press(window, wrong.right(1));
    QCOMPARE(picture(window), stagePicture(folder, 9));
    QVERIFY(control<QFrame>(window, "Frame1")->isVisibleTo(window));
    QCOMPARE(control<QLabel>(window, "Label1")->text(),
             QStringLiteral("You've Lost! \n\rThe Word Was CAT"));
    for (int i = 0; i <= 25; ++i)
      QVERIFY(!control<QLabel>(window, QStringLiteral("Letter_%1").arg(i))->isEnabled());
    QVERIFY(!control<QPushButton>(window, "cmdHint01")->isEnabled());
    QCOMPARE(control<QListWidget>(window, "lstDifficultWords")->item(0)->text(), QStringLiteral("CAT"));
    // After the game typing does nothing.
    press(window, QStringLiteral("ca"));
    QCOMPARE(shownSlots(window), QStringLiteral("___"));
  }

  // Guards against a win test that runs before the found letters are counted, or a stage
  // picture changed by a right guess.
  void theLastLetterWinsEvenAtEightWrong() {
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("ox|h1|h2|m|s\r\n"));
    press(window, QStringLiteral("o") + QStringLiteral("abcdefgh"));
    QCOMPARE(window->intWrongGuesses, qint16(8));
    press(window, QStringLiteral("X"));
    QCOMPARE(control<QLabel>(window, "Label1")->text(), QStringLiteral("You've Won!"));
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("2"));
    QCOMPARE(picture(window), stagePicture(folder, 8));
    QVERIFY(!control<QPushButton>(window, "cmdHint02")->isEnabled());
    QCOMPARE(control<QListWidget>(window, "lstDifficultWords")->count(), 0);
  }

  // Guards against words with other characters that can be completed, and the empty word.
  void wordsBeyondTheKeysAndTheEmptyWord() {
    {
      ProgramFolder folder;
      auto *window = startWith(folder, QStringLiteral("ice-cream|h1|h2|m|s\r\n"));
      press(window, QStringLiteral("icream"));
      QCOMPARE(shownSlots(window), QStringLiteral("ICE_CREAM"));
      QVERIFY(!control<QFrame>(window, "Frame1")->isVisibleTo(window));
      testing::unloadAllForms();
    }
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("|h1|h2|m|s\r\n"));
    press(window, QStringLiteral("q"));
    QCOMPARE(window->intWrongGuesses, qint16(1));
    QCOMPARE(picture(window), stagePicture(folder, 1));
    QCOMPARE(control<QLabel>(window, "Label1")->text(), QStringLiteral("You've Won!"));
  }

  // Guards against hints taken out of order or twice, and score arithmetic that goes wrong
  // below zero.
  void hintsCostAPointEachInOrder() {
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("ox|first hint||m|s\r\n"));
    auto *hint1 = control<QPushButton>(window, "cmdHint01");
    auto *hint2 = control<QPushButton>(window, "cmdHint02");
    QVERIFY(hint1->isEnabled() && !hint2->isEnabled());
    hint1->click();
    QCOMPARE(control<QLabel>(window, "lblHint01")->text(), QStringLiteral("first hint"));
    QVERIFY(!hint1->isEnabled() && hint2->isEnabled());
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("-1"));
    hint2->click();
    QCOMPARE(control<QLabel>(window, "lblHint02")->text(), QString());
    QVERIFY(!hint2->isEnabled());
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("-2"));
    press(window, QStringLiteral("ox"));
    QCOMPARE(window->intScore, qint16(0));
    QCOMPARE(control<QLabel>(window, "lblHint01")->text(), QStringLiteral("first hint"));

    testing::click(control<QPushButton>(window, "Command1_0"));
    QVERIFY(hint1->isEnabled() && !hint2->isEnabled());
    QCOMPARE(control<QLabel>(window, "lblHint01")->text(), QString());
    hint1->click();
    hint2->click();
    press(window, QStringLiteral("abcdefghi"));
    QCOMPARE(control<QLabel>(window, "lblScore")->text(), QStringLiteral("-2"));
  }

  // Guards against slots left over from the last word, or a board that is not reset.
  void nextWordClearsTheBoard_data() {
    QTest::addColumn<QString>("first");
    QTest::newRow("seven letters") << QStringLiteral("giraffe");
    QTest::newRow("one letter") << QStringLiteral("a");
  }
  void nextWordClearsTheBoard() {
    QFETCH(QString, first);
    ProgramFolder folder;
    auto *window = startOn(folder, first + QStringLiteral("|h|h|m|s\r\nox|h|h|m|s\r\n"), first.toUpper());
    QVERIFY(window);
    press(window, first);
    QCOMPARE(window->intScore, qint16(2));
    testing::click(control<QPushButton>(window, "Command1_0"));
    QCOMPARE(window->strWord, QStringLiteral("OX"));
    QCOMPARE(window->intScore, qint16(2));
    QVERIFY(!control<QFrame>(window, "Frame1")->isVisibleTo(window));
    QCOMPARE(picture(window), stagePicture(folder, 0));
    QCOMPARE(shownSlots(window), QStringLiteral("__"));
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Word_3")));
    for (int i = 0; i <= 25; ++i)
      QVERIFY(control<QLabel>(window, QStringLiteral("Letter_%1").arg(i))->isEnabled());
  }

  // Guards against a list and its meanings that drift apart, or a popup that will not reopen.
  void lostWordsKeepTheirOwnMeanings() {
    ProgramFolder folder;
    auto *window = startWith(folder, QStringLiteral("cat|h|h|แมว|The cat sleeps.\r\n"));
    const QString wrong = QStringLiteral("bdefghijk");
    press(window, wrong);
    testing::click(control<QPushButton>(window, "Command1_0"));
    window->strMeaning = QStringLiteral("M"); // as if the file had changed in between
    press(window, wrong);
    auto *list = control<QListWidget>(window, "lstDifficultWords");
    QCOMPARE(list->count(), 2);
    QCOMPARE(window->arrDiffInfo[0], (QStringList{QStringLiteral("แมว"), QStringLiteral("M")}));
    QCOMPARE(window->arrDiffInfo[1].size(), 2);

    list->setCurrentRow(1);
    auto *popup = qobject_cast<QWidget *>(ui::forms::find(QStringLiteral("frmShowMeaning")));
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->windowTitle(), QStringLiteral("ความหมายของ คำศัพท์"));
    QCOMPARE(control<QLabel>(popup, "lblMeaning")->text(), QStringLiteral("CAT:   M"));
    QCOMPARE(control<QLabel>(popup, "lblSentence")->text(), QStringLiteral("The cat sleeps."));

    list->setCurrentRow(0);
    QCOMPARE(control<QLabel>(popup, "lblMeaning")->text(), QStringLiteral("CAT:   แมว"));
    control<QPushButton>(popup, "cmdOK")->click();
    QVERIFY(!popup->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QVERIFY(popup->isVisible());
    QCOMPARE(ui::forms::find(QStringLiteral("frmShowMeaning")), popup);
  }

  // Guards against a meaning shown from a file that has none, and against type-ahead in the
  // list taking the player's letters.
  void userVocabularyAsksForTheMeaningAndTheListTakesNoLetters() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|h1|h2\r\n");
    pindrelModule::strFileInUse = QStringLiteral("birds.txt");
    auto *window = ui::forms::Show<GameWindow>();
    press(window, QStringLiteral("abcdefghi"));
    auto *list = control<QListWidget>(window, "lstDifficultWords");
    list->setCurrentRow(0);
    auto *popup = ui::forms::find(QStringLiteral("frmShowMeaning"));
    QVERIFY(popup);
    QCOMPARE(control<QLabel>(popup, "lblMeaning")->text(), QString());
    QCOMPARE(control<QLabel>(popup, "lblSentence")->text(),
             QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ"));

    testing::click(control<QPushButton>(window, "Command1_0"));
    list->clearSelection();
    list->setFocus();
    QTest::keyClick(list, 'o');
    QCOMPARE(window->intLettersFound, qint16(1));
    QVERIFY(list->selectedItems().isEmpty());
  }

  // Guards against text cut off in the popup: long text wraps and the popup grows downward.
  void longMeaningsGrowThePopupDownward() {
    ProgramFolder folder;
    const QString sentence = QStringLiteral("This example sentence is much too long to stand on the "
                                            "two lines that the label was designed with, so it wraps.");
    auto *window = startWith(folder, QStringLiteral("ox|h|h|m|") + sentence + QStringLiteral("\r\n"));
    press(window, QStringLiteral("abcdefghi"));
    control<QListWidget>(window, "lstDifficultWords")->setCurrentRow(0);
    auto *popup = qobject_cast<QWidget *>(ui::forms::find(QStringLiteral("frmShowMeaning")));
    auto *label = control<QLabel>(popup, "lblSentence");
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(popup->height() > 122);
    QCOMPARE(popup->width(), 276);
    QVERIFY(control<QPushButton>(popup, "cmdOK")->geometry().top() >= label->geometry().bottom());
  }
};

QTEST_MAIN(GamePlayTest)
#include "test_game_play.moc"
