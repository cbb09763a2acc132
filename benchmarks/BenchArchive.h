#pragma once
// A year archive of n sample slips in a temporary folder, for the benchmarks.

#include "common/SlipRecord.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <functional>

struct BenchArchive {
    BenchArchive(int n, const std::function<SlipRecord(int)>& sample) {
        bytes.reserve(qsizetype(n) * SlipRecord::Length);
        for (int i = 0; i < n; ++i)
            bytes += sample(i).encode();
        reset();
    }

    // Puts the archive back as it was made.
    void reset() {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2012.ccp"));
    QString temp = dir.filePath(QStringLiteral("2012.tmp"));
    QByteArray bytes;
};

inline SlipRecord sampleSlip(int i) {
    // Spread over names, accounts and amounts, in no particular order.
    const int k = int((i * 2654435761u) % 1000003u);
    SlipRecord r;
    r.AccountNumber = QString::number(100000000LL + k % 4999);
    r.Euros = QString::number(k % 2500 + (k % 7 == 0 ? 0 : 1));
    r.Cents = QStringLiteral("%1").arg(k % 100, 2, 10, QLatin1Char('0'));
    r.Payee1 = QStringLiteral("COMUNE DI CITTÀ %1").arg(k % 397);
    r.Payee2 = QStringLiteral("SERVIZIO TRIBUTI");
    r.Reason1 = QStringLiteral("TASSA RIFIUTI ANNO 2012 RATA %1 UTENZA %2").arg(k % 4 + 1).arg(k);
    r.Reason2 = QStringLiteral("UTENZA N. %1").arg(i);
    r.Payer1 = QStringLiteral("ROSSI MARIO %1").arg(k % 911);
    r.Street = QStringLiteral("VIA ROMA %1").arg(k % 200);
    r.PostCode = QStringLiteral("00100");
    r.Town = QStringLiteral("ROMA");
    r.Notes = QStringLiteral("pagato allo sportello, ricevuta n. %1").arg(i);
    return r;
}

// The list widget needs an application; the benchmarks' main makes none.
inline void ensureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillora_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: windows the benchmarks leave open would outlive it at
    // exit, after Qt's own per-thread data is gone.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
