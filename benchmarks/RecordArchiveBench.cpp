// Year archive operations at 1,000, 10,000 and 100,000 slips. Every operation
// opens and closes the archive, as an action of the slip form does.

#include "common/RecordArchive.h"
#include "common/SlipRecord.h"

#include "BenchArchive.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>


namespace {

SlipRecord sampleSlip(int i) {
    SlipRecord r;
    r.AccountNumber = QString::number(100000000000LL + i);
    r.Euros = QString::number(i % 5000);
    r.Cents = QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
    r.Payee1 = QStringLiteral("COMUNE DI CITTÀ %1").arg(i % 97);
    r.Payee2 = QStringLiteral("SERVIZIO TRIBUTI");
    r.Reason1 = QStringLiteral("TASSA RIFIUTI ANNO 2012 RATA %1").arg(i % 4 + 1);
    r.Reason2 = QStringLiteral("UTENZA N. %1 – €").arg(i);
    r.Payer1 = QStringLiteral("ROSSI MARIO");
    r.Street = QStringLiteral("VIA ROMA %1").arg(i % 200);
    r.PostCode = QStringLiteral("00100");
    r.Town = QStringLiteral("ROMA");
    r.Notes = QStringLiteral("pagato allo sportello, ricevuta n. %1").arg(i);
    return r;
}

struct Fixture : BenchArchive {
    explicit Fixture(int n) : BenchArchive(n, sampleSlip) {}
};

void BM_Count(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    for (auto _ : state) {
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        benchmark::DoNotOptimize(archive.RecordCount());
        archive.CloseArchive();
    }
}

void BM_ReadAll(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    QList<SlipRecord> records;
    for (auto _ : state) {
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        if (!archive.OpenArchive() || !archive.ReadAllRecords(records) || records.size() != state.range(0))
            state.SkipWithError("read failed");
        archive.CloseArchive();
        benchmark::DoNotOptimize(records.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * SlipRecord::Length);
}

void BM_ReadOneByOne(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    for (auto _ : state) {
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        SlipRecord r;
        for (qint64 k = 1, n = archive.RecordCount(); k <= n; ++k)
            archive.Read(k, r);
        archive.CloseArchive();
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * SlipRecord::Length);
}

void BM_Append(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    const SlipRecord r = sampleSlip(7);
    for (auto _ : state) {
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        if (!archive.Write(archive.RecordCount() + 1, r))
            state.SkipWithError("append failed");
        archive.CloseArchive();
    }
}

void BM_OverwriteFirst(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    const SlipRecord r = sampleSlip(7);
    for (auto _ : state) {
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        if (!archive.Write(1, r))
            state.SkipWithError("overwrite failed");
        archive.CloseArchive();
    }
}

void BM_DeleteFirst(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        fx.reset();
        state.ResumeTiming();
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        if (!archive.RemoveRecord(1))
            state.SkipWithError("delete failed");
        archive.CloseArchive();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * SlipRecord::Length);
}

#define SLIP_COUNTS ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()

BENCHMARK(BM_Count) SLIP_COUNTS;
BENCHMARK(BM_ReadAll) SLIP_COUNTS;
BENCHMARK(BM_ReadOneByOne) SLIP_COUNTS;
BENCHMARK(BM_Append) SLIP_COUNTS;
BENCHMARK(BM_OverwriteFirst) SLIP_COUNTS;
BENCHMARK(BM_DeleteFirst) SLIP_COUNTS;

} // namespace

BENCHMARK_MAIN();
