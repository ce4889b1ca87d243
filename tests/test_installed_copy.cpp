// An installed copy: a program folder that the player may not write to. The smoke test plays
// a real installed copy; this one reads what the program says and offers there.
#include "shell/splash.h"
#include "support/windows.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace testing;

class InstalledCopyTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { resetProgram(); }

  // Guards against an installed copy that fails without a word or offers commands that can
  // only fail, and against the splash's timer handing over again while the message is open
  // (that destroyed the splash, and the box on it, under the box). That it plays and writes
  // nothing is left to the smoke test.
  // A read-only "Custom Vocab" in a writable copy is told as what it is: its files play.
  void readOnlyFolderIsToldAndOffersNoWriting_data() {
    QTest::addColumn<bool>("customFile");
    QTest::addColumn<bool>("programFolderWritable");
    QTest::addColumn<QString>("told");
    const QString installed = QStringLiteral("This copy of Pindrel is installed in a folder that cannot be written to:\n");
    QTest::newRow("no Custom Vocab") << false << false << installed;
    QTest::newRow("Custom Vocab with a file") << true << false << installed;
    QTest::newRow("only Custom Vocab read-only") << true << true << QStringLiteral(
        "The folder \"Custom Vocab\" cannot be written to: the vocabularies in it can be played, but "
        "making and editing vocabulary is switched off.");
  }
  void readOnlyFolderIsToldAndOffersNoWriting() {
    QFETCH(bool, customFile);
    QFETCH(bool, programFolderWritable);
    QFETCH(QString, told);
    ProgramFolder folder;
    if (customFile)
      folder.writeCustom(QStringLiteral("birds.txt"), "owl|it hoots|at night\r\n");
    MessageRecorder messages;
    bool timerRunning = true;
    messages.onMessage = [&](auto &) { timerRunning = control<QTimer>(form("frmSplash"), "Timer1")->isActive(); };
    // The folders without write permission; root writes anywhere, so as root the program runs
    // as the user "nobody", as a learner runs a copy under /usr.
    const auto setMode = [&folder](mode_t program, mode_t custom) {
      ::chmod(QFile::encodeName(folder.path()).constData(), program);
      ::chmod(QFile::encodeName(folder.customPath({})).constData(), custom);
    };
    setMode(programFolderWritable ? 0777 : 0555, 0555);
    const bool wasRoot = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
    const auto restore = qScopeGuard([&] {
      if (wasRoot && setresuid(0, 0, 0) != 0)
        qFatal("cannot become root again");
      setMode(0755, 0755);
    });
    if (geteuid() == 0)
      QSKIP("cannot give up root here");
    click(control<QWidget>(ui::forms::Show<Splash>(), "Frame1"));
    QCOMPARE(messages.styles, QList<int>{48});
    QVERIFY2(messages.texts.first().contains(told + (programFolderWritable ? "" : folder.path())),
             qPrintable(messages.texts.first()));
    QVERIFY(!timerRunning);
    auto *window = ui::forms::get<GameWindow>();
    QCOMPARE(QList<bool>({menuItem(window, "mnuCustVocab")->isEnabled(), menuItem(window, "mnuEditData")->isEnabled(),
                          menuItem(window, "mnuCreate")->isEnabled()}),
             QList<bool>({customFile, false, false}));
  }
};

WINDOWS_TEST_MAIN(InstalledCopyTest)
#include "test_installed_copy.moc"
