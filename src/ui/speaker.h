#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace ui {

// Speaks English texts aloud, offline. The windows reach the program's one speaker through
// speaker(), which the shell's factory makes; tests put a recording one in its place with
// setSpeaker().
class Speaker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Why nothing can be spoken (Thai, then English); empty while speech works, and while the
    // speaker is still finding out: what is said meanwhile is said once it knows.
    virtual QString unavailableReason() const = 0;
    bool isAvailable() const { return unavailableReason().isEmpty(); }

    // A control that speaks is shown again: a speaker that could not speak looks, without
    // waiting, whether it can now, and reports availabilityChanged() when it can.
    virtual void recheck() { }

    // Speaks the texts one after the other; a new call replaces what is being said. Empty texts
    // and texts with Thai letters are left out (the voices speak English only); nothing at all
    // is spoken while the speaker is unavailable.
    void say(const QStringList &texts);

signals:
    // The reason has changed: speech failed, or works again.
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

// Makes the program's speaker, a child of parent. The shell installs it at start-up.
using SpeakerFactory = std::function<Speaker *(QObject *parent)>;
void setSpeakerFactory(SpeakerFactory factory);

// The program's speaker, made on first use, as it opens the sound device: not at start-up, only
// when a player first meets a control that speaks. It lives as long as the application object.
// Null in a program that installed no factory.
Speaker *speaker();

// Tests put another speaker in place of the program's own (not owned); null restores it.
void setSpeaker(Speaker *replacement);

} // namespace ui
