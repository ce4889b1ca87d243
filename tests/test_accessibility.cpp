// What a screen reader and a keyboard-only player get from the main window.
#include "support/windows.h"

using namespace testing;

static QString accessibleText(QObject *control, QAccessible::Text text) {
  return control ? QAccessible::queryAccessibleInterface(control)->text(text) : QStringLiteral("missing");
}

class AccessibilityTest : public QObject {
  Q_OBJECT

  ProgramFolder m_folder;
  GameWindow *m_window = nullptr;

private slots:
  void init() { m_window = startGameOn(m_folder, QStringLiteral("Cat|a pet|สัตว์เลี้ยง|แมว|A cat.\r\n")); }
  void cleanup() { resetProgram(); }

  // Guards against names that are not the visible text, or descriptions that lose the context.
  void controlsAreNamedByTheirTextAndDescribedByTheirPlace_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("accessible"); // name / description
    QTest::newRow("fresh key") << "" << "Letter_0" << "A / letter A, not used yet";
    QTest::newRow("used key") << "a" << "Letter_0" << "A / letter A, used";
    QTest::newRow("empty slot") << "" << "Word_2" << " / letter 2 of 3";
    QTest::newRow("found slot") << "a" << "Word_2" << "A / letter 2 of 3";
    QTest::newRow("score") << "cat" << "lblScore" << "2 / Your Score:";
    QTest::newRow("won") << "cat" << "Frame1" << " / You've Won!";
    QTest::newRow("lost") << "bdefghijk" << "Frame1" << " / You've Lost! The Word Was CAT";
    QTest::newRow("list") << "" << "lstDifficultWords" << "YOUR DIFFICULT WORDS: / ";
  }
  void controlsAreNamedByTheirTextAndDescribedByTheirPlace() {
    QFETCH(QString, typed);
    QFETCH(QString, control);
    QTest::keyClicks(m_window, typed);
    QObject *widget = m_window->findChild<QWidget *>(control);
    QTEST(accessibleText(widget, QAccessible::Name) + " / " +
              accessibleText(widget, QAccessible::Description), "accessible");
  }

  // Guards against the keyboard starting, or going on to the next word, on a button that a
  // Space or Enter meant for nothing presses (a hint costs a point); Tab must still reach it.
  void theWindowItselfHoldsTheFocusAtEachNewWord() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    for (int word = 0; word < 2; ++word) {
      QCOMPARE(QApplication::focusWidget(), m_window);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCOMPARE(board(m_window), QStringLiteral("panel 0, keys 26, hints 10, score %1, list 0").arg(2 * word));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdHint01"));
      QTest::keyClicks(m_window, "cat");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on to the next word
    }
  }

  // Guards against a game that needs the mouse (Tab skips a control, Enter does not go on, the
  // focus is lost after a game) and a guess, hint or result that a screen reader never hears.
  void theKeyboardAlonePlaysAWordAndEachStepIsAnnounced() {
    m_window->show();
    m_window->setFocus();
    QStringList steps; // after each key: where the focus is, and the last announcement
    for (const QChar key : QStringLiteral("\t\t\t azct\t\t\t\r")) {
      QTest::keyClick(m_window->focusWidget(), key.toLatin1());
      steps << m_window->focusWidget()->objectName() + ": " +
                   accessibleText(m_window, QAccessible::Description);
    }
    const QString newWord = QStringLiteral("New word: 3 letters");
    const QString won = QStringLiteral("T: 1 letter found. You've Won! (Your Score: 1)");
    QCOMPARE(steps, QStringList({"cmdHint01: " + newWord, "lstDifficultWords: " + newWord,
                                 "cmdHint01: " + newWord, "cmdHint02: Hint 1: a pet (Your Score: -1)",
                                 "cmdHint02: A: 1 letter found",
                                 "cmdHint02: Z: not in the word, 1 wrong guess",
                                 "cmdHint02: C: 1 letter found", "Command1_0: " + won,
                                 "Command1_1: " + won, "lstDifficultWords: " + won,
                                 "Command1_0: " + won, "Pindrel: " + newWord}));
    QCOMPARE(board(m_window), QStringLiteral("panel 0, keys 26, hints 10, score 1, list 0"));
  }
};

WINDOWS_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
