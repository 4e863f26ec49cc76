// The console report of a benchmark run, followed by a line that sets one
// result beside its peer or bound (the caller prints it from the times).
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sv::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Real time per iteration, by benchmark name ("ScanOfJunkFiles/2000").
    using Times = std::map<std::string, double>;
    explicit RatioReporter(std::function<void(const Times&)> printRatio) : printRatio_(std::move(printRatio)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        printRatio_(times_);
    }

private:
    std::function<void(const Times&)> printRatio_;
    Times times_;
};

// A benchmark's time, or 0 when it did not run (left out by a filter).
inline double time(const RatioReporter::Times& times, const std::string& name) {
    const auto it = times.find(name);
    return it == times.end() ? 0.0 : it->second;
}

// Runs the benchmarks with the report above.
inline int RunWithRatio(int argc, char** argv, std::function<void(const RatioReporter::Times&)> printRatio) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(printRatio));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace sv::bench
