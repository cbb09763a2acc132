// The payer card through its window: the road from the register chooser to a
// saved, edited and deleted payer over "Esecutori.edb", the boxes' rules, the
// faults of save and delete, the Word export, the backup wizard's restore and
// the slip form's export into a new card.
#include "backup/BackupWindows.h"
#include "common/PayerRecord.h"
#include "registers/payers/frmEsecutori.h"
#include "shell/frmHelpForm.h"
#include "shell/frmMenuAnagrafica.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"
#include "support/ZipParts.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

PayerRecord payer(const QString& name, const QString& town = QString()) {
    PayerRecord r;
    r.Payer1 = name;
    r.Town = town;
    return r;
}

const QString kDeleted = QString::fromUtf8("La scheda è stata rimossa dall'archivio.");

class PayerCard : public RegisterFixture<PayerRecord> {
protected:
    PayerCard() : RegisterFixture(QStringLiteral("Esecutori.edb")) {}

    frmEsecutori& card() { return Forms::get<frmEsecutori>(); }
    std::vector<PictureButton*> sides(frmEsecutori& c) const {
        return {c.cmdCasa, c.cmdUff, c.cmdFax, c.cmdCello, c.cmdEmail, c.cmdCheckIva, c.cmdCheckFisc, c.cmdCarta};
    }
};

// ------------------------------------------------------------ the road through the window

TEST_F(PayerCard, TheChooserOpensANewCardAndLastOnAnEmptyRegisterLeavesAnEmptyFile) {
    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& chooser = static_cast<frmMenuAnagrafica&>(w);
        chooser.optEsecutori->click();
        chooser.cmdApri->click();
    });
    tp.modal.expect("frmEsecutori", [this](QWidget& w) {
        auto& c = static_cast<frmEsecutori&>(w);
        EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>()) << "the chooser goes first";
        EXPECT_EQ(c.windowTitle(), QStringLiteral(" Quillora - Archivio esecutori"));
        EXPECT_EQ(c.fraIntestatario->title(), QStringLiteral(" Esecutore: "));
        EXPECT_EQ(c.lblInfo[0]->text(), QStringLiteral("Via - Piazza"));
        EXPECT_EQ(c.lblInfo[1]->text(), QStringLiteral("CAP"));
        EXPECT_EQ(c.lblInfo[2]->text(), QString::fromUtf8("Località"));
        EXPECT_EQ(c.lblPosizione->text(), QString());
        for (PictureButton* side : sides(c))
            EXPECT_FALSE(side->isEnabled());
        c.cmdUltimo->click();
        EXPECT_EQ(last().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        EXPECT_EQ(last().title, QStringLiteral("Attenzione!"));
        EXPECT_EQ(last().icon, MsgIcon::Exclamation);
        c.cmdTools->click();
    });
    Forms::get<frmMenuAnagrafica>().ShowModal();
    EXPECT_TRUE(QFile::exists(archive()));
    EXPECT_EQ(QFileInfo(archive()).size(), 0);
    EXPECT_FALSE(Forms::isLoaded<frmEsecutori>()) << "the card released itself";
}

TEST_F(PayerCard, TypedNameAndAddressShowCapitalsAndSaveAtTheirOffsets) {
    frmEsecutori& c = card();
    typeText(c.txtMittente01, QStringLiteral("rossi mario"));
    typeText(c.txtVia, QStringLiteral("via roma 1"));
    typeText(c.txtCAP, QStringLiteral("00100"));
    typeText(c.txtLuogo, QStringLiteral("roma"));
    EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(c.txtVia->text(), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("ROMA"));
    c.cmdSalva->click();
    EXPECT_EQ(last().text, QString::fromUtf8("L'esecutore n. 1 è stato inserito in archivio."));
    EXPECT_EQ(last().title, QStringLiteral("Salvataggio terminato"));
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));

    QByteArray expected(864, ' ');
    expected.replace(0, 11, "ROSSI MARIO");
    expected.replace(46, 10, "VIA ROMA 1");
    expected.replace(69, 5, "00100");
    expected.replace(74, 4, "ROMA");
    EXPECT_EQ(bytes(), expected);
}

TEST_F(PayerCard, EditSaveAndDeleteOfTheFirstOfThree) {
    store({payer("ROSSI MARIO", "ROMA"), payer("BIANCHI SRL"), payer("VERDI", "MILANO")});
    frmEsecutori& c = card();
    c.cmdPrimo->click();
    c.txtMittente02->setText(QStringLiteral("SECONDA"));
    c.cmdSalva->click();
    EXPECT_EQ(last().text, QStringLiteral("Le modifiche apportate all'esecutore n. 1 sono state inserite in archivio."));
    EXPECT_EQ(record(1).Payer2, QStringLiteral("SECONDA"));

    // A temporary file left behind by an earlier failure is replaced.
    {
        QFile leftover(tp.path(QStringLiteral("Esecutori.tmp")));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write(QByteArray(5000, 'x'));
    }
    tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina->click();
    EXPECT_EQ(tp.messages.shown.at(tp.messages.shown.size() - 2).text,
              QStringLiteral("Si vuole proprio cancellare l'esecutore n. 1?"));
    EXPECT_EQ(last().text, kDeleted);
    EXPECT_EQ(bytes().size(), 1728);
    EXPECT_EQ(record(1).Payer1, QStringLiteral("BIANCHI SRL"));
    EXPECT_EQ(record(2).Town, QStringLiteral("MILANO"));
    EXPECT_FALSE(QFile::exists(tp.path(QStringLiteral("Esecutori.tmp"))));
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("BIANCHI SRL"));
}

TEST_F(PayerCard, BrowsingFillsTheFourteenBoxesAndTheSideButtons) {
    PayerRecord r = payer("ROSSI", "ROMA");
    r.Street = QStringLiteral("VIA ROMA 1");
    r.PostCode = QStringLiteral("00100");
    r.Email = QStringLiteral("r@x.it");
    r.TaxCode = QStringLiteral("RS/S A");
    r.Notes = QStringLiteral("riga 1\r\nriga 2");
    store({payer("PRIMO"), r});
    frmEsecutori& c = card();
    c.txtFax->setText(QStringLiteral("unsaved"));
    c.cmdUltimo->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 2"));
    EXPECT_EQ(c.txtVia->text(), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(c.txtCAP->text(), QStringLiteral("00100"));
    EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("ROMA"));
    EXPECT_EQ(c.txtFax->text(), QString());
    EXPECT_EQ(c.txtNot->text(), QStringLiteral("riga 1\r\nriga 2"));
    EXPECT_EQ(c.txtCodFisc->text(), QStringLiteral("RS*S*A"));
    EXPECT_TRUE(c.cmdEmail->isEnabled());
    EXPECT_TRUE(c.cmdCheckFisc->isEnabled());
    EXPECT_FALSE(c.cmdFax->isEnabled());
    c.cmdIndietro->click();
    EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("PRIMO"));
    EXPECT_EQ(c.txtVia->text(), QString());
    EXPECT_FALSE(c.cmdEmail->isEnabled());
    c.cmdNuovo->click();
    EXPECT_EQ(c.lblPosizione->text(), QString());
    EXPECT_EQ(c.txtMittente01->text(), QString());
    EXPECT_EQ(c.focusWidget(), c.txtMittente01);
}

// ------------------------------------------------------------ the boxes' rules

TEST_F(PayerCard, EnterWalksTheFourteenBoxesInFieldOrder) {
    frmEsecutori& c = card();
    const std::vector<TextBox*> order{c.txtMittente01, c.txtMittente02, c.txtVia,  c.txtCAP,     c.txtLuogo,
                                      c.txtCas,        c.txtUff,        c.txtFax,  c.txtCel,     c.txtEma,
                                      c.txtIva,        c.txtCodFisc,    c.txtCarta};
    EXPECT_EQ(c.focusWidget(), c.txtMittente01);
    for (TextBox* box : order) {
        ASSERT_EQ(c.focusWidget(), box) << box->objectName().toStdString();
        box->typeCode(13);
    }
    EXPECT_EQ(c.focusWidget(), c.txtNot);
    EXPECT_EQ(c.txtNot->text(), QString()) << "arriving adds no line";
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(BoxText(FindBox(c, QString::fromLatin1(PayerBoxes[i].box))), QString()) << i;
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(PayerCard, CapitalsInTheFrameAndTheTaxCodeOnlyDigitsInVatAndCard) {
    frmEsecutori& c = card();
    typeText(c.txtCAP, QStringLiteral("ab1"));
    EXPECT_EQ(c.txtCAP->text(), QStringLiteral("AB1"));
    typeText(c.txtMittente02, QString::fromUtf8("società"));
    EXPECT_EQ(c.txtMittente02->text(), QString::fromUtf8("SOCIETà"));
    EXPECT_TRUE(tp.messages.shown.empty()) << "letters in the postal code are no fault";
    typeText(c.txtCodFisc, QStringLiteral("rss mra/85"));
    EXPECT_EQ(c.txtCodFisc->text(), QStringLiteral("RSS*MRA*85"));
    typeText(c.txtCas, QStringLiteral("casa"));
    EXPECT_EQ(c.txtCas->text(), QStringLiteral("casa")) << "telephone boxes take any key";
    EXPECT_TRUE(c.cmdCasa->isEnabled());

    typeText(c.txtIva, QStringLiteral("1a"));
    EXPECT_EQ(c.txtIva->text(), QStringLiteral("1"));
    EXPECT_EQ(last().text, QStringLiteral("Inserire il numero di partita IVA digitando solo caratteri numerici."));
    EXPECT_EQ(last().title, QStringLiteral("Attenzione: valore non valido"));
    EXPECT_EQ(last().icon, MsgIcon::Information);
    const auto notices = tp.messages.shown.size();
    c.txtCarta->typeCode(22); // Ctrl+V
    EXPECT_EQ(tp.messages.shown.size(), notices + 1);
    EXPECT_EQ(last().title, QStringLiteral("Attenzione: valore errato"));
    QGuiApplication::clipboard()->setText(QStringLiteral("4111-1111"));
    c.txtCarta->paste(); // the mouse's paste
    c.txtIva->paste();
    EXPECT_EQ(c.txtCarta->text(), QString());
    EXPECT_EQ(c.txtIva->text(), QStringLiteral("1"));
    QGuiApplication::clipboard()->setText(QStringLiteral("4111"));
    c.txtCarta->paste();
    EXPECT_EQ(c.txtCarta->text(), QStringLiteral("4111"));
    QGuiApplication::clipboard()->clear(); // the next test finds no digits to paste
}

TEST_F(PayerCard, LongNamesFullNotesAndForeignLettersKeepEveryFieldInPlace) {
    frmEsecutori& c = card();
    const QString name23 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW");
    typeText(c.txtMittente01, name23 + QStringLiteral("XYZ"));
    EXPECT_EQ(c.txtMittente01->text(), name23) << "the box takes its field's width";
    c.txtMittente02->setText(QString::fromUtf8("Łódź"));
    // 600 characters with line breaks, each break counting two.
    QString notes;
    while (notes.size() < 590)
        notes += QStringLiteral("nota nota\r\n");
    notes += QString(600 - notes.size(), QLatin1Char('z'));
    ASSERT_EQ(notes.size(), 600);
    c.txtNot->setText(notes);
    c.txtCarta->setText(QStringLiteral("4111111111111111"));
    c.cmdSalva->click();
    ASSERT_EQ(bytes().size(), 864);
    const PayerRecord saved = record(1);
    EXPECT_EQ(saved.Payer1, name23);
    EXPECT_EQ(saved.Payer2.size(), 4);
    EXPECT_EQ(saved.Notes, notes) << "a full notes box is not cut";
    EXPECT_EQ(saved.CardNumber, QStringLiteral("4111111111111111"));
    EXPECT_EQ(bytes().mid(248, 16), QByteArray("4111111111111111"));
}

// ------------------------------------------------------------ save and delete faults

TEST_F(PayerCard, BlanksInTheFirstBoxAreRefused) {
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral("   "));
    c.txtVia->setText(QStringLiteral("VIA"));
    c.cmdSalva->click();
    EXPECT_EQ(last().text, QStringLiteral("E' necessario compilare il primo campo relativo all'esecutore."));
    EXPECT_EQ(last().title, QStringLiteral("Salvataggio non applicabile"));
    EXPECT_EQ(bytes().size(), 0);
}

TEST_F(PayerCard, AnEditOfARecordGoneMeanwhileKeepsTheTypingAndTheCardBecomesNew) {
    store({payer("UNO"), payer("DUE")});
    frmEsecutori& c = card();
    c.cmdUltimo->click();
    store({payer("UNO")});
    c.txtLuogo->setText(QStringLiteral("TORINO"));
    c.cmdSalva->click();
    EXPECT_EQ(last().text, QStringLiteral("Impossibile salvare le modifiche."));
    EXPECT_EQ(last().title, QStringLiteral("Messaggio di errore"));
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("TORINO"));
    EXPECT_EQ(c.lblPosizione->text(), QString());
    EXPECT_EQ(bytes().size(), 864);
    c.cmdSalva->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 2"));
    EXPECT_EQ(record(2).Town, QStringLiteral("TORINO"));
}

TEST_F(PayerCard, AFailedAppendShowsNoNumberAndTheNextSaveStillAppendsTheTyping) {
    ASSERT_TRUE(QDir(tp.dir.path()).mkdir(QStringLiteral("Esecutori.edb"))); // cannot be opened, root or not
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral("ROSSI"));
    c.cmdSalva->click();
    EXPECT_EQ(last().text, QStringLiteral("Il sistema non permette di salvare i dati.\r\n\r\n"
                                          "Accertarsi che il file di archivio non abbia attributi di protezione."));
    EXPECT_EQ(last().icon, MsgIcon::Critical);
    EXPECT_EQ(c.lblPosizione->text(), QString());
    ASSERT_TRUE(QDir(tp.dir.path()).rmdir(QStringLiteral("Esecutori.edb")));
    c.cmdSalva->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    EXPECT_EQ(record(1).Payer1, QStringLiteral("ROSSI"));
}

TEST_F(PayerCard, ADeleteOfARecordGoneMeanwhileIsReportedAndChangesNothing) {
    store({payer("UNO"), payer("DUE")});
    frmEsecutori& c = card();
    c.cmdUltimo->click();
    store({payer("UNO")});
    tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina->click();
    EXPECT_EQ(last().text, QStringLiteral("Impossibile eliminare la scheda.\r\n\r\n"
                                          "Accertarsi che il file di archivio non abbia attributi di protezione."));
    EXPECT_EQ(last().icon, MsgIcon::Information);
    EXPECT_FALSE(tp.messages.texts().contains(kDeleted));
    EXPECT_EQ(bytes(), payer("UNO").encode());
    EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("DUE"));
}

TEST_F(PayerCard, ATemporaryFileThatCannotBeWrittenLeavesTheRegisterWhole) {
    store({payer("UNO"), payer("DUE"), payer("TRE")});
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath(QStringLiteral("Esecutori.tmp/occupato")));
    frmEsecutori& c = card();
    c.cmdPrimo->click();
    tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina->click();
    EXPECT_TRUE(last().text.startsWith(QStringLiteral("Impossibile eliminare la scheda.")));
    EXPECT_EQ(bytes().size(), 3 * 864);
    EXPECT_EQ(record(1).Payer1, QStringLiteral("UNO"));
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
}

TEST_F(PayerCard, ADeleteOnANewCardOnlyExplains) {
    store({payer("UNO")});
    frmEsecutori& c = card();
    c.cmdElimina->click();
    EXPECT_EQ(last().text, QString::fromUtf8("La cancellazione può essere applicata soltanto ad una scheda già "
                                             "presente in archivio.\r\n\r\nSe si vuole semplicemente vuotare tutti "
                                             "i campi di testo, fare clic su Nuovo."));
    EXPECT_EQ(bytes().size(), 864);
}

TEST_F(PayerCard, AnAppendOverwritesAPartialTail) {
    store({payer("UNO"), payer("DUE"), payer("TRE")}, QByteArray(100, 'x'));
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral("QUATTRO"));
    c.cmdSalva->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 4"));
    EXPECT_EQ(bytes().size(), 4 * 864);
    EXPECT_EQ(record(3).Payer1, QStringLiteral("TRE"));
    EXPECT_EQ(record(4).Payer1, QStringLiteral("QUATTRO"));
}

// ------------------------------------------------------------ Word export

TEST_F(PayerCard, WordExportHasTheTitleAndThirteenRows) {
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral(" ROSSI MARIO "));
    c.txtVia->setText(QStringLiteral("VIA ROMA 1"));
    c.txtCAP->setText(QStringLiteral("00100"));
    c.txtLuogo->setText(QStringLiteral("ROMA"));
    c.txtCel->setText(QStringLiteral("347 1234567"));
    c.txtNot->setText(QStringLiteral("riga 1\r\nriga 2"));
    c.cmdWord->click();
    ASSERT_EQ(tp.writers.documents.size(), 1u);
    const platform::DocxDocument& doc = tp.writers.documents.front();
    EXPECT_EQ(doc.before.front().text, QStringLiteral("SCHEDA ESECUTORE"));
    const QList<QPair<QString, QString>> rows{
        {"Esecutore:", "ROSSI MARIO\r\n"}, {"Via/Piazza:", "VIA ROMA 1"}, {"CAP:", "00100"},
        {QString::fromUtf8("Località:"), "ROMA"}, {"Tel. casa:", ""}, {"Tel. ufficio:", ""}, {"Fax:", ""},
        {"Cellulare:", "347 1234567"}, {"E-mail:", ""}, {"Partita IVA:", ""}, {"Codice fiscale:", ""},
        {"Carta di credito:", ""}, {"Note:", "riga 1\r\nriga 2"}};
    EXPECT_EQ(doc.tableRows, rows);
    EXPECT_EQ(doc.after.back().text, QStringLiteral("Scheda creata in data 09/12/2026 alle ore 08:05:01"));
    EXPECT_EQ(tp.desktop.openedFiles, tp.writers.written);
    EXPECT_EQ(c.lblPosizione->text(), QString()) << "the export saves nothing";
    EXPECT_EQ(bytes().size(), 0);
}

TEST_F(PayerCard, WordExportNeedsWordAndTheFirstLineAndReportsAFailedWrite) {
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral("  "));
    c.txtVia->setText(QStringLiteral("VIA"));
    c.cmdWord->click();
    EXPECT_EQ(last().text, QStringLiteral("E' necessario compilare il primo campo relativo all'esecutore."));
    EXPECT_EQ(last().title, QStringLiteral("Esportazione in MS Word non applicabile"));
    c.txtMittente01->setText(QStringLiteral("ROSSI"));
    tp.writers.failing = true;
    c.cmdWord->click();
    EXPECT_EQ(last().title, QStringLiteral("Impossibile esportare in Microsoft Word"));
    EXPECT_TRUE(tp.desktop.openedFiles.isEmpty());
    tp.desktop.everyTypeHandled = false;
    c.cmdWord->click();
    EXPECT_EQ(last().text, QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."));
}

TEST_F(PayerCard, TheRealWriterWritesNewNumberedDocumentsThatReadBack) {
    platform::setDocumentWriters(nullptr);
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral("ROSSI & FIGLI <SNC>"));
    c.txtLuogo->setText(QStringLiteral("ROMA"));
    c.cmdWord->click();
    c.cmdWord->click();
    platform::setDocumentWriters(&tp.writers);
    ASSERT_EQ(tp.desktop.openedFiles.size(), 2) << tp.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QFileInfo(tp.desktop.openedFiles[0]).fileName(), QStringLiteral("Scheda esecutore.docx"));
    EXPECT_EQ(QFileInfo(tp.desktop.openedFiles[1]).fileName(), QStringLiteral("Scheda esecutore (2).docx"));
    const QString xml = QString::fromUtf8(zipPart(tp.desktop.openedFiles[1], "word/document.xml").value_or(""));
    EXPECT_TRUE(xml.contains(QStringLiteral("SCHEDA ESECUTORE")));
    EXPECT_TRUE(xml.contains(QStringLiteral("ROSSI &amp; FIGLI &lt;SNC&gt;")));
    EXPECT_TRUE(xml.contains(QString::fromUtf8("Località:")));
    EXPECT_EQ(xml.count(QStringLiteral("<w:tr")), 13);
}

// ------------------------------------------------------------ dialling, help, backup

TEST_F(PayerCard, DialHelpAndTheCheckersWorkAsOnThePayeeCard) {
    frmEsecutori& c = card();
    c.txtUff->setText(QStringLiteral(" 011 55.12 "));
    c.cmdUff->click(); // an empty first line does not stop the call
    EXPECT_EQ(tp.desktop.openedUrls, QStringList{QStringLiteral("tel:0115512")});
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(), QStringLiteral("Anagrafica intestatari ed esecutori"));
    });
    c.cmdGuida->click();
    c.txtIva->setText(QStringLiteral("00000000018"));
    tp.modal.expect("frmCalcIva");
    c.cmdCheckIva->click();
    EXPECT_EQ(tp.modal.opened, (std::vector<std::string>{"frmHelpForm", "frmCalcIva"}));
}

TEST_F(PayerCard, ARestoreFromTheBackupButtonLeavesTheCardBlankAndNew) {
    PayerRecord r = payer("ROSSI", "ROMA");
    r.HomePhone = QStringLiteral("011");
    r.Email = QStringLiteral("r@x.it");
    store({r});
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath(QStringLiteral("copie")));
    const QString backup = tp.path(QStringLiteral("copie/Backup_esecutori_1_1_2027.bke"));
    const QByteArray backupBytes = payer("A").encode() + payer("B").encode();
    {
        QFile f(backup);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(backupBytes);
    }
    frmEsecutori& c = card();
    c.cmdPrimo->click();
    ASSERT_TRUE(c.cmdCasa->isEnabled());
    tp.choosers.fileAnswers = {backup};
    tp.messages.answers = {MsgAnswer::Yes};
    tp.modal.expect("frmBakClientiES", [this](QWidget& w) {
        auto& first = static_cast<BackupStart&>(w);
        tp.modal.expect("frmRipClientiES01", [](QWidget& s) {
            auto& step = static_cast<CopyStep&>(s);
            step.cmdSelect->click();
            step.cmdEffettua->click();
        });
        first.optRipDDT->click();
        first.cmdAvanti->click();
    });
    c.cmdBackup->click();
    EXPECT_EQ(bytes(), backupBytes);
    EXPECT_EQ(c.lblPosizione->text(), QString());
    for (const BoxBinding<PayerRecord>& b : PayerBoxes)
        EXPECT_EQ(BoxText(FindBox(c, QString::fromLatin1(b.box))), QString()) << b.box;
    for (PictureButton* side : sides(c))
        EXPECT_FALSE(side->isEnabled());
    c.txtMittente01->setText(QStringLiteral("NUOVO"));
    c.cmdSalva->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 3")) << "the next save appends";
}

// ------------------------------------------------------------ the slip form's export

TEST_F(PayerCard, TheSlipFormExportFillsTheFiveBoxesOfANewCardThatSavesAsANewPayer) {
    store({payer("ROSSI MARIO", "ROMA"), payer("BIANCHI")});
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText(QStringLiteral("2026"));
    slip.txtMittente01->setText(QStringLiteral("  VERDI SPA "));
    slip.txtMittente02->setText(QString());
    slip.txtVia->setText(QStringLiteral("VIA PO 3"));
    slip.txtCAP->setText(QStringLiteral("10100"));
    slip.txtLuogo->setText(QStringLiteral("TORINO "));
    tp.modal.expect("frmEsecutori", [this](QWidget& w) {
        auto& c = static_cast<frmEsecutori&>(w);
        EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("VERDI SPA"));
        EXPECT_EQ(c.txtMittente02->text(), QString());
        EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("TORINO"));
        EXPECT_EQ(c.txtCas->text(), QString());
        EXPECT_EQ(c.lblPosizione->text(), QString());
        for (PictureButton* side : sides(c))
            EXPECT_FALSE(side->isEnabled());
        c.cmdSalva->click();
        EXPECT_EQ(last().text, QString::fromUtf8("L'esecutore n. 3 è stato inserito in archivio."));
        c.cmdTools->click();
    });
    slip.imgEsporta03_MouseUp(Qt::LeftButton);
    EXPECT_EQ(bytes().size(), 3 * 864);
    EXPECT_EQ(record(3).Street, QStringLiteral("VIA PO 3"));
    EXPECT_EQ(record(3).PostCode, QStringLiteral("10100"));
    EXPECT_EQ(record(1).Payer1, QStringLiteral("ROSSI MARIO"));
}

} // namespace

// ------------------------------------------------------------ the record on disk

TEST(PayerRecord, FieldsLieAtTheirOffsetsAndRoundTripThroughTheCardsBoxes) {
    PayerRecord r;
    r.Payer1 = QStringLiteral("ROSSI MARIO");
    r.Payer2 = QStringLiteral("SECONDA");
    r.Street = QStringLiteral("VIA ROMA 1");
    r.PostCode = QStringLiteral("00100");
    r.Town = QStringLiteral("ROMA");
    r.HomePhone = QStringLiteral("06 1");
    r.OfficePhone = QStringLiteral("06 2");
    r.FaxNumber = QStringLiteral("06 3");
    r.MobilePhone = QStringLiteral("347");
    r.Email = QStringLiteral("m@r.it");
    r.VatNumber = QStringLiteral("00000000018");
    r.TaxCode = QStringLiteral("RSSMRA85T10A562S");
    r.CardNumber = QStringLiteral("4111111111111111");
    r.Notes = QStringLiteral("fine");
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 864);
    const struct {
        int offset;
        int width;
        const char* text;
    } expected[] = {{0, 23, "ROSSI MARIO"}, {23, 23, "SECONDA"},    {46, 23, "VIA ROMA 1"},
                    {69, 5, "00100"},       {74, 17, "ROMA"},       {91, 20, "06 1"},
                    {111, 20, "06 2"},      {131, 20, "06 3"},      {151, 20, "347"},
                    {171, 50, "m@r.it"},    {221, 11, "00000000018"}, {232, 16, "RSSMRA85T10A562S"},
                    {248, 16, "4111111111111111"}, {264, 600, "fine"}};
    for (const auto& e : expected)
        EXPECT_EQ(bytes.mid(e.offset, e.width), QByteArray(e.text).leftJustified(e.width, ' ')) << e.text;
    EXPECT_EQ(PayerRecord::decode(bytes), r);

    QWidget form;
    for (const BoxBinding<PayerRecord>& b : PayerBoxes)
        (new QLineEdit(&form))->setObjectName(QString::fromLatin1(b.box));
    WriteBoxes<PayerRecord>(form, PayerBoxes, r);
    EXPECT_EQ(ReadBoxes<PayerRecord>(form, PayerBoxes), r);
}
