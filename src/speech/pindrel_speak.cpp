// pindrel-speak: the game's voice in a process of its own, so that a sound server or its client
// library that crashes or hangs takes this helper down and never the game. It reads commands on
// its standard input and reports on its standard output, one UTF-8 line each:
//   in:  say N<tab>TEXT<tab>TEXT...   speak the texts, replacing what is being said
//   out: available                    first, when the engine can speak; or
//        unavailable REASON           first or at any later time, and then it ends
//                                     (REASON: no-engine, no-voice, no-audio, failed TEXT)
//        speaking N<tab>TEXT          a text of say N begins to be heard
//        spoken N<tab>TEXT            and has been heard to its end
//        finished N                   say N is over
// It ends when its input closes.
#include "speech/flite_engine.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

void report(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// There is nothing to save, and Qt 6.4's teardown of its sound-server connection is where the
// engine aborted or hung at exit: so the helper ends without it.
[[noreturn]] void end()
{
    std::fflush(stdout);
    ::_exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    speech::FliteEngine engine;
    if (!engine.unavailableReason().isEmpty()) {
        report(QStringLiteral("unavailable ") + engine.unavailableReason());
        end();
    }
    report(QStringLiteral("available"));

    QString say; // the number of the say being spoken
    QObject::connect(&engine, &speech::FliteEngine::speaking, [&](const QString &text) {
        report(QStringLiteral("speaking %1\t%2").arg(say, text));
    });
    QObject::connect(&engine, &speech::FliteEngine::spoken, [&](const QString &text) {
        report(QStringLiteral("spoken %1\t%2").arg(say, text));
    });
    QObject::connect(&engine, &speech::FliteEngine::finished,
                     [&] { report(QStringLiteral("finished ") + say); });
    QObject::connect(&engine, &speech::FliteEngine::failed, [&] {
        report(QStringLiteral("unavailable ") + engine.unavailableReason());
        end();
    });

    QByteArray input;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN))
            end();
        if (got > 0)
            input.append(buffer, got);
        for (qsizetype at; (at = input.indexOf('\n')) >= 0;) {
            const QStringList fields = QString::fromUtf8(input.first(at)).split(u'\t');
            input.remove(0, at + 1);
            if (fields.size() > 1 && fields.first().startsWith(QLatin1String("say "))) {
                say = fields.first().mid(4);
                engine.say(fields.mid(1));
            }
        }
    });
    return app.exec();
}
