// Start and end: the splash, the main window's menu commands, help, and when the program ends.
#include "shell/application.h"
#include "shell/splash.h"
#include "support/windows.h"

using namespace testing;
using Act = std::function<void()>;
Q_DECLARE_METATYPE(Act)

static QTextBrowser *helpWindow() {
  for (QWidget *window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
      return qobject_cast<QTextBrowser *>(window);
  return nullptr;
}
static Splash *splash() { return ui::forms::get<Splash>(); }
static GameWindow *game() { return ui::forms::get<GameWindow>(); }

class ShellTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against a splash that shows its version wrongly (padded numbers), hands over to the
  // main window late or not at all, lets a label or the picture act as the frame under it, or
  // ends the program on keys without a character and not on those with one.
  void splashAnswersItsTimerClicksAndKeys_data() {
    QTest::addColumn<Act>("act");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("timer") << Act([] { splash()->Timer1_Timer(); }) << "main window";
    for (const char *name : {"Frame1", "lblProductName", "lblVersion", "Image1", "Label3"})
      QTest::addRow("click %s", name) << Act([name] { click(control<QWidget>(splash(), name)); })
                                      << (name == QLatin1String("Frame1") ? "main window" : "nothing");
    for (const int key : {Qt::Key_Q, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace,
                          Qt::Key_Left, Qt::Key_F1}) // the last two give no character
      QTest::addRow("key %s", qPrintable(QKeySequence(key).toString()))
          << Act([key] { QTest::keyClick(splash(), Qt::Key(key)); })
          << (key == Qt::Key_Left || key == Qt::Key_F1 ? "nothing" : "end");
  }
  void splashAnswersItsTimerClicksAndKeys() {
    QFETCH(Act, act);
    QFETCH(QString, outcome);
    ProgramFolder folder;
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    ui::forms::Show<Splash>();
    QCOMPARE(caption(splash(), "lblVersion"), QStringLiteral("Version 1.0.0"));
    QCOMPARE(Splash::versionText(2, 3, 15), QStringLiteral("Version 2.3.15"));
    const QTimer *timer = control<QTimer>(splash(), "Timer1");
    QCOMPARE(timer->isActive() ? timer->interval() : 0, 3500);
    act();
    processDeferredDeletes();
    QCOMPARE(ui::forms::IsLoaded(QStringLiteral("frmSplash")), outcome == u"nothing");
    QCOMPARE(game() && game()->isVisible(), outcome == u"main window");
    QCOMPARE(quits, outcome == u"end" ? 1 : 0);
  }

  // Guards against help that opens anywhere but at its contents, loses its text at a link or
  // fails without a word when its file is missing; a second Create that keeps what the first
  // editor held or switches the meanings on for a user file; and windows (hidden ones and the
  // editor included) that outlive the main window and keep the program running with nothing
  // to see.
  void menuCommandsThenClosingEndEverything_data() {
    QTest::addColumn<Act>("close");
    QTest::newRow("Exit") << Act([] { game()->mnuExit->trigger(); });
    QTest::newRow("close box") << Act([] { game()->close(); });
    QTest::newRow("quit button") << Act([] { click(game(), "Command1_1"); });
  }
  void menuCommandsThenClosingEndEverything() {
    QFETCH(Act, close);
    ProgramFolder folder;
    folder.writeCustom(QStringLiteral("birds.txt"), "owl|hoots|wise\r\n");
    pindrelModule::strFileInUse = pindrelModule::strEditFile = QStringLiteral("birds.txt");
    int quits = 0;
    const pindrel::ProgramEnd end([&quits] { ++quits; });
    auto *window = ui::forms::Show<GameWindow>();
    window->mnuContents->trigger();
    QTextBrowser *help = helpWindow();
    QVERIFY(help && help->toPlainText().contains(QStringLiteral("สารบัญ / Contents")));
    help->setSource(QUrl(QStringLiteral("#play")));
    QVERIFY(help->verticalScrollBar()->value() > 0 && help->toPlainText().contains("สารบัญ / Contents"));
    window->mnuContents->trigger();
    QCOMPARE(helpWindow(), help);
    QCOMPARE(help->verticalScrollBar()->value(), 0);
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("help04.hlp"))));
    window->mnuContents->trigger();
    QVERIFY(help->toPlainText().contains("ขออภัย") && help->toPlainText().contains("help04.hlp"));

    window->mnuCreate->trigger();
    QTest::keyClicks(control<QLineEdit>(form("new_vocab"), "txtVocab"), "giraffe");
    window->mnuCreate->trigger();
    processDeferredDeletes();
    QCOMPARE(control<QLineEdit>(form("new_vocab"), "txtVocab")->text(), QString());
    QVERIFY(pindrelModule::strEditFile.isEmpty() && !window->blnBuiltIn);

    window->mnuAbout->trigger();
    window->mnuEditData->trigger();
    ui::forms::Hide(QStringLiteral("frmChooseFile"));
    loseGame(window);
    control<QListWidget>(window, "lstDifficultWords")->item(0)->setSelected(true);
    ui::forms::Hide(QStringLiteral("frmShowMeaning"));
    QCOMPARE(ui::forms::loadedNames().size(), 5);
    close();
    processDeferredDeletes();
    QCOMPARE(ui::forms::loadedNames(), QStringList());
    QVERIFY(!helpWindow());
    QCOMPARE(quits, 1);
  }
};

WINDOWS_TEST_MAIN(ShellTest)
#include "test_shell.moc"
