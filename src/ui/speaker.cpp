#include "ui/speaker.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace ui {
namespace {

QPointer<Speaker> &replacementSpeaker()
{
    static QPointer<Speaker> speaker;
    return speaker;
}

QPointer<Speaker> &programSpeaker()
{
    static QPointer<Speaker> speaker;
    return speaker;
}

SpeakerFactory &factory()
{
    static SpeakerFactory factory;
    return factory;
}

bool hasThaiLetters(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0E00 && c.unicode() <= 0x0E7F; });
}

} // namespace

void Speaker::say(const QStringList &texts)
{
    if (!isAvailable())
        return;
    QStringList english;
    for (const QString &text : texts) {
        const QString spoken = text.simplified();
        if (!spoken.isEmpty() && !hasThaiLetters(spoken))
            english.append(spoken);
    }
    if (!english.isEmpty())
        speak(english);
}

void setSpeakerFactory(SpeakerFactory factory)
{
    ui::factory() = std::move(factory);
}

Speaker *speaker()
{
    if (replacementSpeaker())
        return replacementSpeaker();
    if (!programSpeaker() && factory())
        programSpeaker() = factory()(QCoreApplication::instance());
    return programSpeaker();
}

void setSpeaker(Speaker *replacement)
{
    replacementSpeaker() = replacement;
}

} // namespace ui
