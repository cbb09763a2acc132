#pragma once
// The reason lookups' four list layouts ("carica", "desc01", "desc02",
// "importo"): which records each lists and the line it makes of a record.
// Every field is used without its surrounding blanks; every line ends with
// "  [ Rec. <n> ]". The pieces are joined whatever they hold, so an empty
// second line leaves its joining blank and a reason without amount shows
// "€ ," in the first three layouts.

#include "common/ReasonRecord.h"

#include <QString>

#include <array>

struct ReasonLayout {
    const char* mode;                                  // the lookup's LookupMode
    bool (*listed)(const ReasonRecord& record);        // the build's filter
    QString (*line)(const ReasonRecord& record, qint64 number);
};

namespace ReasonLines {

// "<Reason1> <Reason2>  -  € <Euros>,<Cents>  [ Rec. <n> ]", every record.
QString Full(const ReasonRecord& record, qint64 number);
// "<Reason1>  -  € <Euros>,<Cents>  [ Rec. <n> ]", every record.
QString ByReason1(const ReasonRecord& record, qint64 number);
// "<Reason2>  -  € <Euros>,<Cents>  [ Rec. <n> ]", records with a second line.
QString ByReason2(const ReasonRecord& record, qint64 number);
// "<Euros>,<Cents> euro  -  <Reason1> <Reason2>  [ Rec. <n> ]", records with euros.
QString ByAmount(const ReasonRecord& record, qint64 number);

bool Every(const ReasonRecord& record);
bool HasReason2(const ReasonRecord& record);
bool HasEuros(const ReasonRecord& record);

} // namespace ReasonLines

// The four layouts, the opening one first.
inline constexpr std::array<ReasonLayout, 4> kReasonLayouts{{
    {"carica", &ReasonLines::Every, &ReasonLines::Full},
    {"desc01", &ReasonLines::Every, &ReasonLines::ByReason1},
    {"desc02", &ReasonLines::HasReason2, &ReasonLines::ByReason2},
    {"importo", &ReasonLines::HasEuros, &ReasonLines::ByAmount},
}};

// The layout of a LookupMode (compared after trimming its blanks); nullptr
// for any other text.
const ReasonLayout* FindReasonLayout(const QString& mode);
