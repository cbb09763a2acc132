#include "registers/DialNumber.h"

#include "common/FixedRecord.h"
#include "platform/Desktop.h"
#include "platform/Messages.h"

using namespace platform;

QString TelLink(const QString& number) {
    const QStringView text = trimBlanks(number);
    QString dial;
    bool digit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            dial += c;
            digit = true;
        } else if (c == QLatin1Char('*')) {
            dial += c;
        } else if (c == QLatin1Char('#')) {
            dial += QStringLiteral("%23");
        } else if (c == QLatin1Char('+') && i == 0) {
            dial += c;
        }
    }
    return digit ? QStringLiteral("tel:") + dial : QString();
}

bool DialNumber(const QString& number) {
    const QString link = TelLink(number);
    const bool called = !link.isEmpty() &&
                        !desktop().defaultApplication(QStringLiteral("x-scheme-handler/tel")).isEmpty() &&
                        desktop().openUrl(link);
    if (!called)
        MsgBox(QStringLiteral("Impossibile stabilire una connessione telefonica."), MsgIcon::Critical, MsgButtons::OK,
               QStringLiteral("Messaggio di errore"));
    return called;
}
