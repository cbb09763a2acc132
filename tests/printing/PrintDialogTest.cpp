#include "printing/PrintSlip.h"
#include "printing/frmImposta.h"
#include "printing/frmStampaCH8bisL1.h"

#include "common/Settings.h"
#include "platform/Printers.h"
#include "platform/UserLocale.h"
#include "slips/frmBollettini.h"

#include "support/PdfFolderScope.h"
#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

using Entry = RecordingPrinter::Entry;
using platform::MsgIcon;

namespace {

constexpr std::size_t kPrintsPerCopy = 1 + 30 + 30 + 184;

class PrintDialogTest : public ::testing::Test {
protected:
    TestPlatform tp;
    RecordingPrinter& rec = tp.printer;
    const QString savedCurrent = platform::currentPrinterName();

    PrintDialogTest() {
        platform::setSystemPrintersForTesting({QStringLiteral("Recording"), QStringLiteral("Ufficio")});
        platform::setCurrentPrinter(QStringLiteral("Recording"));
    }
    ~PrintDialogTest() override {
        platform::setSystemPrintersForTesting({});
        platform::setCurrentPrinter(savedCurrent);
    }

    void storeMargins(const QString& left, const QString& top) {
        WriteSetting(QStringLiteral("Bollettini.ini"), QStringLiteral("Margini"), QStringLiteral("Sinistro"), left);
        WriteSetting(QStringLiteral("Bollettini.ini"), QStringLiteral("Margini"), QStringLiteral("Superiore"), top);
    }
    static frmStampaCH8bisL1& dialog() { return Forms::get<frmStampaCH8bisL1>(); }

    void expectPrintingError(const platform::Message& m) {
        EXPECT_EQ(m.text, QStringLiteral("Accertarsi che la stampante sia collegata al computer e che sia "
                                         "configurata correttamente."));
        EXPECT_EQ(m.title, QStringLiteral("Impossibile eseguire la stampa"));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.buttons, platform::MsgButtons::OK);
    }
};

} // namespace

TEST_F(PrintDialogTest, LoadListsThePrintersAndReadsTheMargins) {
    storeMargins(QStringLiteral("+0,5"), QStringLiteral("-0,3"));
    frmStampaCH8bisL1& d = dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Stampa bollettino"));
    EXPECT_EQ(d.Label1->text(), QStringLiteral("Bollettino TD 123 - CH 8 ter - Mod. 12409A - Ed. 1/10"));
    ASSERT_EQ(d.cboPrinters->count(), 3);
    EXPECT_EQ(d.cboPrinters->itemText(0), QStringLiteral("Recording"));
    EXPECT_EQ(d.cboPrinters->itemText(1), QStringLiteral("Ufficio"));
    EXPECT_EQ(d.cboPrinters->itemText(2), QStringLiteral("PDF"));
    EXPECT_EQ(d.cboPrinters->currentText(), QStringLiteral("Recording"));
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("1"));
    EXPECT_EQ(d.vsCopie->value(), 1);
    EXPECT_EQ(d.lblSinistro->text(), QStringLiteral("+0,5"));
    EXPECT_EQ(d.lblSuperiore->text(), QStringLiteral("-0,3"));
    EXPECT_TRUE(d.lblMemory->text().isEmpty());
    EXPECT_TRUE(d.lblSinistro->isHidden());
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(PrintDialogTest, LoadFailsWhenTheCurrentPrinterCannotBeSelected) {
    platform::setSystemPrintersForTesting({QStringLiteral("Sparita")});
    platform::setCurrentPrinter(QStringLiteral("Sparita"));
    platform::setSystemPrintersForTesting({QStringLiteral("Altra")});

    frmStampaCH8bisL1& d = dialog();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    expectPrintingError(tp.messages.last());
    EXPECT_TRUE(d.isUnloaded());
    d.lblMemory->setText(QStringLiteral("CH8bisL1"));
    d.ShowModal(); // the opener goes on: no dialog appears
    EXPECT_TRUE(tp.modal.opened.empty());
}

TEST_F(PrintDialogTest, CopiesBoxTakesDigitsAndFollowsTheSpinner) {
    frmStampaCH8bisL1& d = dialog();
    for (int code : {int('a'), int(' '), int('.'), 13}) {
        d.txtCopie->typeCode(code);
        EXPECT_EQ(d.txtCopie->text(), QStringLiteral("1"));
    }
    ASSERT_EQ(tp.messages.shown.size(), 4u) << "Enter too shows the notice";
    EXPECT_EQ(tp.messages.last().text, QStringLiteral("Digitare solo caratteri numerici."));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Attenzione: valore non valido"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);

    d.txtCopie->typeCode('5');
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("15"));
    EXPECT_EQ(d.vsCopie->value(), 15);
    d.txtCopie->setText(QStringLiteral("25"));
    EXPECT_EQ(d.vsCopie->value(), 25);

    // Pasted text is not filtered; a value out of range leaves the spinner.
    d.txtCopie->setText(QStringLiteral("7x"));
    EXPECT_EQ(d.vsCopie->value(), 7);
    d.txtCopie->setText(QStringLiteral("1e4"));
    EXPECT_EQ(d.vsCopie->value(), 7);

    // Leaving the box with 0, nothing or no number gives "1".
    for (const char* text : {"0", "000", "", "ab"}) {
        d.txtCopie->setText(QString::fromLatin1(text));
        d.txtCopie_LostFocus();
        EXPECT_EQ(d.txtCopie->text(), QStringLiteral("1")) << text;
        EXPECT_EQ(d.vsCopie->value(), 1);
    }
    d.txtCopie->setText(QStringLiteral("12"));
    d.txtCopie_LostFocus();
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("12"));

    // The spinner: 1 to 999, each step rewrites the box.
    d.vsCopie->setValue(998);
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("998"));
    d.vsCopie->upArrow()->click();
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("999"));
    d.vsCopie->upArrow()->click();
    EXPECT_EQ(d.vsCopie->value(), 999);
    d.vsCopie->setValue(1);
    d.vsCopie->downArrow()->click();
    EXPECT_EQ(d.vsCopie->value(), 1);
    EXPECT_EQ(d.txtCopie->text(), QStringLiteral("1"));
}

TEST_F(PrintDialogTest, ThreeCopiesAreThreeJobsOnLegalLandscape) {
    frmStampaCH8bisL1& d = dialog();
    d.cboPrinters->setCurrentIndex(1);
    d.txtCopie->setText(QStringLiteral("3"));
    d.cmdStampa->click();

    EXPECT_EQ(platform::currentPrinterName(), QStringLiteral("Ufficio")) << "the chosen printer stays current";
    EXPECT_EQ(rec.jobsStarted, 3);
    EXPECT_EQ(rec.count(Entry::EndDoc), 3);
    ASSERT_EQ(rec.texts().size(), 3 * kPrintsPerCopy);
    std::size_t sinceEnd = 0;
    for (const Entry& e : rec.log) {
        if (e.kind == Entry::EndDoc) {
            EXPECT_EQ(sinceEnd, kPrintsPerCopy);
            EXPECT_TRUE(e.succeeded);
            sinceEnd = 0;
            continue;
        }
        ++sinceEnd;
        EXPECT_EQ(e.paper, platform::PaperSize::Legal);
        EXPECT_EQ(e.orientation, platform::PrintOrientation::Landscape);
        EXPECT_EQ(e.page, 1);
    }
    EXPECT_EQ(rec.scaleMode(), platform::ScaleMode::Centimeters);
    // Each copy starts afresh: the first account box is at 2.22, 1.08 every time.
    const auto t = rec.texts();
    for (std::size_t copy = 0; copy < 3; ++copy) {
        const Entry& first = t[copy * kPrintsPerCopy + 1];
        EXPECT_NEAR(first.x, 2.22, 1e-5);
        EXPECT_NEAR(first.y, 1.08, 1e-5);
        EXPECT_EQ(first.font.name, QStringLiteral("Courier New"));
    }
    EXPECT_EQ(tp.program.busyCalls, 3);
    EXPECT_EQ(tp.program.busyDepth, 0);
    EXPECT_TRUE(d.isUnloaded()) << "the print closes the dialog";
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(PrintDialogTest, NoCopiesPrintNothingAndClose) {
    frmStampaCH8bisL1& d = dialog();
    d.txtCopie->setText(QStringLiteral("0"));
    d.cmdStampa_Click();
    EXPECT_TRUE(rec.log.empty());
    EXPECT_TRUE(d.isUnloaded());
}

TEST_F(PrintDialogTest, StoredMarginsShiftThePrintWhateverTheLocale) {
    // The margins are written with the comma; a "." locale must not read
    // +0,5 as 5 or as nothing.
    platform::MemoryUserLocale pointLocale(QStringLiteral("."), QStringLiteral(","));
    platform::setUserLocale(&pointLocale);
    storeMargins(QStringLiteral("+0,5"), QStringLiteral("-0,3"));
    dialog().cmdStampa_Click();
    platform::setUserLocale(nullptr);

    const auto t = rec.texts();
    ASSERT_EQ(t.size(), kPrintsPerCopy);
    EXPECT_NEAR(t[1].xCm, 2.72, 1e-5);
    EXPECT_NEAR(t[1].yCm, 0.78, 1e-5);
}

TEST_F(PrintDialogTest, MarginCaptionThatIsNoNumberAddsNothing) {
    storeMargins(QStringLiteral("abc"), QString());
    dialog().cmdStampa_Click();
    const auto t = rec.texts();
    ASSERT_EQ(t.size(), kPrintsPerCopy);
    EXPECT_NEAR(t[1].xCm, 2.22, 1e-5);
    EXPECT_NEAR(t[1].yCm, 1.08, 1e-5);
}

TEST_F(PrintDialogTest, JobThatCannotStartIsReportedAndTheDialogStays) {
    rec.failToStart = true;
    frmStampaCH8bisL1& d = dialog();
    d.txtCopie->setText(QStringLiteral("3"));
    d.cmdStampa_Click();
    ASSERT_EQ(tp.messages.shown.size(), 1u) << "one message, and no further copies tried";
    expectPrintingError(tp.messages.last());
    EXPECT_EQ(rec.count(Entry::EndDoc), 1);
    EXPECT_FALSE(rec.jobFailed());
    EXPECT_FALSE(d.isUnloaded());
    EXPECT_EQ(tp.program.busyDepth, 0);
}

// The slip on the real "PDF" printer, on a disk that fails a write: Qt's PDF
// engine does not say so, but the print is reported failed, the dialog stays
// and no file is left; once the disk works the same dialog prints.
TEST_F(PrintDialogTest, PdfThatCannotBeWrittenWholeIsReportedAndTheDialogStays) {
    QTemporaryDir folder;
    const PdfFolderScope scope(folder.path());
    platform::setPrinter(nullptr); // the real printers, "PDF" among them
    const auto inFolder = [&] {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };

    frmStampaCH8bisL1& d = dialog();
    d.cboPrinters->setCurrentIndex(d.cboPrinters->findText(QStringLiteral("PDF")));
    tp.fileCalls.failCall(FaultyFileCalls::Call::Write, 5);
    d.cmdStampa->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    expectPrintingError(tp.messages.last());
    EXPECT_FALSE(d.isUnloaded());
    EXPECT_EQ(inFolder(), QStringList());

    tp.fileCalls.heal();
    d.cmdStampa->click();
    EXPECT_TRUE(d.isUnloaded());
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    const QStringList printed = inFolder();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Quillora-\\d{8}-\\d{6}\\.pdf$")).match(printed[0]).hasMatch());
}

TEST_F(PrintDialogTest, MarginLinkOpensTheMarginDialogAndTheOpenDialogKeepsItsMargins) {
    storeMargins(QStringLiteral("+0,0"), QStringLiteral("+0,0"));
    frmStampaCH8bisL1& d = dialog();
    d.lblImposta->MouseDown(Qt::RightButton);
    EXPECT_EQ(d.lblImposta->foreColor(), 0x00FFFFu);
    tp.modal.expect("frmImposta", [&d](QWidget& w) {
        EXPECT_EQ(d.lblImposta->foreColor(), 0x0000C0u) << "dark red again before the dialog shows";
        auto& margins = static_cast<frmImposta&>(w);
        margins.vsCmSin->setValue(2);
        margins.cmdApplica->click();
    });
    d.lblImposta->MouseUp(Qt::RightButton);
    EXPECT_EQ(ReadSetting(QStringLiteral("Bollettini.ini"), QStringLiteral("Margini"), QStringLiteral("Sinistro")),
              QStringLiteral("+2,0"));
    EXPECT_EQ(d.lblSinistro->text(), QStringLiteral("+0,0")) << "read only when the dialog opened";

    d.imgImposta->MouseDown(Qt::LeftButton);
    EXPECT_EQ(d.lblImposta->foreColor(), 0x00FFFFu);
    tp.modal.expect("frmImposta");
    d.imgImposta->MouseUp(Qt::LeftButton);
    EXPECT_EQ(d.lblImposta->foreColor(), 0x0000C0u);

    d.cmdStampa_Click();
    EXPECT_NEAR(rec.texts().at(1).xCm, 2.22, 1e-5);
}

TEST_F(PrintDialogTest, SelectPrinterByNameMatchesExactly) {
    platform::setSystemPrintersForTesting({QStringLiteral("Ufficio"), QStringLiteral("Casa")});
    EXPECT_FALSE(SelectPrinterByName(QStringLiteral("ufficio")));
    EXPECT_FALSE(SelectPrinterByName(QStringLiteral(" Casa")));
    EXPECT_EQ(platform::currentPrinterName(), QStringLiteral("Recording")) << "unchanged on no match";
    EXPECT_TRUE(SelectPrinterByName(QStringLiteral("Casa")));
    EXPECT_EQ(platform::currentPrinterName(), QStringLiteral("Casa"));
    EXPECT_TRUE(SelectPrinterByName(QStringLiteral("PDF")));
}

TEST_F(PrintDialogTest, ChosenPrinterGoneKeepsTheCurrentOne) {
    frmStampaCH8bisL1& d = dialog();
    d.cboPrinters->setCurrentIndex(1); // "Ufficio", then removed
    platform::setSystemPrintersForTesting({QStringLiteral("Recording")});
    d.cmdStampa_Click();
    EXPECT_EQ(platform::currentPrinterName(), QStringLiteral("Recording"));
    EXPECT_EQ(rec.count(Entry::EndDoc), 1);
}

TEST_F(PrintDialogTest, SlipFormPrintIconPrintsTheBoxesAsTheyStand) {
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText(QStringLiteral("2026"));
    slip.txtCC->setText(QStringLiteral("123"));
    slip.txtCifre->setText(QStringLiteral("150"));
    slip.txtCentCifra->setText(QStringLiteral("5"));
    slip.txtLuogo->setText(QStringLiteral("ROMA"));
    tp.modal.expect("frmStampaCH8bisL1", [](QWidget& w) {
        auto& d = static_cast<frmStampaCH8bisL1&>(w);
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("CH8bisL1"));
        d.cmdStampa->click();
    });
    slip.imgStampa_Click();

    const auto t = rec.texts();
    ASSERT_EQ(t.size(), kPrintsPerCopy);
    QString account;
    for (std::size_t i = 1; i <= 12; ++i)
        account += t[i].text;
    EXPECT_EQ(account, QStringLiteral("123") + QString(9, ' '));
    bool words = false, town = false;
    for (const Entry& e : t) {
        words = words || e.text == QStringLiteral("CENTOCINQUANTA/5");
        town = town || (e.text == QStringLiteral("ROMA") && std::abs(e.xCm - 3.34) < 1e-4);
    }
    EXPECT_TRUE(words) << "the words and the cents copy the form keeps";
    EXPECT_TRUE(town);
    EXPECT_FALSE(Forms::isLoaded<frmStampaCH8bisL1>());
}
