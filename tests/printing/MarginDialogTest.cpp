#include "printing/MarginValue.h"
#include "printing/frmImposta.h"

#include "common/Settings.h"
#include "platform/UserLocale.h"

#include "support/TestPlatform.h"

#include <QFile>

#include <functional>

namespace {

class MarginDialogTest : public ::testing::Test {
protected:
    TestPlatform tp;

    static QString read(const QString& key) {
        return ReadSetting(QStringLiteral("Bollettini.ini"), QStringLiteral("Margini"), key);
    }
    static void store(const QString& key, const QString& value) {
        WriteSetting(QStringLiteral("Bollettini.ini"), QStringLiteral("Margini"), key, value);
    }
    QStringList fileLines() const {
        QFile f(tp.path(QStringLiteral("Bollettini.ini")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    static frmImposta& dialog() { return Forms::get<frmImposta>(); }
};

} // namespace

TEST_F(MarginDialogTest, FirstUseShowsDefaultsAndApplyWritesTheEightKeysInOrder) {
    frmImposta& d = dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Imposta margini di stampa"));
    for (QComboBox* sign : {d.cboSegnoSin, d.cboSegnoSup})
        EXPECT_EQ(sign->currentText(), QStringLiteral("+"));
    for (TextBox* box : {d.txtCmSin, d.txtMmSin, d.txtCmSup, d.txtMmSup})
        EXPECT_EQ(box->text(), QStringLiteral("0"));
    EXPECT_EQ(d.lblValSin->text(), QStringLiteral("+0"));
    EXPECT_EQ(d.lblValSup->text(), QStringLiteral("+0"));

    d.cmdApplica->click();
    EXPECT_EQ(fileLines(), (QStringList{"[Margini]", "Sinistro=+0,0", "Segno sin.=+", "Cm sin.=0", "Mm sin.=0",
                                        "Superiore=+0,0", "Segno sup.=+", "Cm sup.=0", "Mm sup.=0"}));
    EXPECT_TRUE(d.isUnloaded());
}

TEST_F(MarginDialogTest, LoadShowsTheStoredPartsAndTheSpinnersFollow) {
    store(QStringLiteral("Sinistro"), QStringLiteral("-1,5"));
    store(QStringLiteral("Segno sin."), QStringLiteral("-"));
    store(QStringLiteral("Cm sin."), QStringLiteral("1"));
    store(QStringLiteral("Mm sin."), QStringLiteral("5"));
    store(QStringLiteral("Segno sup."), QStringLiteral("x"));
    store(QStringLiteral("Cm sup."), QStringLiteral("150")); // edited by hand
    store(QStringLiteral("Mm sup."), QStringLiteral("9"));
    frmImposta& d = dialog();

    EXPECT_EQ(d.lblValSin->text(), QStringLiteral("-1,5"));
    EXPECT_EQ(d.cboSegnoSin->currentText(), QStringLiteral("-"));
    EXPECT_EQ(d.vsCmSin->value(), 1);
    EXPECT_EQ(d.vsMmSin->value(), 5);
    EXPECT_EQ(d.lblValSup->text(), QStringLiteral("+0")) << "no Superiore key";
    EXPECT_EQ(d.cboSegnoSup->currentText(), QStringLiteral("+")) << "a sign other than + or - is not selected";
    EXPECT_EQ(d.txtCmSup->text(), QStringLiteral("150"));
    EXPECT_EQ(d.vsCmSup->value(), 0);
    d.vsCmSup->upArrow()->click();
    EXPECT_EQ(d.txtCmSup->text(), QStringLiteral("1"));

    // Moving the part after the comma from 9 to 10 gives +0,10: 0.1 cm.
    d.vsCmSup->setValue(0);
    d.vsMmSup->upArrow()->click();
    d.cmdApplica_Click();
    EXPECT_EQ(read(QStringLiteral("Superiore")), QStringLiteral("+0,10"));
    EXPECT_EQ(read(QStringLiteral("Sinistro")), QStringLiteral("-1,5"));
    double cm = 0;
    ASSERT_TRUE(ParseMarginValue(read(QStringLiteral("Superiore")), cm));
    EXPECT_DOUBLE_EQ(cm, 0.1);
}

TEST_F(MarginDialogTest, SectionWithTheValueOnlyShowsDefaultParts) {
    store(QStringLiteral("Sinistro"), QStringLiteral("-0,5"));
    frmImposta& d = dialog();
    EXPECT_EQ(d.lblValSin->text(), QStringLiteral("-0,5"));
    EXPECT_EQ(d.cboSegnoSin->currentText(), QStringLiteral("+"));
    EXPECT_EQ(d.txtCmSin->text(), QStringLiteral("0"));
    EXPECT_EQ(d.txtMmSin->text(), QStringLiteral("0"));
    EXPECT_EQ(d.lblValSup->text(), QStringLiteral("+0"));
}

TEST_F(MarginDialogTest, ApplyIconStoresItsMarginWholeSoTheNextOpeningKeepsIt) {
    {
        frmImposta& d = dialog();
        d.cboSegnoSin->setCurrentIndex(1);
        d.vsCmSin->setValue(1);
        d.vsMmSin->setValue(5);
        d.imgSalvaSin->MouseUp(Qt::RightButton);
        EXPECT_EQ(d.lblValSin->text(), QStringLiteral("-1,5"));
        EXPECT_EQ(d.lblValSup->text(), QStringLiteral("+0"));
        EXPECT_FALSE(d.isUnloaded()) << "stays open for a trial print";
        d.cmdAnnulla->click();
        EXPECT_TRUE(d.isUnloaded());
    }
    TestPlatform::settle();
    EXPECT_EQ(read(QStringLiteral("Sinistro")), QStringLiteral("-1,5"));
    EXPECT_EQ(read(QStringLiteral("Segno sin.")), QStringLiteral("-"));
    EXPECT_EQ(read(QStringLiteral("Cm sin.")), QStringLiteral("1"));
    EXPECT_EQ(read(QStringLiteral("Mm sin.")), QStringLiteral("5"));
    EXPECT_TRUE(read(QStringLiteral("Superiore")).isEmpty()) << "the other margin is not touched";

    frmImposta& again = dialog();
    EXPECT_EQ(again.cboSegnoSin->currentText(), QStringLiteral("-"));
    EXPECT_EQ(again.txtCmSin->text(), QStringLiteral("1"));
    EXPECT_EQ(again.txtMmSin->text(), QStringLiteral("5"));
    again.cmdApplica_Click();
    EXPECT_EQ(read(QStringLiteral("Sinistro")), QStringLiteral("-1,5")) << "not undone by Applica e chiudi";

    frmImposta& top = dialog();
    top.vsMmSup->setValue(3);
    top.cboSegnoSup->setCurrentIndex(1);
    top.imgSalvaSup->MouseUp(Qt::LeftButton);
    EXPECT_EQ(read(QStringLiteral("Superiore")), QStringLiteral("-0,3"));
    EXPECT_EQ(read(QStringLiteral("Mm sup.")), QStringLiteral("3"));
}

// Each button stores its keys with one replace of the file: one that fails
// leaves every key as it was (a value the print uses never disagrees with the
// parts the dialog shows), and says nothing, as every settings window does.
TEST_F(MarginDialogTest, AStoreThatFailsLeavesEveryKeyAsItWas) {
    const QByteArray old = "[Dati esecutore]\r\nCAP=40100\r\n[Margini]\r\nSinistro=+0,0\r\nSegno sin.=+\r\n"
                           "Cm sin.=0\r\nMm sin.=0\r\nSuperiore=+0,0\r\nSegno sup.=+\r\nCm sup.=0\r\nMm sup.=0\r\n";
    const auto bytes = [this] {
        QFile f(tp.path(QStringLiteral("Bollettini.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    {
        QFile f(tp.path(QStringLiteral("Bollettini.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    using Stage = FakeFileCopier::Stage;
    // Left 3 cm 7 mm, top -1 cm 2 mm; each button in turn.
    const auto edit = [](frmImposta& d) {
        d.vsCmSin->setValue(3);
        d.vsMmSin->setValue(7);
        d.cboSegnoSup->setCurrentIndex(1);
        d.vsCmSup->setValue(1);
        d.vsMmSup->setValue(2);
    };
    const std::function<void(frmImposta&)> presses[] = {
        [](frmImposta& d) { d.cmdApplica->click(); },
        [](frmImposta& d) { d.imgSalvaSin->MouseUp(Qt::LeftButton); },
        [](frmImposta& d) { d.imgSalvaSup->MouseUp(Qt::LeftButton); },
    };
    for (const Stage stage : {Stage::Create, Stage::Write, Stage::Sync, Stage::Rename}) {
        for (const auto& press : presses) {
            frmImposta& d = dialog();
            edit(d);
            tp.copier.failWith(ENOSPC, stage, 20);
            tp.copier.replaced.clear();
            press(d);
            EXPECT_EQ(tp.copier.replaced.size(), 1u);
            EXPECT_EQ(bytes(), old) << int(stage);
            if (!d.isUnloaded())
                d.cmdAnnulla_Click();
            TestPlatform::settle();
        }
    }
    tp.copier.heal();
    EXPECT_TRUE(tp.messages.shown.empty());

    {
        frmImposta& d = dialog();
        edit(d);
        d.imgSalvaSin->MouseUp(Qt::LeftButton);
        d.cmdAnnulla_Click();
        TestPlatform::settle();
    }
    EXPECT_EQ(read(QStringLiteral("Sinistro")), QStringLiteral("+3,7"));
    EXPECT_EQ(read(QStringLiteral("Cm sin.")), QStringLiteral("3"));
    EXPECT_EQ(read(QStringLiteral("Mm sin.")), QStringLiteral("7"));
    EXPECT_EQ(read(QStringLiteral("Superiore")), QStringLiteral("+0,0")) << "the other margin is not touched";

    frmImposta& d = dialog();
    edit(d);
    tp.copier.replaced.clear();
    d.cmdApplica->click();
    EXPECT_EQ(tp.copier.replaced.size(), 1u);
    EXPECT_EQ(bytes(), QByteArray("[Dati esecutore]\r\nCAP=40100\r\n[Margini]\r\nSinistro=+3,7\r\nSegno sin.=+\r\n"
                                  "Cm sin.=3\r\nMm sin.=7\r\nSuperiore=-1,2\r\nSegno sup.=-\r\nCm sup.=1\r\n"
                                  "Mm sup.=2\r\n"));
}

TEST_F(MarginDialogTest, CancelStoresNothingAndSpinnersStopAtTheirEnds) {
    frmImposta& d = dialog();
    d.vsMmSin->downArrow()->click();
    EXPECT_EQ(d.txtMmSin->text(), QStringLiteral("0"));
    d.vsMmSin->setValue(99);
    d.vsMmSin->upArrow()->click();
    EXPECT_EQ(d.txtMmSin->text(), QStringLiteral("99"));
    d.cmdAnnulla_Click();
    EXPECT_FALSE(QFile::exists(tp.path(QStringLiteral("Bollettini.ini"))));
}

TEST(MarginValueTest, FormsAndReadsTheStoredText) {
    EXPECT_EQ(MarginValue(QStringLiteral(" - "), QStringLiteral("1 "), QStringLiteral(" 15")),
              QStringLiteral("-1,15"));

    // Read with the comma whatever the user locale: a "." locale changes nothing.
    platform::MemoryUserLocale pointLocale(QStringLiteral("."), QStringLiteral(","));
    platform::setUserLocale(&pointLocale);
    const std::pair<const char*, double> good[] = {
        {"+0,5", 0.5}, {"-1,15", -1.15}, {"+0,10", 0.1}, {"+2,0", 2}, {" -0,3 ", -0.3}, {"3", 3}};
    for (const auto& [text, expected] : good) {
        double cm = 99;
        EXPECT_TRUE(ParseMarginValue(QString::fromLatin1(text), cm)) << text;
        EXPECT_DOUBLE_EQ(cm, expected) << text;
    }
    for (const char* text : {"", " ", "+", "+,5", "+1,", "+0.5", "1.000,5", "abc", "1,2,3", "+-1,0", "1 ,5"}) {
        double cm = 99;
        EXPECT_FALSE(ParseMarginValue(QString::fromLatin1(text), cm)) << text;
        EXPECT_EQ(cm, 99) << text;
    }
    platform::setUserLocale(nullptr);
}
