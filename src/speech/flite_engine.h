#pragma once

#include <QObject>
#include <QStringList>
#include <QTextToSpeech>
#include <QTimer>

namespace speech {

// The speech helper's engine: Qt TextToSpeech with the flite engine, which needs no network and
// no daemon, and an American English voice.
class FliteEngine : public QObject
{
    Q_OBJECT

public:
    explicit FliteEngine(QObject *parent = nullptr);

    // Why nothing can be spoken, as the helper reports it: "no-engine", "no-voice", "no-audio",
    // or "failed " and the engine's own words; empty while speech works.
    QString unavailableReason() const { return m_reason; }

    // Speaks the texts one after the other; a new call replaces what is being said.
    void say(const QStringList &texts);

signals:
    void speaking(const QString &text);
    void spoken(const QString &text);
    // The last say() is over: each of its texts spoken or given up.
    void finished();
    // The engine cannot speak any more; unavailableReason() says why.
    void failed();

private:
    QString findReason();
    void sayCurrent();
    void nextText();
    void engineStateChanged(QTextToSpeech::State state);
    void checkEngineFailed();
    void stopSpeaking(const QString &reason);

    QTextToSpeech *m_engine = nullptr;
    QString m_reason;
    QStringList m_waiting;
    QString m_current;
    int m_attempt = 0;
    bool m_announced = false; // speaking() has been sent for m_current
    bool m_heard = false;     // the engine has been Speaking since m_current was handed to it
    bool m_broken = false;    // and has reported an error since
    QString m_serverSocket;   // the sound server's socket, when it could be found at the start
    QTimer m_failureCheck;
};

} // namespace speech
