// The program's own speaker in a process of its own, for test_speech: Qt looks for the sound
// system once per process, so each case of the real engine needs a fresh one.
//   speech_probe [--no-plugins] TEXT... [--then TEXT... | --after-a-line TEXT...]
// Says the texts; those after --then are said as soon as the first text begins to be heard,
// replacing the rest; those after --after-a-line once the first are finished and a line has
// been read from the standard input (the test takes the sound server away in between).
// Prints "unavailable: " and the English line of the reason, or "available", then each text as
// it begins to be heard and when it has been heard (with the milliseconds between), and
// "finished".
#include "ui/speaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList texts = app.arguments().mid(1);
    if (texts.value(0) == QLatin1String("--no-plugins")) {
        QCoreApplication::setLibraryPaths({});
        texts.removeFirst();
    }
    const auto after = [&texts](const char *option) {
        const qsizetype at = texts.indexOf(QLatin1String(option));
        const QStringList rest = at < 0 ? QStringList() : texts.mid(at + 1);
        texts = texts.mid(0, at);
        return rest;
    };
    QStringList later = after("--after-a-line");
    QStringList replacement = after("--then");

    QTextStream out(stdout);
    ui::Speaker &speaker = ui::speaker();
    const auto printReason = [&] {
        out << "unavailable: " << speaker.unavailableReason().section(u'\n', -1) << Qt::endl;
    };
    if (!speaker.isAvailable()) {
        printReason();
        return 0;
    }
    out << "available" << Qt::endl;
    QElapsedTimer heard;
    QObject::connect(&speaker, &ui::Speaker::speaking, &app, [&](const QString &text) {
        out << "speaking: " << text << Qt::endl;
        heard.start();
        if (!replacement.isEmpty())
            speaker.say(std::exchange(replacement, {}));
    });
    QObject::connect(&speaker, &ui::Speaker::spoken, &app, [&](const QString &text) {
        out << "spoken: " << text << " after " << heard.elapsed() << " ms" << Qt::endl;
    });
    QObject::connect(&speaker, &ui::Speaker::availabilityChanged, &app, [&] {
        printReason();
        app.quit();
    });
    QObject::connect(&speaker, &ui::Speaker::finished, &app, [&] {
        out << "finished" << Qt::endl;
        if (later.isEmpty()) {
            app.quit();
        } else {
            QTextStream(stdin).readLine();
            speaker.say(std::exchange(later, {}));
        }
    });
    QTimer::singleShot(30000, &app, [&] {
        out << "timed out" << Qt::endl;
        app.exit(1);
    });
    speaker.say(texts);
    return app.exec();
}
