#pragma once
// The lookups' pick: a picked line is resolved by rebuilding each record's
// line in the current LookupMode, from record 1, and taking the first record
// whose line equals it exactly. Nothing maps lines to records.

#include "common/RecordArchive.h"

#include <QByteArray>
#include <QString>

template <class R>
struct PickedRecord {
    R record;
    qint64 number = 0;
};

enum class PickOutcome { Found, NoMatch, Failed };

// `decode(bytes)` decodes what the mode's line reads of a record (it may
// leave the other fields blank) and `line(record, number)` builds that line.
// The found record is decoded whole before anything is written.
template <class R, class Decoder, class LineBuilder>
PickOutcome ResolvePickedLine(RecordArchive& archive, const QString& picked, Decoder decode, LineBuilder line,
                              PickedRecord<R>& found) {
    if (!archive.IsOpen() && !archive.OpenArchive())
        return PickOutcome::Failed;
    bool matched = false;
    const bool read = archive.ForEachRecordBytes([&](const QByteArray& bytes, qint64 number) {
        if (line(decode(bytes), number) != picked)
            return true;
        found = {R::decode(bytes), number};
        matched = true;
        return false;
    });
    archive.CloseArchive();
    if (!read)
        return PickOutcome::Failed;
    return matched ? PickOutcome::Found : PickOutcome::NoMatch;
}

// The same, each record decoded whole.
template <class R, class LineBuilder>
PickOutcome ResolvePickedLine(RecordArchive& archive, const QString& picked, LineBuilder line,
                              PickedRecord<R>& found) {
    return ResolvePickedLine<R>(
        archive, picked, [](const QByteArray& bytes) { return R::decode(bytes); }, line, found);
}
