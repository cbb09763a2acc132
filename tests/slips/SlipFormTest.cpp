#include "common/Settings.h"
#include "common/SlipRecord.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "common/LeadingNumber.h"
#include "common/HelpCatalogue.h"
#include "platform/UserLocale.h"
#include "slips/frmBollettini.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kYear = QStringLiteral("2026");
const QString kSaved = QStringLiteral("Salvataggio terminato");
const QString kSaveError = QString::fromUtf8("Il sistema non permette di salvare i dati.\r\n\r\n"
                                             "Accertarsi che il file di archivio non abbia attributi di protezione.");
const QString kDeleteError = QString::fromUtf8("Impossibile eliminare il bollettino corrente.\r\n\r\n"
                                               "Accertarsi che il file di archivio non abbia attributi di protezione.");
const QString kRemoved = QString::fromUtf8("Il bollettino è stata rimosso dall'archivio.");
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessun bollettino.");

// Types text key by key, whatever its characters (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

SlipRecord slip(const QString& cc, const QString& payee) {
    SlipRecord r;
    r.AccountNumber = cc;
    r.Euros = QStringLiteral("10");
    r.Cents = QStringLiteral("00");
    r.Payee1 = payee;
    return r;
}

class SlipForm : public ::testing::Test {
protected:
    TestPlatform tp;

    frmBollettini& open(const QString& year = kYear) {
        frmBollettini& f = Forms::get<frmBollettini>();
        f.lblFile->setText(year);
        f.lblArchivio->setText(QStringLiteral("Archivio anno ") + year);
        f.Show();
        return f;
    }
    frmBollettini& openActive() {
        frmBollettini& f = open();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    QString archive() const { return tp.path(kYear + ".ccp"); }
    QByteArray bytes() const {
        QFile file(archive());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void store(std::initializer_list<SlipRecord> slips, const QByteArray& tail = {}) const {
        QFile file(archive());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const SlipRecord& s : slips)
            file.write(s.encode());
        file.write(tail);
    }
    SlipRecord record(int k) const { return SlipRecord::decode(bytes().mid((k - 1) * SlipRecord::Length)); }
    const platform::Message& last() const { return tp.messages.last(); }
};

} // namespace

TEST(LeadingNumber, ReadsTheNumberAtTheStartSkippingBlanks) {
    EXPECT_EQ(LeadingNumberValue(u""), 0.0);
    EXPECT_EQ(LeadingNumberValue(u"abc"), 0.0);
    EXPECT_EQ(LeadingNumberValue(u" 1 2 3"), 123.0);
    EXPECT_EQ(LeadingNumberValue(u"12,50"), 12.0);
    EXPECT_EQ(LeadingNumberValue(u"1.5.3"), 1.5);
    EXPECT_EQ(LeadingNumberValue(u"- .5x"), -0.5);
    EXPECT_EQ(LeadingNumberValue(u"2e3"), 2000.0);
    EXPECT_EQ(LeadingNumberValue(u"2D-1"), 0.2);
    EXPECT_EQ(LeadingNumberValue(u"7e"), 7.0);
}

TEST(SlipFormAmount, WholeAmountGroupsThousandsThroughTheUserLocaleAndRounds) {
    platform::MemoryUserLocale italian(",", ".");
    platform::setUserLocale(&italian);
    EXPECT_EQ(FormatWholeAmount(Currency::fromEuros(0)), "0");
    EXPECT_EQ(FormatWholeAmount(Currency::fromEuros(999)), "999");
    EXPECT_EQ(FormatWholeAmount(Currency::fromEuros(1000000000)), "1.000.000.000");
    EXPECT_EQ(FormatWholeAmount(Currency::fromDouble(1234567.5)), "1.234.568");
    platform::MemoryUserLocale english(".", ",");
    platform::setUserLocale(&english);
    EXPECT_EQ(FormatWholeAmount(Currency::fromEuros(1000000000)), "1,000,000,000");
    platform::setUserLocale(nullptr);
}

TEST_F(SlipForm, FacsimileControlsAndRestingState) {
    frmBollettini& f = open();
    EXPECT_EQ(f.fraIntestatario->title(), " INTESTATO A ");
    EXPECT_EQ(f.fraCausale->title(), " CAUSALE ");
    EXPECT_EQ(f.fraMittente->title(), " ESEGUITO DA ");
    EXPECT_EQ(f.cmdPrimo->toolTip(), " Primo bollettino ");
    EXPECT_EQ(f.cmdIndietro->toolTip(), " Bollettino precedente ");
    EXPECT_EQ(f.cmdAvanti->toolTip(), " Bollettino successivo ");
    EXPECT_EQ(f.cmdUltimo->accessibleName(), "Ultimo bollettino");
    EXPECT_EQ(f.cmdChiudi->text(), " Chiudi ");
    EXPECT_EQ(f.cmdGuida->text(), " Guida ");
    EXPECT_FALSE(f.lblFile->isVisible());

    const std::vector<std::pair<TextBox*, int>> boxes = {
        {f.txtCC, 12},         {f.txtCifre, 8},          {f.txtCentCifra, 2},  {f.txtIntestatario01, 34},
        {f.txtIntestatario02, 34}, {f.txtCausale01, 60}, {f.txtCausale02, 60}, {f.txtMittente01, 23},
        {f.txtMittente02, 23}, {f.txtVia, 23},           {f.txtCAP, 5},        {f.txtLuogo, 17}};
    for (const auto& [box, length] : boxes) {
        EXPECT_EQ(box->maxLength(), length);
        EXPECT_EQ(box->font().pointSize(), 12);
        if (box != f.txtCC) { // the account number may already hold the focus
            EXPECT_EQ(box->backColor(), Colors::LightGrey);
        }
    }
    EXPECT_TRUE(f.txtCifre->alignment() & Qt::AlignRight);
    EXPECT_TRUE(f.txtCC->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(f.txtNote->maxLength(), 300);
    EXPECT_DOUBLE_EQ(f.txtNote->font().pointSizeF(), 8.25);
    EXPECT_TRUE(f.Display->isReadOnly());
    EXPECT_EQ(f.Display->maxLength(), 120);
    EXPECT_TRUE(f.txtCentCifra02->isReadOnly());

    const std::pair<PictureButton*, PictureButton*> tools[] = {{f.imgNuovo, f.lblNuovo},   {f.imgSalva, f.lblSalva},
                                                         {f.imgCerca, f.lblCerca},   {f.imgImposta, f.lblImposta},
                                                         {f.imgStampa, f.lblStampa}, {f.imgGuida, f.lblGuida}};
    QStringList captions;
    for (const auto& [icon, caption] : tools) {
        captions << caption->text();
        EXPECT_EQ(icon->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(caption->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(icon->accessibleName(), caption->text());
    }
    EXPECT_EQ(captions, QStringList({"Nuovo", "Salva", "Trova", "Imposta", "Stampa", "Elimina"}));
    for (PictureButton* icon : {f.imgImporta01, f.imgImporta02, f.imgImporta03})
        EXPECT_EQ(icon->toolTip(), " Importa dati ");
    for (PictureButton* icon : {f.imgEsporta01, f.imgEsporta02, f.imgEsporta03})
        EXPECT_EQ(icon->toolTip(), " Esporta dati ");
}

TEST_F(SlipForm, EurosBecomeWordsAsTheyAreTypedAndCentsAreCopied) {
    frmBollettini& f = open();
    QTest::keyClicks(f.txtCifre, "1234");
    EXPECT_EQ(f.Display->text(), "MILLEDUECENTOTRENTAQUATTRO");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.txtCifre, Qt::Key_Backspace);
    EXPECT_EQ(f.Display->text(), "");
    QTest::keyClicks(f.txtCifre, "999999999"); // the ninth digit does not fit
    EXPECT_EQ(f.txtCifre->text(), "99999999");
    EXPECT_EQ(f.Display->text(), "NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE");
    f.txtCentCifra->setText("07");
    EXPECT_EQ(f.txtCentCifra02->text(), "07");
    EXPECT_TRUE(tp.messages.shown.empty());

    emit f.Assegno1->Bluff(Currency::fromEuros(1234567890));
    EXPECT_EQ(last().text, QString::fromUtf8("Attenzione: 1.234.567.890 non è un importo valido."));
    EXPECT_EQ(last().title, "Cifra eccedente il limite massimo");
    EXPECT_EQ(last().icon, MsgIcon::Critical);
}

TEST_F(SlipForm, CommaSendsToCentsWhichAreCompletedOnLeaving) {
    frmBollettini& f = openActive();
    f.txtCifre->setFocus();
    QTest::keyClicks(f.txtCifre, "12,");
    EXPECT_EQ(f.txtCifre->text(), "12");
    EXPECT_TRUE(last().text.startsWith(QString::fromUtf8("Non è necessario utilizzare la virgola.")));
    EXPECT_EQ(f.focusWidget(), f.txtCentCifra);
    EXPECT_EQ(f.txtCentCifra->backColor(), Colors::Focus);
    EXPECT_EQ(f.txtCifre->backColor(), Colors::LightGrey);

    QTest::keyClicks(f.txtCifre, ".");
    EXPECT_EQ(last().text, "Digitare solo valori numerici.");
    EXPECT_EQ(last().title, "Attenzione: carattere non valido");

    QTest::keyClicks(f.txtCentCifra, "5");
    QTest::keyClick(f.txtCentCifra, Qt::Key_Return);
    EXPECT_EQ(f.txtCentCifra->text(), "50");
    EXPECT_EQ(f.txtCentCifra02->text(), "50");
    EXPECT_EQ(f.txtCentCifra->backColor(), Colors::LightGrey);

    // Saved at once, without leaving the box, a single digit stays single.
    f.txtCentCifra->setFocus();
    f.txtCentCifra->setText("5");
    f.imgSalva_Click();
    EXPECT_EQ(record(1).Cents, "5");
    EXPECT_EQ(f.focusWidget(), f.txtCentCifra);
}

TEST_F(SlipForm, EnterWalksAllThirteenBoxesAndWrapsWithoutBreakingTheNotes) {
    frmBollettini& f = openActive();
    f.txtCC->setFocus();
    f.txtNote->setText("nota");
    const std::vector<QWidget*> expected = {f.txtCifre,      f.txtCentCifra, f.txtIntestatario01, f.txtIntestatario02,
                                            f.txtCausale01,  f.txtCausale02, f.txtMittente01,     f.txtMittente02,
                                            f.txtVia,        f.txtCAP,       f.txtLuogo,          f.txtNote,
                                            f.txtCC};
    for (QWidget* next : expected) {
        QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        ASSERT_EQ(f.focusWidget(), next);
    }
    EXPECT_EQ(f.txtNote->text(), "nota");
    EXPECT_EQ(f.txtCC->backColor(), Colors::Focus);
    EXPECT_EQ(f.txtNote->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(SlipForm, KeyRulesOfLetterAndNumberBoxes) {
    frmBollettini& f = open();
    QTest::keyClicks(f.txtVia, "via dell'orso 5");
    EXPECT_EQ(f.txtVia->text(), "VIA DELL'ORSO 5");
    QTest::keyClicks(f.txtCAP, "ab123");
    EXPECT_EQ(f.txtCAP->text(), "AB123");
    QTest::keyClicks(f.txtCC, "12a 3");
    EXPECT_EQ(f.txtCC->text(), "123");
    EXPECT_EQ(tp.messages.shown.size(), 2u);
    QGuiApplication::clipboard()->setText("rossi");
    f.txtIntestatario01->paste();
    EXPECT_EQ(f.txtIntestatario01->text(), "rossi");
}

TEST_F(SlipForm, CharactersOutsideTheCodePageBecomeQuestionMarksAndKeepFieldsInPlace) {
    frmBollettini& f = open();
    typeText(f.txtIntestatario01, QString::fromUtf8("żółw"));
    EXPECT_EQ(f.txtIntestatario01->text(), QString::fromUtf8("?ó?W"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Łódź ✓"));
    f.txtCausale01->paste();
    EXPECT_EQ(f.txtCausale01->text(), QString::fromUtf8("?ód? ?"));
    f.txtNote->paste();
    EXPECT_EQ(f.txtNote->text(), QString::fromUtf8("?ód? ?"));
    f.imgSalva_Click();
    ASSERT_EQ(bytes().size(), SlipRecord::Length);
    EXPECT_EQ(bytes().mid(22, 4), QByteArray("?\xF3?W"));
    EXPECT_EQ(record(1).Reason1, QString::fromUtf8("?ód? ?"));
}

TEST_F(SlipForm, FullBoxesAreStoredWholeAtTheirOffsetsAndReadBack) {
    frmBollettini& f = open();
    QTest::keyClicks(f.txtIntestatario01, QString(35, 'a'));
    EXPECT_EQ(f.txtIntestatario01->text(), QString(34, 'A'));
    f.txtCC->setText("123456789012");
    f.txtCifre->setText("99999999");
    f.txtCentCifra->setText("99");
    f.txtIntestatario02->setText(QString(34, 'B'));
    f.txtCausale01->setText(QString(60, 'C'));
    f.txtCausale02->setText(QString(60, 'D'));
    f.txtMittente01->setText(QString(23, 'E'));
    f.txtMittente02->setText(QString(23, 'F'));
    f.txtVia->setText(QString(23, 'G'));
    f.txtCAP->setText("40121");
    f.txtLuogo->setText(QString(17, 'H'));
    f.txtNote->setText(QString(149, 'n') + "\r\n" + QString(146, 'm') + "xyzTOO LONG"); // CR LF counts as two
    EXPECT_EQ(f.txtNote->text().size(), 300);
    f.imgSalva_Click();

    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), 601);
    EXPECT_EQ(b.mid(0, 12), "123456789012");
    EXPECT_EQ(b.mid(12, 8), "99999999");
    EXPECT_EQ(b.mid(20, 2), "99");
    EXPECT_EQ(b.mid(22, 34), QByteArray(34, 'A'));
    EXPECT_EQ(b.mid(56, 34), QByteArray(34, 'B'));
    EXPECT_EQ(b.mid(90, 60), QByteArray(60, 'C'));
    EXPECT_EQ(b.mid(150, 60), QByteArray(60, 'D'));
    EXPECT_EQ(b.mid(210, 23), QByteArray(23, 'E'));
    EXPECT_EQ(b.mid(233, 23), QByteArray(23, 'F'));
    EXPECT_EQ(b.mid(256, 23), QByteArray(23, 'G'));
    EXPECT_EQ(b.mid(279, 5), "40121");
    EXPECT_EQ(b.mid(284, 17), QByteArray(17, 'H'));
    EXPECT_EQ(b.mid(301, 151), QByteArray(149, 'n') + "\r\n");
    EXPECT_EQ(b.right(3), "xyz");

    f.imgNuovo_Click();
    EXPECT_EQ(f.txtIntestatario01->text(), "");
    EXPECT_EQ(f.txtMittente01->text(), QString(23, 'E')) << "the payer block stays";
    f.cmdUltimo_Click();
    EXPECT_EQ(f.txtIntestatario01->text(), QString(34, 'A'));
    EXPECT_EQ(f.txtNote->text().size(), 300);
    EXPECT_EQ(f.Display->text(), "NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE");
    EXPECT_EQ(f.txtCentCifra02->text(), "99");
}

TEST_F(SlipForm, SaveAppendsThenOverwritesAndBrowsingMovesWithinTheArchive) {
    frmBollettini& f = open();
    f.txtCC->setText("  1234 ");
    f.txtIntestatario01->setText("ROSSI");
    f.imgSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    EXPECT_EQ(last().text, "I dati relativi al versamento sul C/C n. 1234 sono stati inseriti in archivio.");
    EXPECT_EQ(last().title, kSaved);
    EXPECT_EQ(last().icon, MsgIcon::Information);
    EXPECT_EQ(bytes().size(), 601);

    f.imgNuovo_Click();
    f.txtIntestatario01->setText("BIANCHI");
    f.imgSalva_Click();
    EXPECT_EQ(last().text, "I dati relativi al versamento sul C/C n.  sono stati inseriti in archivio.");
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    f.txtCausale01->setText("AFFITTO");
    f.imgSalva_Click();
    EXPECT_EQ(last().text, "Le modifiche apportate al bollettino corrente sono state inserite in archivio.");
    EXPECT_EQ(bytes().size(), 1202);
    EXPECT_EQ(record(2).Reason1, "AFFITTO");
    EXPECT_EQ(record(1).AccountNumber, "1234");

    f.cmdPrimo_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    EXPECT_EQ(f.txtIntestatario01->text(), "ROSSI");
    f.cmdIndietro_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    f.cmdAvanti_Click();
    EXPECT_EQ(f.txtIntestatario01->text(), "BIANCHI");
    f.txtIntestatario01->setText("CHANGED");
    f.cmdAvanti_Click(); // next on the last slip reloads it
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    EXPECT_EQ(f.txtIntestatario01->text(), "BIANCHI");
    f.imgNuovo_Click();
    f.cmdIndietro_Click(); // previous on a new slip shows record 1
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    f.cmdUltimo_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 2");
}

TEST_F(SlipForm, SaveNeedsOneOfTheTenBoxesButThePayerBlockIsEnough) {
    frmBollettini& f = open();
    f.txtCAP->setText("40121");
    f.txtLuogo->setText("BOLOGNA");
    f.txtNote->setText("nota");
    f.txtCC->setText("   ");
    f.imgSalva_Click();
    EXPECT_EQ(last().text, "Si prega di compilare le caselle del bollettino prima di eseguire il salvataggio.");
    EXPECT_EQ(last().title, "Attenzione: salvataggio non applicabile");
    EXPECT_EQ(last().icon, MsgIcon::Exclamation);
    EXPECT_FALSE(QFile::exists(archive()));

    f.txtVia->setText("VIA ROMA 1");
    f.imgSalva_Click();
    EXPECT_EQ(last().title, kSaved);
    EXPECT_EQ(record(1).Street, "VIA ROMA 1");
}

TEST_F(SlipForm, DeleteShowsThePreviousSlipAndEmptiesTheArchiveOnTheLast) {
    store({slip("1", "UNO"), slip("2", "DUE"), slip("3", "TRE")});
    frmBollettini& f = open();
    f.imgGuida_Click();
    EXPECT_EQ(last().text, QString::fromUtf8("La cancellazione può essere applicata soltanto ad un bollettino già "
                                             "presente in archivio.\r\n\r\nSe si vuole semplicemente vuotare tutti "
                                             "i campi di testo, fare clic su Nuovo."));
    EXPECT_EQ(last().title, "Operazione non applicabile");
    EXPECT_EQ(last().icon, MsgIcon::Information);

    f.cmdPrimo_Click();
    tp.messages.answers = {MsgAnswer::No};
    f.imgGuida_Click();
    EXPECT_EQ(last().text, "Si vuole proprio cancellare il bollettino n. 1?");
    EXPECT_EQ(last().title, "Conferma eliminazione bollettino");
    EXPECT_EQ(last().icon, MsgIcon::Question);
    EXPECT_EQ(last().buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(bytes().size(), 3 * 601);
    EXPECT_EQ(f.lblPosizione->text(), " 1");

    tp.messages.answers = {MsgAnswer::Yes};
    f.imgGuida_Click();
    EXPECT_EQ(last().text, kRemoved);
    EXPECT_EQ(last().title, "Cancellazione terminata");
    EXPECT_EQ(last().icon, MsgIcon::Information);
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    EXPECT_EQ(f.txtIntestatario01->text(), "DUE");
    EXPECT_EQ(bytes().size(), 1202);
    EXPECT_FALSE(QFile::exists(tp.path(kYear + ".tmp")));

    f.cmdUltimo_Click();
    tp.messages.answers = {MsgAnswer::Yes};
    f.imgGuida_Click();
    EXPECT_EQ(f.txtIntestatario01->text(), "DUE");
    EXPECT_EQ(f.lblPosizione->text(), " 1");

    tp.messages.answers = {MsgAnswer::Yes};
    const auto before = tp.messages.shown.size();
    f.imgGuida_Click();
    EXPECT_EQ(tp.messages.shown.size(), before + 2) << "question and removal, no empty-archive notice";
    EXPECT_EQ(last().text, kRemoved);
    EXPECT_TRUE(QFile::exists(archive()));
    EXPECT_EQ(bytes().size(), 0);
    EXPECT_EQ(f.lblPosizione->text(), "");
    EXPECT_EQ(f.txtIntestatario01->text(), "");
}

TEST_F(SlipForm, EmptyYearAndTrailingPartialRecord) {
    frmBollettini& f = open();
    f.txtIntestatario01->setText("KEPT?");
    f.cmdIndietro_Click();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_EQ(f.txtIntestatario01->text(), "");
    EXPECT_TRUE(QFile::exists(archive()));
    f.cmdAvanti_Click();
    EXPECT_EQ(last().text, kEmptyArchive);
    EXPECT_EQ(last().title, "Attenzione!");
    EXPECT_EQ(last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.lblPosizione->text(), "");

    store({slip("1", "UNO")}, QByteArray(399, 'x'));
    f.cmdUltimo_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    f.imgNuovo_Click();
    f.txtIntestatario01->setText("DUE");
    f.imgSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    EXPECT_EQ(bytes().size(), 1202);
    EXPECT_EQ(record(2).Payee1, "DUE");
}

TEST_F(SlipForm, FailedSaveKeepsTheBoxesAndTheRecordNumber) {
    ASSERT_TRUE(QDir(tp.dir.path()).mkdir(kYear + ".ccp")); // fails for root too
    frmBollettini& f = open();
    f.txtIntestatario01->setText("ROSSI");
    f.imgSalva_Click();
    EXPECT_EQ(last().text, kSaveError);
    EXPECT_EQ(last().icon, MsgIcon::None);
    EXPECT_EQ(last().title, "Messaggio di errore");
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_EQ(f.lblPosizione->text(), "") << "a failed append leaves a new slip new";
    EXPECT_EQ(f.txtIntestatario01->text(), "ROSSI");

    ASSERT_TRUE(QDir(tp.dir.path()).rmdir(kYear + ".ccp"));
    f.imgSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    ASSERT_TRUE(QFile::remove(archive()));
    ASSERT_TRUE(QDir(tp.dir.path()).mkdir(kYear + ".ccp"));
    f.txtIntestatario01->setText("VERDI");
    f.imgSalva_Click();
    EXPECT_EQ(last().text, kSaveError);
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    EXPECT_EQ(f.txtIntestatario01->text(), "VERDI");

    // A year whose folder does not exist reads as an empty archive.
    f.lblFile->setText("nessuna/2026");
    f.cmdPrimo_Click();
    EXPECT_EQ(last().text, kEmptyArchive);
}

TEST_F(SlipForm, RecordNumberOutsideTheArchiveIsNeitherSavedNorDeleted) {
    store({slip("1", "UNO")});
    frmBollettini& f = open();
    f.lblPosizione->setText(" 9"); // as the slip search could leave it
    f.txtIntestatario01->setText("NOVE");
    tp.messages.answers = {MsgAnswer::Yes};
    f.imgGuida_Click();
    EXPECT_EQ(last().text, kDeleteError);
    EXPECT_EQ(last().icon, MsgIcon::Information);
    EXPECT_FALSE(tp.messages.texts().contains(kRemoved));
    EXPECT_EQ(f.lblPosizione->text(), " 9");
    EXPECT_EQ(f.txtIntestatario01->text(), "NOVE");
    EXPECT_EQ(bytes().size(), 601);

    f.imgSalva_Click();
    EXPECT_EQ(last().text, "Impossibile salvare le modifiche.");
    EXPECT_EQ(last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(last().title, "Messaggio di errore");
    EXPECT_EQ(f.lblPosizione->text(), "");
    // What was typed stays, and the form is new: the next save appends it.
    EXPECT_EQ(f.txtIntestatario01->text(), "NOVE");
    EXPECT_EQ(record(1).Payee1, "UNO");
    f.imgSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    EXPECT_EQ(record(2).Payee1, "NOVE");
    EXPECT_EQ(bytes().size(), 2 * 601);
}

TEST_F(SlipForm, DeleteThatCannotWriteItsTemporaryFileLeavesEverything) {
    store({slip("1", "UNO"), slip("2", "DUE")});
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath(kYear + ".tmp/busy"));
    frmBollettini& f = open();
    f.cmdUltimo_Click();
    tp.messages.answers = {MsgAnswer::Yes};
    f.imgGuida_Click();
    EXPECT_EQ(last().text, kDeleteError);
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    EXPECT_EQ(f.txtIntestatario01->text(), "DUE");
    EXPECT_EQ(bytes().size(), 1202);
}

TEST_F(SlipForm, PayerBlockComesFromTheSettingsAndGoesBackAtClosing) {
    WriteSetting("Bollettini.ini", "Dati esecutore", "Mittente riga 1", "ROSSI MARIO");
    WriteSetting("Bollettini.ini", "Dati esecutore", "Comune", "BOLOGNA");
    frmBollettini& f = open();
    EXPECT_EQ(f.txtMittente01->text(), "ROSSI MARIO");
    EXPECT_EQ(f.txtLuogo->text(), "BOLOGNA");
    EXPECT_EQ(f.lblPosizione->text(), "");
    EXPECT_FALSE(QFile::exists(archive())) << "loading does not touch the archive";

    f.txtMittente02->setText("  DITTA SRL ");
    f.txtLuogo->setText("");
    f.txtIntestatario01->setText("UNSAVED");
    f.cmdChiudi_Click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmBollettini>());
    ASSERT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_TRUE(Forms::existing<frmMenu>()->isVisible());
    EXPECT_FALSE(tp.program.endedFlag);
    EXPECT_EQ(ReadSetting("Bollettini.ini", "Dati esecutore", "Mittente riga 2"), "DITTA SRL");
    QFile ini(tp.path("Bollettini.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    for (const char* key : {"Mittente riga 1=", "Mittente riga 2=", "Indirizzo=", "CAP=", "Comune="})
        EXPECT_TRUE(text.contains(key)) << key;

    frmBollettini& again = open();
    EXPECT_EQ(again.txtMittente01->text(), "ROSSI MARIO");
    EXPECT_EQ(again.txtMittente02->text(), "DITTA SRL");
    EXPECT_EQ(again.txtLuogo->text(), "");
    EXPECT_EQ(again.txtIntestatario01->text(), "");
}

// The payer block is stored at closing with one replace of the file: one that
// fails leaves all five keys as they were, silently, and the menu still comes.
TEST_F(SlipForm, APayerBlockThatCannotBeStoredLeavesEveryKeyAsItWas) {
    const QByteArray old = "[Margini]\r\nSinistro=+1,0\r\n[Dati esecutore]\r\nMittente riga 1=ROSSI MARIO\r\n"
                           "Mittente riga 2=\r\nIndirizzo=VIA ROMA 1\r\nCAP=40100\r\nComune=BOLOGNA\r\n";
    const auto bytes = [this] {
        QFile f(tp.path("Bollettini.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    {
        QFile f(tp.path("Bollettini.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const auto edit = [](frmBollettini& f) {
        f.txtMittente01->setText("BIANCHI ANNA");
        f.txtMittente02->setText("DITTA SRL");
        f.txtVia->setText("VIA PO 2");
        f.txtCAP->setText("10100");
        f.txtLuogo->setText("TORINO");
    };
    using Stage = FakeFileCopier::Stage;
    for (const Stage stage : {Stage::Write, Stage::Sync, Stage::Rename}) {
        frmBollettini& f = open();
        EXPECT_EQ(f.txtMittente01->text(), "ROSSI MARIO");
        edit(f);
        tp.copier.failWith(EIO, stage);
        tp.copier.replaced.clear();
        f.cmdChiudi_Click();
        TestPlatform::settle();
        tp.copier.heal();
        EXPECT_EQ(tp.copier.replaced.size(), 1u);
        EXPECT_EQ(bytes(), old) << int(stage);
        EXPECT_TRUE(tp.messages.shown.empty());
        EXPECT_TRUE(Forms::isLoaded<frmMenu>());
        Forms::destroyAll();
        TestPlatform::settle();
    }

    frmBollettini& f = open();
    edit(f);
    tp.copier.replaced.clear();
    f.cmdChiudi_Click();
    TestPlatform::settle();
    EXPECT_EQ(tp.copier.replaced.size(), 1u);
    EXPECT_EQ(bytes(), QByteArray("[Margini]\r\nSinistro=+1,0\r\n[Dati esecutore]\r\nMittente riga 1=BIANCHI ANNA\r\n"
                                  "Mittente riga 2=DITTA SRL\r\nIndirizzo=VIA PO 2\r\nCAP=10100\r\nComune=TORINO\r\n"));
}

TEST_F(SlipForm, CaptionsTurnYellowWhilePressedAndActOnRelease) {
    store({slip("1", "UNO")});
    frmBollettini& f = open();
    f.cmdPrimo_Click();
    QTest::mousePress(f.lblNuovo, Qt::RightButton);
    EXPECT_EQ(f.lblNuovo->foreColor(), 0x00FFFFu);
    QTest::mouseRelease(f.lblNuovo, Qt::RightButton);
    EXPECT_EQ(f.lblNuovo->foreColor(), Colors::Black);
    EXPECT_EQ(f.lblPosizione->text(), "") << "the caption ran the new-slip action";

    f.cmdPrimo_Click();
    QTest::mousePress(f.imgNuovo, Qt::RightButton);
    EXPECT_EQ(f.lblNuovo->foreColor(), 0x00FFFFu);
    QTest::mouseRelease(f.imgNuovo, Qt::RightButton);
    EXPECT_EQ(f.lblNuovo->foreColor(), Colors::Black);
    EXPECT_EQ(f.lblPosizione->text(), " 1") << "an icon acts on its click, the left button";
    QTest::mouseClick(f.imgNuovo, Qt::LeftButton);
    EXPECT_EQ(f.lblPosizione->text(), "");

    // The right button colours the caption but clicks nothing.
    const std::pair<PictureButton*, PictureButton*> others[] = {
        {f.imgCerca, f.lblCerca}, {f.imgStampa, f.lblStampa}, {f.imgSalva, f.lblSalva}, {f.imgGuida, f.lblGuida}};
    for (const auto& [icon, caption] : others) {
        QTest::mousePress(icon, Qt::RightButton);
        EXPECT_EQ(caption->foreColor(), 0x00FFFFu);
        QTest::mouseRelease(icon, Qt::RightButton);
        EXPECT_EQ(caption->foreColor(), Colors::Black);
    }
    EXPECT_TRUE(tp.messages.shown.empty());
    QTest::mouseClick(f.lblGuida, Qt::LeftButton);
    EXPECT_EQ(last().title, "Operazione non applicabile");
}

TEST_F(SlipForm, HelpShowsTheWorkbenchTopic) {
    frmBollettini& f = open();
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& help = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(help.lblTitolo->text(), "Compilazione, stampa e archiviazione dei bollettini");
        EXPECT_EQ(help.txtTesto->text().split("\r\n\r\n").size(), 8);
        EXPECT_TRUE(help.txtTesto->text().startsWith("Quillora mette a disposizione"));
        help.cmdChiudi_Click();
    });
    f.cmdGuida_Click();
    EXPECT_EQ(HelpCatalogue::SlipWorkbench().paragraphs.size(), 8);
}

// A no-break space is a character of the code page: the notes keep it on disk
// (byte A0) and give it back, with their line breaks as CR LF.
TEST_F(SlipForm, NotesKeepANoBreakSpace) {
    frmBollettini& f = open();
    f.txtCC->setText("123");
    f.txtNote->setText(QString::fromUtf8("50\u00A0€\r\nsaldo"));
    EXPECT_EQ(f.txtNote->text(), QString::fromUtf8("50\u00A0€\r\nsaldo"));
    f.imgSalva_Click();
    const QByteArray notes = bytes().mid(301, 11);
    EXPECT_EQ(notes, QByteArray("50\xA0\x80\r\nsaldo"));
    f.imgNuovo_Click();
    f.cmdPrimo_Click();
    EXPECT_EQ(f.txtNote->text(), QString::fromUtf8("50\u00A0€\r\nsaldo"));
}
