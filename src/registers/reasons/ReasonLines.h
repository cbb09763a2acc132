#pragma once
// The lines of the reason lookups' four layouts ("carica", "desc01",
// "desc02", "importo") and which records each lists. Every field is used
// without its surrounding blanks; every line ends with "  [ Rec. <n> ]". The
// pieces are joined whatever they hold, so an empty second line leaves its
// joining blank and a reason without amount shows "€ ," in the first three
// layouts.

#include "common/ReasonRecord.h"

#include <QString>

#include <vector>

namespace ReasonLines {

// "<Reason1> <Reason2>  -  € <Euros>,<Cents>  [ Rec. <n> ]", every record.
QString Full(const ReasonRecord& record, qint64 number);
// "<Reason1>  -  € <Euros>,<Cents>  [ Rec. <n> ]", every record.
QString ByReason1(const ReasonRecord& record, qint64 number);
// "<Reason2>  -  € <Euros>,<Cents>  [ Rec. <n> ]", records with a second line.
QString ByReason2(const ReasonRecord& record, qint64 number);
// "<Euros>,<Cents> euro  -  <Reason1> <Reason2>  [ Rec. <n> ]", records with euros.
QString ByAmount(const ReasonRecord& record, qint64 number);

// The fields the four layouts read: every field but the notes.
inline const std::vector<QString ReasonRecord::*> Shown{&ReasonRecord::Reason1, &ReasonRecord::Reason2,
                                                       &ReasonRecord::Euros, &ReasonRecord::Cents};

bool Every(const ReasonRecord& record);
bool HasReason2(const ReasonRecord& record);
bool HasEuros(const ReasonRecord& record);

} // namespace ReasonLines
