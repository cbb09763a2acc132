#pragma once
// The scrambler of the password store: a keyed shift of each printable ASCII
// character (codes 32 to 126) within that range. The shifts are the draws of
// the BASIC runtime's generator, reset and then seeded with the key's hash
// before every call, so a result depends only on key and text.
//
// Characters are taken as their Windows-1252 codes; anything outside 32..126
// is dropped from the result and consumes no draw.

#include <QString>
#include <QtGlobal>

// 0 .. 1,073,741,823. The first character of a key never changes it, nor do
// the characters at positions 21, 41, 72, ... (counting from 1).
qint32 KeyHash(const QString& key);

QString EncodeWithKey(const QString& key, const QString& text);
QString DecodeWithKey(const QString& key, const QString& text);
