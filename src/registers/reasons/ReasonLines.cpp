#include "registers/reasons/ReasonLines.h"

#include "common/FixedRecord.h"
#include "common/Lookup.h"

namespace {

QStringView field(const QString& text) { return trimBlanks(text); }

constexpr QStringView kEuroSeparator = u"  -  \u20AC ";

} // namespace

namespace ReasonLines {

QString Full(const ReasonRecord& r, qint64 number) {
    return JoinedLine({field(r.Reason1), u" ", field(r.Reason2), kEuroSeparator, field(r.Euros), u",",
                       field(r.Cents), RecordTail(number)});
}

QString ByReason1(const ReasonRecord& r, qint64 number) {
    return JoinedLine({field(r.Reason1), kEuroSeparator, field(r.Euros), u",", field(r.Cents), RecordTail(number)});
}

QString ByReason2(const ReasonRecord& r, qint64 number) {
    return JoinedLine({field(r.Reason2), kEuroSeparator, field(r.Euros), u",", field(r.Cents), RecordTail(number)});
}

QString ByAmount(const ReasonRecord& r, qint64 number) {
    return JoinedLine({field(r.Euros), u",", field(r.Cents), u" euro  -  ", field(r.Reason1), u" ", field(r.Reason2),
                       RecordTail(number)});
}

bool Every(const ReasonRecord&) { return true; }
bool HasReason2(const ReasonRecord& r) { return !trimBlanks(r.Reason2).isEmpty(); }
bool HasEuros(const ReasonRecord& r) { return !trimBlanks(r.Euros).isEmpty(); }

} // namespace ReasonLines
