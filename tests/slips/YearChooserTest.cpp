#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "slips/frmBollettini.h"
#include "slips/frmSelezione.h"
#include "support/TestPlatform.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QTest>

using namespace platform;

namespace {

const QString kYearNotice = "Indicare l'anno solare utilizzando quattro cifre.";

class YearChooser : public ::testing::Test {
protected:
    TestPlatform tp;
    frmSelezione& chooser() {
        frmSelezione& c = Forms::get<frmSelezione>();
        c.Show();
        return c;
    }
    // True when exactly one message, the four-digit notice, was shown since the last call.
    bool noticeShown() {
        const bool one = tp.messages.shown.size() == 1 && tp.messages.last().text == kYearNotice &&
                         tp.messages.last().title == "Attenzione: formato anno solare non valido" &&
                         tp.messages.last().icon == MsgIcon::Information;
        tp.messages.shown.clear();
        return one;
    }
};

} // namespace

TEST_F(YearChooser, OpensOnTheCurrentYearWithItsControls) {
    frmSelezione& c = chooser();
    EXPECT_EQ(c.windowTitle(), " Quillora - Selezione archivio annuale");
    EXPECT_EQ(c.fraAnno->title(), " Specificare un anno solare : ");
    EXPECT_EQ(c.txtAnno->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(c.txtAnno->maxLength(), 4);
    EXPECT_EQ(c.cmdAnno->text(), "Apri archivio");
    EXPECT_TRUE(c.cmdAnno->isEnabled());
    const std::pair<QAbstractButton*, const char*> tips[] = {
        {c.cmdBackup, " Backup archivio "},
        {c.cmdExcel, " Esporta archivio in foglio di MS Excel "},
        {c.cmdMargini, " Impostazioni margini di stampa "},
        {c.picSettings, " Impostazioni separatore decimale "},
        {c.cmdGuida, " Guida "},
        {c.cmdChiudi, " Chiudi "}};
    for (const auto& [button, tip] : tips) {
        EXPECT_EQ(button->toolTip(), tip);
        EXPECT_FALSE(button->icon().isNull()) << tip;
    }
    EXPECT_EQ(QStringList({c.lblBackup->text(), c.lblEsporta->text(), c.lblMargini->text(), c.lblImposta->text()}),
              QStringList({"Backup", "Esporta", "Margini", "Decimali"}));
    EXPECT_TRUE(tp.messages.shown.empty());

    c.txtAnno->setText("  ");
    EXPECT_FALSE(c.cmdAnno->isEnabled());
    QTest::keyClicks(c.txtAnno, "2");
    EXPECT_TRUE(c.cmdAnno->isEnabled());
}

TEST_F(YearChooser, TheBoxIsHighlightedWhileItHasTheFocus) {
    frmSelezione& c = chooser();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    c.txtAnno->setFocus();
    EXPECT_EQ(c.txtAnno->backColor(), Colors::Focus);
    c.cmdAnno->setFocus();
    EXPECT_EQ(c.txtAnno->backColor(), Colors::WindowBackground);
}

TEST_F(YearChooser, OnlyDigitsAndBackspaceAreTyped) {
    frmSelezione& c = chooser();
    c.txtAnno->clear();
    QTest::keyClicks(c.txtAnno, "20");
    for (const char* key : {"a", " ", ",", "."}) {
        c.cmdAnno->setFocus();
        QTest::keyClicks(c.txtAnno, key);
        EXPECT_TRUE(noticeShown()) << key;
        EXPECT_EQ(c.txtAnno->text(), "20");
        EXPECT_EQ(c.focusWidget(), c.txtAnno) << "focus back in the box after the notice";
    }
    QTest::keyClick(c.txtAnno, Qt::Key_Backspace);
    EXPECT_EQ(c.txtAnno->text(), "2");
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(YearChooser, PastedTextMustBeDigits) {
    frmSelezione& c = chooser();
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const char* junk : {"20a6", "../x", "2 26"}) {
        c.txtAnno->clear();
        clipboard->setText(junk);
        c.txtAnno->paste();
        EXPECT_EQ(c.txtAnno->text(), "") << junk;
    }
    c.txtAnno->typeCode(22); // Ctrl+V from the keyboard: the notice, nothing pasted
    EXPECT_TRUE(noticeShown());
    EXPECT_EQ(c.txtAnno->text(), "");
    clipboard->setText("2026");
    c.txtAnno->paste();
    EXPECT_EQ(c.txtAnno->text(), "2026");
}

TEST_F(YearChooser, OpenRefusesAnythingButFourDigitsWhateverWayItCame) {
    frmSelezione& c = chooser();
    for (const QString& year : {QString("202"), QString("20a6"), QString("../x"), QString(" 202"),
                                QString::fromUtf8("２０２４"), QString("")}) {
        c.txtAnno->setText(year);
        c.cmdAnno->setFocus();
        c.cmdAnno_Click();
        EXPECT_TRUE(noticeShown()) << year.toStdString();
        EXPECT_EQ(c.focusWidget(), c.txtAnno);
        EXPECT_FALSE(Forms::isLoaded<frmBollettini>()) << year.toStdString();
    }
    c.txtAnno->clear();
    QTest::keyClick(c.txtAnno, Qt::Key_Return); // Enter acts although the button is disabled
    EXPECT_TRUE(noticeShown());
    TestPlatform::settle();
    EXPECT_TRUE(Forms::isLoaded<frmSelezione>());
}

TEST_F(YearChooser, EnterOpensTheSlipFormOnTheYearAndTheChooserCloses) {
    frmSelezione& c = chooser();
    c.txtAnno->setText("2024");
    QTest::keyClick(c.txtAnno, Qt::Key_Return);
    TestPlatform::settle();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_FALSE(Forms::isLoaded<frmSelezione>());
    ASSERT_TRUE(Forms::isLoaded<frmBollettini>());
    frmBollettini& slips = *Forms::existing<frmBollettini>();
    EXPECT_EQ(slips.lblFile->text(), "2024");
    EXPECT_EQ(slips.lblArchivio->text(), "Archivio anno 2024");
    EXPECT_TRUE(slips.isVisible());
    EXPECT_FALSE(tp.program.ended());

    // The next visit starts afresh on the current year.
    EXPECT_EQ(Forms::get<frmSelezione>().txtAnno->text(), QString::number(QDate::currentDate().year()));
}

TEST_F(YearChooser, CloseShowsTheMenuAgain) {
    frmSelezione& c = chooser();
    c.cmdChiudi->click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmSelezione>());
    ASSERT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_TRUE(Forms::existing<frmMenu>()->isVisible());
    EXPECT_FALSE(tp.program.ended());
}

TEST_F(YearChooser, ServicesCheckTheYearOnlyWhereTheyUseIt) {
    frmSelezione& c = chooser();
    c.txtAnno->setText("202");
    c.cmdBackup->click();
    EXPECT_TRUE(noticeShown());
    c.cmdExcel->click();
    EXPECT_TRUE(noticeShown());
    c.txtAnno->setText("2024");
    tp.modal.expect("frmBakFatt00"); // the year-archive backup wizard
    c.cmdBackup->click();
    tp.modal.expect("frmToExcel");
    c.cmdExcel->click();
    EXPECT_TRUE(tp.messages.shown.empty());

    c.txtAnno->setText("202");
    tp.modal.expect("frmImposta"); // the margins need no year
    c.cmdMargini->click();
    tp.modal.expect("frmSetNumPreven", [](QWidget& w) { static_cast<Form&>(w).Unload(); });
    c.picSettings->click();
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(),
                  "Compilazione, stampa e archiviazione dei bollettini");
    });
    c.cmdGuida->click();
    TestPlatform::settle();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_TRUE(Forms::isLoaded<frmSelezione>());
    EXPECT_EQ(c.txtAnno->text(), "202");
}
