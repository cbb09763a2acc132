#include "shell/frmCambiaPW.h"

#include "common/Settings.h"
#include "shell/PasswordStore.h"
#include "shell/PasswordStoreFile.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "shell/frmPassword.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QTest>

using platform::MsgIcon;

namespace {

const QString kOld = QStringLiteral("PIANOFORTEROSA");

class CambiaPW : public ::testing::Test {
protected:
    TestPlatform tp;

    void SetUp() override { ASSERT_TRUE(writeStore(kOld)); }

    static bool writeStore(const QString& P) {
        return TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey,
                               EncodeWithKey(P, P));
    }
    static QString stored() { return ReadSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey); }
    // What the login checks: the store unscrambled with P gives P back.
    static bool storeAccepts(const QString& P) { return DecodeWithKey(P, stored()) == P; }

    static frmCambiaPW& open() {
        frmCambiaPW& f = Forms::get<frmCambiaPW>();
        f.Show();
        return f;
    }
    static void fill(frmCambiaPW& f, const QString& old, const QString& fresh, const QString& confirm) {
        f.txtOldPW->setText(old);
        f.txtNewPW->setText(fresh);
        f.txtConfirmNew->setText(confirm);
    }
    static void enter(TextBox* box) { QTest::keyClick(box, Qt::Key_Return); }

    // The window has closed and the login window is showing again.
    void expectBackAtLogin() {
        TestPlatform::settle();
        EXPECT_FALSE(Forms::isLoaded<frmCambiaPW>());
        ASSERT_TRUE(Forms::isLoaded<frmPassword>());
        EXPECT_TRUE(Forms::existing<frmPassword>()->isVisible());
        EXPECT_FALSE(tp.program.endedFlag);
    }
};

} // namespace

TEST_F(CambiaPW, OpensMaskedEmptyAndWaiting) {
    frmCambiaPW& f = open();
    EXPECT_EQ(f.windowTitle(), QString(" Cambia password"));
    EXPECT_EQ(f.lblPwDark->text(), stored());
    EXPECT_FALSE(f.cmdOK->isEnabled());
    EXPECT_EQ(f.focusWidget(), f.txtOldPW);
    for (TextBox* box : {f.txtOldPW, f.txtNewPW, f.txtConfirmNew}) {
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        EXPECT_EQ(box->font().family(), QString("Arial"));
        EXPECT_TRUE(box->font().bold());
        EXPECT_EQ(box->font().pointSize(), 12);
    }
    EXPECT_EQ(f.picAsterischi->toolTip(), QString(" Mostra / Nascondi password "));
    EXPECT_EQ(f.picGuida->toolTip(), QString(" Guida "));
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(CambiaPW, AccettaNeedsThreeFilledBoxesAndEnterWalksTheBoxes) {
    frmCambiaPW& f = open();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.txtOldPW->backColor(), Colors::Focus);

    fill(f, "pianoforterosa", "abcdefgh", "   ");
    EXPECT_FALSE(f.cmdOK->isEnabled());
    f.txtConfirmNew->setFocus();
    enter(f.txtConfirmNew); // disabled: back to the first box, nothing checked
    EXPECT_EQ(f.focusWidget(), f.txtOldPW);
    EXPECT_EQ(f.txtConfirmNew->backColor(), Colors::White);
    EXPECT_TRUE(tp.messages.shown.empty());

    enter(f.txtOldPW);
    EXPECT_EQ(f.focusWidget(), f.txtNewPW);
    EXPECT_EQ(f.txtNewPW->backColor(), Colors::Focus);
    EXPECT_EQ(f.txtOldPW->backColor(), Colors::White);
    enter(f.txtNewPW);
    EXPECT_EQ(f.focusWidget(), f.txtConfirmNew);

    f.txtConfirmNew->setText("abcdefgh");
    EXPECT_TRUE(f.cmdOK->isEnabled());
    f.txtOldPW->setText("");
    EXPECT_FALSE(f.cmdOK->isEnabled());
    f.txtOldPW->setText("pianoforterosa");
    enter(f.txtConfirmNew); // enabled: the change runs
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, QString("Modifica completata"));
    EXPECT_TRUE(storeAccepts("ABCDEFGH"));
    expectBackAtLogin();
}

TEST_F(CambiaPW, ConfirmationMismatchIsTestedFirstAndExactly) {
    frmCambiaPW& f = open();
    const QString before = stored();
    // Capitals only, a trailing blank only, and a mismatch with a wrong old password.
    for (auto [old, fresh, confirm] : {std::tuple{"pianoforterosa", "abcdefgh", "ABCDEFGH"},
                                       std::tuple{"pianoforterosa", "abcdefgh", "abcdefgh "},
                                       std::tuple{"sbagliata", "abcdefgh", "abcdefgx"}}) {
        tp.messages.shown.clear();
        fill(f, old, fresh, confirm);
        f.cmdOK_Click();
        ASSERT_EQ(tp.messages.shown.size(), 1u) << confirm;
        EXPECT_EQ(tp.messages.last().title, QString("Aggiornamento non consentito"));
        EXPECT_EQ(tp.messages.last().text,
                  QString("Attenzione: il valore immesso nella casella di conferma non coincide con quello della "
                          "nuova password.\r\n\r\nSi prega di digitare nuovamente entrambi i valori."));
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
        EXPECT_TRUE(f.txtNewPW->text().isEmpty());
        EXPECT_TRUE(f.txtConfirmNew->text().isEmpty());
        EXPECT_EQ(f.txtOldPW->text(), QString(old));
        EXPECT_FALSE(f.cmdOK->isEnabled());
        EXPECT_EQ(f.focusWidget(), f.txtNewPW);
        EXPECT_TRUE(Forms::isLoaded<frmCambiaPW>());
    }
    EXPECT_EQ(stored(), before);
}

TEST_F(CambiaPW, WrongOldPasswordClosesAndChangesNothing) {
    frmCambiaPW& f = open();
    const QString before = stored();
    fill(f, "XIANOFORTEROSB", "abcdefgh", "abcdefgh");
    f.cmdOK_Click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QString("Vecchia password errata."));
    EXPECT_EQ(tp.messages.last().title, QString("Modifica password non consentita"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(stored(), before);
    expectBackAtLogin();
}

TEST_F(CambiaPW, NewPasswordIsTrimmedUpperCasedAndStored) {
    frmCambiaPW& f = open();
    fill(f, "  PianoForteRosa ", "  abcdefgh  ", "  abcdefgh  ");
    f.cmdOK_Click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QString("Password aggiornata con successo."));
    EXPECT_EQ(tp.messages.last().title, QString("Modifica completata"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(stored(), EncodeWithKey("ABCDEFGH", "ABCDEFGH"));
    EXPECT_FALSE(storeAccepts(kOld));
    expectBackAtLogin();
    // The fresh login window has read the new store and waits with an empty box.
    frmPassword* login = Forms::existing<frmPassword>();
    EXPECT_EQ(login->lblPwDark->text(), stored());
    EXPECT_TRUE(login->txtPW->text().isEmpty());
    EXPECT_FALSE(login->cmdAccedi->isEnabled());
    // ... and takes the new password at once, in any mix of capitals.
    login->txtPW->setText(" aBcDeFgH");
    login->cmdAccedi_Click();
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_FALSE(Forms::isLoaded<frmPassword>());
}

TEST_F(CambiaPW, RefusesPasswordsTooShortOrThatTheStoreCannotHold) {
    frmCambiaPW& f = open();
    const QString before = stored();
    const QString tooLong(256, QLatin1Char('a'));
    const QString accentMsg = QString::fromUtf8(
        "La nuova password può contenere solo lettere senza accenti, cifre, spazi e i comuni segni di "
        "punteggiatura, fino a un massimo di 255 caratteri.");
    const std::vector<std::pair<QString, QString>> cases{
        {"  abcdefg  ", "La nuova password deve essere costituita da almeno 8 (otto) caratteri."},
        {QString::fromUtf8("abcdèfgh"), accentMsg},
        {QString::fromUtf8("abc€defgh"), accentMsg},
        {"abcd\tefgh", accentMsg},
        {tooLong, accentMsg},
    };
    for (const auto& [fresh, text] : cases) {
        tp.messages.shown.clear();
        fill(f, kOld, fresh, fresh);
        f.txtOldPW->setFocus();
        f.cmdOK_Click();
        ASSERT_EQ(tp.messages.shown.size(), 1u) << fresh.toStdString();
        EXPECT_EQ(tp.messages.last().text, text);
        EXPECT_EQ(tp.messages.last().title, QString("Password non valida"));
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
        EXPECT_EQ(f.txtNewPW->text(), fresh);
        EXPECT_EQ(f.txtConfirmNew->text(), fresh);
        EXPECT_EQ(f.focusWidget(), f.txtNewPW);
        EXPECT_TRUE(Forms::isLoaded<frmCambiaPW>());
    }
    EXPECT_EQ(stored(), before);
}

TEST_F(CambiaPW, LongestAndPunctuatedPasswordsCanBeTypedAgain) {
    const QString punctuated = QString::fromLatin1(" \"a; b=c' [x]#\" ");
    for (const QString& fresh : {QString(255, QLatin1Char('q')), punctuated}) {
        ASSERT_TRUE(writeStore(kOld));
        frmCambiaPW& f = open();
        fill(f, kOld, fresh, fresh);
        f.cmdOK_Click();
        EXPECT_EQ(tp.messages.last().title, QString("Modifica completata"));
        EXPECT_TRUE(storeAccepts(fresh.trimmed().toUpper())) << fresh.toStdString();
        expectBackAtLogin();
    }
}

TEST_F(CambiaPW, AFailedStoreWriteIsReportedAndTheOldPasswordStays) {
    Forms::get<frmPassword>(); // the login window beneath
    frmCambiaPW& f = open();
    // The store can no longer be written: its folder has gone.
    platform::setProgramFolderForTesting(tp.path("gone"));
    fill(f, kOld, "abcdefgh", "abcdefgh");
    f.cmdOK_Click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, QString("Modifica password non riuscita"));
    EXPECT_EQ(tp.messages.last().text,
              QString("Impossibile salvare la nuova password. La password precedente resta valida."));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
    expectBackAtLogin();
    platform::setProgramFolderForTesting(tp.dir.path());
    EXPECT_TRUE(storeAccepts(kOld));
}

TEST_F(CambiaPW, CloseBoxChangesNothingAndShowsTheLogin) {
    frmCambiaPW& f = open();
    const QString before = stored();
    fill(f, kOld, "abcdefgh", "abcdefgh");
    f.close();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_EQ(stored(), before);
    expectBackAtLogin();
}

TEST_F(CambiaPW, AMissingStoreEndsTheProgramAfterShowingTheLoginBeneath) {
    frmPassword* login = &Forms::get<frmPassword>();
    ASSERT_TRUE(QFile::remove(tp.path(PasswordFile::kFile)));
    Forms::get<frmCambiaPW>();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, QString("Programma non installato correttamente"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(tp.program.endedFlag);
    EXPECT_FALSE(Forms::isLoaded<frmCambiaPW>());
    EXPECT_EQ(Forms::existing<frmPassword>(), login);
}

TEST_F(CambiaPW, ShowHidePictureTogglesAllBoxesFollowingTheOldBox) {
    frmCambiaPW& f = open();
    const QPoint design(Form::tw(270), Form::tw(3090));
    EXPECT_EQ(f.picAsterischi->pos(), design);
    QTest::mousePress(f.picAsterischi, Qt::RightButton);
    EXPECT_EQ(f.picAsterischi->pos(), QPoint(Form::tw(290), Form::tw(3110)));
    EXPECT_EQ(f.txtOldPW->echoMode(), QLineEdit::Password); // nothing before the release
    QTest::mouseRelease(f.picAsterischi, Qt::RightButton);
    EXPECT_EQ(f.picAsterischi->pos(), design);
    for (TextBox* box : {f.txtOldPW, f.txtNewPW, f.txtConfirmNew})
        EXPECT_EQ(box->echoMode(), QLineEdit::Normal);

    f.txtNewPW->setEchoMode(QLineEdit::Password);
    f.picAsterischi_MouseUp(); // the old box shows: hide all
    for (TextBox* box : {f.txtOldPW, f.txtNewPW, f.txtConfirmNew})
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
}

TEST_F(CambiaPW, HelpPictureShowsTheAccessPasswordTopic) {
    frmCambiaPW& f = open();
    QString title;
    tp.modal.expect("frmHelpForm", [&](QWidget& w) { title = static_cast<frmHelpForm&>(w).lblTitolo->text(); });
    f.picGuida_MouseDown();
    EXPECT_EQ(f.picGuida->pos(), QPoint(Form::tw(6140), Form::tw(3110)));
    f.picGuida_MouseUp();
    EXPECT_EQ(f.picGuida->pos(), QPoint(Form::tw(6120), Form::tw(3090)));
    EXPECT_EQ(title, QString("Gestione della password di accesso"));
    EXPECT_TRUE(Forms::isLoaded<frmCambiaPW>());
}
