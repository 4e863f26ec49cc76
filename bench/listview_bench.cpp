// Filling a list view with 100,000 rows inside one update, against the peer
// that bounds it: the same rows pushed into a plain vector. The list view
// should cost little more than the vector (it keeps the rows in one).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/listview.h"

namespace {

constexpr int kRows = 100'000;

sv::ui::ListRow makeRow(int i) {
    sv::ui::ListRow r;
    r.caption = "c:\\windows\\temp\\file" + std::to_string(i) + ".tmp";
    r.subItems = {std::to_string(i * 17), "Temporary File", "2026/03/14 09:05", "   A"};
    r.checked = (i & 1) != 0;
    return r;
}

void PlainVector(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<sv::ui::ListRow> rows;
        rows.reserve(kRows);
        for (int i = 0; i < kRows; ++i) rows.push_back(makeRow(i));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(PlainVector)->Unit(benchmark::kMillisecond);

void ListViewInOneUpdate(benchmark::State& state) {
    for (auto _ : state) {
        sv::ui::Form form("frmBench");
        sv::ui::ListView lv(&form, "lv");
        lv.setCheckBoxes(true);
        lv.beginUpdate();
        lv.reserve(kRows);
        for (int i = 0; i < kRows; ++i) lv.addRow(makeRow(i));
        lv.endUpdate();
        benchmark::DoNotOptimize(lv.rowCount());
    }
}
BENCHMARK(ListViewInOneUpdate)->Unit(benchmark::kMillisecond);

// Prints the list view's time as a multiple of the vector's after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double plain = times_["PlainVector"], list = times_["ListViewInOneUpdate"];
        if (plain > 0) std::printf("list view / plain vector: %.2f\n", list / plain);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
