#pragma once
// A year archive of n sample slips in a temporary folder, for the benchmarks.

#include "common/SlipRecord.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <iterator>
#include <functional>

#include <unistd.h>

struct BenchArchive {
    BenchArchive(int n, const std::function<SlipRecord(int)>& sample) {
        bytes.reserve(qsizetype(n) * SlipRecord::Length);
        for (int i = 0; i < n; ++i)
            bytes += sample(i).encode();
        reset();
    }

    // Puts the archive back as it was made, synced: what is timed next does
    // not pay for flushing these pages.
    void reset() {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush() ||
            ::fsync(f.handle()) != 0)
            std::abort();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2012.ccp"));
    QString temp = dir.filePath(QStringLiteral("2012.tmp"));
    QByteArray bytes;
};

// Names as a real year holds them: most slips come from a payer seen once or
// twice in the year and go to a payee among some tens of thousands; a few
// payers and payees come back all year round. Now and then a name is typed
// in small letters with capitals, as another clerk would type it, and some
// carry accents and apostrophes. At 100,000 slips 91,123 payer and 62,868
// payee names are distinct (names the same but for case counted once).
namespace sample {

inline quint64 mixed(quint64 x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Picks one of `list`, consuming that many choices of `h`.
template <std::size_t N>
inline const char* pick(const char* const (&list)[N], quint64& h) {
    const char* chosen = list[h % N];
    h /= N;
    return chosen;
}

// A surname; a payer's may begin with a particle ("DE ", "LA " ...).
inline QString surname(quint64& h, bool particle) {
    static const char* const stems[] = {
        "BERT",   "ROSS",    "FERR",   "COST",   "GALL",   "MARIN",   "BIANCH", "RICC",    "LOMBARD", "MORETT",
        "BARBER", "FONTAN",  "SANTOR", "CARUS",  "MARIAN", "RINALD",  "CAPUT",  "GRASS",   "PELLEGR", "VITAL",
        "SERR",   "ORLAND",  "DAMIAN", "PAGAN",  "FABBR",  "BELL",    "GUERR",  "SIMON",   "CATTAN",  "MAZZ",
        "D'ANGEL", "D'AMIC", "DELL'ACQU", "LUCCHES", "GENTIL", "PIER", "TOMMAS", "VENTUR", "BONIFAC", "NEGR"};
    static const char* const endings[] = {"I", "INI", "ELLI", "ONI", "ETTI", "UCCI", "ANI", "ATO", "ESE", "IELLO",
                                          "ARO", "Ò", "Ù"};
    static const char* const particles[] = {"", "", "", "", "", "DE ", "DI ", "LA ", "DEL ", "LO "};
    const char* first = particle ? pick(particles, h) : "";
    const char* stem = pick(stems, h);
    const char* ending = pick(endings, h);
    return QString::fromUtf8(first) + QString::fromUtf8(stem) + QString::fromUtf8(ending);
}

inline QString firstName(quint64& h) {
    static const char* const names[] = {
        "MARIO",  "LUIGI",   "ANNA",    "GIUSEPPE", "MARIA",   "FRANCESCO", "GIOVANNI", "ROSA",   "ANTONIO", "LUCIA",
        "PAOLO",  "CHIARA",  "MARCO",   "GIULIA",   "ANDREA",  "SARA",      "LUCA",     "ELENA",  "STEFANO", "LAURA",
        "NICCOLÒ", "GIOSUÈ", "ILARIA",  "PIETRO",   "TERESA",  "SALVATORE", "CARLA",    "ENRICO", "SILVIA",  "DAVIDE",
        "FEDERICA", "MATTEO", "ROBERTA", "CLAUDIO", "VALERIA", "FABIO",     "MONICA",   "SERGIO", "PAOLA",   "ALBERTO"};
    return QString::fromUtf8(pick(names, h));
}

// "Rossi Mario" for "ROSSI MARIO".
inline QString typedInSmallLetters(const QString& name) {
    QString out = name.toLower();
    for (qsizetype i = 0; i < out.size(); ++i)
        if (i == 0 || out[i - 1] == QLatin1Char(' ') || out[i - 1] == QLatin1Char('\''))
            out[i] = out[i].toUpper();
    return out;
}

inline QString payer(int i) {
    static const char* const regulars[] = {
        "ROSSI MARIO",      "BIANCHI ANNA",    "ESPOSITO GENNARO", "RUSSO GIUSEPPE", "COLOMBO LUIGI",
        "RICCI FRANCESCA",  "MARINO PAOLO",    "GRECO ANTONIO",    "BRUNO CARLA",    "GALLO STEFANO",
        "CONTI MARIA",      "DE LUCA PIETRO",  "MANCINI ELENA",    "COSTA ROBERTO",  "GIORDANO SARA",
        "RIZZO SALVATORE",  "LOMBARDI LUCIA",  "MORETTI ENRICO",   "BARBIERI ROSA",  "FONTANA MARCO"};
    if (i % 50 == 0)
        return QString::fromUtf8(regulars[(i / 50) % std::size(regulars)]);
    quint64 h = mixed(2 * quint64(i));
    static const char* const initials[] = {"",    "",    "",    "",    "",    " A.", " B.", " C.", " D.", " E.",
                                           " F.", " G.", " L.", " M.", " N.", " P.", " R.", " S.", " T.", " V."};
    const bool small = h % 16 == 0;
    h /= 16;
    QString name = surname(h, true) + QLatin1Char(' ') + firstName(h);
    name += QString::fromUtf8(pick(initials, h));
    return small ? typedInSmallLetters(name) : name;
}

inline QString payee(int i) {
    static const char* const regulars[] = {
        "COMUNE DI ROMA",        "COMUNE DI MILANO",          "COMUNE DI NAPOLI",      "COMUNE DI TORINO",
        "COMUNE DI PALERMO",     "COMUNE DI GENOVA",          "COMUNE DI BOLOGNA",     "COMUNE DI FIRENZE",
        "COMUNE DI BARI",        "COMUNE DI CATANIA",         "COMUNE DI VENEZIA",     "COMUNE DI VERONA",
        "COMUNE DI FORLÌ",       "COMUNE DI CANTÙ",           "COMUNE DI PATERNÒ",     "COMUNE DI SANT'AGATA",
        "ENEL ENERGIA S.P.A.",   "ACEA ATO 2 S.P.A.",         "A2A ENERGIA S.P.A.",    "HERA COMM S.P.A.",
        "IREN MERCATO S.P.A.",   "ENI PLENITUDE S.P.A.",      "TIM S.P.A.",            "FASTWEB S.P.A.",
        "AGENZIA DELLE ENTRATE", "INPS",                      "INAIL",                 "ACI AUTOMOBILE CLUB",
        "POSTE ITALIANE S.P.A.", "RAI CANONE TV",             "CONDOMINIO VIA ROMA 12", "ASL ROMA 1",
        "UNIVERSITÀ DI BOLOGNA", "REGIONE LAZIO TASSA AUTO",  "AMA ROMA S.P.A.",       "ATAC S.P.A.",
        "ITALGAS RETI S.P.A.",   "ACQUEDOTTO PUGLIESE S.P.A.", "ABBANOA S.P.A.",       "SMAT S.P.A."};
    if (i % 8 == 0)
        return QString::fromUtf8(regulars[(i / 8) % std::size(regulars)]);
    quint64 h = mixed(2 * quint64(i) + 1);
    static const char* const kinds[] = {"", " S.R.L.", " S.N.C.", " & C. S.A.S.", " STUDIO", " DITTA"};
    const bool small = h % 16 == 0;
    h /= 16;
    QString name = surname(h, false) + QLatin1Char(' ') + firstName(h);
    name += QString::fromUtf8(pick(kinds, h));
    return small ? typedInSmallLetters(name) : name;
}

} // namespace sample

inline SlipRecord sampleSlip(int i) {
    // Spread over accounts and amounts, in no particular order.
    const int k = int((i * 2654435761u) % 1000003u);
    SlipRecord r;
    r.AccountNumber = QString::number(100000000LL + k % 4999);
    r.Euros = QString::number(k % 2500 + (k % 7 == 0 ? 0 : 1));
    r.Cents = QStringLiteral("%1").arg(k % 100, 2, 10, QLatin1Char('0'));
    r.Payee1 = sample::payee(i);
    r.Payee2 = QStringLiteral("SERVIZIO TRIBUTI");
    r.Reason1 = QStringLiteral("TASSA RIFIUTI ANNO 2012 RATA %1 UTENZA %2").arg(k % 4 + 1).arg(k);
    r.Reason2 = QStringLiteral("UTENZA N. %1").arg(i);
    r.Payer1 = sample::payer(i);
    r.Street = QStringLiteral("VIA ROMA %1").arg(k % 200);
    r.PostCode = QStringLiteral("00100");
    r.Town = QStringLiteral("ROMA");
    r.Notes = QStringLiteral("pagato allo sportello, ricevuta n. %1").arg(i);
    return r;
}

// The list widget needs an application; the benchmarks' main makes none.
inline void ensureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillora_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: windows the benchmarks leave open would outlive it at
    // exit, after Qt's own per-thread data is gone.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

// This process's peak resident memory, in bytes, from its own high-water
// mark: a fresh process's figure, without what a parent held (getrusage and
// wait4 count the memory the process had before its exec).
inline double peakBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024.0;
    return -1;
}
