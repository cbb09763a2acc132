#pragma once
// The lists a user waits for, each from the click to the window shown with
// its list filled: the payee, payer and reason lookups, the slip search in
// each layout, the summary window's two name lists and each summary. A
// program folder per size holds the three registers and the year archive
// "2012"; the same paths run warm in quillora_bench and cold, once per fresh
// process, in quillora_bench_cold.

#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ReasonRecord.h"
#include "common/SlipRecord.h"
#include "common/SortedList.h"
#include "platform/ProgramFolder.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payers/frmFindEsecutore.h"
#include "registers/reasons/frmFindCausale.h"
#include "slips/frmBollettini.h"
#include "slips/frmFindValori.h"
#include "summaries/frmRiepiloghi.h"

#include "BenchArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace lists {

enum class Measure {
    Payees, Payers, Reasons,
    SearchOpening, SearchPayer, SearchPayee, SearchReason, SearchAccount,
    Names, SummaryAll, SummaryPayer, SummaryPayee,
    Count
};

inline const char* measureName(Measure m) {
    static const char* const names[] = {"payee lookup", "payer lookup", "reason lookup",
                                        "search opening", "search payer", "search payee", "search reason",
                                        "search account", "summary names", "summary all", "summary payer",
                                        "summary payee"};
    return names[int(m)];
}

inline bool onSlips(Measure m) { return m >= Measure::SearchOpening; }

inline const QString kYear = QStringLiteral("2012");

inline QString archiveOf(Measure m) {
    switch (m) {
    case Measure::Payees: return QStringLiteral("Intestatari.idb");
    case Measure::Payers: return QStringLiteral("Esecutori.edb");
    case Measure::Reasons: return QStringLiteral("Causali.cdb");
    default: return kYear + QStringLiteral(".ccp");
    }
}

// Notes as a register holds them: a few hundred characters of text.
inline QString sampleNotes(int k, int length) {
    QString notes = QStringLiteral("Telefonare in orario d'ufficio, chiedere dell'amministrazione. Rif. %1. ").arg(k);
    while (notes.size() < length)
        notes += notes;
    return notes.left(length);
}

inline PayeeRecord samplePayee(int i) {
    const int k = int((i * 2654435761u) % 1000003u);
    PayeeRecord r;
    r.Payee1 = QStringLiteral("COMUNE DI CITTÀ %1").arg(k);
    r.Payee2 = QStringLiteral("SERVIZIO TRIBUTI %1").arg(k % 13);
    r.AccountNumber = k % 5 ? QString::number(100000000LL + k) : QString();
    r.HomePhone = QStringLiteral("06 %1").arg(k);
    r.Email = QStringLiteral("ufficio%1@comune.it").arg(k);
    r.VatNumber = k % 3 ? QString::number(k).rightJustified(11, QLatin1Char('0')) : QString();
    r.TaxCode = k % 4 ? QStringLiteral("CF%1").arg(k, 14, 10, QLatin1Char('0')) : QString();
    r.Notes = sampleNotes(k, 400 + k % 200);
    return r;
}

inline PayerRecord samplePayer(int i) {
    const int k = int((i * 2654435761u) % 1000003u);
    PayerRecord r;
    r.Payer1 = QStringLiteral("ROSSI MARIO %1").arg(k);
    r.Payer2 = QStringLiteral("PRESSO STUDIO %1").arg(k % 17);
    r.Street = QStringLiteral("VIA ROMA %1").arg(k % 200);
    r.PostCode = QStringLiteral("00100");
    r.Town = k % 2 ? QStringLiteral("ROMA") : QString();
    r.VatNumber = k % 3 ? QString::number(k).rightJustified(11, QLatin1Char('0')) : QString();
    r.TaxCode = k % 4 ? QStringLiteral("RSSMRA%1").arg(k, 10, 10, QLatin1Char('0')) : QString();
    r.Notes = sampleNotes(k, 400 + k % 200);
    return r;
}

inline ReasonRecord sampleReason(int i) {
    const int k = int((i * 2654435761u) % 1000003u);
    ReasonRecord r;
    r.Reason1 = QStringLiteral("TASSA RIFIUTI RATA %1 UTENZA %2").arg(k % 4 + 1).arg(k);
    r.Reason2 = k % 3 ? QStringLiteral("ANNO 2012 – SALDO %1").arg(k % 97) : QString();
    r.Euros = k % 4 ? QString::number(k % 2500) : QString();
    r.Cents = k % 4 ? QStringLiteral("%1").arg(k % 100, 2, 10, QLatin1Char('0')) : QString();
    r.Notes = sampleNotes(k, 600 + k % 600);
    return r;
}

template <class R>
void writeArchive(const QString& path, int n, R (*sample)(int)) {
    if (QFileInfo(path).size() == qint64(n) * R::Length)
        return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    QByteArray chunk;
    for (int i = 0; i < n; ++i) {
        chunk += sample(i).encode();
        if (chunk.size() > (8 << 20) || i + 1 == n) {
            if (f.write(chunk) != chunk.size())
                std::abort();
            chunk.clear();
        }
    }
}

// The program folder of size n under `base`, made once: n records in each
// register (at most 100,000) and n slips. The folder's name carries the
// sample's edition, so that a folder kept from a run of an older sample, of
// the same size, is not taken for this one.
inline QString prepareFolder(const QString& base, int n) {
    const QString folder = base + QStringLiteral("/") + QString::number(n) + QStringLiteral("-names");
    QDir().mkpath(folder);
    const int registers = std::min(n, 100000);
    writeArchive<PayeeRecord>(folder + QStringLiteral("/Intestatari.idb"), registers, samplePayee);
    writeArchive<PayerRecord>(folder + QStringLiteral("/Esecutori.edb"), registers, samplePayer);
    writeArchive<ReasonRecord>(folder + QStringLiteral("/Causali.cdb"), registers, sampleReason);
    writeArchive<SlipRecord>(folder + QStringLiteral("/2012.ccp"), n, sampleSlip);
    return folder;
}

inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What comes before the click: the program folder and, for the slip search,
// the slip form on the year.
inline void useFolder(const QString& folder, Measure m) {
    ensureApplication();
    // The program ends when its last window closes: a window stays open
    // behind the ones measured, as the menu does.
    struct Behind : Form {
        Behind() : Form(Kind::TopLevel) {}
    };
    static Behind* behind = nullptr;
    if (!behind) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        behind = new Behind;
        behind->show();
    }
    platform::setProgramFolderForTesting(folder);
    if (m >= Measure::SearchOpening && m <= Measure::SearchAccount)
        Forms::get<frmBollettini>().lblFile->setText(kYear);
}

struct Run {
    double seconds = 0;
    QStringList lines; // the list as shown, for the yardstick
};

// One run of the path; the window is closed afterwards, untimed.
inline Run runOnce(Measure m) {
    Run run;
    QElapsedTimer clock;
    const auto lap = [&] { run.seconds = double(clock.nsecsElapsed()) / 1e9; };
    switch (m) {
    case Measure::Payees:
    case Measure::Payers:
    case Measure::Reasons: {
        clock.start();
        RegisterLookup* w = m == Measure::Payees   ? static_cast<RegisterLookup*>(&Forms::get<frmFindIntestatario>())
                            : m == Measure::Payers ? static_cast<RegisterLookup*>(&Forms::get<frmFindEsecutore>())
                                                   : static_cast<RegisterLookup*>(&Forms::get<frmFindCausale>());
        w->Show();
        QCoreApplication::processEvents();
        lap();
        run.lines = ListLines(*w->lstCausali);
        w->Unload();
        break;
    }
    case Measure::SearchOpening:
    case Measure::SearchPayer:
    case Measure::SearchPayee:
    case Measure::SearchReason:
    case Measure::SearchAccount: {
        clock.start();
        frmFindValori& w = Forms::get<frmFindValori>();
        w.Show();
        QCoreApplication::processEvents();
        if (m != Measure::SearchOpening) {
            // The layout's button, in an open search.
            QPushButton* const buttons[] = {w.cmdEsecutore, w.cmdTotale, w.cmdCliente, w.cmdData};
            clock.start();
            buttons[int(m) - int(Measure::SearchPayer)]->click();
            QCoreApplication::processEvents();
        }
        lap();
        run.lines = ListLines(*w.List1);
        w.Unload();
        break;
    }
    case Measure::Names: {
        clock.start();
        frmRiepiloghi& w = Forms::get<frmRiepiloghi>();
        w.lblFile->setText(kYear);
        w.Show();
        QCoreApplication::processEvents();
        lap();
        for (QComboBox* box : {w.txtPagatore, w.txtBeneficiario})
            for (int i = 0; i < box->count(); ++i)
                run.lines << box->itemText(i);
        w.Unload();
        break;
    }
    case Measure::SummaryAll:
    case Measure::SummaryPayer:
    case Measure::SummaryPayee: {
        frmRiepiloghi& w = Forms::get<frmRiepiloghi>();
        w.lblFile->setText(kYear);
        w.Show();
        QCoreApplication::processEvents();
        // A payer and a payee the sample spreads over the archive.
        const SlipRecord sample = sampleSlip(0);
        if (m == Measure::SummaryAll) {
            w.optTutti->setChecked(true);
        } else {
            QComboBox* box = m == Measure::SummaryPayer ? w.txtPagatore : w.txtBeneficiario;
            box->setCurrentIndex(box->findText(m == Measure::SummaryPayer ? sample.Payer1 : sample.Payee1));
            (m == Measure::SummaryPayer ? w.optPagatore : w.optBeneficiario)->setChecked(true);
        }
        clock.start();
        w.cmdAvanti_Click();
        QCoreApplication::processEvents();
        lap();
        run.lines = ListLines(*w.lstRiepilogo);
        w.Unload();
        break;
    }
    case Measure::Count: break;
    }
    settle();
    return run;
}

} // namespace lists
