// The register cards' " Backup archivio ": each opens its register's wizard,
// and a restore run from there leaves the card beneath blank and new.

#include "backup/BackupWindows.h"
#include "common/PrintedList.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/reasons/frmCausali.h"
#include "support/TestPlatform.h"

#include "BackupTestFiles.h"

#include <QDir>

using namespace backup_test;
using platform::MsgAnswer;

namespace {

class RegisterCardBackup : public ::testing::Test {
protected:
    void SetUp() override {
        SetPrintClock([] { return QDateTime(QDate(2027, 3, 5), QTime(10, 0)); });
        ASSERT_TRUE(QDir(tp.dir.path()).mkpath("copie"));
    }
    void TearDown() override { SetPrintClock({}); }

    // Runs a restore of `backup` through the wizard that the card's button
    // opens: the first step is `first`, the restore step `restore`.
    void restoreFrom(RegisterCard& card, const std::string& first, const std::string& restore,
                     const QString& title, const QString& backup) {
        tp.choosers.fileAnswers = {backup};
        tp.messages.answers = {MsgAnswer::Yes};
        tp.modal.expect(first, [&](QWidget& w) {
            auto& start = static_cast<BackupStart&>(w);
            EXPECT_EQ(start.windowTitle(), title);
            tp.modal.expect(restore, [&](QWidget& s) {
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
        EXPECT_EQ(tp.modal.opened, (std::vector<std::string>{first, restore}));
        EXPECT_EQ(tp.messages.last().text, "File di backup ripristinato con successo.");
    }

    TestPlatform tp;
};

} // namespace

TEST_F(RegisterCardBackup, APayeeRestoreLeavesThePayeeCardBlankAndNew) {
    const QByteArray backup(2 * 853, 'P');
    writeFile(tp.path("copie/Backup_intestatari_5_3_2027.bki"), backup);
    frmIntestatari& card = Forms::get<frmIntestatari>();
    card.lblPosizione->setText(" 3");
    card.txtIntestatario01->setText("ROSSI");
    card.txtCas->setText("0612345");
    card.txtEma->setText("a@b.it");
    card.txtIva->setText("12345678901");
    card.txtCodFisc->setText("RSSMRA");
    card.txtCarta->setText("4111");
    card.txtUff->setText("1");
    card.txtFax->setText("2");
    card.txtCel->setText("3");
    card.txtNot->setText("nota");
    ASSERT_TRUE(card.cmdCasa->isEnabled());

    restoreFrom(card, "frmBakClientiIN", "frmRipClientiIN01", "Gestione backup archivio intestatari",
                tp.path("copie/Backup_intestatari_5_3_2027.bki"));

    EXPECT_EQ(bytesOf(tp.path("Intestatari.idb")), backup);
    EXPECT_EQ(card.lblPosizione->text(), "");
    for (QLineEdit* box : card.findChildren<QLineEdit*>())
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(card.txtNot->text(), "");
    for (PictureButton* side : {card.cmdCasa, card.cmdUff, card.cmdFax, card.cmdCello, card.cmdEmail,
                                card.cmdCheckIva, card.cmdCheckFisc, card.cmdCarta})
        EXPECT_FALSE(side->isEnabled()) << side->toolTip().toStdString();
    EXPECT_FALSE(card.isUnloaded()) << "the card stays open";
}

TEST_F(RegisterCardBackup, AReasonRestoreLeavesTheReasonCardBlankAndNew) {
    const QByteArray backup(3 * 1330, 'R');
    writeFile(tp.path("copie/Backup_causali_5_3_2027.bkc"), backup);
    frmCausali& card = Forms::get<frmCausali>();
    card.lblPosizione->setText(" 2");
    card.txtDescrizione->setText("CANONE ACQUA");
    card.txtPagamento->setText("BIMESTRE");
    card.txtRicevuta->setText("120");
    card.txtCategoria->setText("50");
    card.txtNote->setText("nota");

    restoreFrom(card, "frmBakClientiCS", "frmRipClientiCS01", "Gestione backup archivio causali",
                tp.path("copie/Backup_causali_5_3_2027.bkc"));

    EXPECT_EQ(bytesOf(tp.path("Causali.cdb")), backup);
    EXPECT_EQ(card.lblPosizione->text(), "");
    for (TextBox* box : {card.txtDescrizione, card.txtPagamento, card.txtRicevuta, card.txtCategoria})
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(card.txtNote->text(), "");
    EXPECT_FALSE(card.isUnloaded()) << "the card stays open";

    // A blank new card: a save appends.
    card.txtDescrizione->setText("NUOVA");
    card.cmdSalva_Click();
    EXPECT_EQ(card.lblPosizione->text(), " 4");
}
