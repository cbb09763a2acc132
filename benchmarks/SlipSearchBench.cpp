// The slip search's list building at 1,000, 10,000 and 100,000 slips, in every
// layout, as the search does when it opens or a mode button is pressed: the
// archive walked a run of records at a time, each slip decoded as far as the
// layout reads it, the lines built and put in order (the opening layout
// re-sorted by whole euros), and the list filled.

#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "common/SortedList.h"
#include "slips/SlipSearch.h"

#include "BenchArchive.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace {

struct Archive : BenchArchive {
    explicit Archive(int n) : BenchArchive(n, sampleSlip) {}
};

void BM_SlipSearchList(benchmark::State& state) {
    const int n = int(state.range(0));
    const auto mode = SlipListMode(state.range(1));
    static std::map<int, std::unique_ptr<Archive>> archives;
    auto& archive = archives[n];
    if (!archive)
        archive = std::make_unique<Archive>(n);
    ensureApplication();
    const LookupTable<SlipRecord>& table = SlipLookupTable();
    LineList list;
    for (auto _ : state) {
        list.clear();
        RecordArchive file(archive->path, archive->temp, SlipRecord::Length);
        QStringList lines = ReadLookupLines(table, table.modes[std::size_t(mode)], file);
        if (lines.size() != n)
            std::abort();
        FillList(&list, std::move(lines));
        benchmark::DoNotOptimize(list.count());
    }
    state.SetLabel(LookupModeName(mode).toStdString());
    state.SetItemsProcessed(state.iterations() * n);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int mode = 0; mode < 5; ++mode)
        for (int n : {1000, 10000, 100000})
            b->Args({n, mode});
}

BENCHMARK(BM_SlipSearchList)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// The re-sort alone, over an opening list already in list-box order.
void BM_SortListByLeadingNumber(benchmark::State& state) {
    const int n = int(state.range(0));
    QStringList sorted;
    for (int i = 0; i < n; ++i)
        sorted << SlipLine(SlipListMode::Opening, sampleSlip(i), i + 1);
    SortAsListBox(sorted);
    for (auto _ : state) {
        QStringList lines = sorted;
        SortListByLeadingNumber(lines);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(BM_SortListByLeadingNumber)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
