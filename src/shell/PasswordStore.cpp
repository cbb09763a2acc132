#include "shell/PasswordStore.h"

#include "platform/BasicRandom.h"
#include "platform/Cp1252.h"

namespace {

constexpr int kFirst = 32;
constexpr int kLast = 126;
constexpr int kRange = kLast - kFirst + 1; // 95

// The generator as every scramble and unscramble starts from it: reset by a
// draw with -1, then seeded with the hash of the key.
platform::BasicRandom seededFor(const QString& key) {
    platform::BasicRandom random;
    random.Rnd(-1.0f);
    random.Randomize(static_cast<double>(KeyHash(key)));
    return random;
}

// Applies shift(code, r) to every printable character of the text, with r the
// next shift from the generator; other characters are dropped without a draw.
template <typename Shift>
QString scramble(const QString& key, const QString& text, Shift shift) {
    platform::BasicRandom random = seededFor(key);
    QString result;
    result.reserve(text.size());
    for (char32_t cp : text.toUcs4()) {
        const int c = platform::cp1252Byte(cp);
        if (c < kFirst || c > kLast)
            continue;
        // Single precision, as the runtime computed it: 0 .. 95.
        const int r = static_cast<int>(random.Rnd(1.0f) * 96.0f);
        result.append(QChar(static_cast<char16_t>(shift(c, r) + kFirst)));
    }
    return result;
}

} // namespace

qint32 KeyHash(const QString& key) {
    qint32 h = 0;
    int a = 0;
    int b = 0;
    for (char32_t cp : key.toUcs4()) {
        // The code is at most 255 and the exponents at most 22, so each term
        // stays below 2^30.
        const qint32 c = platform::cp1252Byte(cp);
        h ^= c << a;
        h ^= c << b;
        a = (a + 7) % 19;
        b = (b + 13) % 23;
    }
    return h;
}

QString EncodeWithKey(const QString& key, const QString& text) {
    return scramble(key, text, [](int c, int r) { return (c - kFirst + r) % kRange; });
}

QString DecodeWithKey(const QString& key, const QString& text) {
    return scramble(key, text, [](int c, int r) {
        const int d = (c - kFirst - r) % kRange;
        return d < 0 ? d + kRange : d;
    });
}
