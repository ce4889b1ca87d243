#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ui {

// Speaks English texts aloud, offline. The windows reach the program's one speaker through
// speaker(); tests put a recording one in its place with setSpeaker().
class Speaker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Why nothing can be spoken (Thai, then English); empty while speech works. Known as soon
    // as the speaker exists, so that a control can be disabled before anyone presses it.
    virtual QString unavailableReason() const = 0;
    bool isAvailable() const { return unavailableReason().isEmpty(); }

    // Speaks the texts one after the other; a new call replaces what is being said. Empty texts
    // and texts with Thai letters are left out (the voices speak English only); nothing at all
    // is spoken while the speaker is unavailable.
    void say(const QStringList &texts);

signals:
    // The reason has changed: the engine failed while speaking.
    void availabilityChanged();
    // A text of the last say() begins to be heard, and has been heard to its end.
    void speaking(const QString &text);
    void spoken(const QString &text);
    // The last say() is over: each of its texts spoken or given up. Not sent for a say() that a
    // newer one replaced.
    void finished();

protected:
    // Speaks texts that are English and not empty, at least one.
    virtual void speak(const QStringList &texts) = 0;
};

// The program's speaker, made on first use: making the engine takes a moment and opens the
// sound device, so it is not done at start-up. It lives as long as the application object.
Speaker &speaker();

// Tests put another speaker in place of the program's own (not owned); null restores it.
void setSpeaker(Speaker *replacement);

} // namespace ui
