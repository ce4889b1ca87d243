#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Google Benchmark's own table, and the median of each benchmark kept for the figures printed
// after it.
struct Median
{
    double real = 0; // seconds per iteration
    double cpu = 0;
};

class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const auto iterations = static_cast<double>(run.iterations);
            medians[run.run_name.function_name]
                = {run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // The median wall time of a benchmark in ms; -1 when it did not run.
    double ms(const std::string &name) const
    {
        const auto found = medians.find(name);
        return found == medians.end() ? -1 : found->second.real * 1e3;
    }
    std::map<std::string, Median> medians;
};

// Runs the registered benchmarks with the repetitions of all of them in random order, so that a
// busy moment of the machine falls on steps and floors alike; flags given on the command line
// come later and win.
inline void runInterleaved(int argc, char *argv[], MedianReporter &reporter)
{
    std::vector<char *> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
