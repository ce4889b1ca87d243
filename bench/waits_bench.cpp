// What a user waits for after the custom chooser's OK and after the editor's Save, end to end
// through the real windows and the shell's hand-overs, on custom files of 58 to 32,766 entries:
// until the new main window is painted with the new word's slots (and, after a save, its message
// is shown). Beside them, in the same run: a bare main window shown, a bare message box shown, the
// file read and decoded, the file written and synced, and its fields encoded, written and synced.
// Offscreen, in-process; prints figures.
#include "bare_window.h"
#include "floors.h"
#include "median_reporter.h"
#include "paint_stopwatch.h"
#include "sample_vocabulary.h"

#include "editor/vocab_editor.h"
#include "game/game.h"
#include "game/game_window.h"
#include "shell/application.h"
#include "shell/navigation.h"
#include "storage/pindrel_module.h"
#include "storage/vocabulary_file.h"
#include "ui/file_system.h"
#include "ui/forms.h"
#include "ui/zoom.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr quint32 sampleSeed = 874;
// The smallest is a built-in vocabulary's size; the largest, the most a file may hold.
constexpr qsizetype sizes[] = {58, 1000, 10000, vocabulary_file::maxRecords};
constexpr int repetitions = 41;
std::map<qsizetype, qsizetype> sampleBytes; // each sample's size, for the table
const QString savedMessage = QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว");

QString sampleName(qsizetype entries)
{
    return QStringLiteral("sample-%1.txt").arg(entries, 5, 10, QLatin1Char('0'));
}

QString registryName(const char *formName)
{
    return QString::fromLatin1(formName);
}

QWidget *mainWindow()
{
    return ui::forms::find(registryName(GameWindow::formName));
}

template<class T = QWidget> T *child(const QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("%s not found", name);
    return found;
}

// Lets the windows unloaded so far be destroyed, as the event loop would before the next click.
void drain()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs action, which shows the window of that form, until the window is painted.
QWidget *showPainted(const char *formName, const std::function<void()> &action)
{
    const QString name = registryName(formName);
    PaintStopwatch([name] { return ui::forms::find(name); }, false).run(action);
    QWidget *window = ui::forms::find(name);
    if (!window)
        qFatal("%s did not open", formName);
    return window;
}

void select(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("%s is not listed", qPrintable(name));
    list->setCurrentItem(items.first());
    drain();
}

// The state every wait starts from: the main window as the program opens it, on school.txt.
GameWindow *freshMainWindow()
{
    ui::forms::Unload(registryName(GameWindow::formName));
    drain();
    pindrelModule::strFileInUse.clear();
    pindrelModule::strEditFile.clear();
    return qobject_cast<GameWindow *>(
        showPainted(GameWindow::formName, [] { ui::forms::Show<GameWindow>(); }));
}

// How long the wait was, or what went wrong.
struct Wait
{
    double seconds = 0;
    QString fault;
};

Wait check(const PaintStopwatch::Times &times, const QString &expectedMessage, qsizetype entries)
{
    if (times.timedOut)
        return {0, QStringLiteral("no main window within 30 s; message: ") + times.boxText};
    if (times.boxText != expectedMessage)
        return {0, QStringLiteral("message \"%1\" where \"%2\" was awaited").arg(times.boxText, expectedMessage)};
    const auto *game = qobject_cast<const GameWindow *>(mainWindow());
    if (!game || game->game().state().intWordCount != entries || game->game().state().strWord.isEmpty())
        return {0, QStringLiteral("the main window does not play the file of %1 entries").arg(entries)};
    return {times.end(), {}};
}

// The custom chooser open on the main window, the file selected; timed from its OK.
Wait chooserOk(qsizetype entries)
{
    GameWindow *game = freshMainWindow();
    QWidget *chooser = showPainted("frmSelectCustVocab",
                                   [game] { child<QAction>(game, "mnuCustVocab")->trigger(); });
    select(child<QListWidget>(chooser, "File1"), sampleName(entries));
    auto *ok = child<QPushButton>(chooser, "cmdOK");
    return check(PaintStopwatch(mainWindow, false).run([ok] { ok->click(); }), {}, entries);
}

// The editor open on the file through the edit chooser, as a user opens it; timed from its Save
// (edit mode writes at once) until the main window is painted and the message shown.
Wait editorSave(qsizetype entries)
{
    GameWindow *game = freshMainWindow();
    QWidget *chooser
        = showPainted("frmChooseFile", [game] { child<QAction>(game, "mnuEditData")->trigger(); });
    select(child<QListWidget>(chooser, "ChooseFile"), sampleName(entries));
    auto *ok = child<QPushButton>(chooser, "cmdOK");
    QWidget *editor = showPainted("new_vocab", [ok] { ok->click(); });
    auto *save = child<QPushButton>(editor, "cmdSave");
    if (!save->isEnabled())
        return {0, QStringLiteral("the editor's Save is disabled")};
    return check(PaintStopwatch(mainWindow, true).run([save] { save->click(); }), savedMessage, entries);
}

// A zoom step as a teacher takes it, Ctrl+plus with the main window and the editor open; timed
// until the main window is painted at the new step. The step is then taken back, out of the time.
Wait zoomStep()
{
    GameWindow *game = freshMainWindow();
    showPainted(VocabEditor::formName, [] { ui::forms::Show<VocabEditor>(); });
    const PaintStopwatch::Times times = PaintStopwatch(mainWindow, false).run([game] {
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier);
        QApplication::sendEvent(game, &plus);
    });
    const bool stepped = ui::zoomStep() > 100;
    ui::setZoomStep(100);
    ui::forms::Unload(registryName(VocabEditor::formName));
    drain();
    if (times.timedOut || !stepped)
        return {0, QStringLiteral("no zoom step painted")};
    return {times.end(), {}};
}

Wait bareMainWindow()
{
    std::unique_ptr<QMainWindow> window;
    const PaintStopwatch::Times times
        = PaintStopwatch([&window] { return window.get(); }, false).run([&window] {
              window.reset(bare_window::make(bare_window::Captions::MainWindow));
              window->show();
          });
    window.reset();
    drain();
    return {times.end(), times.timedOut ? QStringLiteral("not painted") : QString()};
}

// As ui::MsgBox makes the message after a save: the application's name as title, one OK.
Wait bareMessageBox()
{
    const PaintStopwatch::Times times = PaintStopwatch({}, true).run([] {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QApplication::applicationDisplayName());
        box.setText(savedMessage);
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    });
    if (times.timedOut || times.box < 0 || times.boxText != savedMessage)
        return {0, QStringLiteral("the message box was not shown")};
    return {times.box, {}};
}

Wait timed(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return {static_cast<double>(clock.nsecsElapsed()) * 1e-9, {}};
}

void measure(benchmark::State &state, const std::function<Wait()> &wait)
{
    for (auto _ : state) {
        const Wait result = wait();
        if (!result.fault.isEmpty()) {
            state.SkipWithError(qPrintable(result.fault));
            break;
        }
        state.SetIterationTime(result.seconds);
    }
}

std::string sized(const char *step, qsizetype entries)
{
    return std::string(step) + "/" + std::to_string(entries);
}

// The least-squares line through (entries, ms): the constant part and the growth per 1,000
// entries; and the growth per 1,000 over the lower and the upper sizes, which agree when the
// cost grows linearly.
struct Growth
{
    double constant = 0;
    double per1000 = 0;
    double lowerPer1000 = 0;
    double upperPer1000 = 0;
};

Growth growthOf(const MedianReporter &reporter, const char *step)
{
    constexpr auto count = static_cast<double>(std::size(sizes));
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    for (const qsizetype n : sizes) {
        const auto x = static_cast<double>(n) / 1000;
        const double y = reporter.ms(sized(step, n));
        sumX += x;
        sumY += y;
        sumXX += x * x;
        sumXY += x * y;
    }
    Growth growth;
    growth.per1000 = (count * sumXY - sumX * sumY) / (count * sumXX - sumX * sumX);
    growth.constant = (sumY - growth.per1000 * sumX) / count;
    const auto slope = [&](qsizetype from, qsizetype to) {
        return (reporter.ms(sized(step, to)) - reporter.ms(sized(step, from)))
            / (static_cast<double>(to - from) / 1000);
    };
    growth.lowerPer1000 = slope(sizes[0], sizes[2]);
    growth.upperPer1000 = slope(sizes[2], sizes[3]);
    return growth;
}

const char *const chooserStep = "chooser OK";
const char *const saveStep = "Save";
const char *const readFloor = "floor read+decode";
const char *const writeFloor = "floor write+sync";
const char *const saveFloor = "floor encode+write+sync";
const char *const bareWindowFloor = "floor bare main window";
const char *const zoomStepName = "zoom step";
const char *const bareBoxFloor = "floor bare message box";

void printSplit(const MedianReporter &reporter)
{
    std::printf("\nWaits in-process on the offscreen platform; medians of %d single waits, in ms\n",
                repetitions);
    std::printf("%-44s", "entries in the file");
    for (const qsizetype n : sizes)
        std::printf(" %9lld", static_cast<long long>(n));
    std::printf("\n%-44s", "  its bytes (three fields a line)");
    for (const qsizetype n : sizes)
        std::printf(" %9lld", static_cast<long long>(sampleBytes[n]));
    std::printf("\n");
    const struct
    {
        const char *step;
        const char *label;
    } rows[] = {{chooserStep, "chooser OK -> main window painted"},
                {saveStep, "Save -> main window painted, message shown"},
                {readFloor, "floor: read + decode"},
                {writeFloor, "floor: write + sync"},
                {saveFloor, "floor: encode + write + sync"}};
    for (const auto &row : rows) {
        std::printf("%-44s", row.label);
        for (const qsizetype n : sizes)
            std::printf(" %9.2f", reporter.ms(sized(row.step, n)));
        std::printf("\n");
    }
    const double bareWindow = reporter.ms(bareWindowFloor);
    const double bareBox = reporter.ms(bareBoxFloor);
    std::printf("%-44s %9.2f\n%-44s %9.2f\n", "floor: bare main window painted", bareWindow,
                "floor: bare message box painted", bareBox);
    std::printf("%-44s %9.2f   (floor: bare main window painted %.2f)\n",
                "Ctrl+plus -> main window painted (editor open)", reporter.ms(zoomStepName),
                bareWindow);

    const Growth chooser = growthOf(reporter, chooserStep);
    const Growth save = growthOf(reporter, saveStep);
    const Growth read = growthOf(reporter, readFloor);
    const Growth write = growthOf(reporter, writeFloor);
    const Growth encodeWrite = growthOf(reporter, saveFloor);
    const double saveAndReload = encodeWrite.per1000 + read.per1000;
    std::printf(
        "\nEach wait split by the least-squares line through its four sizes, in ms: a constant "
        "part, and a growth per 1,000 entries (target: <= 1.5 x the floor's, linear)\n");
    const char *const heading = "%-11s %9s  %-23s %6s | %8s  %-37s %6s %6s | %s\n";
    const char *const line = "%-11s %9.2f  %-23s %6.2f | %8.3f  %-37s %6.3f %6.2f | %.3f, %.3f\n";
    std::printf(heading, "", "constant", "floor", "", "growth", "floor", "", "ratio",
                "growth over 58-10k, 10k-32,766");
    std::printf(line, chooserStep, chooser.constant, "bare main window", bareWindow,
                chooser.per1000, "read + decode", read.per1000, chooser.per1000 / read.per1000,
                chooser.lowerPer1000, chooser.upperPer1000);
    std::printf(line, saveStep, save.constant, "bare main window + box", bareWindow + bareBox,
                save.per1000, "write + sync", write.per1000, save.per1000 / write.per1000,
                save.lowerPer1000, save.upperPer1000);
    // A save encodes its entries, and the main window it reopens reads the whole file again.
    std::printf("%-11s %9s  %-23s %6s | %8s  %-37s %6.3f %6.2f |\n", "", "", "", "", "",
                "encode + write + sync + read + decode", saveAndReload, save.per1000 / saveAndReload);
    std::printf(
        "The floors' growth over 58-10k, 10k-32,766: read + decode %.3f, %.3f; write + sync "
        "%.3f, %.3f; encode + write + sync %.3f, %.3f\n",
        read.lowerPer1000, read.upperPer1000, write.lowerPer1000, write.upperPer1000,
        encodeWrite.lowerPer1000, encodeWrite.upperPer1000);
}

benchmark::internal::Benchmark *configured(benchmark::internal::Benchmark *bench)
{
    return bench->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->DisplayAggregatesOnly();
}

// A program folder of its own with the built-in files beside it, and the samples in "Custom Vocab".
void makeProgramFolder(const QTemporaryDir &folder)
{
    const QDir source(QStringLiteral(PINDREL_PROGRAM_FOLDER));
    for (const QString &name : source.entryList(QDir::Files))
        if (name != u"pindrel")
            QFile::copy(source.filePath(name), folder.filePath(name));
    ui::setProgramFolder(folder.path());
    // The main window reads a review list of its own at each opening, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    QDir(folder.path()).mkdir(QStringLiteral("Custom Vocab"));
    for (const qsizetype n : sizes) {
        const QByteArray bytes = sample_vocabulary::make(n, vocabulary_file::customFields, sampleSeed);
        sampleBytes[n] = bytes.size();
        if (!ui::writeFileAtomically(ui::customVocabPath(sampleName(n)), bytes).isNull())
            qFatal("cannot write the sample of %lld entries", static_cast<long long>(n));
    }
}

// The offscreen platform says at every window shown that it cannot raise it or pass on its size
// hints; nothing else is kept from the figures.
QtMessageHandler standardHandler = nullptr;

void quietRaise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support "))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietRaise);
    QApplication app(argc, argv);
    pindrel::prepareApplication();
    // The zoom key keeps its step in the settings: in a folder of the run's own, not the user's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    const pindrel::Navigation navigation;
    game::setSeedSource([] { return sampleSeed; });
    // The program folder lies on the same disk as a user's would, not in a memory file system.
    QTemporaryDir folder(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("waits-XXXXXX")));
    if (!folder.isValid())
        qFatal("no program folder");
    makeProgramFolder(folder);
    const QString floorTarget = folder.filePath(QStringLiteral("floor.txt"));

    for (const qsizetype n : sizes) {
        const QString sample = ui::customVocabPath(sampleName(n));
        configured(benchmark::RegisterBenchmark(sized(chooserStep, n).c_str(), measure,
                                                [n] { return chooserOk(n); }));
        configured(benchmark::RegisterBenchmark(sized(saveStep, n).c_str(), measure,
                                                [n] { return editorSave(n); }));
        configured(benchmark::RegisterBenchmark(sized(readFloor, n).c_str(), measure, [sample] {
            return timed([&] { benchmark::DoNotOptimize(floors::readAndDecode(sample).data()); });
        }));
        QFile file(sample);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(sample));
        configured(benchmark::RegisterBenchmark(
            sized(writeFloor, n).c_str(), measure, [bytes = file.readAll(), floorTarget] {
                return timed([&] { floors::writeAndSync(floorTarget, bytes); });
            }));
        // The fields are read afresh before each, as the editor's store is read just before its save.
        configured(
            benchmark::RegisterBenchmark(sized(saveFloor, n).c_str(), measure, [sample, floorTarget] {
                const QList<QString> fields = floors::readAndDecode(sample);
                return timed([&] {
                    floors::encodeWriteAndSync(floorTarget, fields, vocabulary_file::customFields);
                });
            }));
    }
    configured(benchmark::RegisterBenchmark(bareWindowFloor, measure, bareMainWindow));
    configured(benchmark::RegisterBenchmark(zoomStepName, measure, zoomStep));
    configured(benchmark::RegisterBenchmark(bareBoxFloor, measure, bareMessageBox));

    // Once each before measuring: the first window, box and file read of a run load fonts and
    // caches that later ones find loaded, as in a program that has been running a while.
    for (const Wait &warm :
         {chooserOk(sizes[0]), editorSave(sizes[0]), bareMainWindow(), bareMessageBox(), zoomStep()})
        if (!warm.fault.isEmpty())
            qFatal("%s", qPrintable(warm.fault));

    MedianReporter reporter;
    runInterleaved(argc, argv, reporter);
    ui::forms::Unload(registryName(GameWindow::formName));
    drain();
    printSplit(reporter);
    return 0;
}
