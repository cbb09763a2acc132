#include "common/RecordArchive.h"

#include "platform/FileCopy.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>


namespace {

constexpr qint64 kCopyChunk = 4 * 1024 * 1024;

bool readFully(QFile& file, char* data, qint64 size) {
    while (size > 0) {
        const qint64 got = file.read(data, size);
        if (got <= 0)
            return false;
        data += got;
        size -= got;
    }
    return true;
}

bool writeFully(QFile& file, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 put = file.write(data, size);
        if (put <= 0)
            return false;
        data += put;
        size -= put;
    }
    return true;
}

// Copies bytes [begin, end) of one file to the current position of another.
bool copyRange(QFile& from, qint64 begin, qint64 end, QFile& to, QByteArray& buffer) {
    if (begin >= end)
        return true;
    if (!from.seek(begin))
        return false;
    for (qint64 left = end - begin; left > 0;) {
        const qint64 chunk = std::min(left, kCopyChunk);
        if (!readFully(from, buffer.data(), chunk) || !writeFully(to, buffer.constData(), chunk))
            return false;
        left -= chunk;
    }
    return true;
}

} // namespace

RecordArchive::RecordArchive(QString archivePath, QString tempPath, int recordLength)
    : m_path(std::move(archivePath)), m_tempPath(std::move(tempPath)), m_length(recordLength > 0 ? recordLength : 1),
      m_file(m_path) {
    Q_ASSERT(recordLength > 0);
}

RecordArchive::~RecordArchive() { CloseArchive(); }

bool RecordArchive::OpenArchive() {
    CloseArchive();
    return openFile();
}

bool RecordArchive::openFile() {
    m_readOnly = false;
    if (m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return true;
    if (QFileInfo(m_path).isFile() && m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_readOnly = true;
        return true;
    }
    return false;
}

void RecordArchive::CloseArchive() {
    if (m_file.isOpen())
        m_file.close();
    m_readOnly = false;
}

qint64 RecordArchive::RecordCount() const {
    if (!m_file.isOpen())
        return 0;
    return m_file.size() / m_length;
}

bool RecordArchive::ReadRecord(qint64 k, QByteArray& out) { return ReadRecords(k, 1, out); }

bool RecordArchive::ReadRecords(qint64 first, qint64 number, QByteArray& out) {
    if (!m_file.isOpen() || first < 1 || number < 0 || first - 1 + number > RecordCount()) {
        out.clear();
        return false;
    }
    out.resize(number * m_length);
    if (number > 0 && (!m_file.seek((first - 1) * m_length) || !readFully(m_file, out.data(), out.size()))) {
        out.clear();
        return false;
    }
    return true;
}

bool RecordArchive::ReadAll(QByteArray& out) { return ReadRecords(1, RecordCount(), out); }

bool RecordArchive::WriteRecord(qint64 k, const QByteArray& record) {
    if (!m_file.isOpen() || m_readOnly || record.size() != m_length)
        return false;
    if (k < 1 || k > RecordCount() + 1)
        return false;
    return m_file.seek((k - 1) * m_length) && writeFully(m_file, record.constData(), m_length);
}

bool RecordArchive::writeRemainder(qint64 k, qint64 count, QFile& temp) {
    QByteArray buffer(std::min(count * m_length, kCopyChunk), Qt::Uninitialized);
    return copyRange(m_file, 0, (k - 1) * m_length, temp, buffer)
           && copyRange(m_file, k * m_length, count * m_length, temp, buffer);
}

bool RecordArchive::RemoveRecord(qint64 k) {
    if (!m_file.isOpen() || m_readOnly)
        return false;
    const qint64 count = RecordCount();
    if (k < 1 || k > count)
        return false;

    // Nothing of an earlier temporary file may survive into the result.
    if (QFileInfo::exists(m_tempPath))
        QFile::remove(m_tempPath);
    QFile temp(m_tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const bool written = writeRemainder(k, count, temp);
    temp.close();

    // The temporary file is copied over the archive in one atomic step, so
    // the archive is never seen half written and a failure leaves it as it was.
    m_file.close();
    const bool replaced = written && platform::CopyFileAtomically(m_tempPath, m_path) == platform::FileError::None;
    QFile::remove(m_tempPath);
    openFile();
    return replaced;
}
