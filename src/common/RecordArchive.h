#pragma once
// A file of records of one fixed length L and nothing else: record k (from 1)
// lies at byte (k - 1) * L, and the count is the whole number of records the
// file length holds. An action opens the archive, works on it and closes it;
// nothing stays open between actions. Every operation reports failure through
// its result and shows nothing itself.
//
// A save is all or nothing and on disk when it reports success: the record,
// its place and the bytes it covers go first to a journal beside the archive,
// which is synced, then the record is written in place and the archive
// synced, and the journal removed. A save that fails is undone before it
// reports the failure: where the record was not written yet the journal just
// goes; otherwise the archive gets its old bytes and length back and the
// journal goes. Where even that cannot be written, the program remembers,
// for as long as it runs, that the archive's file owes that undo, and the
// next opening of that file, by whatever object, does it first; the journal
// is turned too, so that the next start undoes it as well. So nothing in the
// same run completes a save that was reported failed. Until that undo is
// written, every reader, by whatever object, sees the archive as the undo
// will leave it: its old length, and the old bytes where the record went.
//
// Opening the archive settles a journal left beside it, but only one that
// fits the archive as it is now (its old length, and at its offset only old
// or new bytes): a journal whose save never touched the archive goes, one
// that a crash cut short after it began is completed, one turned is undone;
// a journal that is not whole, or not this archive's (copied in with another
// folder, or left beside an archive put back by hand), is removed and the
// archive left alone. Opening also removes the temporary file of a delete
// that was cut short. A link to the archive is followed: the archive's real
// file is written, its journal and temporary file lie beside it.
//
// A power cut can put an append's new length on disk before the record's
// bytes: past the old length, a disk sector of zeros counts as bytes the save
// had not written yet, so that such a journal still fits and the record comes
// whole or not at all, never as a tail of zeros. Single zero bytes among
// written ones are another record's (the Windows version leaves the fields
// it never set as zeros), and the journal then is not this archive's.

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <map>
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

    // Puts back the old bytes that the failed saves of this run still owe,
    // as the program ends, so that the next start does not find a record the
    // user was told was not saved. What still cannot be written stays owed.
    static void SettleFailedSaves();
    // What a new run of the program starts from: no file owes an undo. A
    // test that stands for a restart calls it.
    static void ForgetFailedSaves();
    // Whether a failed save of this run still owes the archive at `path` its
    // old bytes. Its file then holds a record the user was told was not
    // saved, so a copy of the file is not a copy of the archive.
    static bool OwesUndo(const QString& path);
    // The archive's file at `path` was replaced whole (a backup put back in
    // its place): nothing a save of the file it replaced owes applies to it,
    // neither an undo remembered in this run nor a journal beside it.
    static void ForgetSavesOf(const QString& path);

    bool IsOpen() const { return m_fd >= 0; }
    bool IsReadOnly() const { return m_readOnly; }
    int RecordLength() const { return m_length; }
    const QString& ArchivePath() const { return m_path; }
    const QString& TempPath() const { return m_tempPath; }

    // The archive's length in bytes as its readers see it: the file's, or,
    // while a failed save still owes its undo, the length the undo leaves;
    // 0 when the archive is not open.
    qint64 Size() const;
    // Whole records in the archive as its readers see it (see Size()); 0
    // when the archive is not open.
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
    // and whenever the record may not be on disk: then the archive holds its
    // old bytes, now or at the latest when its file is next opened, by this
    // object or another. Only a save cut short by a crash (or by a disk that
    // refused every write after the record reached it) once it began to
    // write the record is completed, at the next start.
    bool WriteRecord(qint64 k, const QByteArray& record);

    // Deletes record k (1 <= k <= count); the later records move one down. The
    // records that stay are written to the temporary file, which is synced
    // and renamed over the archive in one step: a failure leaves the archive
    // as it was. Once the rename is done the delete has happened and reports
    // so, even if the folder cannot be synced after it (a crash then may
    // bring back the old archive, whole). The archive stays open afterwards,
    // on its new content.
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
        View seen;
        if (!view(seen))
            return false;
        const qint64 count = seen.size / m_length;
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

    // What a save is about to change: enough to complete it or to undo it.
    struct Journal {
        bool undo = false;   // brings the old bytes back instead of the record
        qint64 offset = 0;   // where the record goes
        qint64 oldSize = -1; // the archive's length before the save; -1: not known
        QByteArray record;
        QByteArray old;      // the bytes the record covers, as they were
    };

    // How the archive as it is now stands to a journal.
    enum class JournalFit {
        Foreign,    // not this archive's, or not of its records
        Untouched,  // the archive holds exactly what it held before the save
        Touched,    // the save began: only old and new bytes where it writes
        Unreadable, // the archive could not be looked at
    };

    static QByteArray journalBytes(const Journal& journal);
    static bool parseJournal(const QByteArray& bytes, Journal& journal);
    // The saves reported failed in this run whose undo is not written yet,
    // by the archive's real file.
    static std::map<QByteArray, Journal>& failedSaves();
    // What a failed save's undo is remembered by, for the archive's real file.
    static QByteArray keyOf(const QString& real);

    // The archive as its readers see it: its length, and the failed save
    // whose old bytes they see where its record went (none when the file
    // owes nothing). False when the file could not be looked at.
    struct View {
        qint64 size = 0;
        const Journal* undo = nullptr;
    };
    bool view(View& seen) const;

    bool openFile();
    void closeFile();
    // A failed save's undo or a journal may still be waiting to be settled.
    bool unsettled() const;
    // Brings what is owed into the archive: a failed save's undo remembered
    // in this run, or else a journal left beside it (completing a save cut
    // short or undoing one that failed), and removes the journal; drops a
    // journal that is not whole or does not fit. False when that could not
    // be written.
    bool settleJournal();
    JournalFit fit(const Journal& journal) const;
    static bool unwrittenSectorAt(const QByteArray& now, const Journal& journal, qint64 i);
    bool writeJournal(const Journal& journal);
    // The journal turned into one that undoes its save.
    bool markJournalUndo();
    // Removes the journal, or at least empties it so that it is never applied.
    bool discardJournal();
    static bool emptyJournal(const QByteArray& journal);
    bool redo(const Journal& journal);
    bool restore(const Journal& journal);
    // A save that failed after its journal was begun: the archive goes back to
    // what it was before the failure is reported, or is remembered to owe it.
    void abandonSave(Journal journal, bool recordBegun);
    bool writeRemainder(qint64 k, qint64 count, int temp);

    QString m_path;
    QString m_tempPath;
    int m_length;
    int m_fd = -1;
    bool m_readOnly = false;
    // The archive's real file (links followed), its folder, its journal and
    // the temporary file of a delete, the last two beside the real file.
    QByteArray m_real;
    QByteArray m_folder;
    QByteArray m_journal;
    QByteArray m_temp;
    // The real file's own name, folder links resolved too: what a failed
    // save's undo is remembered by.
    QByteArray m_key;
    // A journal may lie beside the archive that is not settled yet.
    bool m_journalPending = false;
};
