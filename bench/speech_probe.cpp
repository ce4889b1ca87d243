// The game's side of speech while the sound server misbehaves, for scripts/measure-speech.sh: the
// program's own speaker (the shell's, driving the helper in the program folder) on the offscreen
// platform, with a timer that tells how late the event loop answers.
//
//   speech_probe PROGRAM_FOLDER play SECONDS [SILENT_SOCKET]
//     Every 1.5 s says a word and a sentence unless the last are still being said, or, while
//     speech is off, looks again whether it works, as a listen button shown again does. Prints each change ("off", "on") and each text
//     begun ("speaking TEXT"), after the wall-clock time in ms, then the figures. With
//     SILENT_SOCKET it first listens there and never answers: a server that hangs.
//   speech_probe PROGRAM_FOLDER exit at-speaking|at-finished
//     Says a word and quits as it begins to be heard, or once it has been; prints "speaking",
//     "finished" or "unavailable" as they come, then how long the teardown took.
// Prints figures and asserts nothing.
#include "shell/application.h"
#include "ui/file_system.h"
#include "ui/speaker.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int tickMs = 10;
constexpr int turnMs = 1500;

void print(const QString &line)
{
    std::printf("%lld %s\n", QDateTime::currentMSecsSinceEpoch(), qPrintable(line));
    std::fflush(stdout);
}

// A socket that takes connections into its backlog and never reads from them.
void listenSilently(const QString &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.begin() + std::min<qsizetype>(name.size(), 100), address.sun_path);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(s, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(s, SOMAXCONN) != 0)
        std::perror("speech_probe: silent socket");
}

int play(int seconds)
{
    std::vector<qint64> lateness;
    qint64 longestCall = 0;
    int says = 0, heard = 0, offs = 0, ons = 0;
    QElapsedTimer call;
    call.start();
    ui::Speaker *speaker = ui::speaker();
    longestCall = call.elapsed();
    bool wasAvailable = true;
    bool saying = false;
    QObject::connect(speaker, &ui::Speaker::finished, [&] { saying = false; });
    QObject::connect(speaker, &ui::Speaker::availabilityChanged, [&] {
        const bool available = speaker->isAvailable();
        if (available == wasAvailable)
            return;
        wasAvailable = available;
        saying = false;
        ++(available ? ons : offs);
        print(available ? QStringLiteral("on") : QStringLiteral("off"));
    });
    QObject::connect(speaker, &ui::Speaker::speaking,
                     [&](const QString &text) { print(QStringLiteral("speaking ") + text); });
    QObject::connect(speaker, &ui::Speaker::spoken, [&] { ++heard; });

    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] {
        call.start();
        if (saying)
            return;
        if (speaker->isAvailable()) {
            ++says;
            saying = true;
            speaker->say({QStringLiteral("dog"), QStringLiteral("The dog sleeps on the mat.")});
        } else {
            speaker->recheck();
        }
        longestCall = std::max(longestCall, call.elapsed());
    });
    turn.start(turnMs);

    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { lateness.push_back(std::max<qint64>(0, sinceTick.restart() - tickMs)); });
    sinceTick.start();
    tick.start(tickMs);

    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();

    std::sort(lateness.begin(), lateness.end());
    const qint64 worst = lateness.empty() ? 0 : lateness.back();
    const qint64 p99 = lateness.empty() ? 0 : lateness[lateness.size() * 99 / 100];
    const auto over100
        = std::count_if(lateness.begin(), lateness.end(), [](qint64 ms) { return ms > 100; });
    std::printf("figures: %zu ticks of %d ms, late by at most %lld ms (99th percentile %lld ms), "
                "%td over 100 ms; longest call into the speaker %lld ms; %d says, %d texts heard, "
                "%d times off, %d times on again\n",
                lateness.size(), tickMs, worst, p99, over100, longestCall, says, heard, offs, ons);
    return 0;
}

int quitAfterWord(bool atSpeaking)
{
    ui::Speaker *speaker = ui::speaker();
    QObject::connect(speaker, &ui::Speaker::speaking, [&] {
        std::printf("speaking\n");
        if (atSpeaking)
            QCoreApplication::quit();
    });
    QObject::connect(speaker, &ui::Speaker::finished, [] {
        std::printf("finished\n");
        QCoreApplication::quit();
    });
    QObject::connect(speaker, &ui::Speaker::availabilityChanged, [&] {
        std::printf("unavailable\n");
        QCoreApplication::quit();
    });
    speaker->say({QStringLiteral("dog")});
    QTimer::singleShot(20000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: speech_probe PROGRAM_FOLDER play SECONDS [SILENT_SOCKET]\n"
                     "       speech_probe PROGRAM_FOLDER exit at-speaking|at-finished\n");
        return 2;
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    pindrel::prepareApplication();
    ui::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    const QByteArray mode = argv[2];
    int status = 0;
    if (mode == "play") {
        if (argc > 4)
            listenSilently(QString::fromLocal8Bit(argv[4]));
        status = play(std::atoi(argv[3]));
    } else {
        status = quitAfterWord(QByteArray(argv[3]) == "at-speaking");
    }
    QElapsedTimer teardown;
    teardown.start();
    app.reset(); // the speaker goes with the application, as in the game
    if (mode == "exit")
        std::printf("teardown %lld ms\n", teardown.elapsed());
    return status;
}
