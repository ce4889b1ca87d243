#include "speech/helper_speaker.h"

#include <QProcess>
#include <QSet>

#include <csignal>
#include <sys/prctl.h>

namespace speech {
namespace {

// A helper has this long to start its engine and say whether it can speak, and to begin each
// text; then as long again, and a little more for each letter, to finish it. A local sound
// server answers in milliseconds; one that hangs made Qt wait 30 s.
constexpr int answerMs = 3000;
constexpr int perLetterMs = 150;

QString noEngine()
{
    return QStringLiteral("ฟังเสียงไม่ได้ เพราะเครื่องนี้ไม่มีโปรแกรมอ่านออกเสียง "
                          "(qt6-speech-flite-plugin)\n"
                          "Cannot speak: no speech engine is installed (qt6-speech-flite-plugin).");
}

QString noEnglishVoice()
{
    return QStringLiteral("ฟังเสียงไม่ได้ เพราะไม่มีเสียงพูดภาษาอังกฤษ\n"
                          "Cannot speak: the speech engine has no English voice.");
}

QString noAudioDevice()
{
    return QStringLiteral(
        "ฟังเสียงไม่ได้ เพราะไม่พบลำโพงหรือระบบเสียงของเครื่อง\n"
        "Cannot speak: no audio device available (no speakers or no sound server).");
}

QString engineFailed(const QString &engineReason)
{
    return QStringLiteral("ฟังเสียงไม่ได้ เพราะโปรแกรมอ่านออกเสียงขัดข้อง (%1)\n"
                          "Cannot speak: the speech engine failed (%1).")
        .arg(engineReason);
}

// The reason for one the helper reports.
QString reasonFor(const QString &report)
{
    if (report == QLatin1String("no-engine"))
        return noEngine();
    if (report == QLatin1String("no-voice"))
        return noEnglishVoice();
    if (report.startsWith(QLatin1String("failed ")))
        return engineFailed(report.mid(7));
    return noAudioDevice();
}

// Helpers that were killed and whose end has not been reported yet. QProcess's destructor waits
// for its process to end, and a process stuck in the kernel can outlast SIGKILL, so a helper is
// never destroyed while it runs: it is kept here until its end is reported, and at exit it is
// left to the system.
QSet<QProcess *> &ending()
{
    static auto *helpers = new QSet<QProcess *>;
    return *helpers;
}

} // namespace

HelperSpeaker::HelperSpeaker(const QString &program, QObject *parent)
    : Speaker(parent)
    , m_program(program)
{
    m_answerTimeout.setSingleShot(true);
    connect(&m_answerTimeout, &QTimer::timeout, this, &HelperSpeaker::helperFailed);
    start();
}

HelperSpeaker::~HelperSpeaker()
{
    dropHelper();
}

void HelperSpeaker::recheck()
{
    if (!isAvailable() && !m_helper)
        start();
}

void HelperSpeaker::start()
{
    m_helper = new QProcess;
    m_helper->setProgram(m_program);
    // The helper's warnings go where the game's go; its reports are read here.
    m_helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Should the game itself crash, a helper stuck in the sound server would never read that
    // its input has closed: it is killed with the game instead.
    m_helper->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(m_helper, &QProcess::readyReadStandardOutput, this, &HelperSpeaker::readReports);
    connect(m_helper, &QProcess::errorOccurred, this, &HelperSpeaker::helperFailed);
    connect(m_helper, &QProcess::finished, this, &HelperSpeaker::helperFailed);
    m_answerTimeout.start(answerMs);
    m_helper->start(); // a program that cannot be started is reported to helperFailed
}

void HelperSpeaker::speak(const QStringList &texts)
{
    m_waiting = texts;
    if (m_ready)
        sendWaiting();
}

void HelperSpeaker::sendWaiting()
{
    ++m_say;
    m_helper->write(QStringLiteral("say %1\t%2\n").arg(m_say).arg(m_waiting.join(u'\t')).toUtf8());
    m_waiting.clear();
    m_answerTimeout.start(answerMs);
}

void HelperSpeaker::readReports()
{
    while (m_helper && m_helper->canReadLine())
        handleReport(QString::fromUtf8(m_helper->readLine()).chopped(1));
}

void HelperSpeaker::handleReport(const QString &line)
{
    const QString kind = line.section(u' ', 0, 0);
    const QString rest = line.section(u' ', 1);
    if (kind == QLatin1String("available")) {
        m_ready = true;
        m_answerTimeout.stop();
        setReason({});
        if (!m_waiting.isEmpty())
            sendWaiting();
        return;
    }
    if (kind == QLatin1String("unavailable")) {
        dropHelper();
        setReason(reasonFor(rest));
        return;
    }
    const QString text = rest.section(u'\t', 1);
    if (rest.section(u'\t', 0, 0) != QString::number(m_say))
        return;
    if (kind == QLatin1String("speaking")) {
        m_answerTimeout.start(answerMs + perLetterMs * int(text.size()));
        emit speaking(text);
    } else if (kind == QLatin1String("spoken")) {
        m_answerTimeout.start(answerMs);
        emit spoken(text);
    } else if (kind == QLatin1String("finished")) {
        m_answerTimeout.stop();
        emit finished();
    }
}

void HelperSpeaker::helperFailed()
{
    dropHelper();
    setReason(noAudioDevice());
}

void HelperSpeaker::dropHelper()
{
    m_answerTimeout.stop();
    m_ready = false;
    m_waiting.clear();
    QProcess *helper = std::exchange(m_helper, nullptr);
    if (!helper)
        return;
    helper->disconnect(this);
    ending().insert(helper);
    connect(helper, &QObject::destroyed, [helper] { ending().remove(helper); });
    if (helper->state() == QProcess::NotRunning) {
        helper->deleteLater();
    } else {
        connect(helper, &QProcess::finished, helper, &QObject::deleteLater);
        helper->kill();
    }
}

void HelperSpeaker::setReason(const QString &reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    emit availabilityChanged();
}

} // namespace speech
