#pragma once
// Walks an open archive's records as raw bytes, a run of records per read,
// so a caller decodes only what it needs of each and holds nothing of the
// records it has passed.

#include "common/RecordArchive.h"

#include <QByteArray>

#include <algorithm>
#include <type_traits>

// Runs `visit(bytes, number)` for records 1..count in order; `bytes` is the
// record's own bytes, valid during the call. A visit that returns a bool ends
// the walk by returning false. False when the archive is not open or a read
// failed.
template <class Visit>
bool ScanRecords(RecordArchive& archive, Visit visit) {
    if (!archive.IsOpen())
        return false;
    const qint64 length = archive.RecordLength();
    const qint64 count = archive.RecordCount();
    const qint64 run = std::max<qint64>(1, (1024 * 1024) / length);
    QByteArray bytes;
    for (qint64 first = 1; first <= count; first += run) {
        const qint64 number = std::min(run, count - first + 1);
        if (!archive.ReadRecords(first, number, bytes))
            return false;
        for (qint64 i = 0; i < number; ++i) {
            const QByteArray record = QByteArray::fromRawData(bytes.constData() + i * length, length);
            if constexpr (std::is_same_v<decltype(visit(record, first + i)), bool>) {
                if (!visit(record, first + i))
                    return true;
            } else {
                visit(record, first + i);
            }
        }
    }
    return true;
}
