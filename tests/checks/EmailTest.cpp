#include "checks/frmEmail.h"
#include "support/TestPlatform.h"

#include <QKeyEvent>
#include <QTest>

using namespace platform;

namespace {

const QString kFailure =
    QString::fromUtf8("Non è stato possibile individuare il software predefinito per la gestione della posta elettronica.");

class Email : public ::testing::Test {
protected:
    TestPlatform tp;

    // Opens the composer as a register card does, with the address written in.
    void open(const QString& address, std::function<void(frmEmail&)> script) {
        tp.program.endedFlag = false; // the card that opens the composer stays open beneath it
        Forms::get<frmEmail>().txtIndirizzo->setText(address);
        tp.modal.expect("frmEmail", [script](QWidget& w) { script(static_cast<frmEmail&>(w)); });
        Forms::get<frmEmail>().ShowModal();
        TestPlatform::settle();
    }
};

} // namespace

TEST_F(Email, SendsTheEncodedLinkAndCloses) {
    open("mario.rossi@example.it", [](frmEmail& f) {
        EXPECT_EQ(f.windowTitle(), " Invio e-mail");
        EXPECT_EQ(f.cmdInvia->accessibleName(), "Invia");
        f.txtCC->setText("anna@example.it");
        f.txtOggetto->setText("Rata 50% & saldo?");
        f.txtCorpo->setText(QString::fromUtf8("Perché\r\npiù €"));
        f.cmdInvia->click();
    });
    EXPECT_EQ(tp.desktop.openedUrls,
              QStringList{"mailto:mario.rossi@example.it?Subject=Rata%2050%25%20%26%20saldo%3F"
                          "&Body=Perch%C3%A9%0D%0Api%C3%B9%20%E2%82%AC&CC=anna@example.it"});
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_FALSE(Forms::isLoaded<frmEmail>());
    EXPECT_EQ(Forms::get<frmEmail>().txtIndirizzo->text(), "") << "the next opening starts empty";
}

TEST_F(Email, AnAddressAloneAndUnusualInput) {
    open("a@b.it", [](frmEmail& f) { f.cmdInvia->click(); });
    open("a@b.it?bcc=x@y.it", [](frmEmail& f) {
        f.txtOggetto->setText("   ");
        f.txtCCN->setText("\"x\"; `rm -rf ~` $(id)");
        f.cmdInvia->click();
    });
    open("", [](frmEmail& f) {
        f.txtCorpo->setText(QString(10000, 'x'));
        f.cmdInvia->click();
    });
    ASSERT_EQ(tp.desktop.openedUrls.size(), 3);
    EXPECT_EQ(tp.desktop.openedUrls[0], "mailto:a@b.it");
    EXPECT_EQ(tp.desktop.openedUrls[1],
              "mailto:a@b.it%3Fbcc%3Dx@y.it?Subject=%20%20%20&BCC=%22x%22%3B%20%60rm%20-rf%20~%60%20%24%28id%29");
    EXPECT_EQ(tp.desktop.openedUrls[2], "mailto:?Body=" + QString(10000, 'x'));
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(Email, BoxesKeepTextOutsideTheCodePage) {
    open("ut@example.it", [](frmEmail& f) {
        const QString greek = QString::fromUtf8("Καλημέρα 日本 €");
        f.txtOggetto->setText(greek);
        EXPECT_EQ(f.txtOggetto->text(), greek);
        f.txtCorpo->setText(greek);
        EXPECT_EQ(f.txtCorpo->text(), greek);
        const QString noBreak = QString::fromUtf8("50\u00A0€");
        f.txtCorpo->setText(noBreak);
        EXPECT_EQ(f.txtCorpo->text(), noBreak) << "a no-break space stays one";
        f.txtCorpo->setText(greek);
        f.txtOggetto->clear();
        for (const QString& typed : {QString::fromUtf8("ł"), QString::fromUtf8("€")}) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(f.txtOggetto, &key);
        }
        EXPECT_EQ(f.txtOggetto->text(), QString::fromUtf8("ł€"));
        f.cmdInvia->click();
    });
    EXPECT_EQ(tp.desktop.openedUrls, QStringList{"mailto:ut@example.it?Subject=%C5%82%E2%82%AC&Body=%CE%9A%CE%B1%CE%BB"
                                                 "%CE%B7%CE%BC%CE%AD%CF%81%CE%B1%20%E6%97%A5%E6%9C%AC%20%E2%82%AC"});
}

TEST_F(Email, NoMailProgramIsReportedAndEverythingStaysAsTyped) {
    tp.desktop.everyTypeHandled = false;
    open("a@b.it", [&](frmEmail& f) {
        f.txtCC->setText("c@d.it");
        f.txtCCN->setText("e@f.it");
        f.txtOggetto->setText("Oggetto");
        f.txtCorpo->setText("Riga 1\r\nRiga 2");
        f.cmdInvia->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, kFailure);
        EXPECT_EQ(tp.messages.last().title, "Invio e-mail fallito");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
        TestPlatform::settle();
        EXPECT_TRUE(Forms::isLoaded<frmEmail>());
        EXPECT_EQ(QStringList({f.txtIndirizzo->text(), f.txtCC->text(), f.txtCCN->text(), f.txtOggetto->text(),
                               f.txtCorpo->text()}),
                  QStringList({"a@b.it", "c@d.it", "e@f.it", "Oggetto", "Riga 1\r\nRiga 2"}));

        // A mail program that cannot be started is the same failure.
        tp.desktop.everyTypeHandled = true;
        tp.desktop.canOpen = false;
        tp.messages.shown.clear();
        f.cmdInvia->click();
        EXPECT_EQ(tp.messages.texts(), QStringList{kFailure});
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(tp.desktop.openedUrls.size(), 2);
}

TEST_F(Email, EnterWalksTheBoxesAndTheFocusIsHighlighted) {
    open("a@b.it", [](frmEmail& f) {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        EXPECT_EQ(f.focusWidget(), f.txtIndirizzo);
        EXPECT_EQ(f.txtIndirizzo->backColor(), Colors::Focus);
        QTest::keyClick(f.txtIndirizzo, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.txtCC);
        EXPECT_EQ(f.txtIndirizzo->backColor(), Colors::WindowBackground);
        QTest::keyClick(f.txtCC, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.txtCCN);
        QTest::keyClick(f.txtCCN, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.txtOggetto);
        QTest::keyClick(f.txtOggetto, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.txtCorpo);
        QTest::keyClicks(f.txtCorpo, "ciao");
        QTest::keyClick(f.txtCorpo, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.txtIndirizzo);
        EXPECT_EQ(f.txtCorpo->text(), "ciao") << "no line break from Enter";
        f.close(); // the close box sends nothing
    });
    EXPECT_TRUE(tp.desktop.openedUrls.isEmpty());
    EXPECT_FALSE(Forms::isLoaded<frmEmail>());
}
