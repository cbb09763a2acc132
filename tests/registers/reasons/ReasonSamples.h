#pragma once
// A reason record from its five texts, as the tests write them.

#include "common/ReasonRecord.h"

inline ReasonRecord reason(const QString& r1, const QString& r2 = {}, const QString& euros = {},
                           const QString& cents = {}, const QString& notes = {}) {
    ReasonRecord r;
    r.Reason1 = r1;
    r.Reason2 = r2;
    r.Euros = euros;
    r.Cents = cents;
    r.Notes = notes;
    return r;
}
