#pragma once
// The record-card design: a window that shows one record of an archive in its
// boxes, with the number of the record on show in lblPosizione (" 7" for
// record 7, blank for a new card), and browses, empties, saves and deletes.
// The slip form and the register cards are its twins. What they share is
// here, once; what sets them apart is data:
//   - a binding table per record type (box name <-> record field, in field
//     order), which the card, the lookups' picks and the print routine use;
//   - a twin row of texts: window title, archive and temporary file names,
//     the empty-archive notices, the save checks, and the messages of save
//     and delete.
// A window owns one RecordCard and calls it from its handlers.

#include "common/BoxBindings.h"
#include "common/FixedRecord.h"
#include "common/ProgramFiles.h"
#include "common/RecordArchive.h"
#include "platform/Messages.h"

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <span>
#include <vector>

// ---------------------------------------------------------------- the twin's row

// A refusal of the save: it applies when every box of `blank` is blank and
// every box of `filled` is filled; the message is shown with the exclamation
// icon, and `focus` (when given) takes the focus.
struct SaveCheck {
    QStringList blank;
    QStringList filled;
    QString text;
    QString title;
    QString focus;
};

// Everything in which the cards differ. In the message texts "{n}" stands for
// the caption of lblPosizione (with its leading blank) and "{box}" for the
// trimmed text of the box of that name.
struct CardTwin {
    QString windowTitle;
    // The archive and the temporary file, named when an action runs.
    std::function<ArchiveFiles(const QWidget& form)> files;
    QString emptyNotice;     // first and last on an empty archive
    QString emptyNoticeNext; // next on an empty archive
    std::vector<SaveCheck> saveChecks;
    QString rewritten;       // after a save over the record on show
    QString appended;        // after a save of a new card
    platform::MsgIcon saveFailedIcon;
    QString deleteNew;       // a delete on a new card
    QString confirmDelete;
    QString confirmTitle;
    QString deleted;
    QString deleteFailed;    // the first sentence of the delete failure
    // The boxes the new-card action empties, in this order, and the box
    // that then takes the focus.
    QStringList newClears;
    QString firstBox;
};

// ---------------------------------------------------------------- the card

class RecordCardBase {
public:
    enum class Step { First, Previous, Next, Last };
    enum class State { New, OnShow };

    RecordCardBase(QWidget& form, QLabel*& position, const CardTwin& twin);
    virtual ~RecordCardBase() = default;

    // The number lblPosizione gives; 0 for a new card.
    qint64 recordOnShow() const;
    State state() const;

    // Runs whenever the state may have changed: the card's one place that
    // sets what is enabled.
    std::function<void(State)> StateChanged;

    // Shows record 1, the previous, the next or the last record; an empty
    // archive (or one that cannot be opened) makes the card new, after the
    // step's notice. A record that cannot be read leaves the card as it was.
    void Browse(Step step);
    // Empties the twin's boxes and makes the card new; the archive is not
    // touched.
    void New();
    // Overwrites the record on show, or appends a new card at count + 1.
    void Save();
    // Asks, removes the record on show and shows the previous one.
    void Delete();

protected:
    // Reads record k whole and only then writes it into the boxes; false
    // (and nothing written) when the read fails.
    virtual bool showRecord(RecordArchive& archive, qint64 k) = 0;
    // The record the boxes hold.
    virtual QByteArray cardRecord() const = 0;
    virtual int recordLength() const = 0;

private:
    QString expand(const QString& text) const;
    void setRecordOnShow(qint64 number);
    void clearRecordOnShow();
    void notify();
    void saveFailed(RecordArchive& archive);
    void deleteFailed(RecordArchive& archive);
    RecordArchive archive() const;

    QWidget& form_;
    QLabel*& position_;
    const CardTwin& twin_;
};

template <class R>
class RecordCard : public RecordCardBase {
public:
    RecordCard(QWidget& form, QLabel*& position, std::span<const BoxBinding<R>> boxes, const CardTwin& twin)
        : RecordCardBase(form, position, twin), form_(form), boxes_(boxes) {}

protected:
    bool showRecord(RecordArchive& archive, qint64 k) override {
        R record;
        if (!archive.Read(k, record))
            return false;
        WriteBoxes(form_, boxes_, record);
        return true;
    }
    QByteArray cardRecord() const override { return ReadBoxes(form_, boxes_).encode(); }
    int recordLength() const override { return R::Length; }

private:
    QWidget& form_;
    std::span<const BoxBinding<R>> boxes_;
};
