#pragma once

#include "ui/speaker.h"

#include <QList>
#include <QStringList>

// Stands in for the program's speaker while it lives: records the texts of each say() that
// reaches the engine, and can pretend that speech cannot be used, with a reason.
class RecordingSpeaker : public ui::Speaker
{
public:
    RecordingSpeaker() { ui::setSpeaker(this); }
    ~RecordingSpeaker() override { ui::setSpeaker(nullptr); }

    QString unavailableReason() const override { return m_reason; }

    // As an engine that fails while the program runs: the controls that follow it change.
    void setUnavailable(const QString &reason)
    {
        m_reason = reason;
        emit availabilityChanged();
    }

    QList<QStringList> said;

protected:
    void speak(const QStringList &texts) override { said.append(texts); }

private:
    QString m_reason;
};
