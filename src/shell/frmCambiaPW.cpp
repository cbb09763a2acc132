#include "shell/frmCambiaPW.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "shell/MenuPictures.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "common/HelpCatalogue.h"
#include "shell/PasswordStore.h"
#include "shell/PasswordStoreFile.h"
#include "services/frmHelpForm.h"
#include "shell/frmPassword.h"

#include <QFont>
#include <QFrame>

using namespace platform;

namespace {

constexpr int kPictureSize = 480;
// The store keeps one character of codes 32..126 for each character of the
// password, and the settings file gives back at most 255 of them.
constexpr int kMinLength = 8;
constexpr int kMaxLength = 255;

void inform(const QString& text, const QString& title) {
    MsgBox(text, MsgIcon::Information, MsgButtons::OK, title);
}

QString trimRightBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString trimBlanks(const QString& text) { return ::trimBlanks(QStringView(text)).toString(); }

// True when the password can be stored and read back as it is.
bool storable(const QString& password) {
    if (password.size() > kMaxLength)
        return false;
    for (char32_t c : password.toUcs4())
        if (c < 32 || c > 126)
            return false;
    return true;
}


} // namespace

frmCambiaPW::frmCambiaPW() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmCambiaPW"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setClientSizeTwips(6780, 3690);
    setBackColor(0xE0E0E0);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 6540, 2850);

    lblInfo = new QLabel(QStringLiteral("Compilare le caselle sottostanti e premere Accetta."), picContainer);
    lblInfo->setWordWrap(true);
    place(lblInfo, 180, 150, 6180, 300);

    auto* Line1 = new QFrame(picContainer);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 180, 510, 6180, 30);

    txtOldPW = makeBox(QStringLiteral("Vecchia password"), 720, lblOldPW);
    txtNewPW = makeBox(QStringLiteral("Nuova password"), 1260, lblNewPW);
    txtConfirmNew = makeBox(QStringLiteral("Conferma nuova password"), 1800, lblConfirmNew);

    cmdOK = new QPushButton(QStringLiteral("Accetta"), picContainer);
    cmdOK->setEnabled(false);
    cmdOK->setCursor(Qt::PointingHandCursor);
    place(cmdOK, 4740, 2340, 1560, 465);

    picAsterischi = new PictureButton(this, MenuPictures::padlock(tw(kPictureSize)),
                                      QStringLiteral(" Mostra / Nascondi password "));
    place(picAsterischi, kAsterischiLeft, kPicturesTop, kPictureSize, kPictureSize);

    picGuida = new PictureButton(this, Pictures::helpIcon(QColor(128, 0, 128), tw(kPictureSize)),
                                 QStringLiteral(" Guida "));
    place(picGuida, kGuidaLeft, kPicturesTop, kPictureSize, kPictureSize);

    lblPwDark = new QLabel(this);
    lblPwDark->setVisible(false);
    lblPwClear = new QLabel(this);
    lblPwClear->setVisible(false);

    setTabOrder(txtOldPW, txtNewPW);
    setTabOrder(txtNewPW, txtConfirmNew);
    setTabOrder(txtConfirmNew, cmdOK);
    wire();
}

TextBox* frmCambiaPW::makeBox(const QString& caption, int top, QLabel*& label) {
    label = new QLabel(caption, picContainer);
    place(label, 180, top + 60, 2700, 300);

    auto* box = new TextBox(picContainer);
    box->setEchoMode(QLineEdit::Password);
    box->setBackColor(Colors::White);
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(true);
    box->setFont(font);
    box->setAccessibleName(caption);
    label->setBuddy(box);
    place(box, 2940, top, 3360, 405);
    return box;
}

void frmCambiaPW::wire() {
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    EnableWhileFilled(cmdOK, {txtOldPW, txtNewPW, txtConfirmNew});
    for (TextBox* box : {txtOldPW, txtNewPW, txtConfirmNew})
        HighlightOnFocus(box, Colors::White);
    txtOldPW->addKeyPress([this](int& k) { txtOldPW_KeyPress(k); });
    txtNewPW->addKeyPress([this](int& k) { txtNewPW_KeyPress(k); });
    txtConfirmNew->addKeyPress([this](int& k) { txtConfirmNew_KeyPress(k); });
    picAsterischi->MouseDown = [this](Qt::MouseButton) { picAsterischi_MouseDown(); };
    picAsterischi->MouseUp = [this](Qt::MouseButton) { picAsterischi_MouseUp(); };
    picGuida->MouseDown = [this](Qt::MouseButton) { picGuida_MouseDown(); };
    picGuida->MouseUp = [this](Qt::MouseButton) { picGuida_MouseUp(); };
}

void frmCambiaPW::Form_Load() {
    if (!LoadPasswordStore(lblPwDark)) {
        Unload();
        program().end();
        return;
    }
    txtOldPW->setFocus(Qt::OtherFocusReason);
}

void frmCambiaPW::Form_Unload() { Forms::get<frmPassword>().Show(); }

void frmCambiaPW::txtOldPW_KeyPress(int& KeyAscii) {
    if (KeyRules::isEnter(KeyAscii))
        txtNewPW->setFocus(Qt::OtherFocusReason);
}

void frmCambiaPW::txtNewPW_KeyPress(int& KeyAscii) {
    if (KeyRules::isEnter(KeyAscii))
        txtConfirmNew->setFocus(Qt::OtherFocusReason);
}

void frmCambiaPW::txtConfirmNew_KeyPress(int& KeyAscii) {
    if (!KeyRules::isEnter(KeyAscii))
        return;
    if (cmdOK->isEnabled())
        cmdOK_Click();
    else
        txtOldPW->setFocus(Qt::OtherFocusReason);
}

void frmCambiaPW::cmdOK_Click() {
    lblPwClear->clear();
    const QString old = trimBlanks(platform::upperCp1252(txtOldPW->text()));

    if (txtNewPW->text() != txtConfirmNew->text()) {
        inform(QStringLiteral("Attenzione: il valore immesso nella casella di conferma non coincide con quello "
                              "della nuova password.\r\n\r\nSi prega di digitare nuovamente entrambi i valori."),
               QStringLiteral("Aggiornamento non consentito"));
        txtNewPW->clear();
        txtConfirmNew->clear();
        txtNewPW->setFocus(Qt::OtherFocusReason);
        return;
    }

    lblPwClear->setText(DecodeWithKey(old, lblPwDark->text()));
    if (trimBlanks(platform::upperCp1252(lblPwClear->text())) != old) {
        inform(QStringLiteral("Vecchia password errata."), QStringLiteral("Modifica password non consentita"));
        Unload();
        return;
    }

    const QString wanted = trimBlanks(txtNewPW->text());
    if (wanted.size() < kMinLength) {
        inform(QStringLiteral("La nuova password deve essere costituita da almeno 8 (otto) caratteri."),
               QStringLiteral("Password non valida"));
        txtNewPW->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A password the store cannot hold as typed could never be typed right
    // again: the user would be locked out.
    if (!storable(wanted)) {
        inform(QString::fromUtf8("La nuova password può contenere solo lettere senza accenti, cifre, spazi e i "
                                 "comuni segni di punteggiatura, fino a un massimo di 255 caratteri."),
               QStringLiteral("Password non valida"));
        txtNewPW->setFocus(Qt::OtherFocusReason);
        return;
    }

    txtNewPW->setText(trimRightBlanks(txtNewPW->text()));
    txtNewPW->setText(trimBlanks(platform::upperCp1252(txtNewPW->text())));
    if (SavePasswordStore(txtNewPW->text(), lblPwDark))
        inform(QStringLiteral("Password aggiornata con successo."), QStringLiteral("Modifica completata"));
    else
        MsgBox(QStringLiteral("Impossibile salvare la nuova password. La password precedente resta valida."),
               MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Modifica password non riuscita"));
    Unload();
}

void frmCambiaPW::picAsterischi_MouseDown() { showPressed(picAsterischi, kAsterischiLeft, kPicturesTop, true); }

void frmCambiaPW::picAsterischi_MouseUp() {
    showPressed(picAsterischi, kAsterischiLeft, kPicturesTop, false);
    const auto mode = txtOldPW->echoMode() != QLineEdit::Password ? QLineEdit::Password : QLineEdit::Normal;
    for (TextBox* box : {txtOldPW, txtNewPW, txtConfirmNew})
        box->setEchoMode(mode);
}

void frmCambiaPW::picGuida_MouseDown() { showPressed(picGuida, kGuidaLeft, kPicturesTop, true); }

void frmCambiaPW::picGuida_MouseUp() {
    showPressed(picGuida, kGuidaLeft, kPicturesTop, false);
    ShowHelpTopic(HelpCatalogue::AccessPassword());
}
