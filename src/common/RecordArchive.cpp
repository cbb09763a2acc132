#include "common/RecordArchive.h"

#include "common/ProgramFiles.h"
#include "platform/FileCalls.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <utility>

using platform::fileCalls;

namespace {

constexpr qint64 kCopyChunk = 1024 * 1024;

// The journal: a mark, the record's offset (8 bytes) and length (4 bytes),
// little-endian, the record itself and a check of all that precedes it. A
// journal cut short, or with any byte wrong, fails the check.
constexpr char kJournalMark[4] = {'Q', 'J', 'N', '1'};
constexpr qint64 kJournalHead = 4 + 8 + 4;
constexpr qint64 kJournalCheck = 8;

quint64 journalCheck(const char* data, qint64 size) {
    quint64 h = 14695981039346656037ULL; // FNV-1a
    for (qint64 i = 0; i < size; ++i)
        h = (h ^ quint8(data[i])) * 1099511628211ULL;
    return h;
}

QByteArray journalBytes(qint64 offset, const QByteArray& record) {
    QByteArray j(kJournalHead + record.size() + kJournalCheck, Qt::Uninitialized);
    char* p = j.data();
    std::copy_n(kJournalMark, 4, p);
    qToLittleEndian<qint64>(offset, p + 4);
    qToLittleEndian<qint32>(qint32(record.size()), p + 12);
    std::copy_n(record.constData(), record.size(), p + kJournalHead);
    qToLittleEndian<quint64>(journalCheck(p, kJournalHead + record.size()), p + kJournalHead + record.size());
    return j;
}

// The offset and record of a whole journal; false for anything else.
bool parseJournal(const QByteArray& j, qint64& offset, QByteArray& record) {
    if (j.size() < kJournalHead + kJournalCheck || !std::equal(kJournalMark, kJournalMark + 4, j.constData()))
        return false;
    const char* p = j.constData();
    offset = qFromLittleEndian<qint64>(p + 4);
    const qint32 length = qFromLittleEndian<qint32>(p + 12);
    if (length < 0 || j.size() != kJournalHead + length + kJournalCheck
        || qFromLittleEndian<quint64>(p + kJournalHead + length) != journalCheck(p, kJournalHead + length))
        return false;
    record = j.mid(kJournalHead, length);
    return true;
}

// A whole file into `out`; false when it cannot be opened or read (a missing
// file sets errno to ENOENT).
bool readWholeFile(const QByteArray& path, QByteArray& out) {
    const int fd = fileCalls().open(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat info {};
    bool read = fileCalls().status(fd, info) == 0;
    if (read) {
        out.resize(info.st_size);
        read = platform::ReadFullyAt(fd, out.data(), out.size(), 0);
    }
    fileCalls().close(fd);
    return read;
}

// Copies bytes [begin, end) of one file to the end of what `at` says of another.
bool copyRange(int from, qint64 begin, qint64 end, int to, qint64& at, QByteArray& buffer) {
    for (qint64 pos = begin; pos < end;) {
        const qint64 chunk = std::min(end - pos, qint64(buffer.size()));
        if (!platform::ReadFullyAt(from, buffer.data(), chunk, pos)
            || !platform::WriteFullyAt(to, buffer.constData(), chunk, at))
            return false;
        pos += chunk;
        at += chunk;
    }
    return true;
}

} // namespace

RecordArchive::RecordArchive(QString archivePath, QString tempPath, int recordLength)
    : m_path(std::move(archivePath)), m_tempPath(std::move(tempPath)), m_length(recordLength > 0 ? recordLength : 1) {
    Q_ASSERT(recordLength > 0);
}

RecordArchive::~RecordArchive() { CloseArchive(); }

bool RecordArchive::OpenArchive() {
    CloseArchive();
    return openFile();
}

bool RecordArchive::openFile() {
    m_readOnly = false;
    m_journalPending = false;
    const QString real = platform::RealFilePath(m_path);
    m_real = QFile::encodeName(real);
    m_folder = QFile::encodeName(QFileInfo(real).absolutePath());
    m_journal = QFile::encodeName(ProgramFiles::JournalOf(real));
    m_fd = fileCalls().open(m_real, O_RDWR | O_CREAT);
    if (m_fd < 0) {
        if (!QFileInfo(real).isFile())
            return false;
        m_fd = fileCalls().open(m_real, O_RDONLY);
        if (m_fd < 0)
            return false;
        // An archive that cannot be written cannot have been saved into.
        m_readOnly = true;
        return true;
    }
    m_journalPending = !applyJournal();
    return true;
}

void RecordArchive::closeFile() {
    if (m_fd >= 0)
        fileCalls().close(m_fd);
    m_fd = -1;
}

void RecordArchive::CloseArchive() {
    closeFile();
    m_readOnly = false;
    m_journalPending = false;
}

bool RecordArchive::applyJournal() {
    QByteArray journal;
    if (!readWholeFile(m_journal, journal))
        return errno == ENOENT;
    qint64 offset = 0;
    QByteArray record;
    // A journal that is not whole was cut short before the archive was
    // touched; one that does not fit the archive is not its own.
    if (parseJournal(journal, offset, record) && record.size() == m_length && offset >= 0 && offset % m_length == 0
        && offset <= RecordCount() * m_length) {
        if (!platform::WriteFullyAt(m_fd, record.constData(), record.size(), offset)
            || fileCalls().syncData(m_fd) != 0)
            return false;
    }
    return fileCalls().remove(m_journal) == 0 || errno == ENOENT;
}

bool RecordArchive::writeJournal(qint64 offset, const QByteArray& record) {
    const int fd = fileCalls().open(m_journal, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return false;
    const QByteArray bytes = journalBytes(offset, record);
    bool written = platform::WriteFullyAt(fd, bytes.constData(), bytes.size(), 0) && fileCalls().syncData(fd) == 0;
    written = fileCalls().close(fd) == 0 && written;
    // The journal's name must be on disk too before the archive changes.
    written = written && fileCalls().syncFolder(m_folder) == 0;
    if (!written)
        fileCalls().remove(m_journal);
    return written;
}

qint64 RecordArchive::RecordCount() const {
    struct stat info {};
    if (m_fd < 0 || fileCalls().status(m_fd, info) != 0)
        return 0;
    return info.st_size / m_length;
}

bool RecordArchive::ReadRecord(qint64 k, QByteArray& out) { return ReadRecords(k, 1, out); }

bool RecordArchive::ReadRecords(qint64 first, qint64 number, QByteArray& out) {
    if (m_fd < 0 || first < 1 || number < 0 || first - 1 + number > RecordCount()) {
        out.clear();
        return false;
    }
    out.resize(number * m_length);
    if (number > 0 && !platform::ReadFullyAt(m_fd, out.data(), out.size(), (first - 1) * m_length)) {
        out.clear();
        return false;
    }
    return true;
}

bool RecordArchive::ReadAll(QByteArray& out) { return ReadRecords(1, RecordCount(), out); }

bool RecordArchive::WriteRecord(qint64 k, const QByteArray& record) {
    if (m_fd < 0 || m_readOnly || record.size() != m_length)
        return false;
    if (k < 1 || k > RecordCount() + 1)
        return false;
    if (m_journalPending && !applyJournal())
        return false;
    const qint64 offset = (k - 1) * m_length;
    if (!writeJournal(offset, record))
        return false;
    // From here a crash leaves a whole journal, which the next opening
    // completes; so does a failure, unless a later save here completes it.
    m_journalPending = true;
    if (!platform::WriteFullyAt(m_fd, record.constData(), m_length, offset) || fileCalls().syncData(m_fd) != 0)
        return false;
    m_journalPending = fileCalls().remove(m_journal) != 0;
    return true;
}

bool RecordArchive::writeRemainder(qint64 k, qint64 count, int temp) {
    QByteArray buffer(std::max<qint64>(1, std::min(count * m_length, kCopyChunk)), Qt::Uninitialized);
    qint64 at = 0;
    return copyRange(m_fd, 0, (k - 1) * m_length, temp, at, buffer)
           && copyRange(m_fd, k * m_length, count * m_length, temp, at, buffer);
}

bool RecordArchive::RemoveRecord(qint64 k) {
    if (m_fd < 0 || m_readOnly)
        return false;
    const qint64 count = RecordCount();
    if (k < 1 || k > count)
        return false;
    // A save cut short goes into the archive before its records move.
    if (m_journalPending && !applyJournal())
        return false;

    // The temporary file lies beside the real archive, for the rename; it
    // keeps its own name there when the archive is reached through a link.
    QByteArray temp = QFile::encodeName(m_tempPath);
    if (m_real != QFile::encodeName(QFileInfo(m_path).absoluteFilePath()))
        temp = m_folder + '/' + QFile::encodeName(QFileInfo(m_tempPath).fileName());

    // Nothing of an earlier temporary file may survive into the result.
    fileCalls().remove(temp);
    struct stat info {};
    if (fileCalls().status(m_fd, info) != 0)
        return false;
    const int fd = fileCalls().create(temp, info.st_mode);
    if (fd < 0)
        return false;
    bool replaced = writeRemainder(k, count, fd) && fileCalls().syncData(fd) == 0;
    replaced = fileCalls().close(fd) == 0 && replaced;
    // The rename swaps the whole file in one step: the archive is the old
    // one or the new one, never a mix.
    replaced = replaced && fileCalls().rename(temp, m_real) == 0;
    if (!replaced) {
        fileCalls().remove(temp);
        return false;
    }
    const bool durable = fileCalls().syncFolder(m_folder) == 0;
    closeFile();
    openFile();
    return durable;
}
