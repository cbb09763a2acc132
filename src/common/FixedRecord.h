#pragma once
// Fixed-width text records: every field is text of exactly its width, one
// Windows-1252 byte per character, left-aligned and padded with blanks.
// Reading a field drops its leading and trailing blanks (blanks only); writing
// one drops them from the text, cuts it to the width and pads it with blanks.
// A character the code page cannot hold is written as one "?", so no field
// ever shifts.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>


// The text without its leading and trailing blanks (U+0020 only).
QStringView trimBlanks(QStringView text);

// One field read from `width` bytes at `data`.
QString decodeField(const char* data, qsizetype width);
// One field written into the `width` bytes at `out`.
void encodeField(QStringView text, char* out, qsizetype width);

// The fields of a record laid out by `widths`, in order. Bytes missing at the
// end of a short record read as blanks.
QStringList decodeFields(const QByteArray& record, std::span<const int> widths);
// A record of exactly the sum of `widths` bytes; missing texts are written as
// blank fields, surplus texts are ignored.
QByteArray encodeFields(const QStringList& fields, std::span<const int> widths);

constexpr int totalWidth(std::span<const int> widths) {
    int sum = 0;
    for (int w : widths)
        sum += w;
    return sum;
}

// A record type's layout: which text member each field fills, and its width.
template <class R>
struct FixedField {
    QString R::*member;
    int width;
};

template <class R, std::size_t N>
constexpr int recordLength(const std::array<FixedField<R>, N>& layout) {
    int sum = 0;
    for (const auto& f : layout)
        sum += f.width;
    return sum;
}

template <class R, std::size_t N>
R decodeRecord(const QByteArray& bytes, const std::array<FixedField<R>, N>& layout) {
    R record;
    const qsizetype size = bytes.size();
    qsizetype offset = 0;
    for (const auto& f : layout) {
        const qsizetype available = offset < size ? std::min<qsizetype>(f.width, size - offset) : 0;
        if (available > 0)
            record.*f.member = decodeField(bytes.constData() + offset, available);
        offset += f.width;
    }
    return record;
}

// Only the named fields of the record, at their places in the layout; the
// others stay empty. For a list that shows a few fields of many records.
template <class R, std::size_t N>
R decodeRecord(const QByteArray& bytes, const std::array<FixedField<R>, N>& layout,
               std::span<QString R::* const> fields) {
    R record;
    const qsizetype size = bytes.size();
    qsizetype offset = 0;
    for (const auto& f : layout) {
        const qsizetype available = offset < size ? std::min<qsizetype>(f.width, size - offset) : 0;
        if (available > 0 && std::find(fields.begin(), fields.end(), f.member) != fields.end())
            record.*f.member = decodeField(bytes.constData() + offset, available);
        offset += f.width;
    }
    return record;
}

// The bytes of one field of the record as they lie in it, blanks included;
// fewer, or none, when the record ends before the field does.
template <class R, std::size_t N>
QByteArrayView fieldBytes(const QByteArray& bytes, const std::array<FixedField<R>, N>& layout, QString R::*member) {
    qsizetype offset = 0;
    for (const auto& f : layout) {
        if (f.member == member) {
            const qsizetype available = std::clamp<qsizetype>(bytes.size() - offset, 0, f.width);
            return QByteArrayView(bytes.constData() + std::min(offset, bytes.size()), available);
        }
        offset += f.width;
    }
    return {};
}

template <class R, std::size_t N>
QByteArray encodeRecord(const R& record, const std::array<FixedField<R>, N>& layout) {
    QByteArray bytes(recordLength(layout), Qt::Uninitialized);
    char* out = bytes.data();
    for (const auto& f : layout) {
        encodeField(record.*f.member, out, f.width);
        out += f.width;
    }
    return bytes;
}

