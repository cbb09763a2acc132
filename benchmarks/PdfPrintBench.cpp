// A print job on the "PDF" printer, from the first line to the file whole on
// disk: pages of 50 lines each, as a long list prints them. The yardstick is
// the least such a file costs: the same lines drawn with Qt's PDF writer
// straight into a file, which is then synced.

#include "platform/PrintSurface.h"
#include "platform/QtPrintSurface.h"

#include "BenchArchive.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

using platform::ScaleMode;

constexpr int kLinesPerPage = 50;

QString line(int page, int i) {
    return QStringLiteral("%1  ROSSI MARIO  VIA ROMA %2  00100 ROMA  C/C n. 000012345678  euro %3,50")
        .arg(page * kLinesPerPage + i, 6)
        .arg(i)
        .arg(i * 7);
}

// Empties the folder between jobs, so that every job gets the first name.
void emptyFolder(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(name);
}

void BM_PdfJob(benchmark::State& state) {
    ensureApplication();
    const int pages = int(state.range(0));
    QTemporaryDir folder;
    const QByteArray saved = qgetenv("QUILLORA_PDF_DIR");
    qputenv("QUILLORA_PDF_DIR", folder.path().toUtf8());
    platform::QtPrintSurface pdf(QStringLiteral("PDF"));
    pdf.setScaleMode(ScaleMode::Centimeters);
    pdf.setFontName(QStringLiteral("Courier New"));
    pdf.setFontSize(9);
    for (auto _ : state) {
        bool ok = true;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                ok = pdf.NewPage() && ok;
            pdf.setCurrentY(1);
            for (int i = 0; i < kLinesPerPage; ++i) {
                pdf.setCurrentX(1);
                ok = pdf.Print(line(page, i)) && ok;
            }
        }
        ok = pdf.EndDoc() && ok;
        if (!ok)
            state.SkipWithError("the job failed");
        state.PauseTiming();
        emptyFolder(folder.path());
        state.ResumeTiming();
    }
    if (saved.isNull())
        qunsetenv("QUILLORA_PDF_DIR");
    else
        qputenv("QUILLORA_PDF_DIR", saved);
}

void BM_PdfYardstick(benchmark::State& state) {
    ensureApplication();
    const int pages = int(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("yardstick.pdf"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state.SkipWithError("no file");
            break;
        }
        {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(1200);
            QPainter painter(&writer);
            painter.setFont(QFont(QStringLiteral("Courier New"), 9));
            const double perCm = 1200 / 2.54;
            for (int page = 0; page < pages; ++page) {
                if (page > 0)
                    writer.newPage();
                for (int i = 0; i < kLinesPerPage; ++i)
                    painter.drawText(QPointF(perCm, perCm * (1 + i * 0.45)), line(page, i));
            }
        }
        file.flush();
        ::fsync(file.handle());
        file.close();
    }
}

} // namespace

BENCHMARK(BM_PdfJob)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdfYardstick)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
