#pragma once
// A file of records of one fixed length L and nothing else: record k (from 1)
// lies at byte (k - 1) * L, and the count is the whole number of records the
// file length holds. An action opens the archive, works on it and closes it;
// nothing stays open between actions. Every operation reports failure through
// its result and shows nothing itself.
//
// A save is all or nothing and on disk when it reports success: the record
// and its place go first to a journal beside the archive, which is synced,
// then the record is written in place and the archive synced, and the journal
// removed. Opening the archive completes a whole journal left by a save that
// was cut short and drops one that was not whole (the archive was not touched
// yet). A link to the archive is followed: the archive's real file is
// written, its journal and temporary file lie beside it.

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <type_traits>


class RecordArchive {
public:
    RecordArchive(QString archivePath, QString tempPath, int recordLength);
    ~RecordArchive();
    RecordArchive(const RecordArchive&) = delete;
    RecordArchive& operator=(const RecordArchive&) = delete;

    // Opens the archive for reading and writing, creating it empty when it is
    // missing. An archive that can only be read opens read-only: it can be
    // counted and read, but every write and removal fails.
    bool OpenArchive();
    // Closes the archive; closing a closed archive does nothing.
    void CloseArchive();

    bool IsOpen() const { return m_fd >= 0; }
    bool IsReadOnly() const { return m_readOnly; }
    int RecordLength() const { return m_length; }
    const QString& ArchivePath() const { return m_path; }
    const QString& TempPath() const { return m_tempPath; }

    // Whole records in the file as it is now; 0 when the archive is not open.
    qint64 RecordCount() const;

    // Record k, 1 <= k <= count; false for any other k.
    bool ReadRecord(qint64 k, QByteArray& out);
    // Records first..first + number - 1, back to back, in one read; the run
    // must lie within 1..count.
    bool ReadRecords(qint64 first, qint64 number, QByteArray& out);
    // Records 1..count, back to back, in one read.
    bool ReadAll(QByteArray& out);

    // Overwrites record k (1 <= k <= count) or appends it (k = count + 1); no
    // other byte changes. False for any other k or a record not L bytes long,
    // and whenever the record may not be on disk; a save cut short after its
    // journal was synced is completed when the archive is next opened.
    bool WriteRecord(qint64 k, const QByteArray& record);

    // Deletes record k (1 <= k <= count); the later records move one down. The
    // records that stay are written to the temporary file, which is synced
    // and renamed over the archive in one step: a failure leaves the archive
    // as it was. The archive stays open afterwards, on its new content.
    bool RemoveRecord(qint64 k);

    // Typed access for record types with `static R decode(const QByteArray&)`
    // and `QByteArray encode() const`.
    template <class R>
    bool Read(qint64 k, R& record) {
        QByteArray bytes;
        if (!ReadRecord(k, bytes))
            return false;
        record = R::decode(bytes);
        return true;
    }

    template <class R>
    bool Write(qint64 k, const R& record) {
        return WriteRecord(k, record.encode());
    }

    // Runs `visit(bytes, number)` for records 1..count in order, reading the
    // file a run of records at a time; `bytes` is the record's own bytes,
    // valid during the call, so a caller decodes only what it needs and holds
    // nothing of the records it has passed. A visit that returns a bool ends
    // the walk by returning false. False when the archive is not open or a
    // read failed.
    template <class Visit>
    bool ForEachRecordBytes(Visit visit) {
        if (!IsOpen())
            return false;
        const qint64 count = RecordCount();
        const qint64 run = std::max<qint64>(1, kReadRunBytes / m_length);
        QByteArray bytes;
        for (qint64 first = 1; first <= count; first += run) {
            const qint64 number = std::min(run, count - first + 1);
            if (!ReadRecords(first, number, bytes))
                return false;
            for (qint64 i = 0; i < number; ++i) {
                const QByteArray record = QByteArray::fromRawData(bytes.constData() + i * m_length, m_length);
                if constexpr (std::is_same_v<decltype(visit(record, first + i)), bool>) {
                    if (!visit(record, first + i))
                        return true;
                } else {
                    visit(record, first + i);
                }
            }
        }
        return true;
    }

    // Runs `visit(record, number)` for records 1..count in order, decoded;
    // `visit` returns false to stop. False when a read failed.
    template <class R, class Visit>
    bool ForEachRecord(Visit visit) {
        return ForEachRecordBytes([&](const QByteArray& bytes, qint64 k) { return bool(visit(R::decode(bytes), k)); });
    }

    // Records 1..count, decoded; empty when a read failed.
    template <class R>
    bool ReadAllRecords(QList<R>& records) {
        records.clear();
        records.reserve(RecordCount());
        const bool read = ForEachRecordBytes([&](const QByteArray& bytes, qint64) { records.append(R::decode(bytes)); });
        if (!read)
            records.clear();
        return read;
    }

private:
    static constexpr qint64 kReadRunBytes = 1024 * 1024;

    bool openFile();
    void closeFile();
    // Completes the journal of a save cut short, or drops one that is not
    // whole; false when a whole journal could not be brought into the archive.
    bool applyJournal();
    bool writeJournal(qint64 offset, const QByteArray& record);
    bool writeRemainder(qint64 k, qint64 count, int temp);

    QString m_path;
    QString m_tempPath;
    int m_length;
    int m_fd = -1;
    bool m_readOnly = false;
    // The archive's real file (links followed), its folder and its journal.
    QByteArray m_real;
    QByteArray m_folder;
    QByteArray m_journal;
    // A journal may lie beside the archive that is not in it for sure yet.
    bool m_journalPending = false;
};

