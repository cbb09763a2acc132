// The settings reader and writer on a file whose one section holds 1,000,
// 10,000 and 50,000 keys: a read of its last key, the change of its last key
// and the addition of a new key (which goes after the last one). Beside them,
// the yardstick: a copy of the file (read, write, sync).

#include "platform/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <unistd.h>

namespace {

struct IniFixture {
    explicit IniFixture(int keys) {
        bytes = "[Altro]\r\nprima=1\r\n[Intestatari]\r\n";
        for (int i = 0; i < keys; ++i)
            bytes += "Nome" + QByteArray::number(i) + "=ROSSI MARIO " + QByteArray::number(i) + "\r\n";
        bytes += "[Ultima]\r\nchiave=valore\r\n";
        reset();
    }
    void reset() {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    }
    // Milliseconds of a synced copy of the file.
    double copyMs() const {
        QElapsedTimer timer;
        timer.start();
        QFile in(path);
        QFile out(dir.filePath(QStringLiteral("copia.ini")));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(in.readAll());
        out.flush();
        ::fsync(out.handle());
        return timer.nsecsElapsed() / 1e6;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Bollettini.ini"));
    QByteArray bytes;
};

enum class IniOp { Read, Change, Add };

void BM_IniFile(benchmark::State& state) {
    const int keys = int(state.range(0));
    const auto op = IniOp(state.range(1));
    IniFixture fx(keys);
    const QString last = QStringLiteral("Nome%1").arg(keys - 1);
    double copy = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fx.reset();
        copy += fx.copyMs();
        state.ResumeTiming();
        switch (op) {
        case IniOp::Read:
            benchmark::DoNotOptimize(platform::readProfileString(fx.path, QStringLiteral("Intestatari"), last));
            break;
        case IniOp::Change:
            if (!platform::writeProfileString(fx.path, QStringLiteral("Intestatari"), last, QStringLiteral("X")))
                state.SkipWithError("write failed");
            break;
        case IniOp::Add:
            if (!platform::writeProfileString(fx.path, QStringLiteral("Intestatari"), QStringLiteral("Nuova"),
                                              QStringLiteral("X")))
                state.SkipWithError("write failed");
            break;
        }
    }
    static const char* const names[] = {"read last key", "change last key", "add a key"};
    state.SetLabel(names[state.range(1)]);
    state.counters["copy_ms"] = copy / double(state.iterations());
}

void IniSizes(benchmark::internal::Benchmark* b) {
    for (int op = 0; op < 3; ++op)
        for (int keys : {1000, 10000, 50000})
            b->Args({keys, op});
}

BENCHMARK(BM_IniFile)->Apply(IniSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
