#include "registers/reasons/ReasonLines.h"

#include "common/FixedRecord.h"

namespace {

QString field(const QString& text) { return trimBlanks(text).toString(); }

QString tail(qint64 number) { return QStringLiteral("  [ Rec. ") + QString::number(number) + QStringLiteral(" ]"); }

QString amount(const ReasonRecord& r) { return field(r.Euros) + QLatin1Char(',') + field(r.Cents); }

const QString kEuroSeparator = QStringLiteral("  -  \u20AC ");

} // namespace

namespace ReasonLines {

QString Full(const ReasonRecord& r, qint64 number) {
    return field(r.Reason1) + QLatin1Char(' ') + field(r.Reason2) + kEuroSeparator + amount(r) + tail(number);
}

QString ByReason1(const ReasonRecord& r, qint64 number) {
    return field(r.Reason1) + kEuroSeparator + amount(r) + tail(number);
}

QString ByReason2(const ReasonRecord& r, qint64 number) {
    return field(r.Reason2) + kEuroSeparator + amount(r) + tail(number);
}

QString ByAmount(const ReasonRecord& r, qint64 number) {
    return amount(r) + QStringLiteral(" euro  -  ") + field(r.Reason1) + QLatin1Char(' ') + field(r.Reason2) +
           tail(number);
}

bool Every(const ReasonRecord&) { return true; }
bool HasReason2(const ReasonRecord& r) { return !trimBlanks(r.Reason2).isEmpty(); }
bool HasEuros(const ReasonRecord& r) { return !trimBlanks(r.Euros).isEmpty(); }

} // namespace ReasonLines

const ReasonLayout* FindReasonLayout(const QString& mode) {
    const QStringView wanted = trimBlanks(mode);
    for (const ReasonLayout& layout : kReasonLayouts)
        if (wanted == QLatin1String(layout.mode))
            return &layout;
    return nullptr;
}
