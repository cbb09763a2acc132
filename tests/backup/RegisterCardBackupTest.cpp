// The register cards' " Backup archivio ", run over each register: each card
// opens its register's wizard, and a restore run from there leaves the card
// beneath blank and new, so that the next save appends.

#include "backup/BackupWindows.h"
#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/PrintedList.h"
#include "common/ReasonRecord.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/reasons/frmCausali.h"
#include "support/TestPlatform.h"

#include "BackupTestFiles.h"

#include <QDir>

#include <type_traits>

using namespace backup_test;
using platform::MsgAnswer;

namespace {

struct PayeeBackup {
    using Card = frmIntestatari;
    using Record = PayeeRecord;
    static std::span<const BoxBinding<PayeeRecord>> boxes() { return PayeeBoxes; }
    static constexpr const char* archive = "Intestatari.idb";
    static constexpr const char* first = "frmBakClientiIN";
    static constexpr const char* backupStep = "frmBakClientiIN01";
    static constexpr const char* opening = "L'archivio intestatari misura ";
    static constexpr const char* restore = "frmRipClientiIN01";
    static constexpr const char* title = "Gestione backup archivio intestatari";
    static constexpr const char* backup = "copie/Backup_intestatari_5_3_2027.bki";
};

struct PayerBackup {
    using Card = frmEsecutori;
    using Record = PayerRecord;
    static std::span<const BoxBinding<PayerRecord>> boxes() { return PayerBoxes; }
    static constexpr const char* archive = "Esecutori.edb";
    static constexpr const char* first = "frmBakClientiES";
    static constexpr const char* backupStep = "frmBakClientiES01";
    static constexpr const char* opening = "L'archivio esecutori misura ";
    static constexpr const char* restore = "frmRipClientiES01";
    static constexpr const char* title = "Gestione backup archivio esecutori";
    static constexpr const char* backup = "copie/Backup_esecutori_5_3_2027.bke";
};

struct ReasonBackup {
    using Card = frmCausali;
    using Record = ReasonRecord;
    static std::span<const BoxBinding<ReasonRecord>> boxes() { return ReasonBoxes; }
    static constexpr const char* archive = "Causali.cdb";
    static constexpr const char* first = "frmBakClientiCS";
    static constexpr const char* backupStep = "frmBakClientiCS01";
    static constexpr const char* opening = "L'archivio causali misura ";
    static constexpr const char* restore = "frmRipClientiCS01";
    static constexpr const char* title = "Gestione backup archivio causali";
    static constexpr const char* backup = "copie/Backup_causali_5_3_2027.bkc";
};

template <class Row>
class RegisterCardBackup : public ::testing::Test {
protected:
    void SetUp() override {
        SetPrintClock([] { return QDateTime(QDate(2027, 3, 5), QTime(10, 0)); });
        ASSERT_TRUE(QDir(tp.dir.path()).mkpath("copie"));
    }
    void TearDown() override { SetPrintClock({}); }

    static QByteArray named(const char* name) {
        typename Row::Record r;
        r.*Row::boxes()[0].field = QString::fromLatin1(name);
        return r.encode();
    }

    TestPlatform tp;
};

using BackupRows = ::testing::Types<PayeeBackup, PayerBackup, ReasonBackup>;
TYPED_TEST_SUITE(RegisterCardBackup, BackupRows);

TYPED_TEST(RegisterCardBackup, ARestoreFromTheCardsButtonLeavesTheCardBlankAndNew) {
    auto& tp = this->tp;
    writeFile(tp.path(TypeParam::archive), this->named("ROSSI"));
    const QByteArray backup = this->named("A") + this->named("B");
    writeFile(tp.path(TypeParam::backup), backup);
    auto& card = Forms::get<typename TypeParam::Card>();
    card.cmdPrimo->click();
    ASSERT_EQ(card.lblPosizione->text(), " 1");
    for (const auto& b : TypeParam::boxes())
        SetBoxText(FindBox(card, QString::fromLatin1(b.box)), QStringLiteral("1"));
    if constexpr (std::is_base_of_v<ContactCard, typename TypeParam::Card>) {
        ASSERT_TRUE(card.cmdCasa->isEnabled());
    }

    tp.choosers.fileAnswers = {tp.path(TypeParam::backup)};
    tp.messages.answers = {MsgAnswer::Yes};
    tp.modal.expect(TypeParam::first, [&](QWidget& w) {
        auto& start = static_cast<BackupStart&>(w);
        EXPECT_EQ(start.windowTitle(), TypeParam::title);
        tp.modal.expect(TypeParam::restore, [](QWidget& s) {
            auto& step = static_cast<CopyStep&>(s);
            step.cmdSelect->click();
            step.cmdEffettua->click();
        });
        start.optRipDDT->click();
        start.cmdAvanti->click();
    });
    EXPECT_EQ(card.cmdBackup->toolTip(), " Backup archivio ");
    card.cmdBackup->click();
    TestPlatform::settle();
    EXPECT_EQ(tp.modal.opened, (std::vector<std::string>{TypeParam::first, TypeParam::restore}));
    EXPECT_EQ(tp.messages.last().text, "File di backup ripristinato con successo.");

    EXPECT_EQ(bytesOf(tp.path(TypeParam::archive)), backup);
    EXPECT_EQ(card.lblPosizione->text(), "");
    for (const auto& b : TypeParam::boxes())
        EXPECT_EQ(BoxText(FindBox(card, QString::fromLatin1(b.box))), "") << b.box;
    if constexpr (std::is_base_of_v<ContactCard, typename TypeParam::Card>) {
        for (PictureButton* side : {card.cmdCasa, card.cmdUff, card.cmdFax, card.cmdCello, card.cmdEmail,
                                    card.cmdCheckIva, card.cmdCheckFisc, card.cmdCarta})
            EXPECT_FALSE(side->isEnabled()) << side->toolTip().toStdString();
    }
    EXPECT_FALSE(card.isUnloaded()) << "the card stays open";

    SetBoxText(FindBox(card, QString::fromLatin1(TypeParam::boxes()[0].box)), QStringLiteral("NUOVO"));
    card.cmdSalva->click();
    EXPECT_EQ(card.lblPosizione->text(), " 3") << "the next save appends";
}

// A save on the card whose record reaches the archive, then its sync and
// every call after it fail: the card, a new look at the archive and the
// backup wizard see the archive without it, and no backup carries it until
// the disk takes the undo.
TYPED_TEST(RegisterCardBackup, ASaveTheDiskCannotUndoIsNeitherSeenNorBackedUp) {
    using R = typename TypeParam::Record;
    auto& tp = this->tp;
    const QByteArray before = this->named("A") + this->named("B") + this->named("C");
    writeFile(tp.path(TypeParam::archive), before);
    auto& card = Forms::get<typename TypeParam::Card>();
    card.Show(); // the wizard's windows come and go over it
    card.cmdNuovo->click();
    SetBoxText(FindBox(card, QString::fromLatin1(TypeParam::boxes()[0].box)), QStringLiteral("FALLITO"));
    // The press's calls: the archive's open and the removal of a delete's
    // leftover, the journal's open, write, sync and folder sync, the
    // record's write, then its sync.
    tp.fileCalls.failEveryCallFrom(8);
    card.cmdSalva->click();
    EXPECT_EQ(tp.messages.last().text, "Il sistema non permette di salvare i dati.\r\n\r\n"
                                       "Accertarsi che il file di archivio non abbia attributi di protezione.");
    ASSERT_EQ(bytesOf(tp.path(TypeParam::archive)).size(), 4 * R::Length) << "the record reached the archive";

    card.cmdUltimo->click();
    EXPECT_EQ(card.lblPosizione->text(), " 3");
    EXPECT_EQ(BoxText(FindBox(card, QString::fromLatin1(TypeParam::boxes()[0].box))), "C");

    const QString folder = tp.path("copie");
    const auto backUp = [&](bool healFirst) {
        tp.modal.expect(TypeParam::first, [&](QWidget& w) {
            auto& start = static_cast<BackupStart&>(w);
            tp.modal.expect(TypeParam::backupStep, [&](QWidget& s) {
                auto& step = static_cast<CopyStep&>(s);
                EXPECT_TRUE(step.lblInfo01->text().startsWith(
                    QString::fromLatin1(TypeParam::opening) +
                    QString("%1 byte e contiene 3 schede.").arg(3 * R::Length)))
                    << step.lblInfo01->text().toStdString();
                if (healFirst)
                    tp.fileCalls.heal();
                tp.choosers.folderAnswers = {folder};
                step.cmdSelect->click();
                step.cmdEffettua->click();
                if (step.isVisible())
                    step.cmdEsci->click();
            });
            start.optBakDDT->click();
            start.cmdAvanti->click();
        });
        card.cmdBackup->click();
        TestPlatform::settle();
    };
    backUp(false);
    EXPECT_EQ(tp.messages.last().title, "Backup non riuscito");
    EXPECT_EQ(tp.messages.last().text, "Impossibile effettuare il backup.");
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());

    backUp(true);
    EXPECT_EQ(tp.messages.last().text, "Creazione del file di backup effettuata con successo.");
    EXPECT_EQ(bytesOf(tp.path(TypeParam::backup)), before);
    EXPECT_EQ(bytesOf(tp.path(TypeParam::archive)), before);
    EXPECT_FALSE(tp.program.ended());
}

} // namespace
