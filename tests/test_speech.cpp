// The listen button on a recording speaker, and the real flite engine in processes of its own.
#include "support/recording_speaker.h"
#include "ui/listen_button.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString description = QStringLiteral("ฟังคำศัพท์ Listen to the word");
const QString reason = QStringLiteral("ฟังเสียงไม่ได้\nCannot speak");

// A PulseAudio of the test's own whose only sink plays to nothing; stopped when it goes out of
// scope, whatever the test did.
class NullSoundServer
{
public:
    explicit NullSoundServer(const QString &folder)
        : m_socket(folder + QStringLiteral("/native"))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), folder);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        m_process.setProcessEnvironment(env);
        m_process.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--load=module-null-sink"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        m_process.waitForStarted();
        QDeadlineTimer deadline(5000);
        while (m_process.state() == QProcess::Running && !QFile::exists(m_socket)
               && !deadline.hasExpired())
            QThread::msleep(10);
    }
    ~NullSoundServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool isRunning() const
    {
        return m_process.state() == QProcess::Running && QFile::exists(m_socket);
    }
    QString address() const { return QStringLiteral("unix:") + m_socket; }

private:
    QString m_socket;
    QProcess m_process;
};

bool flitePluginInstalled()
{
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/texttospeech"));
    return !plugins.entryList({QStringLiteral("*flite*")}, QDir::Files).isEmpty();
}

} // namespace

class SpeechTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against texts spoken out of order, a Thai or blank text handed to an English voice, a
    // button pressed without a voice behind it, hiding why, or keeping its state when the engine
    // fails later; against a button the keyboard cannot press, and one that starts the engine when
    // it is made (with its window, at start-up) rather than when a player first meets it.
    void theButtonSpeaksItsEnglishOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("atStart"); // the speaker's reason, and a reason it gives later
        QTest::addColumn<QString>("later");
        QTest::addColumn<QString>("button"); // enabled / tooltip / accessible description
        QTest::addColumn<QList<QStringList>>("said");
        QTest::newRow("word, then sentence")
            << QStringList {"cat", "The cat sleeps."} << ""
            << ""
            << "1 / " + description + " / " << QList<QStringList> {{"cat", "The cat sleeps."}};
        QTest::newRow("Thai and blanks left out")
            << QStringList {" cat ", "แมว", ""} << ""
            << ""
            << "1 / " + description + " / " << QList<QStringList> {{"cat"}};
        QTest::newRow("nothing English") << QStringList {"แมว", ""} << ""
                                         << ""
                                         << "1 / " + description + " / " << QList<QStringList> {};
        QTest::newRow("unavailable from the start")
            << QStringList {"cat"} << reason << reason << "0 / " + reason + " / " + reason
            << QList<QStringList> {};
        QTest::newRow("engine fails later")
            << QStringList {"cat"} << "" << reason << "0 / " + reason + " / " + reason
            << QList<QStringList> {};
    }
    void theButtonSpeaksItsEnglishOrSaysWhyNot()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, later);
        QWidget window;
        auto *listen = new ui::ListenButton(&window);
        listen->setSpeech(texts, description);
        RecordingSpeaker speaker; // made after the button: the button finds it when first shown
        QFETCH(QString, atStart);
        speaker.setUnavailable(atStart);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        speaker.setUnavailable(later);
        listen->setFocus();
        QTest::keyClick(listen, Qt::Key_Return);
        QTEST(QStringLiteral("%1 / %2 / %3")
                  .arg(int(listen->isEnabled()))
                  .arg(listen->toolTip(), listen->accessibleDescription()),
              "button");
        QCOMPARE(listen->accessibleName(), description);
        QTEST(speaker.said, "said");
    }

    // Guards against a missing engine or sound server that is not reported, a server gone during
    // play that crashes the next say(), and texts of the real engine lost between Speaking and
    // Ready (Qt 6.4 drops some at first).
    void theRealEngineSpeaksOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("sound"); // none, a null sink, or one that stops half-way
        QTest::addColumn<QString>("output");
        QTest::newRow("no engine") << QStringList {"--no-plugins", "cat"} << "none"
                                   << "unavailable: Cannot speak: no speech engine is installed";
        QTest::newRow("no sound server") << QStringList {"cat"} << "none"
                                         << "unavailable: Cannot speak: no audio device available";
        QTest::newRow("word, then sentence")
            << QStringList {"cat", "The cat sleeps."} << "null sink"
            << "available\nspeaking: cat\nspoken: cat\nspeaking: The cat sleeps.\n"
               "spoken: The cat sleeps.\nfinished\n";
        QTest::newRow("a word dropped at first")
            << QStringList {"dog"} << "null sink"
            << "available\nspeaking: dog\nspoken: dog\nfinished\n";
        QTest::newRow("a new say replaces the old")
            << QStringList {"elephant", "The elephant is big.", "--then", "cat"} << "null sink"
            << "available\nspeaking: elephant\nspeaking: cat\nspoken: cat\nfinished\n";
        QTest::newRow("the sound server gone") // Qt 6.4's flite crashed on the next say()
            << QStringList {"cat", "--after-a-line", "dog"} << "null sink, then none"
            << "available\nspeaking: cat\nspoken: cat\nfinished\nunavailable: Cannot speak: no "
               "audio device available";
    }
    void theRealEngineSpeaksOrSaysWhyNot()
    {
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
        QByteArray out;
        if (sound.endsWith(QLatin1String("then none"))) { // the server goes once the first say is over
            while (!out.contains("finished") && probe.waitForReadyRead(30000))
                out += probe.readAllStandardOutput();
            server.reset();
            probe.write("\n");
        }
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QString printed = QString::fromUtf8(out + probe.readAllStandardOutput());
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
