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

// The journal: a mark, the record's offset and the archive's length before
// the save (8 bytes each), the record's length (4 bytes), little-endian, the
// record, the bytes it covers in the archive as they were (as many as the old
// length leaves from the offset, at most a record), and a check of all from
// the offset on. The mark says which way the journal goes: "QJNR" completes
// the save, "QJNU" brings the old bytes and length back; it lies outside the
// check so that a failed save can turn its journal with one small write. A
// journal cut short, or with any byte wrong, fails the check. "QJN1" is the
// older form, with neither the old length nor the old bytes, the mark
// checked too; it can only be completed.
constexpr char kRedoMark[4] = {'Q', 'J', 'N', 'R'};
constexpr char kUndoMark[4] = {'Q', 'J', 'N', 'U'};
constexpr char kOlderMark[4] = {'Q', 'J', 'N', '1'};
constexpr qint64 kJournalHead = 4 + 8 + 8 + 4;
constexpr qint64 kOlderJournalHead = 4 + 8 + 4;
constexpr qint64 kJournalCheck = 8;

quint64 journalCheck(const char* data, qint64 size) {
    quint64 h = 14695981039346656037ULL; // FNV-1a
    for (qint64 i = 0; i < size; ++i)
        h = (h ^ quint8(data[i])) * 1099511628211ULL;
    return h;
}

bool hasMark(const QByteArray& j, const char (&mark)[4]) {
    return j.size() >= 4 && std::equal(mark, mark + 4, j.constData());
}

// How many of the old bytes a save at `offset` over an archive of `oldSize`
// bytes covers.
qint64 coveredBytes(qint64 offset, qint64 oldSize, qint64 length) {
    return std::clamp<qint64>(oldSize - offset, 0, length);
}

// The older form: the offset and record of a whole journal. A negative
// offset is no place in an archive: such a journal is not whole.
bool parseOlderJournal(const QByteArray& j, qint64& offset, QByteArray& record) {
    if (j.size() < kOlderJournalHead + kJournalCheck || !hasMark(j, kOlderMark))
        return false;
    const char* p = j.constData();
    offset = qFromLittleEndian<qint64>(p + 4);
    const qint32 length = qFromLittleEndian<qint32>(p + 12);
    if (length < 0 || offset < 0 || j.size() != kOlderJournalHead + length + kJournalCheck
        || qFromLittleEndian<quint64>(p + kOlderJournalHead + length) != journalCheck(p, kOlderJournalHead + length))
        return false;
    record = j.mid(kOlderJournalHead, length);
    return true;
}

} // namespace

QByteArray RecordArchive::journalBytes(const Journal& journal) {
    const qint64 body = kJournalHead + journal.record.size() + journal.old.size();
    QByteArray j(body + kJournalCheck, Qt::Uninitialized);
    char* p = j.data();
    std::copy_n(journal.undo ? kUndoMark : kRedoMark, 4, p);
    qToLittleEndian<qint64>(journal.offset, p + 4);
    qToLittleEndian<qint64>(journal.oldSize, p + 12);
    qToLittleEndian<qint32>(qint32(journal.record.size()), p + 20);
    std::copy_n(journal.record.constData(), journal.record.size(), p + kJournalHead);
    std::copy_n(journal.old.constData(), journal.old.size(), p + kJournalHead + journal.record.size());
    qToLittleEndian<quint64>(journalCheck(p + 4, body - 4), p + body);
    return j;
}

// A whole journal, in either form; false for anything else.
bool RecordArchive::parseJournal(const QByteArray& j, Journal& journal) {
    journal = Journal{};
    if (hasMark(j, kOlderMark))
        return parseOlderJournal(j, journal.offset, journal.record);
    if (j.size() < kJournalHead + kJournalCheck || !(hasMark(j, kRedoMark) || hasMark(j, kUndoMark)))
        return false;
    const char* p = j.constData();
    journal.undo = hasMark(j, kUndoMark);
    journal.offset = qFromLittleEndian<qint64>(p + 4);
    journal.oldSize = qFromLittleEndian<qint64>(p + 12);
    const qint32 length = qFromLittleEndian<qint32>(p + 20);
    if (length < 0 || journal.offset < 0 || journal.oldSize < journal.offset)
        return false;
    const qint64 covered = coveredBytes(journal.offset, journal.oldSize, length);
    const qint64 body = kJournalHead + length + covered;
    if (j.size() != body + kJournalCheck || qFromLittleEndian<quint64>(p + body) != journalCheck(p + 4, body - 4))
        return false;
    journal.record = j.mid(kJournalHead, length);
    journal.old = j.mid(kJournalHead + length, covered);
    return true;
}

namespace {

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

std::map<QByteArray, RecordArchive::Journal>& RecordArchive::failedSaves() {
    static std::map<QByteArray, Journal> saves;
    return saves;
}

void RecordArchive::SettleFailedSaves() {
    // An opening settles what its file owes and takes it off the list.
    const auto owed = failedSaves();
    for (const auto& [file, journal] : owed) {
        RecordArchive archive(QFile::decodeName(file), QString(), int(journal.record.size()));
        archive.OpenArchive();
    }
}

void RecordArchive::ForgetFailedSaves() { failedSaves().clear(); }

QByteArray RecordArchive::keyOf(const QString& real) {
    const QByteArray key = QFile::encodeName(QFileInfo(real).canonicalFilePath());
    return key.isEmpty() ? QFile::encodeName(real) : key;
}

bool RecordArchive::OwesUndo(const QString& path) {
    return failedSaves().count(keyOf(platform::RealFilePath(path))) > 0;
}

void RecordArchive::ForgetSavesOf(const QString& path) {
    const QString real = platform::RealFilePath(path);
    failedSaves().erase(keyOf(real));
    const QByteArray journal = QFile::encodeName(ProgramFiles::JournalOf(real));
    if (fileCalls().remove(journal) != 0 && errno != ENOENT)
        emptyJournal(journal);
}

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
    // The temporary file lies beside the real archive, for the rename; it
    // keeps its own name there when the archive is reached through a link.
    m_temp = QFile::encodeName(m_tempPath);
    if (m_real != QFile::encodeName(QFileInfo(m_path).absoluteFilePath()))
        m_temp = m_folder + '/' + QFile::encodeName(QFileInfo(m_tempPath).fileName());
    m_fd = fileCalls().open(m_real, O_RDWR | O_CREAT);
    if (m_fd < 0) {
        if (!QFileInfo(real).isFile())
            return false;
        m_fd = fileCalls().open(m_real, O_RDONLY);
        if (m_fd < 0)
            return false;
        // An archive that cannot be written now is not settled; its readers
        // still see what a failed save of this run owes it.
        m_readOnly = true;
        m_key = keyOf(real);
        return true;
    }
    m_key = keyOf(real);
    m_journalPending = !settleJournal();
    // A delete cut short leaves its temporary file, as large as the archive.
    if (!m_temp.isEmpty())
        fileCalls().remove(m_temp);
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

bool RecordArchive::unsettled() const { return m_journalPending || failedSaves().count(m_key) > 0; }

bool RecordArchive::settleJournal() {
    auto& owed = failedSaves();
    const auto remembered = owed.find(m_key);
    Journal journal;
    bool whole = remembered != owed.end();
    if (whole) {
        // What this run was told failed goes back, whatever the journal on
        // disk says: its turn may not have been written.
        journal = remembered->second;
    } else {
        QByteArray bytes;
        if (!readWholeFile(m_journal, bytes)) {
            if (errno != ENOENT)
                return false;
            m_journalPending = false;
            return true;
        }
        // A journal that is not whole was cut short before the archive was
        // touched.
        whole = parseJournal(bytes, journal);
    }
    if (whole) {
        switch (fit(journal)) {
        case JournalFit::Unreadable:
            return false;
        case JournalFit::Foreign:   // not this archive's: it is left as it is
        case JournalFit::Untouched: // the save never began: nothing to complete or undo
            break;
        case JournalFit::Touched:
            if (!(journal.undo ? restore(journal) : redo(journal)))
                return false;
            break;
        }
    }
    // The archive now holds what it owed; a journal that stays behind finds
    // it untouched and goes at the next opening.
    owed.erase(m_key);
    return discardJournal();
}

namespace {

// What a power cut leaves of a write past a file's old length: its length can
// reach the disk before its bytes, and each 512-byte sector of the disk (at
// file offsets, clipped to what lies past the old length) holds either all
// the bytes written there or zeros. A lone zero between written bytes is no
// such state: it is a byte of some other record.
constexpr qint64 kSector = 512;

} // namespace

// Whether byte i of the record's place (`now`, read from the record's offset)
// lies in a sector past the old length that the cut left all zeros.
bool RecordArchive::unwrittenSectorAt(const QByteArray& now, const Journal& journal, qint64 i) {
    const qint64 at = journal.offset + i;
    const qint64 sector = at / kSector * kSector;
    const qint64 from = std::max({sector, journal.oldSize, journal.offset});
    const qint64 until = std::min(sector + kSector, journal.offset + qint64(now.size()));
    for (qint64 p = from; p < until; ++p) {
        if (now[p - journal.offset] != '\0')
            return false;
    }
    return true;
}

RecordArchive::JournalFit RecordArchive::fit(const Journal& journal) const {
    if (journal.record.size() != m_length || journal.offset % m_length != 0)
        return JournalFit::Foreign;
    struct stat info {};
    if (fileCalls().status(m_fd, info) != 0)
        return JournalFit::Unreadable;
    const qint64 size = info.st_size;
    // The older form carries neither the old length nor the old bytes: only
    // its place can be checked, and it can only be completed.
    if (journal.oldSize < 0)
        return journal.offset <= size / m_length * m_length ? JournalFit::Touched : JournalFit::Foreign;
    // A save only ever grows the archive up to the end of its record, and an
    // undo only cuts it back to the old length. A power cut may leave any
    // length in between: the file's new length can reach the disk before the
    // record's bytes do.
    if (size < journal.oldSize || size > std::max(journal.oldSize, journal.offset + m_length))
        return JournalFit::Foreign;
    // Where the record goes, a save cut short leaves a mix of old and new
    // bytes, and past the old length whole sectors of zeros where the
    // record's bytes had not reached the disk yet; another archive has bytes
    // of its own.
    const qint64 there = std::min<qint64>(size - journal.offset, m_length);
    QByteArray now(there, Qt::Uninitialized);
    if (there > 0 && !platform::ReadFullyAt(m_fd, now.data(), there, journal.offset))
        return JournalFit::Unreadable;
    for (qint64 i = 0; i < there; ++i) {
        const bool isNew = now[i] == journal.record[i];
        const bool isOld = i < journal.old.size() && now[i] == journal.old[i];
        if (!isNew && !isOld && !(i >= journal.old.size() && unwrittenSectorAt(now, journal, i)))
            return JournalFit::Foreign;
    }
    // Zeros past the old length are not the old archive: an undo cuts them.
    return size == journal.oldSize && now == journal.old ? JournalFit::Untouched : JournalFit::Touched;
}

bool RecordArchive::writeJournal(const Journal& journal) {
    const int fd = fileCalls().open(m_journal, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return false;
    const QByteArray bytes = journalBytes(journal);
    bool written = platform::WriteFullyAt(fd, bytes.constData(), bytes.size(), 0) && fileCalls().syncData(fd) == 0;
    written = fileCalls().close(fd) == 0 && written;
    // The journal's name must be on disk too before the archive changes.
    return written && fileCalls().syncFolder(m_folder) == 0;
}

bool RecordArchive::markJournalUndo() {
    const int fd = fileCalls().open(m_journal, O_WRONLY);
    if (fd < 0)
        return false;
    bool marked = platform::WriteFullyAt(fd, kUndoMark, 4, 0) && fileCalls().syncData(fd) == 0;
    marked = fileCalls().close(fd) == 0 && marked;
    return marked;
}

bool RecordArchive::discardJournal() {
    if (fileCalls().remove(m_journal) == 0 || errno == ENOENT) {
        m_journalPending = false;
        return true;
    }
    return emptyJournal(m_journal);
}

// An empty journal is never applied; the next opening removes it.
bool RecordArchive::emptyJournal(const QByteArray& journal) {
    const int fd = fileCalls().open(journal, O_WRONLY | O_TRUNC);
    if (fd < 0)
        return false;
    const bool emptied = fileCalls().syncData(fd) == 0;
    return fileCalls().close(fd) == 0 && emptied;
}

bool RecordArchive::redo(const Journal& journal) {
    return platform::WriteFullyAt(m_fd, journal.record.constData(), journal.record.size(), journal.offset)
           && fileCalls().syncData(m_fd) == 0;
}

bool RecordArchive::restore(const Journal& journal) {
    if (!platform::WriteFullyAt(m_fd, journal.old.constData(), journal.old.size(), journal.offset))
        return false;
    struct stat info {};
    if (fileCalls().status(m_fd, info) != 0)
        return false;
    if (info.st_size > journal.oldSize && fileCalls().truncate(m_fd, journal.oldSize) != 0)
        return false;
    return fileCalls().syncData(m_fd) == 0;
}

void RecordArchive::abandonSave(Journal journal, bool recordBegun) {
    m_journalPending = true;
    if (!recordBegun) {
        // The archive was not touched: only the journal goes, and a removal
        // needs no room. One that cannot go finds the archive untouched at
        // the next opening and goes then.
        discardJournal();
        return;
    }
    // Until the old bytes are back for sure, the file owes them: every
    // opening in this run puts them back first.
    journal.undo = true;
    failedSaves()[m_key] = journal;
    if (restore(journal)) {
        failedSaves().erase(m_key);
        discardJournal();
        return;
    }
    // Turned, the journal brings the old bytes back at the next start too.
    markJournalUndo();
}

bool RecordArchive::view(View& seen) const {
    struct stat info {};
    if (m_fd < 0 || fileCalls().status(m_fd, info) != 0)
        return false;
    seen = View{info.st_size, nullptr};
    const auto& owed = failedSaves();
    if (owed.empty())
        return true;
    const auto found = owed.find(m_key);
    if (found == owed.end())
        return true;
    // The undo is done only where the archive still fits the failed save;
    // elsewhere it leaves the file as it is.
    switch (fit(found->second)) {
    case JournalFit::Unreadable:
        return false;
    case JournalFit::Foreign:
    case JournalFit::Untouched:
        return true;
    case JournalFit::Touched:
        seen.size = std::min<qint64>(seen.size, found->second.oldSize);
        seen.undo = &found->second;
        return true;
    }
    return true;
}

qint64 RecordArchive::Size() const {
    View seen;
    return view(seen) ? seen.size : 0;
}

qint64 RecordArchive::RecordCount() const { return Size() / m_length; }

bool RecordArchive::ReadRecord(qint64 k, QByteArray& out) { return ReadRecords(k, 1, out); }

bool RecordArchive::ReadRecords(qint64 first, qint64 number, QByteArray& out) {
    View seen;
    if (first < 1 || number < 0 || !view(seen) || first - 1 + number > seen.size / m_length) {
        out.clear();
        return false;
    }
    const qint64 begin = (first - 1) * m_length;
    out.resize(number * m_length);
    if (number > 0 && !platform::ReadFullyAt(m_fd, out.data(), out.size(), begin)) {
        out.clear();
        return false;
    }
    if (seen.undo) {
        // Where the failed save's record went, the old bytes are read.
        const QByteArray& old = seen.undo->old;
        const qint64 from = std::max(begin, seen.undo->offset);
        const qint64 to = std::min(begin + out.size(), seen.undo->offset + old.size());
        if (from < to)
            std::copy(old.constData() + (from - seen.undo->offset), old.constData() + (to - seen.undo->offset),
                      out.data() + (from - begin));
    }
    return true;
}

bool RecordArchive::ReadAll(QByteArray& out) { return ReadRecords(1, RecordCount(), out); }

bool RecordArchive::WriteRecord(qint64 k, const QByteArray& record) {
    if (m_fd < 0 || m_readOnly || record.size() != m_length)
        return false;
    if (unsettled() && !settleJournal())
        return false;
    struct stat info {};
    if (fileCalls().status(m_fd, info) != 0)
        return false;
    if (k < 1 || k > info.st_size / m_length + 1)
        return false;
    Journal journal;
    journal.offset = (k - 1) * m_length;
    journal.oldSize = info.st_size;
    journal.record = record;
    journal.old.resize(coveredBytes(journal.offset, journal.oldSize, m_length));
    if (!platform::ReadFullyAt(m_fd, journal.old.data(), journal.old.size(), journal.offset))
        return false;
    // Once the record begins to reach the archive a crash leaves the journal
    // for the next opening to complete; a failure is undone before it is
    // reported, the journal with it, whether or not it was whole.
    m_journalPending = true;
    if (!writeJournal(journal)) {
        abandonSave(journal, false);
        return false;
    }
    if (!redo(journal)) {
        abandonSave(journal, true);
        return false;
    }
    // The save is on disk; a journal that cannot go only repeats it.
    discardJournal();
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
    // What a save owes goes into the archive before its records move.
    if (unsettled() && !settleJournal())
        return false;
    const qint64 count = RecordCount();
    if (k < 1 || k > count)
        return false;
    const QByteArray& temp = m_temp;

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
    fileCalls().syncFolder(m_folder);
    closeFile();
    openFile();
    return true;
}
