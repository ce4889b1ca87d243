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
  void readOnlyFolderIsToldAndOffersNoWriting_data() {
    QTest::addColumn<bool>("customFile");
    QTest::newRow("no Custom Vocab") << false;
    QTest::newRow("Custom Vocab with a file") << true;
  }
  void readOnlyFolderIsToldAndOffersNoWriting() {
    QFETCH(bool, customFile);
    ProgramFolder folder;
    if (customFile)
      folder.writeCustom(QStringLiteral("birds.txt"), "owl|it hoots|at night\r\n");
    MessageRecorder messages;
    bool timerRunning = true;
    messages.onMessage = [&](auto &) { timerRunning = control<QTimer>(form("frmSplash"), "Timer1")->isActive(); };
    // The folders without write permission; root writes anywhere, so as root the program runs
    // as the user "nobody", as a learner runs a copy under /usr.
    const auto setMode = [&folder](mode_t mode) {
      for (const QString &path : {folder.path(), folder.customPath({})})
        ::chmod(QFile::encodeName(path).constData(), mode);
    };
    setMode(0555);
    const bool wasRoot = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
    const auto restore = qScopeGuard([&] {
      if (wasRoot && setresuid(0, 0, 0) != 0)
        qFatal("cannot become root again");
      setMode(0755);
    });
    if (geteuid() == 0)
      QSKIP("cannot give up root here");
    click(control<QWidget>(ui::forms::Show<Splash>(), "Frame1"));
    QCOMPARE(messages.styles, QList<int>{48});
    QVERIFY(messages.texts.first().contains(
        "This copy of Pindrel is installed in a folder that cannot be written to:\n" + folder.path()));
    QVERIFY(!timerRunning);
    auto *window = ui::forms::get<GameWindow>();
    QCOMPARE(QList<bool>({window->mnuCustVocab->isEnabled(), window->mnuEditData->isEnabled(),
                          window->mnuCreate->isEnabled()}),
             QList<bool>({customFile, false, false}));
  }
};

QTEST_MAIN(InstalledCopyTest)
#include "test_installed_copy.moc"
