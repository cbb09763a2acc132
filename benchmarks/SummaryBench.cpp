// The year summaries at 1,000, 10,000 and 100,000 slips, by the paths the
// windows run: the payer and payee name lists as the summary window fills
// them when it opens, each of the three summaries as "Avanti" builds it
// (archive walked, lines, total, list filled, horizontal extent), and the rows
// of the spreadsheet export as the export walks the archive.

#include "common/SortedList.h"
#include "platform/DocumentWriters.h"
#include "platform/ProgramFolder.h"
#include "summaries/SlipSheet.h"
#include "summaries/SummaryLists.h"

#include "BenchArchive.h"

#include <QComboBox>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// The archive of "2012" with n sample slips, made the program folder.
const QString kYear = QStringLiteral("2012");

void useArchive(int n) {
    static std::map<int, std::unique_ptr<BenchArchive>> archives;
    auto& archive = archives[n];
    if (!archive)
        archive = std::make_unique<BenchArchive>(n, sampleSlip);
    platform::setProgramFolderForTesting(archive->dir.path());
    ensureApplication();
}

void BM_SummaryNameLists(benchmark::State& state) {
    const int n = int(state.range(0));
    useArchive(n);
    QComboBox payers;
    QComboBox payees;
    for (auto _ : state) {
        const YearNames names = ReadYearNames(kYear);
        SetNameEntries(&payers, names.payers);
        SetNameEntries(&payees, names.payees);
        benchmark::DoNotOptimize(payers.count() + payees.count());
    }
    state.SetLabel(std::to_string(payers.count()) + " payers, " + std::to_string(payees.count()) + " payees");
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_Summary(benchmark::State& state) {
    const int n = int(state.range(0));
    const auto kind = SummaryKind(state.range(1));
    useArchive(n);
    // A payer and a payee that the sample spreads over the archive.
    const SlipRecord sample = sampleSlip(0);
    const QString name = kind == SummaryKind::ByPayee ? sample.Payee1 : sample.Payer1;
    QListWidget list;
    list.setUniformItemSizes(true);
    list.setFont(QFont(QStringLiteral("Courier New"), 9));
    qsizetype listed = 0;
    for (auto _ : state) {
        list.clear();
        const Summary summary = ReadYearSummary(kind, kYear, name);
        FillList(&list, summary.lines);
        benchmark::DoNotOptimize(FormatCents(summary.cents, QStringLiteral(",")));
        benchmark::DoNotOptimize(FitListHorizontalExtent(&list));
        listed = list.count();
    }
    static const char* const names[] = {"all", "payer", "payee"};
    state.SetLabel(std::string(names[state.range(1)]) + ", " + std::to_string(listed) + " lines");
    state.SetItemsProcessed(state.iterations() * n);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int kind = 0; kind < 3; ++kind)
        for (int n : {1000, 10000, 100000})
            b->Args({n, kind});
}

// The export's own work: the archive walked and each slip's row built. The
// .xlsx writing itself belongs to the document writers.
void BM_ExportSheet(benchmark::State& state) {
    const int n = int(state.range(0));
    useArchive(n);
    for (auto _ : state) {
        qsizetype cells = SlipSheetHeader().size();
        RecordArchive archive = YearSlipArchive(kYear);
        if (!archive.OpenArchive() ||
            !archive.ForEachRecord<SlipRecord>([&](const SlipRecord& slip, qint64) {
                cells += SlipSheetRow(slip).size();
                return true;
            }))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(cells);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_SummaryNameLists)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Summary)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSheet)->Arg(100000)->Unit(benchmark::kMillisecond);
