// The register card windows, run over each register's row: what the payee,
// payer and reason cards do alike through their buttons (the texts that name
// their record, Enter, the Word export, help, the pick from their lookup),
// then what the two address-book cards do alike (side buttons, key rules,
// dialling, the checkers).

#include "checks/frmCF.h"
#include "checks/frmCalcIva.h"
#include "checks/frmCarta.h"
#include "checks/frmEmail.h"
#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ReasonRecord.h"
#include "registers/RegisterFixture.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/payers/frmFindEsecutore.h"
#include "registers/reasons/frmCausali.h"
#include "registers/reasons/frmFindCausale.h"
#include "services/frmHelpForm.h"
#include "support/ZipParts.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

struct PayeeRow {
    using Card = frmIntestatari;
    using Lookup = frmFindIntestatario;
    using Record = PayeeRecord;
    static constexpr const char* lookup = "frmFindIntestatario";
    static std::span<const BoxBinding<PayeeRecord>> boxes() { return PayeeBoxes; }
    static QString archive() { return QStringLiteral("Intestatari.idb"); }
    static QString windowTitle() { return QStringLiteral(" Quillora - Archivio intestatari"); }
    static QString appended(int n) { return QString::fromUtf8("L'intestatario n. %1 è stato inserito in archivio.").arg(n); }
    static QString rewritten(int n) {
        return QStringLiteral("Le modifiche apportate all'intestatario n. %1 sono state inserite in archivio.").arg(n);
    }
    static QString confirm(int n) { return QStringLiteral("Si vuole proprio cancellare l'intestatario n. %1?").arg(n); }
    static QString firstCheck() { return QStringLiteral("E' necessario compilare il primo campo relativo all'intestatario."); }
    static QString helpTitle() { return QStringLiteral("Anagrafica intestatari ed esecutori"); }
    static constexpr int helpParagraphs = 6;
    static QString wordTitle() { return QStringLiteral("SCHEDA INTESTATARIO"); }
    static QString wordFile() { return QStringLiteral("Scheda intestatario"); }
    static constexpr int wordRows = 11;
};

struct PayerRow {
    using Card = frmEsecutori;
    using Lookup = frmFindEsecutore;
    using Record = PayerRecord;
    static constexpr const char* lookup = "frmFindEsecutore";
    static std::span<const BoxBinding<PayerRecord>> boxes() { return PayerBoxes; }
    static QString archive() { return QStringLiteral("Esecutori.edb"); }
    static QString windowTitle() { return QStringLiteral(" Quillora - Archivio esecutori"); }
    static QString appended(int n) { return QString::fromUtf8("L'esecutore n. %1 è stato inserito in archivio.").arg(n); }
    static QString rewritten(int n) {
        return QStringLiteral("Le modifiche apportate all'esecutore n. %1 sono state inserite in archivio.").arg(n);
    }
    static QString confirm(int n) { return QStringLiteral("Si vuole proprio cancellare l'esecutore n. %1?").arg(n); }
    static QString firstCheck() { return QStringLiteral("E' necessario compilare il primo campo relativo all'esecutore."); }
    static QString helpTitle() { return QStringLiteral("Anagrafica intestatari ed esecutori"); }
    static constexpr int helpParagraphs = 6;
    static QString wordTitle() { return QStringLiteral("SCHEDA ESECUTORE"); }
    static QString wordFile() { return QStringLiteral("Scheda esecutore"); }
    static constexpr int wordRows = 13;
};

struct ReasonRow {
    using Card = frmCausali;
    using Lookup = frmFindCausale;
    using Record = ReasonRecord;
    static constexpr const char* lookup = "frmFindCausale";
    static std::span<const BoxBinding<ReasonRecord>> boxes() { return ReasonBoxes; }
    static QString archive() { return QStringLiteral("Causali.cdb"); }
    static QString windowTitle() { return QStringLiteral(" Quillora  - Causali per versamenti ricorrenti"); }
    static QString appended(int n) { return QString::fromUtf8("La causale n. %1 è stata inserita in archivio.").arg(n); }
    static QString rewritten(int n) {
        return QStringLiteral("Le modifiche apportate alla causale n. %1 sono state inserite in archivio.").arg(n);
    }
    static QString confirm(int n) { return QStringLiteral("Si vuole proprio cancellare la causale n. %1?").arg(n); }
    static QString firstCheck() {
        return QStringLiteral("E' necessario compilare il primo campo relativo alla descrizione della causale.");
    }
    static QString helpTitle() { return QStringLiteral("Archivio causali"); }
    static constexpr int helpParagraphs = 4;
    static QString wordTitle() { return QStringLiteral("SCHEDA CAUSALE"); }
    static QString wordFile() { return QStringLiteral("Scheda causale"); }
    static constexpr int wordRows = 3;
};

template <class Row>
class RegisterCardWindow : public RegisterFixture<typename Row::Record> {
protected:
    using Card = typename Row::Card;
    RegisterCardWindow() : RegisterFixture<typename Row::Record>(Row::archive()) {}

    Card& card() { return Forms::get<Card>(); }
    // A record with every field filled: "ROSSI MARIO", then two digits a field,
    // which every box takes as they are.
    static typename Row::Record full() {
        typename Row::Record r = named(QStringLiteral("ROSSI MARIO"));
        for (std::size_t i = 1; i < Row::boxes().size(); ++i)
            r.*Row::boxes()[i].field = QString::number(10 + i);
        return r;
    }
    QWidget* box(Card& c, int i) const { return FindBox(c, QString::fromLatin1(Row::boxes()[i].box)); }
    QWidget* notes(Card& c) const { return box(c, int(Row::boxes().size()) - 1); }
    void set(Card& c, int i, const QString& text) const { SetBoxText(box(c, i), text); }
    static typename Row::Record named(const QString& name) {
        typename Row::Record r;
        r.*Row::boxes()[0].field = name;
        return r;
    }
};

using RegisterRows = ::testing::Types<PayeeRow, PayerRow, ReasonRow>;
TYPED_TEST_SUITE(RegisterCardWindow, RegisterRows);

TYPED_TEST(RegisterCardWindow, ItsNoticesNameItsRecordCharacterForCharacter) {
    auto& c = this->card();
    EXPECT_EQ(c.windowTitle(), TypeParam::windowTitle());
    c.cmdPrimo->click();
    EXPECT_EQ(this->last().text, "L'archivio non contiene nessuna scheda.");
    EXPECT_EQ(this->last().title, "Attenzione!");
    EXPECT_EQ(this->last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(c.focusWidget(), this->box(c, 0));
    c.cmdAvanti->click();
    EXPECT_EQ(this->last().text, "L'archivio non contiene alcuna scheda.");

    this->set(c, 0, QStringLiteral("   "));
    this->set(c, 1, QStringLiteral("X"));
    c.cmdSalva->click();
    EXPECT_EQ(this->last().text, TypeParam::firstCheck()) << "blanks are no first line";
    EXPECT_EQ(this->last().title, "Salvataggio non applicabile");
    EXPECT_EQ(this->bytes().size(), 0);

    this->set(c, 0, QStringLiteral("ROSSI"));
    c.cmdSalva->click();
    EXPECT_EQ(this->last().text, TypeParam::appended(1));
    EXPECT_EQ(this->last().title, "Salvataggio terminato");
    c.cmdSalva->click();
    EXPECT_EQ(this->last().text, TypeParam::rewritten(1));

    this->tp.messages.answers = {MsgAnswer::Yes};
    c.cmdElimina->click();
    EXPECT_EQ(this->tp.messages.shown.at(this->tp.messages.shown.size() - 2).text, TypeParam::confirm(1));
    EXPECT_EQ(this->last().text, QString::fromUtf8("La scheda è stata rimossa dall'archivio."));
    c.cmdElimina->click();
    EXPECT_EQ(this->last().text, QString::fromUtf8("La cancellazione può essere applicata soltanto ad una scheda già "
                                                   "presente in archivio.\r\n\r\nSe si vuole semplicemente vuotare "
                                                   "tutti i campi di testo, fare clic su Nuovo."));
}

TYPED_TEST(RegisterCardWindow, EnterWalksTheBoxesInFieldOrderAndBreaksLinesOnlyInTheNotes) {
    auto& c = this->card();
    const int count = int(TypeParam::boxes().size());
    EXPECT_EQ(c.focusWidget(), this->box(c, 0));
    for (int i = 0; i + 1 < count; ++i) {
        ASSERT_EQ(c.focusWidget(), this->box(c, i)) << TypeParam::boxes()[i].box;
        static_cast<TextBox*>(this->box(c, i))->typeCode(13);
    }
    EXPECT_EQ(c.focusWidget(), this->notes(c));
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(BoxText(this->box(c, i)), QString()) << "Enter types nothing: " << TypeParam::boxes()[i].box;
    EXPECT_TRUE(this->tp.messages.shown.empty()) << "Enter is no refused key";

    typeText(this->notes(c), QStringLiteral("a"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(this->notes(c), &enter);
    typeText(this->notes(c), QStringLiteral("b"));
    EXPECT_EQ(BoxText(this->notes(c)), "a\r\nb");
    EXPECT_EQ(c.focusWidget(), this->notes(c));
}

TYPED_TEST(RegisterCardWindow, WordExportChecksWordThenTheFirstLineAndReportsAFailedWrite) {
    auto& c = this->card();
    this->tp.desktop.everyTypeHandled = false;
    c.cmdWord->click();
    ASSERT_EQ(this->tp.messages.shown.size(), 1u) << "no Word comes before the empty first line";
    EXPECT_EQ(this->last().text, QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."));
    EXPECT_EQ(this->last().icon, MsgIcon::Critical);

    this->tp.desktop.everyTypeHandled = true;
    this->set(c, 0, QStringLiteral("  "));
    this->set(c, 1, QStringLiteral("X"));
    c.cmdWord->click();
    EXPECT_EQ(this->last().text, TypeParam::firstCheck());
    EXPECT_EQ(this->last().title, "Esportazione in MS Word non applicabile");
    EXPECT_EQ(this->last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(c.focusWidget(), this->box(c, 0));
    EXPECT_TRUE(this->tp.writers.documents.empty());

    this->set(c, 0, QStringLiteral("ROSSI"));
    this->tp.writers.failing = true;
    c.cmdWord->click();
    EXPECT_EQ(this->last().title, "Impossibile esportare in Microsoft Word");
    EXPECT_TRUE(this->tp.desktop.openedFiles.isEmpty());
}

TYPED_TEST(RegisterCardWindow, TheRealWriterWritesNewNumberedDocumentsThatReadBackAndSavesNothing) {
    platform::setDocumentWriters(nullptr); // the program's own writer
    auto& c = this->card();
    this->set(c, 0, QStringLiteral("ROSSI & FIGLI <SNC>"));
    c.cmdWord->click();
    c.cmdWord->click();
    platform::setDocumentWriters(&this->tp.writers);
    ASSERT_EQ(this->tp.desktop.openedFiles.size(), 2) << this->tp.messages.texts().join(u'|').toStdString();
    EXPECT_EQ(QFileInfo(this->tp.desktop.openedFiles[0]).fileName(), TypeParam::wordFile() + ".docx");
    EXPECT_EQ(QFileInfo(this->tp.desktop.openedFiles[1]).fileName(), TypeParam::wordFile() + " (2).docx");
    EXPECT_EQ(QFileInfo(this->tp.desktop.openedFiles[0]).absolutePath(), QDir(this->tp.path("export")).absolutePath());
    EXPECT_TRUE(this->tp.messages.shown.empty());
    const QString xml = QString::fromUtf8(zipPart(this->tp.desktop.openedFiles[1], "word/document.xml").value_or(""));
    EXPECT_TRUE(xml.contains(TypeParam::wordTitle()));
    EXPECT_TRUE(xml.contains("ROSSI &amp; FIGLI &lt;SNC&gt;"));
    EXPECT_EQ(xml.count("<w:tr"), TypeParam::wordRows);
    EXPECT_TRUE(xml.contains("Scheda creata in data 09/12/2026 alle ore 08:05:01"));
    EXPECT_EQ(c.lblPosizione->text(), QString()) << "the export saves nothing";
    EXPECT_EQ(this->bytes().size(), 0);
}

TYPED_TEST(RegisterCardWindow, HelpShowsTheRegistersTopic) {
    auto& c = this->card();
    this->tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& help = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(help.lblTitolo->text(), TypeParam::helpTitle());
        EXPECT_EQ(help.txtTesto->text().split("\r\n\r\n").size(), TypeParam::helpParagraphs);
    });
    c.cmdGuida->click();
}

TYPED_TEST(RegisterCardWindow, APickInTheCardsLookupFillsEveryBoxAndTheNextSaveRewritesThatRecord) {
    this->store({this->named("ALTRO"), this->full()});
    auto& c = this->card();
    this->set(c, 1, QStringLiteral("unsaved typing"));
    this->tp.modal.expect(TypeParam::lookup, [](QWidget& w) {
        auto& f = static_cast<typename TypeParam::Lookup&>(w);
        EXPECT_EQ(f.focusWidget(), f.txtCerca);
        f.txtCerca->setText(QStringLiteral("ro"));
        f.txtCerca->typeCode(13);
    });
    c.cmdTrova->click();
    EXPECT_FALSE(Forms::isLoaded<typename TypeParam::Lookup>());
    EXPECT_EQ(c.lblPosizione->text(), " 2");
    EXPECT_EQ(ReadBoxes<typename TypeParam::Record>(c, TypeParam::boxes()), this->full());
    c.cmdSalva->click();
    EXPECT_EQ(this->last().text, TypeParam::rewritten(2));
    EXPECT_EQ(this->bytes().size(), 2 * TypeParam::Record::Length);
}

// ------------------------------------------------------------ the address-book cards

template <class Row>
class ContactCardWindow : public RegisterCardWindow<Row> {
protected:
    static std::vector<PictureButton*> sides(ContactCard& c) {
        return {c.cmdCasa, c.cmdUff, c.cmdFax, c.cmdCello, c.cmdEmail, c.cmdCheckIva, c.cmdCheckFisc, c.cmdCarta};
    }
};

using ContactRows = ::testing::Types<PayeeRow, PayerRow>;
TYPED_TEST_SUITE(ContactCardWindow, ContactRows);

TYPED_TEST(ContactCardWindow, OpensNewWithEmptyBoxesAndTheSideButtonsOff) {
    auto& c = this->card();
    EXPECT_EQ(c.lblPosizione->text(), QString());
    for (const auto& b : TypeParam::boxes())
        EXPECT_EQ(BoxText(FindBox(c, QString::fromLatin1(b.box))), QString()) << b.box;
    for (PictureButton* side : this->sides(c))
        EXPECT_FALSE(side->isEnabled());
    EXPECT_EQ(c.cmdCello->toolTip(), " Chiama ");
    EXPECT_EQ(c.cmdEmail->toolTip(), " Invia ");
    EXPECT_EQ(c.cmdCheckIva->toolTip(), " Controlla ");
    EXPECT_EQ(c.cmdWord->toolTip(), " Esporta scheda in MS Word ");
    EXPECT_EQ(c.txtNot->maxLength(), 600);
    EXPECT_EQ(c.txtEma->maxLength(), 50);
}

TYPED_TEST(ContactCardWindow, SideButtonsFollowTheirBoxesOnTypingBrowsingAndNew) {
    auto r = this->named("ROSSI");
    r.Email = QStringLiteral("r@x.it");
    r.TaxCode = QStringLiteral("AB-C");
    this->store({this->named("PRIMO"), r});
    auto& c = this->card();
    typeText(c.txtCas, QStringLiteral("3"));
    EXPECT_TRUE(c.cmdCasa->isEnabled());
    c.txtCas->setText(QStringLiteral("   "));
    EXPECT_FALSE(c.cmdCasa->isEnabled());

    c.txtFax->setText(QStringLiteral("unsaved"));
    c.cmdUltimo->click();
    EXPECT_EQ(c.lblPosizione->text(), " 2");
    EXPECT_EQ(c.txtFax->text(), QString());
    EXPECT_TRUE(c.cmdEmail->isEnabled());
    EXPECT_TRUE(c.cmdCheckFisc->isEnabled());
    EXPECT_FALSE(c.cmdFax->isEnabled());
    EXPECT_EQ(c.txtCodFisc->text(), "AB*C") << "the filter runs on loaded text too";
    EXPECT_EQ(this->record(2).TaxCode, "AB-C") << "showing changes nothing on disk";
    c.cmdIndietro->click();
    EXPECT_FALSE(c.cmdEmail->isEnabled());
    c.cmdUltimo->click();
    c.cmdNuovo->click();
    EXPECT_FALSE(c.cmdEmail->isEnabled());
    EXPECT_EQ(c.lblPosizione->text(), QString());
    EXPECT_EQ(BoxText(this->box(c, 0)), QString());
    EXPECT_EQ(c.focusWidget(), this->box(c, 0));
}

TYPED_TEST(ContactCardWindow, TheTaxCodeTakesCapitalsAndStarsVatAndCardOnlyDigitsPhonesAnyKey) {
    auto& c = this->card();
    typeText(c.txtCodFisc, QStringLiteral("rss mra-85/x"));
    EXPECT_EQ(c.txtCodFisc->text(), "RSS*MRA*85*X");
    EXPECT_TRUE(c.cmdCheckFisc->isEnabled());
    typeText(c.txtCas, QStringLiteral("casa"));
    EXPECT_EQ(c.txtCas->text(), "casa");
    EXPECT_TRUE(this->tp.messages.shown.empty());

    typeText(c.txtIva, QStringLiteral("1a"));
    EXPECT_EQ(c.txtIva->text(), "1");
    EXPECT_EQ(this->last().text, "Inserire il numero di partita IVA digitando solo caratteri numerici.");
    EXPECT_EQ(this->last().title, "Attenzione: valore non valido");
    EXPECT_EQ(this->last().icon, MsgIcon::Information);
    typeText(c.txtCarta, QStringLiteral(" "));
    EXPECT_EQ(this->last().text, "Inserire il numero della carta di credito digitando solo caratteri "
                                 "numerici senza spazi o trattini.");
    EXPECT_EQ(c.txtCarta->text(), QString());
    const auto notices = this->tp.messages.shown.size();
    c.txtCarta->typeCode(22); // Ctrl+V
    EXPECT_EQ(this->tp.messages.shown.size(), notices + 1);
    EXPECT_EQ(this->last().title, "Attenzione: valore errato");
    QGuiApplication::clipboard()->setText(QStringLiteral("4111-1111"));
    c.txtCarta->paste(); // the mouse's paste
    c.txtIva->paste();
    EXPECT_EQ(c.txtCarta->text(), QString());
    EXPECT_EQ(c.txtIva->text(), "1");
    QGuiApplication::clipboard()->setText(QStringLiteral("4111"));
    c.txtCarta->paste();
    EXPECT_EQ(c.txtCarta->text(), "4111");
}

TYPED_TEST(ContactCardWindow, EachPhoneButtonDialsItsSanitisedNumberWhateverTheFirstLine) {
    auto& c = this->card();
    const std::vector<std::pair<TextBox*, PictureButton*>> phones{
        {c.txtCas, c.cmdCasa}, {c.txtUff, c.cmdUff}, {c.txtFax, c.cmdFax}, {c.txtCel, c.cmdCello}};
    QStringList dialled;
    for (std::size_t i = 0; i < phones.size(); ++i) {
        typeText(phones[i].first, QStringLiteral(" 011 55.12-%1 ").arg(i));
        phones[i].second->click();
        dialled << QStringLiteral("tel:0115512%1").arg(i);
    }
    EXPECT_EQ(this->tp.desktop.openedUrls, dialled);
    c.txtFax->setText(QStringLiteral("$(reboot)"));
    c.cmdFax->click();
    EXPECT_EQ(this->last().text, "Impossibile stabilire una connessione telefonica.");
    EXPECT_EQ(this->tp.desktop.openedUrls, dialled);
    EXPECT_EQ(c.txtFax->text(), "$(reboot)");
}

TYPED_TEST(ContactCardWindow, CheckAndMailButtonsOpenTheirWindowsOnTheCardsValues) {
    auto& c = this->card();
    typeText(c.txtIva, QStringLiteral("00000000018"));
    typeText(c.txtCodFisc, QStringLiteral("rssmra85t10a562s"));
    c.txtCarta->setText(QStringLiteral("4111111111111111"));
    c.txtEma->setText(QStringLiteral("  mario.rossi@example.it "));
    this->tp.modal.expect("frmCalcIva", [](QWidget& w) {
        auto& checker = static_cast<frmCalcIva&>(w);
        EXPECT_EQ(checker.txtIva->text(), "00000000018");
        checker.cmdCalcolaIva_Click();
    });
    c.cmdCheckIva->click();
    EXPECT_TRUE(this->last().text.contains("Torino")) << this->last().text.toStdString();

    this->tp.modal.expect("frmCF", [](QWidget& w) {
        auto& checker = static_cast<frmCF&>(w);
        EXPECT_EQ(checker.txtCarta->text(), "RSSMRA85T10A562S");
        checker.cmdCheckCard_Click();
    });
    c.cmdCheckFisc->click();
    EXPECT_EQ(this->last().text, "Codice fiscale CORRETTO.");

    this->tp.modal.expect("frmCarta", [](QWidget& w) {
        EXPECT_EQ(static_cast<frmCarta&>(w).txtCarta->text(), "4111111111111111");
    });
    c.cmdCarta->click();
    this->tp.modal.expect("frmEmail", [](QWidget& w) {
        auto& mail = static_cast<frmEmail&>(w);
        EXPECT_EQ(mail.txtIndirizzo->text(), "mario.rossi@example.it");
        EXPECT_EQ(mail.txtOggetto->text(), QString());
    });
    c.cmdEmail->click();
    EXPECT_EQ(this->tp.modal.opened, (std::vector<std::string>{"frmCalcIva", "frmCF", "frmCarta", "frmEmail"}));
    EXPECT_EQ(c.txtIva->text(), "00000000018") << "the card is as it was";
}

} // namespace
