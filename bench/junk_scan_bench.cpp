// The junk scan over a simulated drive of N junk files, at two sizes ten times
// apart. Each found file is checked against the rows already listed; with a
// lookup per file the time per file stays flat as the list grows (the bound
// printed is 1.0), where a pass over all rows would make it ten times larger.
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

#include <cstdio>
#include <map>
#include <string>

#include "common/settings.h"
#include "junk/junk_form.h"
#include "platform/machine.h"
#include "platform/sim/sim_machine.h"
#include "shell/commontools.h"
#include "shell/hints.h"

namespace {

void ScanOfJunkFiles(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    sv::sim::SimMachine m;
    sv::MachineGuard guard{m};
    sv::Tcommontools holder;
    sv::setCommontools(&holder);
    m.fs().addDrive('D', sv::DriveType::Fixed);
    for (int i = 0; i < files; ++i)
        m.fs().addFile("D:\\f" + std::to_string(i / 100) + "\\junk" + std::to_string(i) + ".tmp", "x");
    sv::WriteSettingBool(sv::StatisticsKey, "DoJunk", false);
    sv::TfrmJunk f;
    for (int i = 0; i < f.DiskListView1.rowCount(); ++i)
        f.DiskListView1.setChecked(i, sv::TDiskListView::driveLetterOf(f.DiskListView1.row(i).caption) == 'D');
    f.DiskListView1.selectCheckedRows();
    f.cbInUse.setChecked(false);
    for (auto _ : state) {
        f.cmdGoClick();
        if (f.lv.rowCount() != files) state.SkipWithError("not every file was listed");
    }
    state.SetItemsProcessed(state.iterations() * files);
    sv::setCommontools(nullptr);
}
BENCHMARK(ScanOfJunkFiles)->Arg(2'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

}  // namespace

// The time per file of the larger scan as a multiple of the smaller's.
int main(int argc, char** argv) {
    return sv::bench::RunWithRatio(argc, argv, [](const sv::bench::RatioReporter::Times& t) {
        const double small = sv::bench::time(t, "ScanOfJunkFiles/2000") / 2'000;
        const double large = sv::bench::time(t, "ScanOfJunkFiles/20000") / 20'000;
        if (small > 0) std::printf("time per file, 20,000 files / 2,000 files: %.2f (linear bound 1.00)\n", large / small);
    });
}
