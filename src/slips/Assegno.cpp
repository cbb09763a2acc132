#include "slips/Assegno.h"

#include <array>

namespace {

// word(k + 1) names the number k for k from 0 to 20 (word(1) is empty);
// word(t + 19) names the tens t x 10 for t from 2 to 9.
constexpr std::array<const char*, 28> kWords = {
    "",           "UNO",         "DUE",      "TRE",         "QUATTRO",   "CINQUE",   "SEI",
    "SETTE",      "OTTO",        "NOVE",     "DIECI",       "UNDICI",    "DODICI",   "TREDICI",
    "QUATTORDICI", "QUINDICI",   "SEDICI",   "DICIASSETTE", "DICIOTTO",  "DICIANNOVE",
    "VENTI",      "TRENTA",      "QUARANTA", "CINQUANTA",   "SESSANTA",  "SETTANTA", "OTTANTA",
    "NOVANTA"};

QLatin1StringView word(int number) { return QLatin1StringView(kWords.at(number - 1)); }

// Appends the words of a group of three digits (1 to 999).
void appendGroup(QString& text, int value) {
    int r = value;
    if (r > 99) {
        const int hundreds = r / 100;
        r -= 100 * hundreds;
        if (hundreds != 1)
            text += word(hundreds + 1);
        text += QLatin1StringView("CENTO");
    }
    if (r <= 20) {
        text += word(r + 1);
        return;
    }
    const int tens = r / 10;
    text += word(tens + 19);
    const int units = r - 10 * tens;
    // VENTUNO, TRENTOTTO: the tens drop their vowel before UNO and OTTO.
    if (units == 1 || units == 8)
        text.chop(1);
    text += word(units + 1);
}

} // namespace

Assegno::Assegno(QObject* parent) : QObject(parent) {}

void Assegno::setImporto(Currency amount) { m_importo = amount; }

void Assegno::setMaiuscolo(bool capitals) { m_maiuscolo = capitals; }

QString Assegno::Parola() {
    // Ten-thousandths of a euro in one euro, a thousand, a million, a billion.
    constexpr std::array<qint64, 4> kGroupUnit = {
        Currency::kScale, Currency::kScale * 1000, Currency::kScale * 1000000,
        Currency::kScale * 1000000000};

    qint64 amount = m_importo.tenThousandths();
    QString text;
    for (int n = 3; n >= 0; --n) {
        const qint64 unit = kGroupUnit[n];
        // The exact floor. A quotient in double precision would round up just
        // below a group boundary for amounts of hundreds of billions with a
        // fraction, and give words for a thousand in one group.
        const qint64 group = amount / unit;
        if (group <= 0)
            continue;
        if (group > 999) {
            // Only the billions group can get here: an amount beyond the words.
            emit Bluff(Currency::fromTenThousandths(amount));
            m_importo = Currency::fromTenThousandths(amount % Currency::kScale);
            return QString();
        }
        appendGroup(text, static_cast<int>(group));
        switch (n) {
        case 3:
            emit Bluff(Currency::fromTenThousandths(amount));
            if (group == 1)
                text = QStringLiteral("UNMILIARDO");
            else
                text += QLatin1StringView("MILIARDI");
            break;
        case 2:
            if (group == 1) {
                text.chop(3);
                text += QLatin1StringView("UNMILIONE");
            } else {
                text += QLatin1StringView("MILIONI");
            }
            break;
        case 1:
            if (group == 1) {
                text.chop(3);
                text += QLatin1StringView("MILLE");
            } else {
                text += QLatin1StringView("MILA");
            }
            break;
        default:
            break;
        }
        amount -= group * unit;
    }
    m_importo = Currency::fromTenThousandths(amount);
    return m_maiuscolo ? text : text.toLower();
}
