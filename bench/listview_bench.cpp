// Filling a list view with 100,000 rows inside one update, against the peer
// that bounds it: the same rows pushed into a plain vector. The list view
// should cost little more than the vector (it keeps the rows in one).
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

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

}  // namespace

int main(int argc, char** argv) {
    return sv::bench::RunWithRatio(argc, argv, [](const sv::bench::RatioReporter::Times& t) {
        const double plain = sv::bench::time(t, "PlainVector"), list = sv::bench::time(t, "ListViewInOneUpdate");
        if (plain > 0) std::printf("list view / plain vector: %.2f\n", list / plain);
    });
}
