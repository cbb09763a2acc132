// The lists a user waits for at 1,000, 10,000 and 100,000 records, and the
// slip search, the summary names and the summaries at 1,000,000 slips: each
// path from the click to the window shown with its list filled (see
// ListPaths.h). The time is the warm figure, the path run again in this
// process; beside it, in the same row:
//   cold_s      the path once in a fresh process (quillora_bench_cold)
//   peak_MB     that process's peak resident memory
//   archive_MB  the archive the path reads; peak_x is peak_MB over it
//   read_s      yardstick: a read of the whole archive file
//   sort_s      yardstick: std::sort of the lines the list shows

#include "ListPaths.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// The archives lie in a temporary folder, or in $QUILLORA_BENCH_FOLDER, where
// they are kept from run to run.
QString folderFor(int n) {
    static QTemporaryDir temporary;
    const QString base = qEnvironmentVariable("QUILLORA_BENCH_FOLDER", temporary.path());
    return lists::prepareFolder(base, n);
}

struct Cold {
    double seconds = 0;
    double peak = 0;
};

Cold runCold(const QString& folder, lists::Measure m) {
    QProcess child;
    // $QUILLORA_BENCH_COLD names another build of the driver.
    child.start(qEnvironmentVariable("QUILLORA_BENCH_COLD", QStringLiteral(QUILLORA_BENCH_COLD)),
                {folder, QString::number(int(m))});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return {-1, -1};
    const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() < 2)
        return {-1, -1};
    return {parts[0].toDouble(), parts[1].toDouble()};
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_List(benchmark::State& state) {
    const int n = int(state.range(0));
    const auto m = lists::Measure(state.range(1));
    const QString folder = folderFor(n);
    const Cold cold = runCold(folder, m);
    lists::useFolder(folder, m);
    QStringList shown;
    for (auto _ : state) {
        const lists::Run run = lists::runOnce(m);
        state.SetIterationTime(run.seconds);
        shown = run.lines;
    }
    const QString archive = folder + QStringLiteral("/") + lists::archiveOf(m);

    auto start = std::chrono::steady_clock::now();
    QFile file(archive);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const double read = seconds(start);
    const double archiveBytes = double(bytes.size());
    bytes = QByteArray();

    std::vector<QString> lines(shown.begin(), shown.end());
    std::reverse(lines.begin(), lines.end());
    start = std::chrono::steady_clock::now();
    std::sort(lines.begin(), lines.end());
    const double sort = seconds(start);

    state.counters["cold_s"] = cold.seconds;
    state.counters["peak_MB"] = cold.peak / 1e6;
    state.counters["archive_MB"] = archiveBytes / 1e6;
    state.counters["peak_x"] = archiveBytes > 0 ? cold.peak / archiveBytes : 0;
    state.counters["read_s"] = read;
    state.counters["sort_s"] = sort;
    state.counters["lines"] = double(shown.size());
    state.SetLabel(lists::measureName(m));
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int m = 0; m < int(lists::Measure::Count); ++m) {
        for (int n : {1000, 10000, 100000})
            b->Args({n, m});
        if (lists::onSlips(lists::Measure(m)))
            b->Args({1000000, m});
    }
}

BENCHMARK(BM_List)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
