#pragma once
// The mailto: link handed to the desktop's mail program (RFC 6068).

#include <QString>

// Each character as UTF-8, every byte but letters, digits, "-", ".", "_",
// "~", "@" and "," written as %XX in capitals; line breaks of any kind become
// CR LF (%0D%0A) first.
QString MailtoEncode(const QString& value);

// "mailto:" and the address, then Subject, Body, CC and BCC in this order,
// each left out when its text is empty (a text of blanks is kept); the first
// parameter present follows a "?", the others an "&".
QString MailtoLink(const QString& address, const QString& subject, const QString& text, const QString& copy,
                   const QString& blindCopy);
