// The reason card's own boxes through its window: the opening from the menu
// and from the slip form, the box rules, the cents, the save's three checks,
// the reason on disk and its Word rows. What every register card does
// is in RegisterCardWindowTest.

#include "common/ReasonRecord.h"
#include "common/PrintedList.h"
#include "registers/reasons/ReasonExport.h"
#include "registers/reasons/frmCausali.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"
#include "registers/reasons/ReasonSamples.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kInserted = QString::fromUtf8("La causale n. 1 è stata inserita in archivio.");
const QString kNoCents =
    QStringLiteral("E' necessario indicare i centesimi di euro oppure cancellare l'importo della causale.");
const QString kNoEuros =
    QStringLiteral("E' necessario indicare l'importo in euro della causale oppure cancellare i centesimi.");
const QString kNoReason =
    QStringLiteral("E' necessario compilare il primo campo relativo alla descrizione della causale.");

class ReasonCard : public RegisterFixture<ReasonRecord> {
protected:
    ReasonCard() : RegisterFixture(QStringLiteral("Causali.cdb")) {}

    frmCausali& open() {
        frmCausali& f = Forms::get<frmCausali>();
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    QString file() const { return archive(); }
    static void type(QWidget* box, const QString& text) { typeText(box, text); }
};

} // namespace

TEST_F(ReasonCard, MenuOpensANewCardWithItsTitleAndInformation) {
    frmMenu& menu = Forms::get<frmMenu>();
    tp.modal.expect("frmCausali", [](QWidget& w) {
        auto& f = static_cast<frmCausali&>(w);
        EXPECT_EQ(f.windowTitle(), " Quillora  - Causali per versamenti ricorrenti");
        EXPECT_EQ(f.lblInfo01->text(),
                  QString::fromUtf8("In questo ambiente di lavoro è possibile archiviare le causali più ricorrenti "
                                    "relative ai versamenti effettuati.\r\n\r\nCiò consentirà di velocizzare la "
                                    "compilazione dei bollettini importando i dati dall'archivio."));
        EXPECT_EQ(f.lblPosizione->text(), "");
        for (TextBox* box : {f.txtDescrizione, f.txtPagamento, f.txtRicevuta, f.txtCategoria})
            EXPECT_EQ(box->backColor(), Colors::White);
        f.cmdTools->click();
    });
    menu.cmdCausali->click();
    EXPECT_FALSE(Forms::isLoaded<frmCausali>()) << "closing releases the card";
}

TEST_F(ReasonCard, ReasonLinesTakeCapitalsAndAmountBoxesOnlyDigits) {
    frmCausali& f = open();
    f.txtDescrizione->setFocus();
    type(f.txtDescrizione, QString::fromUtf8("canone è"));
    EXPECT_EQ(f.txtDescrizione->text(), QString::fromUtf8("CANONE è"));
    type(f.txtPagamento, "gas");
    EXPECT_EQ(f.txtPagamento->text(), "GAS");
    EXPECT_EQ(f.txtDescrizione->maxLength(), 60);
    EXPECT_EQ(f.txtRicevuta->maxLength(), 8);
    EXPECT_EQ(f.txtCategoria->maxLength(), 2);
    EXPECT_EQ(f.txtNote->maxLength(), 1200);

    f.txtRicevuta->setFocus();
    QTest::keyClicks(f.txtRicevuta, "1,5");
    EXPECT_EQ(f.txtRicevuta->text(), "15");
    EXPECT_TRUE(tp.messages.texts().contains(QString::fromUtf8(
        "Non è necessario utilizzare la virgola.\r\n\r\nInserire i centesimi di euro nell'apposita casella.")));
    EXPECT_EQ(f.focusWidget(), f.txtRicevuta) << "the comma keeps the focus in the euros";

    const auto before = tp.messages.shown.size();
    QTest::keyClicks(f.txtRicevuta, ". a");
    QTest::keyClick(f.txtRicevuta, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(f.txtCategoria, ",");
    ASSERT_EQ(tp.messages.shown.size(), before + 5);
    for (auto i = before; i < tp.messages.shown.size(); ++i) {
        EXPECT_EQ(tp.messages.shown[i].text, "Digitare solo valori numerici.");
        EXPECT_EQ(tp.messages.shown[i].title, "Attenzione: carattere non valido");
        EXPECT_EQ(tp.messages.shown[i].icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(f.txtRicevuta->text(), "15");
    EXPECT_EQ(f.txtCategoria->text(), "");
    // A paste from the mouse menu is held to digits as well. The box pastes
    // from the desktop's clipboard, not through the platform's double.
    QGuiApplication::clipboard()->setText(QStringLiteral("1a"));
    f.txtCategoria->paste();
    EXPECT_EQ(f.txtCategoria->text(), "");
    QGuiApplication::clipboard()->setText(QStringLiteral("15"));
    f.txtCategoria->paste();
    EXPECT_EQ(f.txtCategoria->text(), "15");
}

TEST_F(ReasonCard, LeavingTheCentsCompletesThem) {
    frmCausali& f = open();
    struct Case {
        const char* euros;
        const char* cents;
        const char* after;
    };
    for (const Case& c : {Case{"12", "5", "50"}, Case{"12", "05", "05"}, Case{"12", "", "00"}, Case{"", "", ""},
                          Case{"", "5", "50"}}) {
        f.txtRicevuta->setText(c.euros);
        f.txtCategoria->setText(c.cents);
        f.txtCategoria->setFocus();
        f.txtNote->setFocus();
        EXPECT_EQ(f.txtCategoria->text(), c.after) << c.euros << " / " << c.cents;
    }
}

TEST_F(ReasonCard, ALeftBoxTakesTheSchemesWindowColourNotWhite) {
    const QPalette saved = QApplication::palette();
    QPalette scheme = saved;
    scheme.setColor(QPalette::Base, QColor(250, 240, 200));
    QApplication::setPalette(scheme);
    frmCausali& f = open();
    f.txtPagamento->setFocus();
    EXPECT_EQ(f.txtPagamento->backColor(), Colors::Focus);
    f.txtRicevuta->setFocus();
    EXPECT_EQ(f.txtPagamento->palette().color(QPalette::Base), QColor(250, 240, 200));
    EXPECT_EQ(f.txtCategoria->palette().color(QPalette::Base), QColor(Qt::white)) << "never had the focus";
    QApplication::setPalette(saved);
}

TEST_F(ReasonCard, AClickOnSaveCompletesTheCentsThenAppendsTheReason) {
    frmCausali& f = open();
    f.txtDescrizione->setFocus();
    type(f.txtDescrizione, "canone acqua");
    f.txtRicevuta->setFocus();
    QTest::keyClicks(f.txtRicevuta, "120");
    f.txtCategoria->setFocus();
    QTest::keyClicks(f.txtCategoria, "5");
    QTest::mouseClick(f.cmdSalva, Qt::LeftButton);

    EXPECT_EQ(f.txtCategoria->text(), "50");
    EXPECT_EQ(last().text, kInserted);
    EXPECT_EQ(last().title, "Salvataggio terminato");
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), 1330);
    EXPECT_EQ(b.left(12), "CANONE ACQUA");
    EXPECT_EQ(b.mid(120, 3), "120");
    EXPECT_EQ(b.mid(128, 2), "50");
    EXPECT_EQ(QByteArray(b).remove(128, 2).remove(120, 3).remove(0, 12), QByteArray(1330 - 17, ' '));

    f.txtNote->setText("prima\r\nseconda");
    f.cmdSalva_Click();
    EXPECT_EQ(last().text, "Le modifiche apportate alla causale n. 1 sono state inserite in archivio.");
    EXPECT_EQ(record(1).Notes, "prima\r\nseconda");
    EXPECT_EQ(bytes().size(), 1330);
}

TEST_F(ReasonCard, SaveChecksTheFirstLineThenEurosThenCents) {
    frmCausali& f = open();
    f.txtRicevuta->setText("12");
    f.cmdSalva_Click();
    EXPECT_EQ(last().text, kNoReason);
    EXPECT_EQ(last().title, "Salvataggio non applicabile");
    EXPECT_EQ(f.focusWidget(), f.txtDescrizione);

    f.txtDescrizione->setText("CANONE GAS");
    f.cmdSalva_Click(); // the cents never had the focus
    EXPECT_EQ(last().text, kNoCents);
    EXPECT_EQ(last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.focusWidget(), f.txtCategoria);
    EXPECT_FALSE(QFile::exists(file()) && bytes().size() > 0);

    QTest::mouseClick(f.cmdSalva, Qt::LeftButton); // leaving the empty cents gives "00"
    EXPECT_EQ(last().text, kInserted);
    EXPECT_EQ(record(1).Cents, "00");

    f.cmdNuovo_Click();
    f.txtDescrizione->setText("QUOTA");
    f.txtCategoria->setText("5");
    f.cmdSalva_Click();
    EXPECT_EQ(last().text, kNoEuros);
    EXPECT_EQ(f.focusWidget(), f.txtRicevuta);
    f.txtCategoria->clear();
    f.cmdSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 2");
    EXPECT_EQ(record(2), reason("QUOTA"));
}

TEST_F(ReasonCard, AReadOnlyRegisterRefusesTheSaveAndKeepsTheCard) {
    store({reason("UNO")});
    QFile(file()).setPermissions(QFileDevice::ReadOwner);
    if (QFile probe(file()); probe.open(QIODevice::ReadWrite))
        GTEST_SKIP() << "the file system lets this user write a read-only file";
    frmCausali& f = open();
    f.cmdUltimo_Click();
    EXPECT_EQ(f.lblPosizione->text(), " 1");
    f.txtDescrizione->setText("CAMBIATO");
    f.cmdSalva_Click();
    EXPECT_EQ(last().text, QStringLiteral("Il sistema non permette di salvare i dati.\r\n\r\n"
                                          "Accertarsi che il file di archivio non abbia attributi di protezione."));
    EXPECT_EQ(last().icon, MsgIcon::Critical);
    EXPECT_EQ(last().title, "Messaggio di errore");
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_EQ(f.txtDescrizione->text(), "CAMBIATO");
    EXPECT_EQ(record(1), reason("UNO"));

    f.cmdNuovo_Click();
    f.txtDescrizione->setText("NUOVO");
    f.cmdSalva_Click();
    EXPECT_EQ(f.lblPosizione->text(), "") << "no number before the record is written";
    EXPECT_EQ(bytes().size(), 1330);
    QFile(file()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// ------------------------------------------------------------ from the slip form

TEST_F(ReasonCard, TheSlipsReasonBecomesANewCardThatSaveAppends) {
    store({reason("UNO"), reason("DUE"), reason("TRE")});
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText("2026");
    slip.txtCausale01->setText("  CANONE ACQUA ");
    slip.txtCausale02->setText("BIMESTRE");
    slip.txtCifre->setText("120");
    slip.txtCentCifra->setText("5"); // one digit, stored as it came
    slip.txtNote->setText("nota del bollettino");
    tp.modal.expect("frmCausali", [](QWidget& w) {
        auto& f = static_cast<frmCausali&>(w);
        EXPECT_EQ(f.txtDescrizione->text(), "CANONE ACQUA");
        EXPECT_EQ(f.txtPagamento->text(), "BIMESTRE");
        EXPECT_EQ(f.txtRicevuta->text(), "120");
        EXPECT_EQ(f.txtCategoria->text(), "5");
        EXPECT_EQ(f.txtNote->text(), "");
        EXPECT_EQ(f.lblPosizione->text(), "");
        EXPECT_EQ(f.lblInfo01->text().isEmpty(), false) << "loaded before the boxes were written";
        f.cmdSalva_Click();
        EXPECT_EQ(f.lblPosizione->text(), " 4");
    });
    slip.imgEsporta02_MouseUp(Qt::LeftButton);
    EXPECT_EQ(bytes().size(), 5320);
    ReasonRecord stored = record(4);
    EXPECT_EQ(stored.Reason1, "CANONE ACQUA");
    EXPECT_EQ(stored.Cents, "5");
    EXPECT_EQ(slip.txtCausale01->text(), "  CANONE ACQUA ") << "nothing comes back into the slip";
}

// ------------------------------------------------------------ Word

using ReasonWord = ReasonCard;

TEST_F(ReasonWord, WordExportHasTheTitleAndThreeRows) {
    frmCausali& f = open();
    f.txtDescrizione->setText(QString::fromUtf8("ACQUA & LUCE <€>"));
    f.txtRicevuta->setText("120");
    f.txtCategoria->setText("50");
    f.txtNote->setText("riga\r\naltra");
    f.cmdWord_Click();
    ASSERT_EQ(tp.writers.documents.size(), 1u);
    const platform::DocxDocument& doc = tp.writers.documents.front();
    EXPECT_EQ(doc.before.front().text, "SCHEDA CAUSALE");
    ASSERT_EQ(doc.tableRows.size(), 3);
    EXPECT_EQ(doc.tableRows[0], qMakePair(QStringLiteral("Descrizione causale:"),
                                          QString::fromUtf8("ACQUA & LUCE <€>\r\n")));
    EXPECT_EQ(doc.tableRows[1], qMakePair(QStringLiteral("Importo versato:"), QString::fromUtf8("€ 120,50")));
    EXPECT_EQ(doc.tableRows[2], qMakePair(QStringLiteral("Note:"), QStringLiteral("riga\r\naltra")));
    EXPECT_EQ(doc.after.back().text, "Scheda creata in data 09/12/2026 alle ore 08:05:01");
    EXPECT_EQ(tp.desktop.openedFiles, tp.writers.written);
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(ReasonWord, TheAmountCellFollowsTheEurosOnly) {
    EXPECT_EQ(ReasonWordCard(reason("X", "", "", "50")).rows[1].second, "");
    EXPECT_EQ(ReasonWordCard(reason("X", "", "7", "")).rows[1].second, QString::fromUtf8("€ 7,"));
    EXPECT_EQ(ReasonWordCard(reason(" X ", "", " 7 ", "05")).rows[0].second, "X\r\n");
}

