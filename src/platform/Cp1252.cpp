#include "platform/Cp1252.h"

namespace platform {

namespace {

// Code points of bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same value, so that every byte
// string survives a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    return -1;
}

} // namespace

bool isCp1252(char32_t codePoint) { return byteOf(codePoint) >= 0; }

unsigned char cp1252Byte(char32_t codePoint) {
    const int b = byteOf(codePoint);
    return static_cast<unsigned char>(b < 0 ? '?' : b);
}

QString fromCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b)));
    }
    return out;
}

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (char32_t cp : text.toUcs4())
        out.append(static_cast<char>(cp1252Byte(cp)));
    return out;
}

QString fitToCp1252(const QString& text) {
    bool clean = true;
    for (QChar c : text)
        if (c.isSurrogate() || !isCp1252(c.unicode())) { clean = false; break; }
    if (clean)
        return text;
    return fromCp1252(toCp1252(text));
}

QString upperCp1252(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const QChar upper = c.toUpper();
        if (!c.isSurrogate() && isCp1252(upper.unicode()))
            c = upper;
    }
    return out;
}

} // namespace platform
