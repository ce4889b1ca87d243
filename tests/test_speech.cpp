// The listen button on a recording speaker, and the real flite engine in processes of its own.
#include "support/recording_speaker.h"
#include "ui/listen_button.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString description = QStringLiteral("ฟังคำศัพท์ Listen to the word");
const QString reason = QStringLiteral("ฟังเสียงไม่ได้\nCannot speak");

// A window that holds a button before the listen button, as the result panel does.
struct Panel {
  QWidget window;
  QPushButton *before = new QPushButton(QStringLiteral("OK"), &window);
  ui::ListenButton *listen = new ui::ListenButton(&window);

  explicit Panel(const QStringList &texts) {
    listen->move(0, 40);
    listen->setSpeech(texts, description);
  }
  void show() {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
};

// A PulseAudio of the test's own whose only sink plays to nothing; stopped when it goes out of
// scope, whatever the test did.
class NullSoundServer {
public:
  explicit NullSoundServer(const QString &folder) : m_socket(folder + QStringLiteral("/native")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    m_process.setProcessEnvironment(env);
    m_process.start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                     QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                     QStringLiteral("--load=module-null-sink"),
                     QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                         m_socket});
    m_process.waitForStarted();
    QDeadlineTimer deadline(5000);
    while (m_process.state() == QProcess::Running && !QFile::exists(m_socket) &&
           !deadline.hasExpired())
      QThread::msleep(10);
  }
  ~NullSoundServer() {
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
      m_process.kill();
      m_process.waitForFinished();
    }
  }
  bool isRunning() const { return m_process.state() == QProcess::Running && QFile::exists(m_socket); }
  QString address() const { return QStringLiteral("unix:") + m_socket; }

private:
  QString m_socket;
  QProcess m_process;
};

bool flitePluginInstalled() {
  const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/texttospeech"));
  return !plugins.entryList({QStringLiteral("*flite*")}, QDir::Files).isEmpty();
}

} // namespace

class SpeechTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against texts spoken out of order, a Thai text handed to an English voice, or a
  // click that speaks something when there is nothing English to say.
  void aClickSpeaksTheEnglishTextsInOrder_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QStringList>>("said");
    QTest::newRow("word, then sentence")
        << QStringList{"cat", "The cat sleeps."} << QList<QStringList>{{"cat", "The cat sleeps."}};
    QTest::newRow("word alone") << QStringList{"cat"} << QList<QStringList>{{"cat"}};
    QTest::newRow("Thai left out") << QStringList{"cat", "แมว", "The cat sleeps."}
                                   << QList<QStringList>{{"cat", "The cat sleeps."}};
    QTest::newRow("blanks left out") << QStringList{" cat ", "", " "} << QList<QStringList>{{"cat"}};
    QTest::newRow("nothing English") << QStringList{"แมว", ""} << QList<QStringList>{};
  }
  void aClickSpeaksTheEnglishTextsInOrder() {
    QFETCH(QStringList, texts);
    RecordingSpeaker speaker;
    Panel panel(texts);
    panel.show();
    QTest::mouseClick(panel.listen, Qt::LeftButton);
    QTEST(speaker.said, "said");
  }

  // Guards against a button that can be pressed without a voice behind it, that hides why, or
  // that keeps its old state when the engine fails later.
  void anUnavailableSpeakerDisablesTheButtonAndSaysWhy_data() {
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QString>("later");
    QTest::addColumn<QString>("button"); // enabled / tooltip / accessible description
    QTest::addColumn<int>("said"); // of a click and a say()
    QTest::newRow("available") << "" << "" << "1 / " + description + " / " << 2;
    QTest::newRow("unavailable from the start") << reason << reason << "0 / " + reason + " / " + reason << 0;
    QTest::newRow("engine fails later") << "" << reason << "0 / " + reason + " / " + reason << 0;
  }
  void anUnavailableSpeakerDisablesTheButtonAndSaysWhy() {
    QFETCH(QString, atStart);
    QFETCH(QString, later);
    RecordingSpeaker speaker;
    speaker.setUnavailable(atStart);
    Panel panel({QStringLiteral("cat")});
    panel.show();
    speaker.setUnavailable(later);
    panel.listen->click();
    speaker.say({QStringLiteral("cat")});
    const QString seen = QStringLiteral("%1 / %2 / %3")
                             .arg(int(panel.listen->isEnabled()))
                             .arg(panel.listen->toolTip(), panel.listen->accessibleDescription());
    QTEST(seen, "button");
    QCOMPARE(panel.listen->accessibleName(), description);
    QTEST(int(speaker.said.size()), "said");
  }

  // Guards against a button that the keyboard cannot reach or press.
  void tabReachesTheButtonAndEnterOrSpacePressIt() {
    RecordingSpeaker speaker;
    Panel panel({QStringLiteral("cat")});
    panel.show();
    panel.before->setFocus();
    QTest::keyClick(panel.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel.listen);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
      QTest::keyClick(panel.listen, key);
    QTRY_COMPARE(speaker.said.size(), 3);
  }

  // Guards against a window that starts the speech engine when it is made (at start-up), rather
  // than when a player first meets the button.
  void theButtonFindsTheSpeakerWhenFirstShown() {
    Panel panel({QStringLiteral("cat")});
    RecordingSpeaker speaker;
    panel.show();
    QTest::mouseClick(panel.listen, Qt::LeftButton);
    QCOMPARE(speaker.said, QList<QStringList>{{"cat"}});
  }

  // Guards against a missing engine or sound server that is not reported, and against texts of
  // the real engine lost between Speaking and Ready (Qt 6.4 drops some at first).
  void theRealEngineSpeaksOrSaysWhyNot_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("sound"); // none, or a null sink
    QTest::addColumn<QString>("output");
    QTest::newRow("no engine") << QStringList{"--no-plugins", "cat"} << "none"
                               << "unavailable: Cannot speak: no speech engine is installed";
    QTest::newRow("no sound server") << QStringList{"cat"} << "none"
                                     << "unavailable: Cannot speak: no audio device available";
    QTest::newRow("word, then sentence")
        << QStringList{"cat", "The cat sleeps."} << "null sink"
        << "available\nspeaking: cat\nspoken: cat\nspeaking: The cat sleeps.\n"
           "spoken: The cat sleeps.\nfinished\n";
    QTest::newRow("a word dropped at first") << QStringList{"dog"} << "null sink"
                                             << "available\nspeaking: dog\nspoken: dog\nfinished\n";
    QTest::newRow("a new say replaces the old")
        << QStringList{"elephant", "The elephant is big.", "--then", "cat"} << "null sink"
        << "available\nspeaking: elephant\nspeaking: cat\nspoken: cat\nfinished\n";
  }
  void theRealEngineSpeaksOrSaysWhyNot() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, sound);
    QFETCH(QString, output);
    if (!arguments.contains(QStringLiteral("--no-plugins")) && !flitePluginInstalled())
      QSKIP("the flite plugin (qt6-speech-flite-plugin) is not installed");
    if (sound != QLatin1String("none") && QStandardPaths::findExecutable("pulseaudio").isEmpty())
      QSKIP("pulseaudio is not installed");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    std::optional<NullSoundServer> server;
    QString address = QStringLiteral("unix:") + folder.filePath(QStringLiteral("nothing-here"));
    if (sound != QLatin1String("none")) {
      server.emplace(folder.path());
      QVERIFY2(server->isRunning(), "the private PulseAudio did not start");
      address = server->address();
    }
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), address);
    env.insert(QStringLiteral("HOME"), folder.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(SPEECH_PROBE), arguments);
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QString printed = QString::fromUtf8(probe.readAllStandardOutput());
    // A null sink plays in real time: a text heard to its end took most of its length (each of
    // these is longer than half a second), not the moment of a Ready that was not its own.
    static const QRegularExpression heardFor(QStringLiteral(" after (\\d+) ms"));
    for (const QRegularExpressionMatch &match : heardFor.globalMatch(printed))
      QVERIFY2(match.captured(1).toInt() >= 250, qPrintable(printed));
    printed.remove(heardFor);
    QVERIFY2(printed.startsWith(output), qPrintable(printed + probe.readAllStandardError()));
  }
};

QTEST_MAIN(SpeechTest)
#include "test_speech.moc"
