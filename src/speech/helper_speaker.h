#pragma once

#include "ui/speaker.h"

#include <QTimer>

class QProcess;

namespace speech {

// The program's speaker: the helper program pindrel-speak speaks in a process of its own, and
// this drives it through its standard input and output without ever waiting for it. A helper
// that does not start, crashes, or does not answer in time is killed, and speech is unavailable
// for want of an audio device until a recheck() starts a fresh helper that can speak.
class HelperSpeaker : public ui::Speaker
{
    Q_OBJECT

public:
    // Starts the helper at program.
    explicit HelperSpeaker(const QString &program, QObject *parent = nullptr);
    ~HelperSpeaker() override;

    QString unavailableReason() const override { return m_reason; }
    void recheck() override;

protected:
    void speak(const QStringList &texts) override;

private:
    void start();
    void readReports();
    void handleReport(const QString &line);
    void sendWaiting();
    void helperFailed();
    void dropHelper();
    void setReason(const QString &reason);

    QString m_program;
    QProcess *m_helper = nullptr;
    bool m_ready = false;   // the helper has said that it can speak
    QStringList m_waiting;  // what to say once it has
    int m_say = 0;          // the number of the last say sent; reports of older ones are stale
    QTimer m_answerTimeout; // runs while the helper owes an answer
    QString m_reason;
};

} // namespace speech
