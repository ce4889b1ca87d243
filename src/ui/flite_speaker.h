#pragma once

#include "ui/speaker.h"

#include <QTextToSpeech>
#include <QTimer>

namespace ui {

// The program's own speaker: Qt TextToSpeech with the flite engine, which needs no network and
// no daemon, and an American English voice.
class FliteSpeaker : public Speaker
{
    Q_OBJECT

public:
    explicit FliteSpeaker(QObject *parent = nullptr);
    ~FliteSpeaker() override;

    QString unavailableReason() const override { return m_reason; }

protected:
    void speak(const QStringList &texts) override;

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
    bool m_streamed = false;  // the engine has been asked to say something, so holds a sound stream
    QString m_serverSocket;   // the sound server's socket, when it could be found at the start
    QTimer m_failureCheck;
};

} // namespace ui
