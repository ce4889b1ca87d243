#include "speech/flite_engine.h"

#include <QFile>
#include <QLocale>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>

namespace speech {
namespace {

const QString engineName = QStringLiteral("flite");

// The voice a text is tried in first, then the ways it is tried again. Qt 6.4's flite engine
// drops about one text in four: a few milliseconds after Speaking it reports "Audio streaming
// error." and goes back to Ready, having played nothing. Which texts fail depends on the voice
// and the rate, not on chance, so a failed text is tried again a little slower, a little
// faster, then in another voice; slt is the clearest of the American voices, kal the oldest.
struct Attempt
{
    const char *voice;
    double rate;
};
constexpr Attempt attempts[] = {{"slt", 0.0}, {"slt", -0.1}, {"slt", 0.1}, {"kal", 0.0}};

// An error that the engine has not left after this long is for good.
constexpr int failureCheckMs = 300;

// The local socket of the PulseAudio server that Qt plays through, where it can be told: the
// first "unix:" address of PULSE_SERVER, or the user's own server. Empty for a server elsewhere.
QString soundServerSocket()
{
    const QString address = qEnvironmentVariable("PULSE_SERVER");
    if (!address.isEmpty()) {
        for (const QString &part : address.split(u' ', Qt::SkipEmptyParts)) {
            const QString server = part.section(u'}', -1);
            if (server.startsWith(u'/'))
                return server;
            if (server.startsWith(QLatin1String("unix:")))
                return server.mid(5);
        }
        return {};
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/pulse/native");
}

// Whether a client can connect to the socket now.
bool answers(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address {};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const bool connected
        = ::connect(s, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(s);
    return connected;
}

// The engine's own words, on the one line the helper reports.
QString engineFailed(const QString &engineReason)
{
    return QStringLiteral("failed ") + engineReason.simplified();
}

} // namespace

FliteEngine::FliteEngine(QObject *parent)
    : QObject(parent)
{
    m_failureCheck.setSingleShot(true);
    m_failureCheck.setInterval(failureCheckMs);
    connect(&m_failureCheck, &QTimer::timeout, this, &FliteEngine::checkEngineFailed);
    m_reason = findReason();
    if (m_reason.isEmpty())
        connect(m_engine, &QTextToSpeech::stateChanged, this, &FliteEngine::engineStateChanged);
}

// Without a sound device the engine still starts Ready: only its error text says so (its
// state turns to Error at the first say()). A working engine has no error text, though its
// error reason reads Initialization.
QString FliteEngine::findReason()
{
    if (!QTextToSpeech::availableEngines().contains(engineName))
        return QStringLiteral("no-engine");
    m_engine = new QTextToSpeech(engineName, this);
    if (m_engine->state() == QTextToSpeech::Error)
        return engineFailed(m_engine->errorString());
    if (!m_engine->errorString().isEmpty())
        return m_engine->errorReason() == QTextToSpeech::ErrorReason::Playback
            ? QStringLiteral("no-audio")
            : engineFailed(m_engine->errorString());
    const QList<QLocale> locales = m_engine->availableLocales();
    const auto english = std::find_if(locales.begin(), locales.end(), [](const QLocale &locale) {
        return locale.language() == QLocale::English;
    });
    if (english == locales.end())
        return QStringLiteral("no-voice");
    m_engine->setLocale(*english);
    if (m_engine->availableVoices().isEmpty())
        return QStringLiteral("no-voice");
    // Qt 6.4's flite engine crashes when it is asked to speak after the sound server has gone
    // (its audio sink cannot be made, and it uses it all the same), and it does not notice that
    // the server has gone. The game survives that, but a report is the plainer end: so the
    // server's socket is tried before each text; only a socket that answers now is a sure sign,
    // as the server may be reached some other way.
    const QString socket = soundServerSocket();
    if (!socket.isEmpty() && answers(socket))
        m_serverSocket = socket;
    return {};
}

void FliteEngine::say(const QStringList &texts)
{
    m_waiting = texts;
    nextText();
}

void FliteEngine::nextText()
{
    m_attempt = 0;
    m_announced = false;
    if (m_waiting.isEmpty()) {
        m_current.clear();
        emit finished();
        return;
    }
    m_current = m_waiting.takeFirst();
    sayCurrent();
}

void FliteEngine::sayCurrent()
{
    if (!m_serverSocket.isEmpty() && !answers(m_serverSocket)) {
        stopSpeaking(QStringLiteral("no-audio"));
        return;
    }
    const Attempt &attempt = attempts[m_attempt];
    const QList<QVoice> voices = m_engine->availableVoices();
    const auto voice = std::find_if(voices.begin(), voices.end(), [&](const QVoice &v) {
        return v.name() == QLatin1String(attempt.voice);
    });
    if (voice != voices.end() && *voice != m_engine->voice())
        m_engine->setVoice(*voice);
    m_engine->setRate(attempt.rate);
    m_heard = false;
    m_broken = false;
    m_engine->say(m_current);
}

// Ready before Speaking closes the text that a new say() replaced, and is not ours.
void FliteEngine::engineStateChanged(QTextToSpeech::State state)
{
    if (m_current.isEmpty())
        return;
    switch (state) {
    case QTextToSpeech::Speaking:
        m_heard = true;
        if (!m_announced) {
            m_announced = true;
            emit speaking(m_current);
        }
        break;
    case QTextToSpeech::Error:
        m_broken = m_heard;
        m_failureCheck.start();
        break;
    case QTextToSpeech::Ready:
        if (!m_heard)
            break;
        if (!m_broken) {
            emit spoken(m_current);
            nextText();
        } else if (++m_attempt < int(std::size(attempts))) {
            sayCurrent();
        } else {
            nextText();
        }
        break;
    case QTextToSpeech::Paused:
        break;
    }
}

// An engine that stays in Error cannot speak any more; a text it could not read is only given up.
void FliteEngine::checkEngineFailed()
{
    if (m_engine->state() != QTextToSpeech::Error || !m_reason.isEmpty())
        return;
    if (m_engine->errorReason() == QTextToSpeech::ErrorReason::Input) {
        if (!m_current.isEmpty())
            nextText();
        return;
    }
    stopSpeaking(engineFailed(m_engine->errorString()));
}

void FliteEngine::stopSpeaking(const QString &reason)
{
    m_reason = reason;
    m_waiting.clear();
    m_current.clear();
    emit failed();
}

} // namespace speech
