#pragma once
// The lookups' pick: a picked line is resolved by rebuilding each record's
// line in the current LookupMode, from record 1, and taking the first record
// whose line equals it exactly. Nothing maps lines to records.

#include "common/RecordArchive.h"

#include <QString>

#include <optional>

template <class R>
struct PickedRecord {
    R record;
    qint64 number = 0;
};

enum class PickOutcome { Found, NoMatch, Failed };

// `line(record, number)` builds a record's line in the current mode. The
// found record is read whole before anything is written.
template <class R, class LineBuilder>
PickOutcome ResolvePickedLine(RecordArchive& archive, const QString& picked, LineBuilder line,
                              PickedRecord<R>& found) {
    if (!archive.IsOpen() && !archive.OpenArchive())
        return PickOutcome::Failed;
    bool matched = false;
    const bool read = archive.template ForEachRecord<R>([&](const R& record, qint64 number) {
        if (line(record, number) != picked)
            return true;
        found = {record, number};
        matched = true;
        return false;
    });
    archive.CloseArchive();
    if (!read)
        return PickOutcome::Failed;
    return matched ? PickOutcome::Found : PickOutcome::NoMatch;
}
