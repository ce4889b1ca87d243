// The two waits of the classroom's commands, on sheets and lists of 58 to 32,766 entries:
// - importing a spreadsheet: from the file chosen until the import report over the editor holding
//   the rows is painted (through the menu command and the shell, offscreen, in-process), and the
//   reading and checking of the sheet alone; beside the floor of reading it: its bytes read,
//   decoded and cut into fields at every comma and line end, no quotes, no checks;
// - printing a list to PDF, both worksheets; beside the floor of a PDF of the same texts: each
//   drawn once at a fixed place in the same font, as many to a page, no measuring, no boxes.
// Prints figures and asserts nothing.
#include "median_reporter.h"
#include "paint_stopwatch.h"
#include "sample_vocabulary.h"

#include "classroom/spreadsheet.h"
#include "classroom/worksheet.h"
#include "game/game_window.h"
#include "shell/application.h"
#include "shell/navigation.h"
#include "storage/pindrel_module.h"
#include "ui/desktop.h"
#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/forms.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

constexpr quint32 sampleSeed = 874;
constexpr qsizetype sizes[] = {58, 1000, 10000, vocabulary_file::maxRecords};
constexpr int repetitions = 9;
// As many entries as the worksheets put on a page of A4, for the floor's pages.
constexpr qsizetype sheetEntriesAPage = 11;
constexpr qsizetype keyEntriesAPage = 25;

QTemporaryDir *folder = nullptr;
std::map<qsizetype, QList<VocabEntry>> lists;
std::map<qsizetype, qsizetype> sheetBytes;

QString sheetPath(qsizetype entries)
{
    return folder->filePath(QStringLiteral("sheet-%1.csv").arg(entries));
}

void drain()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return static_cast<double>(clock.nsecsElapsed()) * 1e-9;
}

void measure(benchmark::State &state, const std::function<double()> &wait)
{
    for (auto _ : state) {
        const double time = wait();
        if (time < 0) {
            state.SkipWithError("the wait did not end as it should");
            break;
        }
        state.SetIterationTime(time);
    }
}

// The import command on the main window, the sheet chosen; until the report is painted.
double importWait(qsizetype entries)
{
    for (const QString &name : ui::forms::loadedNames())
        ui::forms::Unload(name);
    drain();
    QWidget *game = ui::forms::Show<GameWindow>();
    drain();
    ui::setFileDialogHandler(
        [entries](const QString &, const QString &) { return sheetPath(entries); });
    const QString report = QStringLiteral("frmImportReport");
    const PaintStopwatch::Times times
        = PaintStopwatch([report] { return ui::forms::find(report); }, false).run([game] {
              game->findChild<QAction *>(QStringLiteral("mnuImport"))->trigger();
          });
    ui::setFileDialogHandler({});
    const bool held = pindrelModule::arrVocab.size() == entries + 1;
    return times.timedOut || !held ? -1 : times.window;
}

double readAndCheck(qsizetype entries)
{
    spreadsheet::Import import;
    const double time = seconds([&] { import = spreadsheet::read(sheetPath(entries)); });
    return import.entries.size() == entries ? time : -1;
}

double readFloor(qsizetype entries)
{
    QList<QString> fields;
    const double time = seconds([&] {
        QFile file(sheetPath(entries));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QString text = QString::fromUtf8(file.readAll());
        qsizetype start = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u',' && text[i] != u'\n')
                continue;
            fields.append(text.sliced(start, i - start));
            start = i + 1;
        }
    });
    return fields.size() >= entries * 5 ? time : -1;
}

double printWait(qsizetype entries, worksheet::Kind kind)
{
    QPrinter printer(QPrinter::HighResolution);
    worksheet::prepare(printer, QStringLiteral("sample.txt"));
    printer.setOutputFileName(folder->filePath(QStringLiteral("printed.pdf")));
    bool printed = false;
    const double time = seconds([&] {
        printed = worksheet::print(printer, QStringLiteral("sample.txt"), lists[entries], kind);
    });
    return printed ? time : -1;
}

double printFloor(qsizetype entries, worksheet::Kind kind)
{
    QPdfWriter writer(folder->filePath(QStringLiteral("floor.pdf")));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const qsizetype aPage = kind == worksheet::Kind::PupilsSheet ? sheetEntriesAPage : keyEntriesAPage;
    return seconds([&] {
        QPainter painter(&writer);
        painter.setFont(ui::font(QStringLiteral("MS Sans Serif"), 12));
        const double line = writer.height() / double(aPage * 2 + 2);
        for (qsizetype i = 0; i < entries; ++i) {
            if (i > 0 && i % aPage == 0)
                writer.newPage();
            const VocabEntry &e = lists[entries][i];
            const double y = line * double(i % aPage * 2 + 1);
            const QStringList texts = kind == worksheet::Kind::PupilsSheet
                ? QStringList {e.hint01, e.hint02}
                : QStringList {e.word, e.meaning, e.sentence};
            for (qsizetype k = 0; k < texts.size(); ++k)
                painter.drawText(QPointF(double(k) * writer.width() / 3.0, y), texts[k]);
        }
    });
}

std::string sized(const char *step, qsizetype entries)
{
    return std::string(step) + "/" + std::to_string(entries);
}

void printTable(const MedianReporter &reporter)
{
    std::printf("\nMedians of %d waits, in ms (offscreen, in-process); ratio = step / its floor\n",
                repetitions);
    std::printf("%-46s", "entries");
    for (const qsizetype n : sizes)
        std::printf(" %10lld", static_cast<long long>(n));
    std::printf("\n%-46s", "  the sheet's bytes (UTF-8, five columns)");
    for (const qsizetype n : sizes)
        std::printf(" %10lld", static_cast<long long>(sheetBytes[n]));
    std::printf("\n");
    const struct
    {
        const char *step;
        const char *label;
        const char *floor;
    } rows[] = {
        {"import", "import: chosen -> report over editor painted", "floor read"},
        {"read+check", "  of which: the sheet read and checked", "floor read"},
        {"floor read", "floor: read + decode + cut at , and \\n", nullptr},
        {"print sheet", "print the pupils' sheet to PDF", "floor sheet"},
        {"floor sheet", "floor: its texts drawn on as many pages", nullptr},
        {"print key", "print the teacher's key to PDF", "floor key"},
        {"floor key", "floor: its texts drawn on as many pages", nullptr},
    };
    for (const auto &row : rows) {
        std::printf("%-46s", row.label);
        for (const qsizetype n : sizes)
            std::printf(" %10.2f", reporter.ms(sized(row.step, n)));
        std::printf("\n");
        if (!row.floor)
            continue;
        std::printf("%-46s", "  ratio");
        for (const qsizetype n : sizes)
            std::printf(" %10.2f", reporter.ms(sized(row.step, n)) / reporter.ms(sized(row.floor, n)));
        std::printf("\n");
    }
}

// The offscreen platform's chatter about raising windows is kept out of the figures.
void quiet(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(u"This plugin does not support "))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    pindrel::prepareApplication();
    const pindrel::Navigation navigation;
    QTemporaryDir dir(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("classroom-XXXXXX")));
    folder = &dir;
    const QDir program(QStringLiteral(PINDREL_PROGRAM_FOLDER));
    for (const QString &name : program.entryList(QDir::Files))
        if (name != u"pindrel")
            QFile::copy(program.filePath(name), dir.filePath(name));
    ui::setProgramFolder(dir.path());
    QDir(dir.path()).mkdir(QStringLiteral("Custom Vocab"));

    const auto configured = [](benchmark::internal::Benchmark *bench) {
        bench->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->DisplayAggregatesOnly();
    };
    using worksheet::Kind;
    for (const qsizetype n : sizes) {
        const auto sample = vocabulary_file::parse(
            sample_vocabulary::make(n, vocabulary_file::builtInFields, sampleSeed),
            vocabulary_file::builtInFields);
        lists[n] = sample.entries;
        const QByteArray sheet = spreadsheet::exportSheet(sample.entries);
        sheetBytes[n] = sheet.size();
        if (!ui::writeFileAtomically(sheetPath(n), sheet).isNull())
            qFatal("cannot write the sheet of %lld entries", static_cast<long long>(n));
        const std::pair<const char *, std::function<double()>> steps[] = {
            {"import", [n] { return importWait(n); }},
            {"read+check", [n] { return readAndCheck(n); }},
            {"floor read", [n] { return readFloor(n); }},
            {"print sheet", [n] { return printWait(n, Kind::PupilsSheet); }},
            {"floor sheet", [n] { return printFloor(n, Kind::PupilsSheet); }},
            {"print key", [n] { return printWait(n, Kind::TeachersKey); }},
            {"floor key", [n] { return printFloor(n, Kind::TeachersKey); }},
        };
        for (const auto &[step, wait] : steps)
            configured(benchmark::RegisterBenchmark(sized(step, n).c_str(), measure, wait));
    }

    MedianReporter reporter;
    runInterleaved(argc, argv, reporter);
    printTable(reporter);
    for (const QString &name : ui::forms::loadedNames())
        ui::forms::Unload(name);
    drain();
    return 0;
}
