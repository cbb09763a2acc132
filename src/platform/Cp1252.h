#pragma once
// Windows-1252, the single-byte code page of the files the Windows program wrote.
// Every byte value decodes to one character and encodes back to itself; a
// character the code page cannot hold becomes one "?" byte, so a fixed-width
// field never shifts.

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

// True when the code point has a byte in Windows-1252.
bool isCp1252(char32_t codePoint);
// The byte of a code point, or '?' when it has none.
unsigned char cp1252Byte(char32_t codePoint);

// The text with every character that Windows-1252 cannot hold replaced by one
// "?" (a surrogate pair counts as one character).
QString fitToCp1252(const QString& text);

// Capitals as the Windows program made them: each character on its own, and
// only where the capital exists in Windows-1252 (ß and µ stay as they are).
QString upperCp1252(const QString& text);

} // namespace platform
