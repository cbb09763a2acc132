#pragma once
// A year archive of n sample slips in a temporary folder, for the benchmarks.

#include "common/SlipRecord.h"

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
