// What one more word costs the main thread as lost words pile up in the difficult-words list:
// a word lost (nine wrong letters) and the next word taken, with none and with 2,000 words
// already lost. The cost should stay flat. Then the longest session a score can count (16,385
// words lost with two hints each take it from 0 to -32,768): what it leaves behind in memory and
// in widgets, which should be next to nothing.
#include "game/game_window.h"
#include "shell/application.h"
#include "ui/file_system.h"
#include "ui/forms.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QWidget *game()
{
    return ui::forms::find(QStringLiteral("Pindrel"));
}

void type(const QString &letters)
{
    for (const QChar letter : letters) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier, letter);
        QApplication::sendEvent(game(), &press);
    }
}

// The word is "a": nine other letters lose it, and the panel's first button goes on. The event
// loop runs after each, as between a player's keys: the window is laid out and painted.
void loseAndGoOn()
{
    type(QStringLiteral("bcdefghij"));
    QCoreApplication::processEvents();
    game()->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
    QCoreApplication::processEvents();
}

void wordAfterLostWords(benchmark::State &state)
{
    ui::forms::Unload(QStringLiteral("Pindrel"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::forms::Show<GameWindow>();
    for (int i = 0; i < state.range(0); ++i)
        loseAndGoOn();
    for (auto _ : state)
        loseAndGoOn();
    state.counters["lost before"] = static_cast<double>(state.range(0));
}
BENCHMARK(wordAfterLostWords)->Arg(0)->Arg(2000)->Iterations(200)->Unit(benchmark::kMillisecond);

qsizetype residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLongLong();
}

void longestSession(benchmark::State &state)
{
    for (auto _ : state) {
        ui::forms::Unload(QStringLiteral("Pindrel"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::forms::Show<GameWindow>();
        qsizetype widgets = 0, memory = 0;
        for (int word = 1; word <= 16385; ++word) {
            if (word == 100)
                std::tie(widgets, memory) = std::pair(qApp->allWidgets().size(), residentKiB());
            for (const char *hint : {"cmdHint01", "cmdHint02"})
                game()->findChild<QPushButton *>(QLatin1String(hint))->click();
            loseAndGoOn();
        }
        state.counters["memory grown KiB"] = double(residentKiB() - memory);
        state.counters["widgets left"] = double(qApp->allWidgets().size() - widgets);
        state.counters["score"]
            = game()->findChild<QLabel *>(QStringLiteral("lblScore"))->text().toDouble();
    }
}
BENCHMARK(longestSession)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pindrel::prepareApplication();
    QTemporaryDir folder;
    QFile school(folder.filePath(QStringLiteral("school.txt")));
    if (!school.open(QIODevice::WriteOnly) || school.write("a|hint|another|meaning|sentence\r\n") < 0)
        qFatal("cannot write %s", qPrintable(school.fileName()));
    school.close();
    ui::setProgramFolder(folder.path());
    // Each word lost is saved in a review list of its own, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
