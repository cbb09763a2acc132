#pragma once
// The sample year archive of the summary and export tests.

#include "common/SlipRecord.h"
#include "support/TestPlatform.h"

#include <QFile>

#include <initializer_list>

inline SlipRecord summarySlip(const QString& payee, const QString& account, const QString& reason,
                              const QString& payer, const QString& euros, const QString& cents) {
    SlipRecord r;
    r.Payee1 = payee;
    r.AccountNumber = account;
    r.Reason1 = reason;
    r.Payer1 = payer;
    r.Euros = euros;
    r.Cents = cents;
    return r;
}

// The four slips of 2026: two payees, two payers (one of them written once in
// small letters), 1370,30 euros in all.
inline QList<SlipRecord> fourSlips() {
    SlipRecord first = summarySlip("COMUNE DI ROMA", "000012345678", "TASSA RIFIUTI", "ROSSI MARIO", "125", "50");
    first.Payee2 = "UFFICIO TRIBUTI";
    first.PostCode = "00184";
    first.Notes = "=1+1";
    return {first,
            summarySlip("ENEL ENERGIA", "000087654321", "BOLLETTA LUCE", "BIANCHI ANNA", "10", "25"),
            summarySlip("COMUNE DI ROMA", "000012345678", "MULTA", "BIANCHI ANNA", "0", "05"),
            summarySlip("ENEL ENERGIA", "000087654321", "BOLLETTA GAS", "Bianchi Anna", "1234", "50")};
}

// Writes the slips as the year's archive in the test's program folder, with
// `extra` bytes after them.
inline void writeArchive(const TestPlatform& tp, const QString& year, const QList<SlipRecord>& slips,
                         const QByteArray& extra = QByteArray()) {
    QFile f(tp.path(year + ".ccp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const SlipRecord& s : slips)
        f.write(s.encode());
    f.write(extra);
}
