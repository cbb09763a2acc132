// The spreadsheet export of a year at 1,000, 10,000 and 100,000 slips, whole:
// the archive read, the rows, the workbook written, closed and named in a
// temporary folder. Beside it, the yardstick: a copy of the archive (read,
// write, sync) into the same kind of folder. The peak memory is the one of a
// fresh process of this program that does nothing but one export.

#include "platform/ProgramFolder.h"
#include "summaries/SlipSheet.h"

#include "BenchArchive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char kChildFolder[] = "QUILLORA_BENCH_EXPORT_FOLDER";
// The child's exit status once its export is done.
constexpr int kChildDone = 42;

// The export as the export window makes it, without the window.
bool ExportOnce(const QString& folder) {
    return !WriteYearSheet(QStringLiteral("2012"), folder, nullptr).isEmpty();
}

BenchArchive& archiveOf(int n) {
    static std::map<int, std::unique_ptr<BenchArchive>> archives;
    auto& archive = archives[n];
    if (!archive)
        archive = std::make_unique<BenchArchive>(n, sampleSlip);
    return *archive;
}

// Seconds to copy the file into `folder`, synced, as a file copier would.
double copySeconds(const QString& from, const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    QFile in(from);
    const QString target = QDir(folder).filePath(QStringLiteral("copy.ccp"));
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    std::vector<char> buffer(1 << 20);
    for (qint64 n; (n = in.read(buffer.data(), qint64(buffer.size()))) > 0;)
        if (out.write(buffer.data(), n) != n)
            std::abort();
    out.flush();
    ::fsync(out.handle());
    out.close();
    const double seconds = timer.nsecsElapsed() / 1e9;
    QFile::remove(target);
    return seconds;
}

// The peak resident memory, in MB, of a fresh process of this program that
// makes one export of the archive in `programFolder`.
double freshExportPeakMb(const QString& programFolder) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.push_back(std::string(kChildFolder) + "=" + programFolder.toStdString());
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe", filter = "--benchmark_filter=^BM_ExcelExportOnce";
    char* argv[] = {self.data(), filter.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != kChildDone)
        return -1;
    return usage.ru_maxrss / 1024.0; // kB on Linux
}

void BM_ExcelExport(benchmark::State& state) {
    const int n = int(state.range(0));
    BenchArchive& archive = archiveOf(n);
    platform::setProgramFolderForTesting(archive.dir.path());
    ensureApplication();
    QTemporaryDir out;
    double copy = 0, exported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(out.path()).removeRecursively();
        QDir().mkpath(out.path());
        copy += copySeconds(archive.path, out.path());
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!ExportOnce(out.path()))
            state.SkipWithError("export failed");
        exported += timer.nsecsElapsed() / 1e9;
    }
    state.counters["copy_ms"] = copy * 1000 / double(state.iterations());
    state.counters["x_copy"] = exported / copy;
    state.counters["peak_MB"] = freshExportPeakMb(archive.dir.path());
    state.SetItemsProcessed(state.iterations() * n);
}

// The child of freshExportPeakMb: one export, nothing else.
void BM_ExcelExportOnce(benchmark::State& state) {
    const QString folder = qEnvironmentVariable(kChildFolder);
    platform::setProgramFolderForTesting(folder);
    ensureApplication();
    QTemporaryDir out;
    for (auto _ : state)
        if (!ExportOnce(out.path()))
            std::_Exit(1);
    std::_Exit(kChildDone);
}

const bool registered = [] {
    if (qEnvironmentVariableIsSet(kChildFolder))
        benchmark::RegisterBenchmark("BM_ExcelExportOnce", BM_ExcelExportOnce)->Iterations(1);
    else
        benchmark::RegisterBenchmark("BM_ExcelExport", BM_ExcelExport)
            ->Arg(1000)
            ->Arg(10000)
            ->Arg(100000)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    return true;
}();

} // namespace
