// An installed copy: a program folder that the player may not write to.
#include "game/game_window.h"
#include "shell/splash.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther;

// Folders without write permission, for as long as it lives. Root writes anywhere, so as root
// the program then runs as the user "nobody", as a learner runs a copy under /usr.
class ReadOnly {
public:
  explicit ReadOnly(QStringList folders) : m_folders(std::move(folders)) {
    for (const QString &folder : m_folders)
      QFile::setPermissions(folder, readAndEnter);
    if (geteuid() == 0)
      m_wasRoot = setresuid(65534, 65534, 0) == 0;
  }
  ~ReadOnly() {
    if (m_wasRoot && setresuid(0, 0, 0) != 0)
      qFatal("cannot become root again");
    for (const QString &folder : m_folders)
      QFile::setPermissions(folder, readAndEnter | QFileDevice::WriteOwner);
  }
  bool inForce() const { return geteuid() != 0; }

private:
  QStringList m_folders;
  bool m_wasRoot = false;
};

} // namespace

class InstalledCopyTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { testing::unloadAllForms(); }

  // Guards against an installed copy that fails without a word, or offers commands that can
  // only fail; its own vocabularies must still play.
  void readOnlyFolderPlaysTheBuiltInVocabulariesOnly_data() {
    QTest::addColumn<bool>("customFile");
    QTest::newRow("no Custom Vocab") << false;
    QTest::newRow("Custom Vocab with a file") << true;
  }
  void readOnlyFolderPlaysTheBuiltInVocabulariesOnly() {
    QFETCH(bool, customFile);
    ProgramFolder folder;
    QStringList folders{folder.path()};
    if (customFile) {
      folder.writeCustom(QStringLiteral("birds.txt"), "owl|it hoots|at night\r\n");
      folders << folder.customPath({});
    }
    MessageRecorder messages;
    const ReadOnly readOnly(folders);
    if (!readOnly.inForce())
      QSKIP("cannot give up root here");
    auto *window = ui::forms::Load<GameWindow>();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().style, 48);
    QVERIFY(messages.texts().first().contains(QStringLiteral("installed in a folder that cannot be written to")));
    QCOMPARE(QFile::exists(folder.customPath({})), customFile);
    QCOMPARE(testing::control<QAction>(window, "mnuCustVocab")->isEnabled(), customFile);
    QVERIFY(!testing::control<QAction>(window, "mnuEditData")->isEnabled());
    QVERIFY(!testing::control<QAction>(window, "mnuCreate")->isEnabled());
    QVERIFY(!window->strWord.isEmpty());
    if (customFile) { // playing it loads the main window again, without a second message
      window->mnuCustVocab->trigger();
      QWidget *chooser = ui::forms::find(QStringLiteral("frmSelectCustVocab"));
      testing::control<QListWidget>(chooser, "File1")->setCurrentRow(0);
      testing::click(testing::control<QPushButton>(chooser, "cmdOK"));
      QCOMPARE(ui::forms::get<GameWindow>()->strWord, QStringLiteral("OWL"));
      QCOMPARE(messages.count(), 1);
    }
  }

  // Guards against the splash's timer handing over a second time while the start-up message
  // is open: that destroyed the splash, and the message box on it, under the open box.
  void startUpMessageStopsTheSplashTimer() {
    ProgramFolder folder;
    MessageRecorder messages;
    bool timerRunning = true;
    messages.onMessage([&](const MessageRecorder::Message &) {
      timerRunning = testing::control<QTimer>(ui::forms::find("frmSplash"), "Timer1")->isActive();
    });
    const ReadOnly readOnly({folder.path()});
    if (!readOnly.inForce())
      QSKIP("cannot give up root here");
    QWidget *splash = ui::forms::Show<Splash>();
    QTest::mouseClick(testing::control<QWidget>(splash, "Frame1"), Qt::LeftButton, {}, QPoint(379, 133));
    QCOMPARE(messages.count(), 1);
    QVERIFY(!timerRunning);
    QVERIFY(ui::forms::IsLoaded(QStringLiteral("Pindrel")));
  }
};

QTEST_MAIN(InstalledCopyTest)
#include "test_installed_copy.moc"
