#include "common/FixedRecord.h"

#include "platform/Cp1252.h"

#include <cstdint>
#include <cstring>


QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QString decodeField(const char* data, qsizetype width) {
    const char* begin = data;
    const char* end = data + width;
    while (begin < end && *begin == ' ')
        ++begin;
    // Fields are mostly padding: skip trailing blanks eight at a time.
    constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;
    for (std::uint64_t word; end - begin >= 8; end -= 8) {
        std::memcpy(&word, end - 8, 8);
        if (word != kBlanks)
            break;
    }
    while (end > begin && end[-1] == ' ')
        --end;
    const qsizetype length = end - begin;
    if (length == 0)
        return QString();
    // Windows-1252 differs from Latin-1 only in bytes 0x80..0x9F; text without
    // them takes the fast Latin-1 conversion.
    for (const char* p = begin; p < end; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        if (b >= 0x80 && b < 0xA0)
            return platform::fromCp1252(QByteArray::fromRawData(begin, length));
    }
    return QString::fromLatin1(begin, length);
}

void encodeField(QStringView text, char* out, qsizetype width) {
    const QStringView trimmed = trimBlanks(text);
    qsizetype written = 0;
    for (qsizetype i = 0; i < trimmed.size() && written < width; ++i) {
        char32_t cp = trimmed[i].unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < trimmed.size() && trimmed[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(trimmed[i], trimmed[i + 1]);
            ++i;
        }
        out[written++] = static_cast<char>(platform::cp1252Byte(cp));
    }
    std::memset(out + written, ' ', static_cast<std::size_t>(width - written));
}

QStringList decodeFields(const QByteArray& record, std::span<const int> widths) {
    QStringList fields;
    fields.reserve(static_cast<qsizetype>(widths.size()));
    const qsizetype size = record.size();
    qsizetype offset = 0;
    for (int width : widths) {
        const qsizetype available = offset < size ? std::min<qsizetype>(width, size - offset) : 0;
        fields.append(available > 0 ? decodeField(record.constData() + offset, available) : QString());
        offset += width;
    }
    return fields;
}

QByteArray encodeFields(const QStringList& fields, std::span<const int> widths) {
    QByteArray record(totalWidth(widths), Qt::Uninitialized);
    char* out = record.data();
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        encodeField(index < fields.size() ? QStringView(fields[index]) : QStringView(), out, widths[i]);
        out += widths[i];
    }
    return record;
}

