// What a screen reader and a keyboard-only player get from the main window.
#include "game/game_window.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAccessible>
#include <QtTest>

static QString accessibleText(QObject *control, QAccessible::Text text) {
  return control ? QAccessible::queryAccessibleInterface(control)->text(text) : QStringLiteral("missing");
}

class AccessibilityTest : public QObject {
  Q_OBJECT

  ProgramFolder *m_folder = nullptr;
  GameWindow *m_window = nullptr;

private slots:
  void init() {
    m_folder = new ProgramFolder;
    m_folder->write(QStringLiteral("school.txt"), cp874(QStringLiteral("Cat|a pet|สัตว์เลี้ยง|แมว|A cat.\r\n")));
    m_window = ui::forms::Show<GameWindow>();
  }
  void cleanup() { testing::unloadAllForms(); delete m_folder; }

  // Guards against names that are not the visible text, or descriptions that lose the context.
  void controlsAreNamedByTheirTextAndDescribedByTheirPlace_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("fresh key") << "" << "Letter_0" << "A" << "letter A, not used yet";
    QTest::newRow("used key") << "a" << "Letter_0" << "A" << "letter A, used";
    QTest::newRow("empty slot") << "" << "Word_2" << "" << "letter 2 of 3";
    QTest::newRow("found slot") << "a" << "Word_2" << "A" << "letter 2 of 3";
    QTest::newRow("score") << "cat" << "lblScore" << "2" << "Your Score:";
    QTest::newRow("won") << "cat" << "Frame1" << "" << "You've Won!";
    QTest::newRow("lost") << "bdefghijk" << "Frame1" << "" << "You've Lost! The Word Was CAT";
    QTest::newRow("list") << "" << "lstDifficultWords" << "YOUR DIFFICULT WORDS:" << "";
  }
  void controlsAreNamedByTheirTextAndDescribedByTheirPlace() {
    QFETCH(QString, typed);
    QFETCH(QString, control);
    testing::type(m_window, typed);
    QObject *widget = m_window->findChild<QWidget *>(control);
    QTEST(accessibleText(widget, QAccessible::Name), "name");
    QTEST(accessibleText(widget, QAccessible::Description), "description");
  }

  // Guards against a guess, a hint or a result that a screen reader is never told about.
  void everyGuessHintAndResultIsAnnounced() {
    QStringList said{accessibleText(m_window, QAccessible::Description)};
    const auto play = [&](const QString &keys, const char *button) {
      testing::type(m_window, keys);
      if (button)
        testing::click(m_window->findChild<QWidget *>(QLatin1String(button)));
      said << accessibleText(m_window, QAccessible::Description);
    };
    play("a", nullptr);
    play({}, "cmdHint01");
    play("z", nullptr);
    play("ct", nullptr);
    play({}, "Command1_0");
    QCOMPARE(said, QStringList({"New word: 3 letters", "A: 1 letter found",
                                "Hint 1: a pet (Your Score: -1)", "Z: not in the word, 1 wrong guess",
                                "T: 1 letter found. You've Won! (Your Score: 1)",
                                "New word: 3 letters"}));
  }

  // Guards against a game that needs the mouse: Tab skips a control, or Enter does not go on.
  void theKeyboardAlonePlaysAWord() {
    const auto focused = [this] { return m_window->focusWidget(); };
    const auto tabStops = [&](int count) {
      QStringList names;
      for (int i = 0; i < count; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        names << focused()->objectName();
      }
      return names;
    };
    m_window->setFocus();
    QCOMPARE(tabStops(3), QStringList({"cmdHint01", "lstDifficultWords", "cmdHint01"}));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdHint02"));
    QTest::keyClicks(focused(), QStringLiteral("cat"));
    QCOMPARE(focused()->objectName(), QStringLiteral("Command1_0"));
    QCOMPARE(tabStops(3), QStringList({"Command1_1", "lstDifficultWords", "Command1_0"}));
    QTest::keyClick(focused(), Qt::Key_Return);
    QVERIFY(!m_window->findChild<QWidget *>(QStringLiteral("Frame1"))->isVisible());
    QCOMPARE(focused(), m_window);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
