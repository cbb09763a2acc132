// The payee card through its window: boxes and side buttons, save and delete
// over "Intestatari.idb", the Word export, dialling and help, and the slip
// form's export into a new card.
#include "checks/frmCF.h"
#include "checks/frmCalcIva.h"
#include "checks/frmCarta.h"
#include "checks/frmEmail.h"
#include "common/PayeeRecord.h"
#include "registers/payees/frmIntestatari.h"
#include "shell/frmHelpForm.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

#include <zip.h>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

PayeeRecord payee(const QString& name, const QString& cc = QString()) {
    PayeeRecord r;
    r.Payee1 = name;
    r.AccountNumber = cc;
    return r;
}

class PayeeCard : public RegisterFixture<PayeeRecord> {
protected:
    PayeeCard() : RegisterFixture(QStringLiteral("Intestatari.idb")) {}

    frmIntestatari& card() { return Forms::get<frmIntestatari>(); }

    // The payee of the acceptance road, typed key by key.
    void typeRossi(frmIntestatari& c) {
        typeText(c.txtIntestatario01, QStringLiteral("rossi mario"));
        typeText(c.txtCC, QStringLiteral("12345678"));
        typeText(c.txtCel, QStringLiteral("347 123.45-67"));
        typeText(c.txtEma, QStringLiteral("mario.rossi@example.it"));
        typeText(c.txtIva, QStringLiteral("00000000018"));
        typeText(c.txtCodFisc, QStringLiteral("rssmra85t10a562s"));
        c.txtNot->setText(QStringLiteral("A & B <srl>"));
    }
};

TEST_F(PayeeCard, OpensNewWithEmptyBoxesAndTheSideButtonsOff) {
    frmIntestatari& c = card();
    EXPECT_EQ(c.windowTitle(), QStringLiteral(" Quillora - Archivio intestatari"));
    EXPECT_EQ(c.lblPosizione->text(), QString());
    for (const BoxBinding<PayeeRecord>& b : PayeeBoxes)
        EXPECT_EQ(BoxText(FindBox(c, QString::fromLatin1(b.box))), QString()) << b.box;
    for (PictureButton* side : {c.cmdCasa, c.cmdUff, c.cmdFax, c.cmdCello, c.cmdEmail, c.cmdCheckIva, c.cmdCheckFisc,
                                c.cmdCarta})
        EXPECT_FALSE(side->isEnabled());
    EXPECT_EQ(c.cmdCello->toolTip(), QStringLiteral(" Chiama "));
    EXPECT_EQ(c.cmdEmail->toolTip(), QStringLiteral(" Invia "));
    EXPECT_EQ(c.cmdCheckIva->toolTip(), QStringLiteral(" Controlla "));
    EXPECT_EQ(c.cmdWord->toolTip(), QStringLiteral(" Esporta scheda in MS Word "));
    EXPECT_EQ(c.txtNot->maxLength(), 600);
    EXPECT_EQ(c.txtEma->maxLength(), 50);
}

TEST_F(PayeeCard, SideButtonsFollowTheirBoxes) {
    frmIntestatari& c = card();
    typeText(c.txtCas, QStringLiteral("3"));
    EXPECT_TRUE(c.cmdCasa->isEnabled());
    c.txtCas->setText(QStringLiteral("   "));
    EXPECT_FALSE(c.cmdCasa->isEnabled());
    c.txtEma->setText(QStringLiteral("a@b.it"));
    EXPECT_TRUE(c.cmdEmail->isEnabled());
    c.cmdNuovo_Click();
    EXPECT_FALSE(c.cmdEmail->isEnabled());
}

TEST_F(PayeeCard, KeyRulesCapitalsDigitsAndTheTaxCodeFilter) {
    frmIntestatari& c = card();
    typeText(c.txtIntestatario01, QString::fromUtf8("caffè"));
    EXPECT_EQ(c.txtIntestatario01->text(), QString::fromUtf8("CAFFè"));
    typeText(c.txtCodFisc, QStringLiteral("rss mra-85"));
    EXPECT_EQ(c.txtCodFisc->text(), QStringLiteral("RSS*MRA*85"));
    EXPECT_TRUE(c.cmdCheckFisc->isEnabled());

    typeText(c.txtCC, QStringLiteral("1-"));
    EXPECT_EQ(c.txtCC->text(), QStringLiteral("1"));
    EXPECT_EQ(last().text, QStringLiteral("Digitare solo valori numerici."));
    EXPECT_EQ(last().title, QStringLiteral("Attenzione: carattere non valido"));
    typeText(c.txtIva, QStringLiteral("x"));
    EXPECT_EQ(last().title, QStringLiteral("Attenzione: valore non valido"));
    EXPECT_EQ(last().icon, MsgIcon::Information);
    typeText(c.txtCarta, QStringLiteral(" "));
    EXPECT_EQ(last().text, QStringLiteral("Inserire il numero della carta di credito digitando solo caratteri "
                                          "numerici senza spazi o trattini."));
    EXPECT_EQ(c.txtIva->text(), QString());
    EXPECT_EQ(c.txtCarta->text(), QString());
}

TEST_F(PayeeCard, SaveOfANewCardAppendsItBlankPadded) {
    frmIntestatari& c = card();
    typeRossi(c);
    c.cmdSalva_Click();
    EXPECT_EQ(last().text, QString::fromUtf8("L'intestatario n. 1 è stato inserito in archivio."));
    EXPECT_EQ(last().title, QStringLiteral("Salvataggio terminato"));
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), 853);
    EXPECT_EQ(b.mid(0, 34), QByteArray("ROSSI MARIO").leftJustified(34, ' '));
    EXPECT_EQ(b.mid(68, 12), QByteArray("12345678").leftJustified(12, ' '));
    EXPECT_EQ(b.mid(140, 20), QByteArray("347 123.45-67").leftJustified(20, ' '));
    EXPECT_EQ(b.mid(210, 11), QByteArray("00000000018"));
    EXPECT_EQ(b.mid(221, 16), QByteArray("RSSMRA85T10A562S"));
    EXPECT_EQ(b.mid(253, 600), QByteArray("A & B <srl>").leftJustified(600, ' '));

    // A second save rewrites that same record.
    c.txtUff->setText(QStringLiteral("011 22"));
    c.cmdSalva_Click();
    EXPECT_EQ(last().text, QStringLiteral("Le modifiche apportate all'intestatario n. 1 sono state inserite in archivio."));
    EXPECT_EQ(bytes().size(), 853);
    EXPECT_EQ(record(1).OfficePhone, QStringLiteral("011 22"));
}

TEST_F(PayeeCard, SaveRefusesABlankFirstLine) {
    frmIntestatari& c = card();
    c.txtIntestatario01->setText(QStringLiteral("   "));
    c.txtCC->setText(QStringLiteral("1"));
    c.cmdSalva_Click();
    EXPECT_EQ(last().text, QStringLiteral("E' necessario compilare il primo campo relativo all'intestatario."));
    EXPECT_EQ(last().title, QStringLiteral("Salvataggio non applicabile"));
    EXPECT_EQ(bytes().size(), 0);
}

TEST_F(PayeeCard, AnAppendOverwritesAPartialTail) {
    store({payee("UNO"), payee("DUE"), payee("TRE")}, QByteArray(100, 'x'));
    frmIntestatari& c = card();
    c.txtIntestatario01->setText(QStringLiteral("QUATTRO"));
    c.cmdSalva_Click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 4"));
    EXPECT_EQ(bytes().size(), 4 * 853);
    EXPECT_EQ(record(4).Payee1, QStringLiteral("QUATTRO"));
    EXPECT_EQ(record(3).Payee1, QStringLiteral("TRE"));
}

TEST_F(PayeeCard, AnEditOfARecordGoneMeanwhileKeepsTheTextAndAppendsNext) {
    store({payee("UNO"), payee("DUE")});
    frmIntestatari& c = card();
    c.cmdUltimo_Click();
    store({payee("UNO")}); // shortened behind the card
    c.txtIntestatario02->setText(QStringLiteral("TYPED"));
    c.cmdSalva_Click();
    EXPECT_EQ(last().text, QStringLiteral("Impossibile salvare le modifiche."));
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_EQ(c.txtIntestatario02->text(), QStringLiteral("TYPED"));
    EXPECT_EQ(c.lblPosizione->text(), QString());
    c.cmdSalva_Click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 2"));
    EXPECT_EQ(record(2).Payee2, QStringLiteral("TYPED"));
}

TEST_F(PayeeCard, AnArchiveThatCannotBeWrittenIsReportedAndTheCardStays) {
    ASSERT_TRUE(QDir(tp.dir.path()).mkdir(QStringLiteral("Intestatari.idb"))); // fails for root too
    frmIntestatari& c = card();
    c.txtIntestatario01->setText(QStringLiteral("ROSSI"));
    c.cmdSalva_Click();
    EXPECT_EQ(last().text, QStringLiteral("Il sistema non permette di salvare i dati.\r\n\r\n"
                                          "Accertarsi che il file di archivio non abbia attributi di protezione."));
    EXPECT_EQ(last().icon, MsgIcon::Critical);
    EXPECT_EQ(c.lblPosizione->text(), QString()) << "the number shows only once written";
    EXPECT_EQ(c.txtIntestatario01->text(), QStringLiteral("ROSSI"));
}

TEST_F(PayeeCard, DeleteClosesTheGapAndLeavesNoTemporaryFile) {
    store({payee("ROSSI MARIO", "12345678"), payee("BIANCHI SRL")});
    frmIntestatari& c = card();
    c.cmdPrimo_Click();
    tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina_Click();
    EXPECT_EQ(tp.messages.shown.front().text, QStringLiteral("Si vuole proprio cancellare l'intestatario n. 1?"));
    EXPECT_EQ(last().text, QString::fromUtf8("La scheda è stata rimossa dall'archivio."));
    EXPECT_EQ(bytes().size(), 853);
    EXPECT_EQ(record(1).Payee1, QStringLiteral("BIANCHI SRL"));
    EXPECT_FALSE(QFile::exists(tp.path(QStringLiteral("Intestatari.tmp"))));
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    EXPECT_EQ(c.txtIntestatario01->text(), QStringLiteral("BIANCHI SRL"));
}

TEST_F(PayeeCard, ADeleteOfARecordGoneMeanwhileIsAFailure) {
    store({payee("UNO"), payee("DUE")});
    frmIntestatari& c = card();
    c.cmdUltimo_Click();
    store({payee("UNO")});
    tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina_Click();
    EXPECT_EQ(last().text, QStringLiteral("Impossibile eliminare la scheda.\r\n\r\n"
                                          "Accertarsi che il file di archivio non abbia attributi di protezione."));
    EXPECT_FALSE(tp.messages.texts().contains(QString::fromUtf8("La scheda è stata rimossa dall'archivio.")));
    EXPECT_EQ(bytes().size(), 853);
}

TEST_F(PayeeCard, BrowsingLoadsEveryBoxAndSetsTheSideButtons) {
    PayeeRecord r = payee("ROSSI", "1");
    r.Email = QStringLiteral("r@x.it");
    r.TaxCode = QStringLiteral("AB-C");
    store({r});
    frmIntestatari& c = card();
    c.cmdAvanti_Click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    EXPECT_TRUE(c.cmdEmail->isEnabled());
    EXPECT_FALSE(c.cmdFax->isEnabled());
    EXPECT_EQ(c.txtCodFisc->text(), QStringLiteral("AB*C")); // the filter runs on loaded text too
    EXPECT_EQ(record(1).TaxCode, QStringLiteral("AB-C"));
}

// ------------------------------------------------------------ Word export

TEST_F(PayeeCard, WordExportWritesTheCardAsANewDocumentEachTime) {
    frmIntestatari& c = card();
    typeRossi(c);
    c.txtIntestatario02->setText(QStringLiteral("  SECONDA  "));
    c.cmdWord_Click();
    c.cmdWord_Click();
    ASSERT_EQ(tp.writers.documents.size(), 2u);
    ASSERT_EQ(tp.writers.written.size(), 2);
    EXPECT_EQ(tp.desktop.openedFiles, tp.writers.written);
    EXPECT_NE(tp.writers.written[0], tp.writers.written[1]);
    const platform::DocxDocument& doc = tp.writers.documents.front();
    EXPECT_EQ(doc.before.front().text, QStringLiteral("SCHEDA INTESTATARIO"));
    ASSERT_EQ(doc.tableRows.size(), 11);
    EXPECT_EQ(doc.tableRows[0], qMakePair(QStringLiteral("Intestatario:"), QStringLiteral("ROSSI MARIO\r\nSECONDA")));
    EXPECT_EQ(doc.tableRows[1], qMakePair(QStringLiteral("C/C n."), QStringLiteral("12345678")));
    EXPECT_EQ(doc.tableRows[4], qMakePair(QStringLiteral("Fax:"), QString()));
    EXPECT_EQ(doc.tableRows[8], qMakePair(QStringLiteral("Codice fiscale:"), QStringLiteral("RSSMRA85T10A562S")));
    EXPECT_EQ(doc.tableRows[10], qMakePair(QStringLiteral("Note:"), QStringLiteral("A & B <srl>")));
    EXPECT_EQ(doc.after.back().text, QStringLiteral("Scheda creata in data 09/12/2026 alle ore 08:05:01"));
    EXPECT_EQ(c.lblPosizione->text(), QString()) << "the export saves nothing";
    EXPECT_EQ(bytes().size(), 0);
}

TEST_F(PayeeCard, WordExportChecksWordFirstThenTheFirstLine) {
    frmIntestatari& c = card();
    c.cmdWord_Click();
    EXPECT_EQ(last().text, QStringLiteral("E' necessario compilare il primo campo relativo all'intestatario."));
    EXPECT_EQ(last().title, QStringLiteral("Esportazione in MS Word non applicabile"));
    tp.desktop.everyTypeHandled = false;
    c.cmdWord_Click();
    EXPECT_EQ(last().text, QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."));
    EXPECT_TRUE(tp.writers.documents.empty());
}

// ------------------------------------------------------------ dialling and help

TEST_F(PayeeCard, TheMobilesButtonDialsTheSanitisedNumber) {
    frmIntestatari& c = card();
    typeText(c.txtCel, QStringLiteral("347 123.45-67"));
    c.cmdCello->click();
    EXPECT_EQ(tp.desktop.openedUrls, QStringList{QStringLiteral("tel:3471234567")});
    c.txtFax->setText(QStringLiteral("$(reboot)"));
    c.cmdFax->click();
    EXPECT_EQ(last().text, QStringLiteral("Impossibile stabilire una connessione telefonica."));
    EXPECT_EQ(tp.desktop.openedUrls.size(), 1);
    EXPECT_EQ(c.txtFax->text(), QStringLiteral("$(reboot)"));
}

TEST_F(PayeeCard, HelpShowsTheAddressBookTopic) {
    frmIntestatari& c = card();
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& help = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(help.lblTitolo->text(), QStringLiteral("Anagrafica intestatari ed esecutori"));
        EXPECT_EQ(help.txtTesto->text().count(QStringLiteral("\r\n\r\n")), 5);
    });
    c.cmdGuida_Click();
}

// ------------------------------------------------------------ the slip form's export

TEST_F(PayeeCard, TheSlipFormExportFillsANewCardThatSavesAsANewRecord) {
    store({payee("ROSSI MARIO", "12345678")});
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText(QStringLiteral("2026"));
    slip.txtIntestatario01->setText(QStringLiteral("  VERDI SPA "));
    slip.txtIntestatario02->setText(QStringLiteral("UFFICIO"));
    slip.txtCC->setText(QStringLiteral("555"));
    tp.modal.expect("frmIntestatari", [this](QWidget& w) {
        auto& c = static_cast<frmIntestatari&>(w);
        EXPECT_EQ(c.txtIntestatario01->text(), QStringLiteral("VERDI SPA"));
        EXPECT_EQ(c.txtCC->text(), QStringLiteral("555"));
        EXPECT_EQ(c.lblPosizione->text(), QString());
        EXPECT_FALSE(c.cmdCasa->isEnabled());
        c.cmdSalva_Click();
        EXPECT_EQ(last().text, QString::fromUtf8("L'intestatario n. 2 è stato inserito in archivio."));
    });
    slip.imgEsporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(record(2).Payee2, QStringLiteral("UFFICIO"));
    EXPECT_EQ(record(1).Payee1, QStringLiteral("ROSSI MARIO"));
}

} // namespace

// ------------------------------------------------------------ checkers and mail composer

namespace {

TEST_F(PayeeCard, CheckButtonsOpenTheCheckersOnTheCardsValues) {
    frmIntestatari& c = card();
    typeText(c.txtIva, QStringLiteral("00000000018"));
    typeText(c.txtCodFisc, QStringLiteral("rssmra85t10a562s"));
    c.txtCarta->setText(QStringLiteral("4111111111111111"));
    tp.modal.expect("frmCalcIva", [](QWidget& w) {
        auto& checker = static_cast<frmCalcIva&>(w);
        EXPECT_EQ(checker.txtIva->text(), QStringLiteral("00000000018"));
        checker.cmdCalcolaIva_Click();
    });
    c.cmdCheckIva->click();
    EXPECT_TRUE(last().text.contains(QStringLiteral("Torino"))) << last().text.toStdString();

    tp.modal.expect("frmCF", [](QWidget& w) {
        auto& checker = static_cast<frmCF&>(w);
        EXPECT_EQ(checker.txtCarta->text(), QStringLiteral("RSSMRA85T10A562S"));
        checker.cmdCheckCard_Click();
    });
    c.cmdCheckFisc->click();
    EXPECT_EQ(last().text, QStringLiteral("Codice fiscale CORRETTO."));

    tp.modal.expect("frmCarta", [](QWidget& w) {
        EXPECT_EQ(static_cast<frmCarta&>(w).txtCarta->text(), QStringLiteral("4111111111111111"));
    });
    c.cmdCarta->click();
    EXPECT_EQ(c.txtIva->text(), QStringLiteral("00000000018")) << "the card is as it was";
}

TEST_F(PayeeCard, TheEmailButtonOpensTheComposerAddressedToThePayee) {
    frmIntestatari& c = card();
    c.txtEma->setText(QStringLiteral("  mario.rossi@example.it "));
    tp.modal.expect("frmEmail", [](QWidget& w) {
        auto& mail = static_cast<frmEmail&>(w);
        EXPECT_EQ(mail.txtIndirizzo->text(), QStringLiteral("mario.rossi@example.it"));
        EXPECT_EQ(mail.txtOggetto->text(), QString());
    });
    c.cmdEmail->click();
}

} // namespace

// ------------------------------------------------------------ a real document

namespace {

// One part of a zip archive, read whole; empty when it is missing.
QByteArray zipPart(const QString& path, const char* part) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QByteArray out;
    zip_stat_t st;
    zip_file_t* file = zip_stat(archive, part, 0, &st) == 0 ? zip_fopen(archive, part, 0) : nullptr;
    if (file) {
        out.resize(static_cast<qsizetype>(st.size));
        if (zip_fread(file, out.data(), st.size) != static_cast<zip_int64_t>(st.size))
            out.clear();
        zip_fclose(file);
    }
    zip_close(archive);
    return out;
}

TEST_F(PayeeCard, TheRealWriterProducesADocumentThatReadsBack) {
    platform::setDocumentWriters(nullptr); // the program's own writer
    frmIntestatari& c = card();
    typeRossi(c);
    c.cmdWord_Click();
    c.cmdWord_Click();
    ASSERT_EQ(tp.desktop.openedFiles.size(), 2) << tp.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QFileInfo(tp.desktop.openedFiles[0]).fileName(), QStringLiteral("Scheda intestatario.docx"));
    EXPECT_EQ(QFileInfo(tp.desktop.openedFiles[1]).fileName(), QStringLiteral("Scheda intestatario (2).docx"));
    const QString xml = QString::fromUtf8(zipPart(tp.desktop.openedFiles[1], "word/document.xml"));
    EXPECT_TRUE(xml.contains(QStringLiteral("SCHEDA INTESTATARIO")));
    EXPECT_TRUE(xml.contains(QStringLiteral("A &amp; B &lt;srl&gt;")));
    EXPECT_EQ(xml.count(QStringLiteral("<w:tr")), 11);
    EXPECT_TRUE(xml.contains(QStringLiteral("Scheda creata in data 09/12/2026 alle ore 08:05:01")));
    platform::setDocumentWriters(&tp.writers);
}

} // namespace

namespace {

TEST_F(PayeeCard, EnterMovesOnWithoutTypingAndBreaksLinesOnlyInTheNotes) {
    frmIntestatari& c = card();
    c.txtCarta->setText(QStringLiteral("41"));
    c.txtCarta->typeCode(13);
    EXPECT_EQ(c.txtCarta->text(), QStringLiteral("41"));
    EXPECT_TRUE(tp.messages.shown.empty()) << "Enter is no refused key";
    EXPECT_EQ(c.txtNot->text(), QString());
    typeText(c.txtNot, QStringLiteral("a"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(c.txtNot, &enter);
    typeText(c.txtNot, QStringLiteral("b"));
    EXPECT_EQ(c.txtNot->text(), QStringLiteral("a\r\nb"));
}

} // namespace
