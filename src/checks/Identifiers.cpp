#include "checks/Identifiers.h"

#include <algorithm>

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isCapital(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
QChar capital(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c;
}

} // namespace

// ------------------------------------------------ VAT number

const std::array<VatOffice, 104>& VatOfficeTable() {
    static const std::array<VatOffice, 104> table{{
        {"001", "Torino"},          {"002", "Vercelli"},        {"003", "Novara"},
        {"004", "Cuneo"},           {"005", "Asti"},            {"006", "Alessandria"},
        {"007", "Aosta"},           {"008", "Imperia"},         {"009", "Savona"},
        {"010", "Genova 1"},        {"011", "La Spezia"},       {"012", "Varese"},
        {"013", "Como"},            {"014", "Sondrio"},         {"015", "Milano 1"},
        {"016", "Bergamo"},         {"017", "Brescia 1"},       {"018", "Pavia"},
        {"019", "Cremona"},         {"020", "Mantova"},         {"021", "Bolzano"},
        {"022", "Trento"},          {"023", "Verona"},          {"024", "Vicenza"},
        {"025", "Belluno"},         {"026", "Treviso"},         {"027", "Venezia"},
        {"028", "Padova"},          {"029", "Rovigo"},          {"030", "Udine"},
        {"031", "Gorizia"},         {"032", "Trieste"},         {"033", "Piacenza"},
        {"034", "Parma"},           {"035", "Reggio Emilia"},   {"036", "Modena"},
        {"037", "Bologna 1"},       {"038", "Ferrara"},         {"039", "Ravenna"},
        {"040", "Forl\u00EC"},      {"041", "Pesaro"},          {"042", "Ancona"},
        {"043", "Macerata"},        {"044", "Ascoli Piceno"},   {"045", "Massa Carrara"},
        {"046", "Lucca"},           {"047", "Pistoia"},         {"048", "Firenze 1"},
        {"049", "Livorno"},         {"050", "Pisa"},            {"051", "Arezzo"},
        {"052", "Siena"},           {"053", "Grosseto"},        {"054", "Perugia"},
        {"055", "Terni"},           {"056", "Viterbo"},         {"057", "Rieti"},
        {"058", "Roma 1"},          {"059", "Latina"},          {"060", "Frosinone"},
        {"061", "Caserta"},         {"062", "Benevento"},       {"063", "Napoli 1"},
        {"064", "Avellino"},        {"065", "Salerno"},         {"066", "L'Aquila"},
        {"067", "Teramo"},          {"068", "Pescara"},         {"069", "Chieti"},
        {"070", "Campobasso"},      {"071", "Foggia"},          {"072", "Bari"},
        {"073", "Taranto"},         {"074", "Brindisi"},        {"075", "Lecce"},
        {"076", "Potenza"},         {"077", "Matera"},          {"078", "Cosenza"},
        {"079", "Catanzaro"},       {"080", "Reggio Calabria"}, {"081", "Trapani"},
        {"082", "Palermo"},         {"083", "Messina"},         {"084", "Agrigento"},
        {"085", "Caltanissetta"},   {"086", "Enna"},            {"087", "Catania"},
        {"088", "Ragusa"},          {"089", "Siracusa"},        {"090", "Sassari"},
        {"091", "Nuoro"},           {"092", "Cagliari"},        {"093", "Pordenone"},
        {"094", "Isernia"},         {"095", "Oristano"},        {"096", "Monza (Milano 2)"},
        {"097", "Prato (Firenze 2)"}, {"098", "Brescia 2"},     {"099", "Chiavari (Genova 2)"},
        {"100", "Roma 2"},          {"101", "Bologna 2"},       {"102", "Napoli 2"},
        {"120", "Bologna 2"},       {"121", "Napoli 2"},
    }};
    return table;
}

std::optional<QString> VatOfficeName(const QString& code) {
    const auto& table = VatOfficeTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const VatOffice& o) { return code == QLatin1String(o.code); });
    if (it == table.end())
        return std::nullopt;
    return QString::fromUtf8(it->name);
}

int VatDigitAt(const QString& value, int position) {
    if (position < 1 || position > value.size())
        return 0;
    const QChar c = value.at(position - 1);
    return isDigit(c) ? c.digitValue() : 0;
}

int VatCheckDigit(const QString& value) {
    int sum = 0;
    for (int n = 1; n <= 9; n += 2) {
        sum += VatDigitAt(value, n);
        const int e = 2 * VatDigitAt(value, n + 1);
        sum += e / 10 + e % 10;
    }
    return (10 - sum % 10) % 10;
}

// ------------------------------------------------ tax code

namespace {

// The published values of the characters in odd places, 0..9 then A..Z.
constexpr std::array<int, 10> kOddDigit{1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr std::array<int, 26> kOddLetter{1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                         20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};

} // namespace

std::optional<QChar> TaxCodeCheckChar(const QString& value) {
    if (value.size() < 15)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar c = capital(value.at(i));
        const bool odd = i % 2 == 0; // places count from 1
        if (isDigit(c))
            sum += odd ? kOddDigit[c.digitValue()] : c.digitValue();
        else if (isCapital(c))
            sum += odd ? kOddLetter[c.unicode() - 'A'] : c.unicode() - 'A';
        else
            return std::nullopt;
    }
    return QChar(u'A' + sum % 26);
}

bool TaxCodeIsRight(const QString& value) {
    const std::optional<QChar> check = TaxCodeCheckChar(value);
    return check && value.size() >= 16 && capital(value.at(15)) == *check;
}

// ------------------------------------------------ card number

bool IsEven(int n) { return n % 2 == 0; }

bool LuhnCheck(const QString& value) {
    const int length = int(value.size());
    int sum = 0;
    for (int i = 1; i <= length; ++i) {
        const QChar c = value.at(i - 1);
        int d = isDigit(c) ? c.digitValue() : 0;
        // Every second place counted from the right is doubled.
        if (IsEven(length) != IsEven(i)) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}

QString CardType(const QString& value) {
    const QString unknown = QString::fromLatin1(kUnknownCard);
    if (value.size() < 14 || !std::all_of(value.begin(), value.end(), isDigit))
        return unknown;
    const auto prefix = [&](int n) { return value.left(n).toInt(); };
    const int two = prefix(2);
    const int four = prefix(4);
    const int three = prefix(3);
    if (two == 34 || two == 37)
        return QStringLiteral("American Express");
    if (two == 36)
        return QStringLiteral("Diners Club");
    if (two == 38)
        return QStringLiteral("Carte Blanche");
    if (two >= 51 && two <= 55)
        return QStringLiteral("Master Card");
    if (four == 2014 || four == 2149)
        return QStringLiteral("EnRoute");
    if (four == 2131 || four == 1800)
        return QStringLiteral("JCB");
    if (four == 6011)
        return QStringLiteral("Discover");
    if (four == 5610)
        return value.size() == 16 ? QStringLiteral("Australian BankCard") : unknown;
    if (three >= 300 && three <= 305)
        return QStringLiteral("American Diners Club");
    if (value.at(0) == QLatin1Char('3'))
        return QStringLiteral("JCB");
    if (value.at(0) == QLatin1Char('4'))
        return QStringLiteral("Visa");
    return unknown;
}
