// What one more word costs the main thread as lost words pile up in the difficult-words list:
// a word lost (nine wrong letters) and the next word taken, with none and with 2,000 words
// already lost. The cost should stay flat.
#include "game/game_window.h"
#include "shell/application.h"
#include "ui/file_system.h"
#include "ui/forms.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
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
