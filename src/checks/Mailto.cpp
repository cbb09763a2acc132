#include "checks/Mailto.h"

#include <QByteArray>

QString MailtoEncode(const QString& value) {
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    static const char kHex[] = "0123456789ABCDEF";
    QString encoded;
    for (const char ch : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool kept = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                          byte == '~' || byte == '@' || byte == ',';
        if (kept) {
            encoded += QLatin1Char(char(byte));
        } else {
            encoded += QLatin1Char('%');
            encoded += QLatin1Char(kHex[byte >> 4]);
            encoded += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

QString MailtoLink(const QString& address, const QString& subject, const QString& text, const QString& copy,
                   const QString& blindCopy) {
    QString parameters;
    const auto add = [&parameters](const char* name, const QString& value) {
        if (!value.isEmpty())
            parameters += QLatin1Char('&') + QLatin1String(name) + QLatin1Char('=') + MailtoEncode(value);
    };
    add("Subject", subject);
    add("Body", text);
    add("CC", copy);
    add("BCC", blindCopy);
    if (!parameters.isEmpty())
        parameters[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + MailtoEncode(address) + parameters;
}
