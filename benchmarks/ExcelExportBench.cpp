// The spreadsheet export of a year at 1,000, 10,000 and 100,000 slips, whole:
// the archive read, the rows, the workbook written, closed and named in a
// temporary folder. Beside it, in the same run, two yardsticks: a copy of the
// archive (read, write, sync) into the same kind of folder, and the goal's,
// a Python xlsxwriter script writing the same cells (python_ms; the row says
// so when python3-xlsxwriter is missing). The peak memory is the one of a
// fresh process of this program that does nothing but one export, read from
// that process's own high-water mark.

#include "platform/ProgramFolder.h"
#include "summaries/SlipSheet.h"

#include "BenchArchive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const char kChildFolder[] = "QUILLORA_BENCH_EXPORT_FOLDER";
// The child's line that gives its peak resident memory in bytes.
const char kPeakTag[] = "peak_bytes ";
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
// makes one export of the archive in `programFolder`, as that process reads
// it from its own high-water mark once the export is done.
double freshExportPeakMb(const QString& programFolder) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildFolder), programFolder);
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("/proc/self/exe"), {QStringLiteral("--benchmark_filter=^BM_ExcelExportOnce")});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != kChildDone)
        return -1;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith(kPeakTag))
            return line.mid(qsizetype(sizeof kPeakTag) - 1).trimmed().toDouble() / 1e6;
    return -1;
}

// The export's cells, the header row first, as the yardstick script reads
// them.
QString writeCells(const QString& folder) {
    QJsonArray rows;
    rows.append(QJsonArray::fromStringList(SlipSheetHeader()));
    RecordArchive archive = YearSlipArchive(QStringLiteral("2012"));
    if (!archive.OpenArchive() || !archive.ForEachRecord<SlipRecord>([&](const SlipRecord& slip, qint64) {
            rows.append(QJsonArray::fromStringList(SlipSheetRow(slip)));
            return true;
        }))
        std::abort();
    const QString path = QDir(folder).filePath(QStringLiteral("cells.json"));
    QFile f(path);
    const QByteArray json = QJsonDocument(rows).toJson(QJsonDocument::Compact);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(json) != json.size())
        std::abort();
    return path;
}

// Seconds the yardstick script takes to write the cells into `folder`; none
// when the system's Python or its xlsxwriter is missing.
std::optional<double> pythonSeconds(const QString& cells, const QString& folder) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(QUILLORA_BENCH_XLSX_SCRIPT), cells, QDir(folder).filePath(QStringLiteral("py.xlsx"))});
    if (!python.waitForFinished(-1) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        return std::nullopt;
    bool ok = false;
    const double seconds = python.readAllStandardOutput().trimmed().toDouble(&ok);
    QFile::remove(QDir(folder).filePath(QStringLiteral("py.xlsx")));
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

void BM_ExcelExport(benchmark::State& state) {
    const int n = int(state.range(0));
    BenchArchive& archive = archiveOf(n);
    platform::setProgramFolderForTesting(archive.dir.path());
    ensureApplication();
    QTemporaryDir out;
    QTemporaryDir work;
    const QString cells = writeCells(work.path());
    double copy = 0, exported = 0, python = 0;
    bool pythonRan = true;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(out.path()).removeRecursively();
        QDir().mkpath(out.path());
        copy += copySeconds(archive.path, out.path());
        if (pythonRan) {
            const std::optional<double> seconds = pythonSeconds(cells, work.path());
            pythonRan = seconds.has_value();
            python += seconds.value_or(0);
        }
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!ExportOnce(out.path()))
            state.SkipWithError("export failed");
        exported += timer.nsecsElapsed() / 1e9;
    }
    state.counters["copy_ms"] = copy * 1000 / double(state.iterations());
    state.counters["x_copy"] = exported / copy;
    if (pythonRan) {
        state.counters["python_ms"] = python * 1000 / double(state.iterations());
        state.counters["x_python"] = exported / python;
    } else {
        state.SetLabel("yardstick missing: python3-xlsxwriter");
    }
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
    const QByteArray line = kPeakTag + QByteArray::number(peakBytes(), 'f', 0) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
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
