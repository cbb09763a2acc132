#include "shell/frmPassword.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "common/HelpCatalogue.h"
#include "shell/PasswordStore.h"
#include "shell/PasswordStoreFile.h"
#include "shell/frmCambiaPW.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"

using namespace platform;

namespace {
void denied(const QString& text) {
    MsgBox(text, MsgIcon::Information, MsgButtons::OK, QStringLiteral("Accesso negato"));
}
} // namespace

frmPassword::frmPassword() : Form(Kind::Dialog) {
    setWindowTitle(QStringLiteral(" Pianoforterosa"));
    setObjectName(QStringLiteral("frmPassword"));
    setClientSizeTwips(5700, 3420);
    setMouseTracking(true);
    setBackColor(0xE0E0E0);

    imgTitle04 = new QLabel(this);
    imgTitle04->setPixmap(Pictures::banner(QStringLiteral("Quillora"), QColor(255, 255, 0), QColor(0, 0, 128),
                                           tw(5460), tw(780), 18));
    imgTitle04->setAccessibleName(QStringLiteral("Quillora"));
    place(imgTitle04, 120, 120, 5460, 780);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 1020, 5460, 1440);

    lblInfo = new QLabel(QStringLiteral("Immettere la password di accesso nella casella sottostante."),
                             picContainer);
    lblInfo->setWordWrap(true);
    place(lblInfo, 180, 150, 5100, 450);

    txtPW = new TextBox(picContainer);
    txtPW->setEchoMode(QLineEdit::Password);
    txtPW->setBackColor(Colors::White);
    txtPW->setAccessibleName(QStringLiteral("Password di accesso"));
    place(txtPW, 180, 780, 3300, 405);

    cmdAccedi = new QPushButton(QStringLiteral("Entra"), picContainer);
    cmdAccedi->setEnabled(false);
    cmdAccedi->setCursor(Qt::PointingHandCursor);
    place(cmdAccedi, 3720, 750, 1560, 465);

    lblCambia = new PictureButton(QStringLiteral("Cambia password"), this);
    lblCambia->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblCambia->setForeColor(Colors::Navy);
    place(lblCambia, 180, 2730, 2400, 300);

    picGuida = new PictureButton(this, Pictures::helpIcon(QColor(128, 0, 128), tw(480)), QStringLiteral(" Guida "));
    place(picGuida, 5040, 2610, 480, 480);

    picGuida2 = new PictureButton(this, Pictures::helpIcon(QColor(255, 255, 192), tw(480)), QStringLiteral(" Guida "));
    picGuida2->setVisible(false);
    place(picGuida2, 5040, 2610, 480, 480);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);

    lblConta = new QLabel(QStringLiteral("0"), this);
    lblConta->setVisible(false);
    lblPwDark = new QLabel(this);
    lblPwDark->setVisible(false);
    lblPwClear = new QLabel(this);
    lblPwClear->setVisible(false);

    setTabOrder(txtPW, cmdAccedi);
    wire();
}

void frmPassword::wire() {
    connect(cmdAccedi, &QPushButton::clicked, this, [this] { cmdAccedi_Click(); });
    connect(txtPW, &QLineEdit::textChanged, this, [this] { txtPW_Change(); });
    HighlightOnFocus(txtPW, Colors::White);
    txtPW->addKeyPress([this](int& k) { txtPW_KeyPress(k); });
    lblCambia->MouseMove = [this] { lblCambia_MouseMove(); };
    lblCambia->MouseUp = [this](Qt::MouseButton) { lblCambia_MouseUp(); };
    picContainer->MouseMove = [this] { picContainer_MouseMove(); };
    picGuida->MouseUp = [this](Qt::MouseButton) { picGuida_MouseUp(); };
    picGuida2->MouseUp = [this](Qt::MouseButton) { picGuida2_MouseUp(); };
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmPassword::Form_Load() {
    if (!LoadPasswordStore(lblPwDark)) {
        Unload();
        program().end();
        return;
    }
    txtPW->setFocus(Qt::OtherFocusReason);
    Timer1->start();
}

void frmPassword::txtPW_Change() { cmdAccedi->setEnabled(!trimBlanks(txtPW->text()).isEmpty()); }

void frmPassword::txtPW_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13 && !trimBlanks(txtPW->text()).isEmpty())
        cmdAccedi_Click();
}

void frmPassword::cmdAccedi_Click() {
    lblPwClear->clear();
    if (trimBlanks(txtPW->text()).isEmpty()) {
        denied(QString::fromUtf8("Non è stata immessa nessuna password."));
        txtPW->setFocus(Qt::OtherFocusReason);
        return;
    }
    txtPW->setText(trimBlanks(platform::upperCp1252(txtPW->text())).toString());
    lblPwClear->setText(DecodeWithKey(txtPW->text(), lblPwDark->text()));
    if (lblPwClear->text() == txtPW->text()) {
        Forms::get<frmMenu>().Show();
        Unload();
        return;
    }
    denied(QStringLiteral("Password errata."));
    txtPW->clear();
    txtPW->setFocus(Qt::OtherFocusReason);
}

void frmPassword::lblCambia_MouseMove() {
    if (lblCambia->foreColor() != Colors::DarkRed)
        lblCambia->setForeColor(Colors::DarkRed);
}

void frmPassword::lblCambia_MouseUp() {
    Forms::get<frmCambiaPW>().Show();
    Unload();
}

void frmPassword::Form_MouseMove() {
    if (lblCambia->foreColor() != Colors::Navy)
        lblCambia->setForeColor(Colors::Navy);
}

void frmPassword::picContainer_MouseMove() { Form_MouseMove(); }

void frmPassword::mouseMoveEvent(QMouseEvent* event) {
    Form::mouseMoveEvent(event);
    Form_MouseMove();
}

void frmPassword::picGuida_MouseUp() { ShowHelpTopic(HelpCatalogue::AccessPassword()); }

void frmPassword::picGuida2_MouseUp() { ShowHelpTopic(HelpCatalogue::AccessPassword()); }

void frmPassword::Timer1_Timer() {
    const int n = lblConta->text().toInt();
    if (n >= 10) {
        Timer1->stop();
        picGuida2->setVisible(false);
        picGuida->setVisible(true);
        return;
    }
    if (!picGuida2->isHidden()) {
        if (!picGuida->isHidden())
            return;
        picGuida->setVisible(true);
        picGuida2->setVisible(false);
        lblConta->setText(QString::number(n + 1));
    } else {
        picGuida2->setVisible(true);
        picGuida->setVisible(false);
        lblConta->setText(QString::number(n + 1));
    }
}
