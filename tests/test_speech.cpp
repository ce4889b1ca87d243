// The listen button and the speaker that drives the speech helper, against stand-in helpers
// that are absent, hang or die, and the real helper on a sound server of its own.
#include "speech/helper_speaker.h"
#include "ui/listen_button.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString description = QStringLiteral("ฟังคำศัพท์ Listen to the word");
const QString noAudio
    = QStringLiteral("Cannot speak: no audio device available (no speakers or no sound server).");
const QStringList dogSentence {"dog", "The dog sleeps."};
const QStringList dogSentenceHeard {"speaking dog", "spoken dog", "speaking The dog sleeps.",
                                    "spoken The dog sleeps.", "finished"};

// A stand-in helper that hears every text at once.
const QByteArray working = R"(echo available; set -f; IFS=$(printf '\t')
while read -r say texts; do n=${say#say }
  for t in $texts; do printf 'speaking %s\t%s\nspoken %s\t%s\n' $n "$t" $n "$t"; done
  echo finished $n
done
)";

void writeHelper(const QString &path, const QByteArray &script)
{
    QSaveFile file(path); // whole, as a helper may still be reading the old one
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + script);
    file.commit();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
}

// Waits with the event loop running until the condition holds, for up to ms; false if it does
// not, or if an event handler held the loop for a second, as a speaker waiting on its helper would.
bool within(int ms, const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(ms);
    QElapsedTimer turn;
    while (!condition()) {
        turn.start();
        QTest::qWait(10);
        if (deadline.hasExpired() || turn.elapsed() > 1000)
            return false;
    }
    return true;
}

void record(ui::Speaker &speaker, QStringList &heard)
{
    QObject::connect(&speaker, &ui::Speaker::speaking,
                     [&](const QString &t) { heard << "speaking " + t; });
    QObject::connect(&speaker, &ui::Speaker::spoken,
                     [&](const QString &t) { heard << "spoken " + t; });
    QObject::connect(&speaker, &ui::Speaker::finished, [&] { heard << "finished"; });
}

} // namespace

class SpeechTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against a helper that hangs or dies taking the game with it (a wait on it, no
    // time-out, no kill), its buttons left on, a reason it reports lost, buttons that do not come
    // back when a working helper is found again, a speaker that waits for it at exit; and against
    // texts out of order, Thai or blank texts handed to an English voice, a button the keyboard
    // cannot press, and one that asks for the speaker when it is made (at start-up).
    void aFailingHelperTurnsTheButtonsOffUntilOneWorks_data()
    {
        QTest::addColumn<QByteArray>("helper"); // its script; none for a helper that is absent
        QTest::addColumn<int>("offWithinMs");   // at once, or after the helper's time to answer
        QTest::addColumn<QString>("reason");
        QTest::newRow("absent") << QByteArray() << 1000 << noAudio;
        QTest::newRow("never answers")
            << QByteArray("echo $$ >\"$0.pid\"; exec sleep 600") << 5000 << noAudio;
        QTest::newRow("hangs on a word")
            << QByteArray("echo available; echo $$ >\"$0.pid\"; exec sleep 600") << 5000 << noAudio;
        QTest::newRow("dies mid-word")
            << QByteArray("echo available; read -r say; echo 'speaking 1\tcat'; kill -9 $$") << 1000
            << noAudio;
        QTest::newRow("no engine")
            << QByteArray("echo unavailable no-engine") << 1000
            << "Cannot speak: no speech engine is installed (qt6-speech-flite-plugin).";
    }
    void aFailingHelperTurnsTheButtonsOffUntilOneWorks()
    {
        QFETCH(QByteArray, helper);
        QFETCH(int, offWithinMs);
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("pindrel-speak"));
        if (!helper.isEmpty())
            writeHelper(program, helper);
        ui::ListenButton button;
        button.setSpeech({" dog ", "แมว", "", "The dog sleeps."}, description);
        QStringList heard;
        auto speaker = std::make_unique<speech::HelperSpeaker>(program);
        record(*speaker, heard);
        ui::setSpeaker(speaker.get()); // after the button is made: it asks when it is shown
        const auto restore = qScopeGuard([] { ui::setSpeaker(nullptr); });
        button.show();
        QTest::keyClick(&button, Qt::Key_Return); // before the helper has answered: said once it has
        QVERIFY(within(offWithinMs, [&] { return !button.isEnabled(); }));
        QCOMPARE(button.accessibleDescription(), button.toolTip());
        QTEST(button.toolTip().section(u'\n', -1), "reason");
        QFile pid(program + ".pid");
        if (pid.open(QIODevice::ReadOnly)) {
            const QString process = "/proc/" + pid.readAll().trimmed();
            QVERIFY2(within(1000, [&] { return !QFile::exists(process); }), "not killed");
        }

        writeHelper(program, working);
        button.hide();
        button.show();
        QVERIFY(within(5000, [&] { return button.isEnabled(); }));
        QCOMPARE(button.toolTip() + button.accessibleName(), description + description);
        heard.clear();
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Return); // replaces the first: its reports are stale
        QVERIFY(within(5000, [&] { return heard.endsWith("finished"); }));
        QCOMPARE(heard, dogSentenceHeard);
        QElapsedTimer exit;
        exit.start();
        speaker.reset();
        QCOMPARE_LT(exit.elapsed(), 1000);
    }

    // Guards against a helper not built where the game starts it, texts lost between Speaking and
    // Ready (Qt 6.4's flite drops some at first), and a sound server gone between two says that
    // leaves the buttons on.
    void theRealHelperSpeaksUntilItsSoundServerGoes()
    {
        const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/texttospeech");
        if (plugins.entryList({"*flite*"}, QDir::Files).isEmpty())
            QSKIP("the flite plugin (qt6-speech-flite-plugin) is not installed");
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
            QSKIP("pulseaudio is not installed");
        QTemporaryDir folder; // the sound server's and the helper's home: a null sink, no cookie
        const QString socket = folder.filePath(QStringLiteral("native"));
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, QFile::encodeName(folder.path()));
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + socket));
        QProcess server;
        server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                      "--load=module-null-sink",
                      "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        const auto stop = qScopeGuard([&] {
            server.kill();
            server.waitForFinished();
        });
        QVERIFY2(within(5000, [&] { return QFile::exists(socket); }), "no private PulseAudio");

        QStringList heard;
        speech::HelperSpeaker speaker(QStringLiteral(SPEECH_HELPER));
        record(speaker, heard);
        QElapsedTimer clock;
        QObject::connect(&speaker, &ui::Speaker::speaking, [&] { clock.start(); });
        QObject::connect(&speaker, &ui::Speaker::spoken, [&] { // the null sink plays in real time
            QVERIFY2(clock.elapsed() >= 250, "heard in a moment");
        });
        speaker.say(dogSentence);
        QVERIFY(within(20000, [&] { return heard.endsWith("finished") || !speaker.isAvailable(); }));
        QCOMPARE(speaker.unavailableReason(), QString());
        QCOMPARE(heard, dogSentenceHeard);
        server.kill();
        server.waitForFinished();
        speaker.say({"cat"});
        QVERIFY(within(5000, [&] { return !speaker.isAvailable(); }));
        QCOMPARE(speaker.unavailableReason().section(u'\n', -1), noAudio);
    }
};

QTEST_MAIN(SpeechTest)
#include "test_speech.moc"
