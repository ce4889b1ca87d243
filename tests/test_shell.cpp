// Start and end: the splash, the main window's menu commands, help, and when the program ends.
#include "editor/vocab_editor.h"
#include "game/game_window.h"
#include "shell/application.h"
#include "shell/splash.h"
#include "storage/pindrel_module.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using testing::control;

namespace {

QTextBrowser *helpWindow() {
  for (QWidget *window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
      return qobject_cast<QTextBrowser *>(window);
  return nullptr;
}

void loseGame(GameWindow *window) {
  int wrong = 0;
  for (char c = 'A'; c <= 'Z' && wrong < 9; ++c)
    if (!window->strWord.contains(QLatin1Char(c))) {
      testing::click(control<QLabel>(window, QStringLiteral("Letter_%1").arg(c - 'A')));
      ++wrong;
    }
}

bool mainWindowLoaded() { return ui::forms::IsLoaded(QStringLiteral("Pindrel")); }

} // namespace

class ShellTest : public QObject {
  Q_OBJECT

  int m_quits = 0;

private slots:
  void initTestCase() { pindrel::prepareApplication(); }
  void init() { m_quits = 0; }
  void cleanup() {
    testing::unloadAllForms();
    pindrelModule::strFileInUse.clear();
  }

  // Guards against a splash that names the program or its version wrongly (padded numbers),
  // or whose controls can take the focus.
  void splashShowsTheProgramAndItsVersion() {
    ProgramFolder folder;
    auto *splash = ui::forms::Show<Splash>();
    QCOMPARE(splash->windowTitle(), QString());
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(control<QLabel>(splash, "lblProductName")->text(), QStringLiteral("Pindrel"));
    QCOMPARE(control<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(Splash::versionText(2, 3, 15), QStringLiteral("Version 2.3.15"));
    auto *timer = control<QTimer>(splash, "Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3500);
    for (QWidget *child : splash->findChildren<QWidget *>())
      QCOMPARE(child->focusPolicy(), Qt::NoFocus);
  }

  // Guards against a hand-over that leaves the splash behind, or ends the program on the way.
  void splashHandsOverToTheMainWindow_data() {
    QTest::addColumn<bool>("byTimer");
    QTest::newRow("timer") << true;
    QTest::newRow("click on the frame") << false;
  }
  void splashHandsOverToTheMainWindow() {
    QFETCH(bool, byTimer);
    ProgramFolder folder;
    const pindrel::ProgramEnd end([this] { ++m_quits; });
    auto *splash = ui::forms::Show<Splash>();
    if (byTimer)
      splash->Timer1_Timer();
    else
      testing::click(control<QWidget>(splash, "Frame1"));
    testing::processDeferredDeletes();
    QVERIFY(!ui::forms::IsLoaded(QStringLiteral("frmSplash")));
    auto *window = ui::forms::get<GameWindow>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(m_quits, 0);
  }

  // Guards against a click on a label or the picture reaching the frame under it.
  void clickOnALabelOrThePictureDoesNothing_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"lblProductName", "lblCompanyProduct", "lblVersion", "Label4",
                             "Image1", "Label1", "Label2", "Label3"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }
  void clickOnALabelOrThePictureDoesNothing() {
    QFETCH(QString, name);
    ProgramFolder folder;
    auto *splash = ui::forms::Show<Splash>();
    testing::click(control<QWidget>(splash, name));
    testing::processDeferredDeletes();
    QVERIFY(ui::forms::IsLoaded(QStringLiteral("frmSplash")));
    QVERIFY(!mainWindowLoaded());
  }

  // Guards against keys that should end the program being ignored, or keys without a
  // character ending it.
  void keyOnTheSplash_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ends");
    QTest::newRow("letter") << int(Qt::Key_Q) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("function key") << int(Qt::Key_F1) << false;
  }
  void keyOnTheSplash() {
    QFETCH(int, key);
    QFETCH(bool, ends);
    ProgramFolder folder;
    const pindrel::ProgramEnd end([this] { ++m_quits; });
    auto *splash = ui::forms::Show<Splash>();
    QTest::keyClick(splash, Qt::Key(key));
    testing::processDeferredDeletes();
    QCOMPARE(m_quits, ends ? 1 : 0);
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSplash")), !ends);
    QVERIFY(!mainWindowLoaded());
  }

  // Guards against windows, hidden ones included, that outlive the main window and keep the
  // program running with nothing to see.
  void closingTheMainWindowEndsEverything_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << QStringLiteral("Exit");
    QTest::newRow("close box") << QStringLiteral("close box");
    QTest::newRow("quit button") << QStringLiteral("quit button");
  }
  void closingTheMainWindowEndsEverything() {
    QFETCH(QString, how);
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
    const pindrel::ProgramEnd end([this] { ++m_quits; });
    auto *window = ui::forms::Show<GameWindow>();
    window->mnuAbout->trigger();
    window->mnuContents->trigger();
    window->mnuEditData->trigger();
    ui::forms::Hide(QStringLiteral("frmChooseFile"));
    window->mnuCreate->trigger();
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->item(0)->setSelected(true);
    ui::forms::Hide(QStringLiteral("frmShowMeaning"));
    QCOMPARE(ui::forms::loadedNames().size(), 5);

    if (how == QLatin1String("Exit"))
      window->mnuExit->trigger();
    else if (how == QLatin1String("close box"))
      window->close();
    else
      testing::click(control<QPushButton>(window, "Command1_1"));
    testing::processDeferredDeletes();
    QCOMPARE(ui::forms::loadedNames(), QStringList());
    QVERIFY(!helpWindow());
    QCOMPARE(m_quits, 1);
  }

  // Guards against help that opens anywhere but at its contents, loses its text at a link, or
  // outlives the main window.
  void helpOpensAtItsContentsAndGoesWithTheMainWindow() {
    ProgramFolder folder;
    auto *window = ui::forms::Show<GameWindow>();
    window->mnuContents->trigger();
    QTextBrowser *help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->toPlainText().contains(QStringLiteral("สารบัญ / Contents")));
    QCOMPARE(help->verticalScrollBar()->value(), 0);
    help->setSource(QUrl(QStringLiteral("#play")));
    QVERIFY(help->verticalScrollBar()->value() > 0);
    QVERIFY(help->toPlainText().contains(QStringLiteral("สารบัญ / Contents")));
    window->mnuContents->trigger();
    QCOMPARE(helpWindow(), help);
    QCOMPARE(help->verticalScrollBar()->value(), 0);

    ui::forms::Unload(QStringLiteral("Pindrel"));
    testing::processDeferredDeletes();
    QVERIFY(!helpWindow());
  }

  // Guards against a crash or an empty window when the help file is missing.
  void missingHelpFileIsExplainedInTheViewer() {
    ProgramFolder folder{{QStringLiteral("school.txt")}};
    auto *window = ui::forms::Show<GameWindow>();
    window->mnuContents->trigger();
    QTextBrowser *help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->toPlainText().contains(QStringLiteral("help04.hlp")));
    QVERIFY(help->toPlainText().contains(QStringLiteral("ขออภัย")));
  }

  // Guards against a second Create that keeps what was typed in the first editor, or that
  // switches the game's meanings on for a user file.
  void createTwiceGivesAFreshEditor() {
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
    pindrelModule::strFileInUse = QStringLiteral("birds.txt");
    auto *window = ui::forms::Show<GameWindow>();
    pindrelModule::strEditFile = QStringLiteral("birds.txt");
    window->mnuCreate->trigger();
    QPointer<VocabEditor> first = ui::forms::get<VocabEditor>();
    QVERIFY(first && first->isVisible());
    QTest::keyClicks(control<QLineEdit>(first, "txtVocab"), QStringLiteral("giraffe"));
    QVERIFY(!control<QLineEdit>(first, "txtVocab")->text().isEmpty());
    window->mnuCreate->trigger();
    testing::processDeferredDeletes();
    QVERIFY(first.isNull());
    auto *second = ui::forms::get<VocabEditor>();
    QVERIFY(second && second->isVisible());
    QCOMPARE(control<QLineEdit>(second, "txtVocab")->text(), QString());
    QCOMPARE(pindrelModule::strEditFile, QString());
    QVERIFY(!window->blnBuiltIn);
  }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
