// Year archive operations at 1,000, 10,000 and 100,000 slips. Every operation
// opens and closes the archive, as an action of the slip form does.

#include "common/RecordArchive.h"
#include "common/SlipRecord.h"

#include "BenchArchive.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>


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

// "Salva" on a record that is already there, as the slip form does it: open,
// write record k in place, close. The records visited are spread over the
// whole archive, so that page boundaries and cold pages come up as they do.
void BM_SaveInPlace(benchmark::State& state) {
    const int n = int(state.range(0));
    Fixture fx(n);
    const SlipRecord r = sampleSlip(7);
    qint64 k = 0;
    for (auto _ : state) {
        k = (k + 7919) % n;
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        if (!archive.Write(k + 1, r))
            state.SkipWithError("save failed");
        archive.CloseArchive();
    }
    state.counters["saves/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// The least a save that keeps a journal can cost, in the archive's folder:
// a journal written and synced, the folder synced, the record written into
// the archive and synced, the journal removed. The yardstick of the saves.
void BM_SaveYardstick(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    const QByteArray record = sampleSlip(7).encode();
    const QByteArray journal(24 + 2 * SlipRecord::Length + 8, 'j');
    const QByteArray journalPath = QFile::encodeName(fx.path + QStringLiteral(".yard"));
    const QByteArray folder = QFile::encodeName(fx.dir.path());
    const int archive = ::open(QFile::encodeName(fx.path).constData(), O_RDWR);
    if (archive < 0)
        std::abort();
    for (auto _ : state) {
        const int j = ::open(journalPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int d = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
        if (j < 0 || d < 0 || ::pwrite(j, journal.constData(), journal.size(), 0) != journal.size()
            || ::fdatasync(j) != 0 || ::fsync(d) != 0
            || ::pwrite(archive, record.constData(), record.size(), 0) != record.size() || ::fdatasync(archive) != 0)
            state.SkipWithError("yardstick failed");
        ::close(j);
        ::close(d);
        ::unlink(journalPath.constData());
    }
    ::close(archive);
}

// `dd conv=fsync` of the archive into a new file of the same folder: the
// least a delete can cost, as it writes the whole archive once and syncs it.
double ddSeconds(const BenchArchive& fx) {
    const QString copy = fx.dir.filePath(QStringLiteral("dd.copy"));
    const QByteArray command = "dd if='" + QFile::encodeName(fx.path) + "' of='" + QFile::encodeName(copy)
                               + "' bs=1M conv=fsync status=none";
    QFile::remove(copy);
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.constData()) != 0)
        std::abort();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    QFile::remove(copy);
    return seconds;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Delete of record 1, and beside each delete a `dd conv=fsync` of the same
// file, so that both meet the same disk: the medians and their ratio.
void BM_DeleteFirst(benchmark::State& state) {
    Fixture fx(int(state.range(0)));
    std::vector<double> deletes;
    std::vector<double> dds;
    for (auto _ : state) {
        state.PauseTiming();
        fx.reset();
        dds.push_back(ddSeconds(fx));
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        RecordArchive archive(fx.path, fx.temp, SlipRecord::Length);
        archive.OpenArchive();
        if (!archive.RemoveRecord(1))
            state.SkipWithError("delete failed");
        archive.CloseArchive();
        deletes.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * SlipRecord::Length);
    state.counters["delete_ms"] = median(deletes) * 1000;
    state.counters["dd_ms"] = median(dds) * 1000;
    state.counters["delete/dd"] = median(deletes) / median(dds);
}

#define SLIP_COUNTS ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()

BENCHMARK(BM_Count) SLIP_COUNTS;
BENCHMARK(BM_ReadAll) SLIP_COUNTS;
BENCHMARK(BM_ReadOneByOne) SLIP_COUNTS;
BENCHMARK(BM_Append) SLIP_COUNTS;
BENCHMARK(BM_OverwriteFirst) SLIP_COUNTS;
BENCHMARK(BM_SaveInPlace) SLIP_COUNTS;
BENCHMARK(BM_SaveYardstick) SLIP_COUNTS;
BENCHMARK(BM_DeleteFirst)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(15)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
