// The record-card design, run over each twin's row: the slip form's and the
// registers' (each new card adds its row to CardTwins).

#include "common/Controls.h"
#include "common/RecordCard.h"
#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ProgramArchives.h"
#include "common/ReasonRecord.h"
#include "common/SlipRecord.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/reasons/ReasonCard.h"
#include "slips/SlipCard.h"
#include "support/FaultyFileCalls.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

#include <memory>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

// The slip form's row: the year archive of the year in lblFile.
struct SlipTwin {
    using Record = SlipRecord;
    static std::span<const BoxBinding<SlipRecord>> boxes() { return SlipBoxes; }
    static const CardTwin& twin() { return SlipCardTwin(); }
    static void prepare(QWidget& form) {
        auto* year = new QLabel(QStringLiteral("2026"), &form);
        year->setObjectName(QStringLiteral("lblFile"));
    }
    static QString archive() { return QStringLiteral("2026.ccp"); }
};

// The reason card's row: the reason register.
struct ReasonTwin {
    using Record = ReasonRecord;
    static std::span<const BoxBinding<ReasonRecord>> boxes() { return ReasonBoxes; }
    static const CardTwin& twin() { return ReasonCardTwin(); }
    static void prepare(QWidget&) {}
    static QString archive() { return QStringLiteral("Causali.cdb"); }
};

// The payee card's row: "Intestatari.idb".
struct PayeeTwin {
    using Record = PayeeRecord;
    static std::span<const BoxBinding<PayeeRecord>> boxes() { return PayeeBoxes; }
    static const CardTwin& twin() { return PayeeCardTable().twin; }
    static void prepare(QWidget&) {}
    static QString archive() { return QStringLiteral("Intestatari.idb"); }
};

// The payer card's row: "Esecutori.edb".
struct PayerTwin {
    using Record = PayerRecord;
    static std::span<const BoxBinding<PayerRecord>> boxes() { return PayerBoxes; }
    static const CardTwin& twin() { return PayerCardTable().twin; }
    static void prepare(QWidget&) {}
    static QString archive() { return QStringLiteral("Esecutori.edb"); }
};

// A bare card window: one box per binding, lblPosizione, and what the twin
// needs besides.
template <class Twin>
class CardWindow {
public:
    using R = typename Twin::Record;
    CardWindow() {
        Twin::prepare(form);
        for (const BoxBinding<R>& b : Twin::boxes()) {
            auto* box = new TextBox(&form);
            box->setObjectName(QString::fromLatin1(b.box));
        }
        position = new QLabel(&form);
        card = std::make_unique<RecordCard<R>>(form, position, Twin::boxes(), Twin::twin());
    }
    QString box(int i) const { return BoxText(FindBox(form, QString::fromLatin1(Twin::boxes()[i].box))); }
    void type(int i, const QString& text) { SetBoxText(FindBox(form, QString::fromLatin1(Twin::boxes()[i].box)), text); }
    void typeRecord(int n) {
        for (int i = 0; i < int(Twin::boxes().size()); ++i)
            type(i, sample(n, i));
    }
    static QString sample(int n, int field) { return QStringLiteral("%1%2").arg(QChar(u'A' + field)).arg(n); }

    QWidget form;
    QLabel* position = nullptr;
    std::unique_ptr<RecordCard<R>> card;
};

template <class Twin>
class RecordCardDesign : public ::testing::Test {
protected:
    using R = typename Twin::Record;
    using Step = RecordCardBase::Step;
    TestPlatform tp;
    CardWindow<Twin> w;
    const CardTwin& twin = Twin::twin();

    // The archive holds `count` sample records, then `tail`.
    void store(int count, const QByteArray& tail = {}) {
        QFile file(tp.path(Twin::archive()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int n = 1; n <= count; ++n) {
            R record;
            for (int i = 0; i < int(Twin::boxes().size()); ++i)
                record.*Twin::boxes()[i].field = CardWindow<Twin>::sample(n, i);
            file.write(record.encode());
        }
        file.write(tail);
    }
    qint64 size() const { return QFileInfo(tp.path(Twin::archive())).size(); }
    QByteArray bytes() const {
        QFile file(tp.path(Twin::archive()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList journals() const { return QDir(tp.dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".jnl"); }
    qint64 records() const { return size() / R::Length; }
    QString temp() const { return tp.path(Twin::twin().files(w.form).temp); }
    R record(int k) const {
        QFile file(tp.path(Twin::archive()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        file.seek(qint64(k - 1) * R::Length);
        return R::decode(file.read(R::Length));
    }
    const platform::Message& last() const { return tp.messages.last(); }
};

using CardTwins = ::testing::Types<SlipTwin, PayeeTwin, PayerTwin, ReasonTwin>;
TYPED_TEST_SUITE(RecordCardDesign, CardTwins);

TYPED_TEST(RecordCardDesign, BrowsingClampsAndShowsTheNumberWithItsBlank) {
    this->store(3);
    auto& w = this->w;
    w.card->Browse(TestFixture::Step::Next); // a new card counts as 0
    EXPECT_EQ(w.position->text(), " 1");
    EXPECT_EQ(w.box(0), w.sample(1, 0));
    w.card->Browse(TestFixture::Step::Last);
    EXPECT_EQ(w.position->text(), " 3");
    w.type(0, QStringLiteral("TYPED"));
    w.card->Browse(TestFixture::Step::Next); // reloads the last one
    EXPECT_EQ(w.position->text(), " 3");
    EXPECT_EQ(w.box(0), w.sample(3, 0));
    w.card->Browse(TestFixture::Step::Previous);
    EXPECT_EQ(w.position->text(), " 2");
    EXPECT_EQ(w.box(int(TypeParam::boxes().size()) - 1), w.sample(2, int(TypeParam::boxes().size()) - 1));
    w.card->Browse(TestFixture::Step::First);
    EXPECT_EQ(w.position->text(), " 1");
    EXPECT_TRUE(this->tp.messages.shown.empty());
}

TYPED_TEST(RecordCardDesign, EmptyArchiveGivesTheStepsNoticeAndANewCard) {
    auto& w = this->w;
    w.typeRecord(1);
    w.position->setText(QStringLiteral(" 4"));
    w.card->Browse(TestFixture::Step::First);
    EXPECT_EQ(this->last().text, this->twin.emptyNotice);
    EXPECT_EQ(this->last().title, "Attenzione!");
    EXPECT_EQ(w.position->text(), "");
    for (const QString& name : this->twin.newClears)
        EXPECT_EQ(BoxText(FindBox(w.form, name)), "") << name.toStdString();
    EXPECT_TRUE(QFile::exists(this->tp.path(TypeParam::archive()))) << "opening creates the archive";
    w.card->Browse(TestFixture::Step::Next);
    EXPECT_EQ(this->last().text, this->twin.emptyNoticeNext);
    const auto shown = this->tp.messages.shown.size();
    w.card->Browse(TestFixture::Step::Previous);
    EXPECT_EQ(this->tp.messages.shown.size(), shown) << "previous has no notice";
}

// A card whose reads fail: the browse must leave it exactly as it was.
template <class R>
class UnreadableCard : public RecordCard<R> {
public:
    using RecordCard<R>::RecordCard;

protected:
    bool showRecord(RecordArchive&, qint64) override { return false; }
};

TYPED_TEST(RecordCardDesign, ARecordThatCannotBeReadLeavesTheCardAsItWas) {
    this->store(2);
    auto& w = this->w;
    UnreadableCard<typename TypeParam::Record> card(w.form, w.position, TypeParam::boxes(), this->twin);
    w.type(0, QStringLiteral("TYPED"));
    w.position->setText(QStringLiteral(" 1"));
    card.Browse(TestFixture::Step::Next);
    EXPECT_EQ(w.position->text(), " 1");
    EXPECT_EQ(w.box(0), "TYPED");
}

TYPED_TEST(RecordCardDesign, SaveAppendsANewCardThenOverwritesIt) {
    this->store(2);
    auto& w = this->w;
    w.typeRecord(7);
    w.card->Save();
    EXPECT_EQ(w.position->text(), " 3");
    EXPECT_EQ(this->records(), 3);
    EXPECT_EQ(this->last().title, "Salvataggio terminato");
    EXPECT_EQ(this->last().icon, MsgIcon::Information);
    EXPECT_FALSE(this->last().text.contains(u'{')) << "every placeholder is filled";
    EXPECT_EQ(this->record(3).*TypeParam::boxes()[0].field, w.sample(7, 0));

    w.type(0, QStringLiteral("  CHANGED "));
    w.card->Save();
    EXPECT_EQ(this->records(), 3);
    EXPECT_EQ(w.position->text(), " 3");
    EXPECT_EQ(this->record(3).*TypeParam::boxes()[0].field, "CHANGED");
    EXPECT_EQ(this->record(2).*TypeParam::boxes()[0].field, w.sample(2, 0));
}

TYPED_TEST(RecordCardDesign, AnEmptyCardIsRefusedByTheFirstCheck) {
    auto& w = this->w;
    w.card->Save();
    ASSERT_FALSE(this->twin.saveChecks.empty());
    EXPECT_EQ(this->last().text, this->twin.saveChecks.front().text);
    EXPECT_EQ(this->last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(this->records(), 0);
    EXPECT_EQ(w.position->text(), "");
}

TYPED_TEST(RecordCardDesign, ASaveOutsideTheArchiveKeepsTheTypingAndMakesTheCardNew) {
    this->store(1);
    auto& w = this->w;
    w.typeRecord(5);
    w.position->setText(QStringLiteral(" 9")); // the archive was shortened behind the card
    w.card->Save();
    EXPECT_EQ(this->last().text, "Impossibile salvare le modifiche.");
    EXPECT_EQ(this->last().title, "Messaggio di errore");
    EXPECT_EQ(this->tp.program.beeps, 1);
    EXPECT_EQ(w.position->text(), "");
    EXPECT_EQ(w.box(0), w.sample(5, 0));
    EXPECT_EQ(this->records(), 1);
    w.card->Save();
    EXPECT_EQ(w.position->text(), " 2");
    EXPECT_EQ(this->record(2).*TypeParam::boxes()[0].field, w.sample(5, 0));
}

TYPED_TEST(RecordCardDesign, AFailedAppendLeavesTheCardNew) {
    ASSERT_TRUE(QDir(this->tp.dir.path()).mkpath(TypeParam::archive())); // cannot be opened as a file
    auto& w = this->w;
    w.typeRecord(1);
    w.card->Save();
    EXPECT_EQ(this->last().text, "Il sistema non permette di salvare i dati.\r\n\r\n"
                                 "Accertarsi che il file di archivio non abbia attributi di protezione.");
    EXPECT_EQ(this->last().icon, this->twin.saveFailedIcon);
    EXPECT_EQ(w.position->text(), "") << "the number shows only once the record is written";
    EXPECT_EQ(w.box(0), w.sample(1, 0));

    ASSERT_TRUE(QDir(this->tp.dir.path()).rmdir(TypeParam::archive()));
    w.card->Save();
    EXPECT_EQ(w.position->text(), " 1") << "the next save still appends the typing";
    EXPECT_EQ(this->record(1).*TypeParam::boxes()[0].field, w.sample(1, 0));
}

TYPED_TEST(RecordCardDesign, ASaveThatFailsHalfWrittenIsNotThereAfterwardsAndTheNextPressSavesOnce) {
    using R = typename TypeParam::Record;
    this->store(3);
    const auto bytes = [&] {
        QFile file(this->tp.path(TypeParam::archive()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    FaultyFileCalls calls;
    platform::setFileCalls(&calls);
    struct Restore {
        ~Restore() { platform::setFileCalls(nullptr); }
    } restore;
    auto& w = this->w;

    // A new card on a disk with room for the journal and part of the record.
    w.typeRecord(9);
    calls.fillDiskAfter(R::Length + 100);
    w.card->Save();
    EXPECT_EQ(this->last().text, "Il sistema non permette di salvare i dati.\r\n\r\n"
                                 "Accertarsi che il file di archivio non abbia attributi di protezione.");
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QDir(this->tp.dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".jnl"), QStringList{});
    EXPECT_EQ(w.position->text(), "");
    calls.heal();
    w.card->Save();
    EXPECT_EQ(w.position->text(), " 4");
    EXPECT_EQ(this->records(), 4);
    EXPECT_EQ(this->record(4).*TypeParam::boxes()[0].field, w.sample(9, 0));

    // A record changed on a device that fails halfway through writing it.
    const QByteArray four = bytes();
    w.card->Browse(RecordCardBase::Step::First);
    w.typeRecord(8);
    calls.failWriteAfter(2 * R::Length + 40 + R::Length / 2);
    w.card->Save();
    EXPECT_EQ(this->last().text, "Il sistema non permette di salvare i dati.\r\n\r\n"
                                 "Accertarsi che il file di archivio non abbia attributi di protezione.");
    EXPECT_EQ(bytes(), four);
    calls.heal();
    w.card->Save();
    EXPECT_EQ(this->size(), four.size());
    EXPECT_EQ(this->record(1).*TypeParam::boxes()[0].field, w.sample(8, 0));
    EXPECT_EQ(bytes().mid(R::Length), four.mid(R::Length));
}

// A disk that refuses every call from some point of a save on: the undo
// fails too. The next press, in the same card, in the card opened again or
// after a restart, stores the record once.
TYPED_TEST(RecordCardDesign, ASaveWhoseUndoFailsTooIsStoredOnceByTheNextPress) {
    using R = typename TypeParam::Record;
    enum class Then { SameCard, CardOpenedAgain, Restart };
    // The calls a press makes: the opening's two (the archive's open and the
    // removal of a delete's leftover), then the journal's open, write, sync
    // and its folder's sync, then the record's write and sync.
    constexpr int kRecordSync = 8;
    for (const int firstFailing : {kRecordSync, 7, 5}) {
        for (const Then then : {Then::SameCard, Then::CardOpenedAgain, Then::Restart}) {
            const auto where = [&] {
                return "from call " + std::to_string(firstFailing) + " then " + std::to_string(int(then));
            };
            this->store(3);
            const QByteArray before = this->bytes();
            FaultyFileCalls& calls = this->tp.fileCalls;
            auto& w = this->w;
            w.card->New();
            w.typeRecord(9);
            calls.failEveryCallFrom(firstFailing);
            w.card->Save();
            EXPECT_EQ(this->last().text, "Il sistema non permette di salvare i dati.\r\n\r\n"
                                         "Accertarsi che il file di archivio non abbia attributi di protezione.")
                << where();
            EXPECT_EQ(w.position->text(), "") << where();
            calls.heal();
            if (firstFailing != kRecordSync) {
                EXPECT_EQ(this->bytes(), before) << where() << ": the record never reached the archive";
            }

            if (then == Then::Restart) {
                RecordArchive::ForgetFailedSaves();
                SettleProgramArchives();
                if (firstFailing == kRecordSync) {
                    // The record had reached the archive before every later
                    // call failed: the start finds it there, whole and once.
                    EXPECT_EQ(this->size(), 4 * R::Length) << where();
                    EXPECT_EQ(this->record(4).*TypeParam::boxes()[0].field, w.sample(9, 0)) << where();
                    EXPECT_EQ(this->journals(), QStringList{}) << where();
                    continue;
                }
            }
            CardWindow<TypeParam> reopened;
            auto& card = then == Then::SameCard ? w : reopened;
            if (then != Then::SameCard)
                card.typeRecord(9);
            card.card->Save();
            EXPECT_EQ(card.position->text(), " 4") << where();
            EXPECT_EQ(this->records(), 4) << where();
            EXPECT_EQ(this->size(), 4 * R::Length) << where();
            EXPECT_EQ(this->record(4).*TypeParam::boxes()[0].field, w.sample(9, 0)) << where();
            EXPECT_EQ(this->journals(), QStringList{}) << where();
        }
    }
}

TYPED_TEST(RecordCardDesign, AnAppendOverwritesAPartialTail) {
    this->store(3, QByteArray(100, 'x'));
    auto& w = this->w;
    w.typeRecord(7);
    w.card->Save();
    EXPECT_EQ(w.position->text(), " 4");
    EXPECT_EQ(this->size(), 4 * TypeParam::Record::Length);
    EXPECT_EQ(this->record(3).*TypeParam::boxes()[0].field, w.sample(3, 0));
    EXPECT_EQ(this->record(4).*TypeParam::boxes()[0].field, w.sample(7, 0));
}

TYPED_TEST(RecordCardDesign, DeleteAsksRemovesAndShowsThePreviousRecord) {
    this->store(3);
    auto& w = this->w;
    w.card->Browse(TestFixture::Step::Last);
    this->tp.messages.answers = {MsgAnswer::No};
    w.card->Delete();
    EXPECT_EQ(this->last().icon, MsgIcon::Question);
    EXPECT_EQ(this->last().title, this->twin.confirmTitle);
    EXPECT_TRUE(this->last().text.endsWith(" 3?"));
    EXPECT_EQ(this->records(), 3);

    this->tp.messages.answers = {MsgAnswer::Yes};
    w.card->Delete();
    EXPECT_EQ(this->records(), 2);
    EXPECT_EQ(w.position->text(), " 2");
    EXPECT_EQ(w.box(0), w.sample(2, 0));
    EXPECT_EQ(this->last().text, this->twin.deleted);
    EXPECT_FALSE(QFile::exists(this->tp.path(TypeParam::twin().files(w.form).temp)));
}

TYPED_TEST(RecordCardDesign, DeleteOfTheFirstRecordClosesTheGapThroughAFreshTemporaryFile) {
    this->store(3);
    {
        QFile leftover(this->temp()); // left behind by an earlier failure
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write(QByteArray(5 * TypeParam::Record::Length, 'z'));
    }
    auto& w = this->w;
    w.card->Browse(TestFixture::Step::First);
    this->tp.messages.answers = {MsgAnswer::Yes};
    w.card->Delete();
    EXPECT_EQ(this->last().text, this->twin.deleted);
    EXPECT_EQ(this->size(), 2 * TypeParam::Record::Length);
    EXPECT_EQ(this->record(1).*TypeParam::boxes()[0].field, w.sample(2, 0));
    EXPECT_EQ(this->record(2).*TypeParam::boxes()[0].field, w.sample(3, 0));
    EXPECT_EQ(w.position->text(), " 1");
    EXPECT_EQ(w.box(0), w.sample(2, 0));
    EXPECT_FALSE(QFile::exists(this->temp()));
}

TYPED_TEST(RecordCardDesign, ATemporaryFileThatCannotBeWrittenLeavesTheArchiveWhole) {
    this->store(3);
    ASSERT_TRUE(QDir(this->tp.dir.path()).mkpath(this->temp() + QStringLiteral("/occupato")));
    auto& w = this->w;
    w.card->Browse(TestFixture::Step::First);
    this->tp.messages.answers = {MsgAnswer::Yes};
    w.card->Delete();
    EXPECT_TRUE(this->last().text.startsWith(this->twin.deleteFailed));
    EXPECT_EQ(this->size(), 3 * TypeParam::Record::Length);
    EXPECT_EQ(this->record(1).*TypeParam::boxes()[0].field, w.sample(1, 0));
    EXPECT_EQ(w.position->text(), " 1");
}

TYPED_TEST(RecordCardDesign, DeleteOfTheOnlyRecordLeavesANewCard) {
    this->store(1);
    auto& w = this->w;
    w.card->Browse(TestFixture::Step::First);
    this->tp.messages.answers = {MsgAnswer::Yes};
    w.card->Delete();
    EXPECT_EQ(this->records(), 0);
    EXPECT_EQ(w.position->text(), "");
    EXPECT_EQ(this->last().text, this->twin.deleted);
}

TYPED_TEST(RecordCardDesign, DeleteOfANewCardOrOfARecordNoLongerThereChangesNothing) {
    this->store(1);
    auto& w = this->w;
    w.card->Delete();
    EXPECT_TRUE(this->last().text.startsWith(this->twin.deleteNew));
    EXPECT_EQ(this->last().title, "Operazione non applicabile");

    w.position->setText(QStringLiteral(" 9"));
    this->tp.messages.answers = {MsgAnswer::Yes};
    w.card->Delete();
    EXPECT_TRUE(this->last().text.startsWith(this->twin.deleteFailed));
    EXPECT_EQ(this->last().icon, MsgIcon::Information);
    EXPECT_FALSE(this->tp.messages.texts().contains(this->twin.deleted)) << "a failure is never reported as success";
    EXPECT_EQ(w.position->text(), " 9");
    EXPECT_EQ(this->records(), 1);
}

TYPED_TEST(RecordCardDesign, TheStateFunctionFollowsTheRecordOnShow) {
    this->store(1);
    auto& w = this->w;
    std::vector<RecordCardBase::State> states;
    w.card->StateChanged = [&](RecordCardBase::State s) { states.push_back(s); };
    w.card->Browse(TestFixture::Step::First);
    w.card->New();
    EXPECT_EQ(states, (std::vector{RecordCardBase::State::OnShow, RecordCardBase::State::New}));
    EXPECT_EQ(w.card->state(), RecordCardBase::State::New);
}

} // namespace
