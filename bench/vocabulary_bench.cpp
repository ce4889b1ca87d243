// What the vocabulary path costs on files at the format's limits, and what the least possible
// reader costs on the same bytes: one read, one split into fields, one decode a field. And the
// wait a loss adds when the review list is full: the word put in its box and the list saved.
#include "floors.h"
#include "median_reporter.h"
#include "sample_vocabulary.h"

#include "game/review_list.h"
#include "game/word_order.h"
#include "storage/review_file.h"
#include "storage/vocabulary_file.h"
#include "ui/file_system.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr quint32 sampleSeed = 874;
constexpr qsizetype builtInLines = vocabulary_file::maxRecords;
constexpr qsizetype customLines = vocabulary_file::maxRecords;
constexpr int repetitions = 9;

struct Samples
{
    QTemporaryDir folder;
    QString builtIn = folder.filePath(QStringLiteral("built-in.txt"));
    QString custom = folder.filePath(QStringLiteral("custom.txt"));
    QString saved = folder.filePath(QStringLiteral("saved.txt"));
    QString written = folder.filePath(QStringLiteral("written.txt"));
    QString review = folder.filePath(QStringLiteral("review.txt"));
    QString reviewFloor = folder.filePath(QStringLiteral("review floor.txt"));
    qint64 builtInSize = 0;
    qint64 customSize = 0;
};

qint64 writeSample(const QString &path, qsizetype lines, int fields)
{
    const QByteArray bytes = sample_vocabulary::make(lines, fields, sampleSeed);
    if (!ui::writeFileAtomically(path, bytes).isNull())
        qFatal("cannot write %s", qPrintable(path));
    return bytes.size();
}

// Every step starts as a program's first load does, with no freed memory kept for it to reuse;
// otherwise a step's figure would depend on what the step before it left behind.
void startCold(benchmark::State &state)
{
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

void floorOf(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        startCold(state);
        QList<QString> fields = floors::readAndDecode(path);
        benchmark::DoNotOptimize(fields.data());
    }
}

// The floor of a save: the custom file's bytes written and synced, nothing else.
void writeFloor(benchmark::State &state, const QString &source, const QString &target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(source));
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        startCold(state);
        floors::writeAndSync(target, bytes);
    }
}

// What the main window's RetrieveData does with a file: read it whole, then MakeWordOrder.
void retrieveData(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        startCold(state);
        vocabulary_file::Contents contents
            = vocabulary_file::read(path, vocabulary_file::builtInFields);
        QRandomGenerator generator(sampleSeed);
        QList<qint16> order = word_order::draw(static_cast<qint16>(contents.entries.size()), generator);
        benchmark::DoNotOptimize(order.data());
    }
}

// The edit chooser's load: the file read as custom entries into the editor's three lists.
void editorLoad(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        startCold(state);
        const vocabulary_file::Contents contents
            = vocabulary_file::read(path, vocabulary_file::customFields);
        const vocabulary_file::Columns store = vocabulary_file::columns(contents.entries);
        benchmark::DoNotOptimize(store.words.data());
    }
}

// SaveData in edit mode: the text of entries 0 to 32,765, written atomically (synced, then
// renamed over the old file).
void saveData(benchmark::State &state, const QString &source, const QString &target)
{
    const vocabulary_file::Contents contents
        = vocabulary_file::read(source, vocabulary_file::customFields);
    const vocabulary_file::Columns store = vocabulary_file::columns(contents.entries);
    for (auto _ : state) {
        startCold(state);
        const vocabulary_file::Text text = vocabulary_file::entriesText(
            store.words, store.hints01, store.hints02, 0, store.words.size() - 1);
        if (!text.ok() || !ui::writeFileAtomically(target, text.bytes).isNull())
            state.SkipWithError("the save failed");
    }
}

// A full review list: the built-in sample's 32,766 entries, in boxes 1 to 3.
game::ReviewList fullReviewList(const QString &builtIn)
{
    vocabulary_file::Contents contents = vocabulary_file::read(builtIn, vocabulary_file::builtInFields);
    QRandomGenerator generator(sampleSeed);
    QList<qint8> boxes;
    for (qsizetype i = 0; i < contents.entries.size(); ++i)
        boxes.append(static_cast<qint8>(1 + generator.bounded(3)));
    return {std::move(contents.entries), std::move(boxes)};
}

// What the main window does after a loss when the review list is full: a new word goes into
// box 1 (the longest waiting of box 3 makes room) and the whole list is saved atomically.
void reviewSave(benchmark::State &state, const QString &builtIn, const QString &path)
{
    game::ReviewList list = fullReviewList(builtIn);
    int lost = 0;
    for (auto _ : state) {
        startCold(state);
        list.Lost({QStringLiteral("newword%1").arg(++lost), QStringLiteral("a hint"),
                   QStringLiteral("คำใบ้"), QStringLiteral("ความหมาย"), QStringLiteral("A sentence.")});
        if (!ui::writeFileAtomically(path, review_file::text(list.entries(), list.boxes())).isNull())
            state.SkipWithError("the save failed");
    }
}

// Its floor: the list's bytes, made once beforehand, written and synced, as any save that
// keeps them must do.
void reviewFloor(benchmark::State &state, const QString &builtIn, const QString &path)
{
    const game::ReviewList list = fullReviewList(builtIn);
    const QByteArray bytes = review_file::text(list.entries(), list.boxes());
    for (auto _ : state) {
        startCold(state);
        floors::writeAndSync(path, bytes);
    }
}

void printRatios(const MedianReporter &reporter, const Samples &samples)
{
    const struct
    {
        const char *step;
        const char *floor;
    } rows[] = {
        {"RetrieveData+MakeWordOrder", "floor/built-in"},
        {"editor load", "floor/custom"},
        {"SaveData text+write", "floor/write+sync"},
        {"review: loss, full list", "floor/review write"},
    };
    std::printf("\nBuilt-in file: %lld lines, %lld bytes; custom file: %lld lines, %lld bytes\n",
                static_cast<long long>(builtInLines), static_cast<long long>(samples.builtInSize),
                static_cast<long long>(customLines), static_cast<long long>(samples.customSize));
    std::printf("Medians of %d repetitions, in ms; ratio = step / floor on the same file\n",
                repetitions);
    std::printf("%-28s %9s %9s %-15s %9s %9s %10s %10s\n", "step", "wall", "cpu", "floor", "wall",
                "cpu", "ratio wall", "ratio cpu");
    for (const auto &row : rows) {
        const auto step = reporter.medians.find(row.step);
        const auto floor = reporter.medians.find(row.floor);
        if (step == reporter.medians.end() || floor == reporter.medians.end())
            continue;
        const Median &a = step->second;
        const Median &b = floor->second;
        std::printf("%-28s %9.2f %9.2f %-15s %9.2f %9.2f %10.2f %10.2f\n", row.step, a.real * 1e3,
                    a.cpu * 1e3, row.floor, b.real * 1e3, b.cpu * 1e3, a.real / b.real, a.cpu / b.cpu);
    }
}

benchmark::internal::Benchmark *configured(benchmark::internal::Benchmark *bench)
{
    return bench->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(repetitions)->DisplayAggregatesOnly();
}

} // namespace

int main(int argc, char **argv)
{
    Samples samples;
    if (!samples.folder.isValid())
        qFatal("no temporary folder");
    samples.builtInSize = writeSample(samples.builtIn, builtInLines, vocabulary_file::builtInFields);
    samples.customSize = writeSample(samples.custom, customLines, vocabulary_file::customFields);

    configured(benchmark::RegisterBenchmark("floor/built-in", floorOf, samples.builtIn));
    configured(benchmark::RegisterBenchmark("RetrieveData+MakeWordOrder", retrieveData, samples.builtIn));
    configured(benchmark::RegisterBenchmark("floor/custom", floorOf, samples.custom));
    configured(benchmark::RegisterBenchmark("editor load", editorLoad, samples.custom));
    configured(benchmark::RegisterBenchmark("floor/write+sync", writeFloor, samples.custom,
                                            samples.written));
    configured(benchmark::RegisterBenchmark("SaveData text+write", saveData, samples.custom,
                                            samples.saved));
    configured(benchmark::RegisterBenchmark("floor/review write", reviewFloor, samples.builtIn,
                                            samples.reviewFloor));
    configured(benchmark::RegisterBenchmark("review: loss, full list", reviewSave, samples.builtIn,
                                            samples.review));

    MedianReporter reporter;
    runInterleaved(argc, argv, reporter);
    printRatios(reporter, samples);
    return 0;
}
