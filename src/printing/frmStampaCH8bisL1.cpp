#include "printing/frmStampaCH8bisL1.h"

#include "common/FieldRules.h"
#include "common/Pictures.h"
#include "common/Settings.h"
#include "platform/Messages.h"
#include "platform/Printers.h"
#include "printing/MarginValue.h"
#include "printing/PrintSlip.h"
#include "printing/frmImposta.h"

#include <QFont>

using namespace platform;

namespace {

constexpr unsigned int kLinkColor = Colors::DarkRed;  // #C00000
constexpr unsigned int kLinkPressed = 0x00FFFF;       // yellow
constexpr unsigned int kCopiesColor = 0xC00000;       // #0000C0, blue

QFont verdana(double points, bool bold = false) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QPushButton* iconButton(QWidget* parent, const QString& caption, const QPixmap& icon) {
    auto* button = new QPushButton(caption, parent);
    button->setIcon(QIcon(icon));
    button->setIconSize(icon.size());
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmStampaCH8bisL1::frmStampaCH8bisL1() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmStampaCH8bisL1"));
    setWindowTitle(QStringLiteral(" Stampa bollettino"));
    setClientSizeTwips(7080, 5340);
    setFont(verdana(8.25));

    cmdBollettino = new QPushButton(this);
    const QPixmap slip = Pictures::blankSlip(tw(6600), tw(1440));
    QIcon slipIcon(slip);
    slipIcon.addPixmap(slip, QIcon::Disabled); // a picture, not a greyed button
    cmdBollettino->setIcon(slipIcon);
    cmdBollettino->setIconSize(slip.size());
    cmdBollettino->setAccessibleName(QStringLiteral("Bollettino TD 123"));
    cmdBollettino->setEnabled(false);
    place(cmdBollettino, 180, 180, 6720, 1560);

    Label1 = new QLabel(QStringLiteral("Bollettino TD 123 - CH 8 ter - Mod. 12409A - Ed. 1/10"), this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(verdana(8.25, true));
    place(Label1, 180, 1800, 6720, 255);

    fraStampa = new QFrame(this);
    fraStampa->setFrameShape(QFrame::StyledPanel);
    place(fraStampa, 180, 2160, 6720, 1080);
    imgPrinter = new QLabel(fraStampa);
    imgPrinter->setPixmap(Pictures::printer(tw(600)));
    place(imgPrinter, 120, 240, 600, 600);
    lblStampante = new QLabel(QStringLiteral("Stampante selezionata"), fraStampa);
    place(lblStampante, 840, 120, 3000, 255);
    cboPrinters = new QComboBox(fraStampa);
    cboPrinters->setEditable(false);
    cboPrinters->setAccessibleName(QStringLiteral("Stampante selezionata"));
    lblStampante->setBuddy(cboPrinters);
    place(cboPrinters, 840, 450, 5700, 390);

    fraCopie = new QFrame(this);
    fraCopie->setFrameShape(QFrame::StyledPanel);
    place(fraCopie, 180, 3360, 3360, 840);
    lblCopie = new QLabel(QStringLiteral("Numero di copie :"), fraCopie);
    place(lblCopie, 180, 300, 1800, 255);
    txtCopie = new TextBox(fraCopie);
    txtCopie->setMaxLength(3);
    txtCopie->setAlignment(Qt::AlignCenter);
    txtCopie->setBackColor(Colors::White);
    txtCopie->setForeColor(kCopiesColor);
    txtCopie->setAccessibleName(QStringLiteral("Numero di copie"));
    txtCopie->setText(QStringLiteral("1"));
    lblCopie->setBuddy(txtCopie);
    place(txtCopie, 2040, 225, 600, 390);
    vsCopie = new Spinner(1, 999, 1, fraCopie);
    vsCopie->setAccessibleName(QStringLiteral("Numero di copie"));
    place(vsCopie, 2655, 225, 255, 390);

    imgImposta = new PictureButton(this, Pictures::marginSheet(tw(360)), QStringLiteral("Imposta margini di stampa"));
    place(imgImposta, 3780, 3540, 360, 360);
    lblImposta = new PictureButton(QStringLiteral("Imposta margini di stampa"), this);
    lblImposta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont link = verdana(8.25);
    link.setUnderline(true);
    lblImposta->setFont(link);
    lblImposta->setForeColor(kLinkColor);
    place(lblImposta, 4230, 3600, 2670, 255);

    cmdStampa = iconButton(this, QStringLiteral("Stampa"), Pictures::printer(tw(360)));
    place(cmdStampa, 2880, 4500, 1920, 600);
    cmdAnnulla = iconButton(this, QStringLiteral("Annulla"), Pictures::redCross(tw(300), tw(300)));
    place(cmdAnnulla, 4980, 4500, 1920, 600);

    lblSinistro = new QLabel(this);
    lblSinistro->hide();
    lblSuperiore = new QLabel(this);
    lblSuperiore->hide();
    lblMemory = new QLabel(this);
    lblMemory->hide();

    setTabOrder(cboPrinters, txtCopie);
    setTabOrder(txtCopie, vsCopie);
    setTabOrder(vsCopie, cmdStampa);
    setTabOrder(cmdStampa, cmdAnnulla);

    centreOnScreen();

    wire();
}

void frmStampaCH8bisL1::wire() {
    connect(cmdStampa, &QPushButton::clicked, this, [this] { cmdStampa_Click(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { cmdAnnulla_Click(); });
    lblImposta->MouseDown = [this](Qt::MouseButton) { lblImposta_MouseDown(); };
    imgImposta->MouseDown = [this](Qt::MouseButton) { imgImposta_MouseDown(); };
    lblImposta->MouseUp = [this](Qt::MouseButton) { lblImposta_MouseUp(); };
    imgImposta->MouseUp = [this](Qt::MouseButton) { imgImposta_MouseUp(); };
    txtCopie->addKeyPress([this](int& code) { txtCopie_KeyPress(code); });
    connect(txtCopie, &QLineEdit::textChanged, this, [this] { txtCopie_Change(); });
    txtCopie->addLostFocus([this] { txtCopie_LostFocus(); });
    connect(vsCopie, &Spinner::valueChanged, this, [this] { vsCopie_Change(); });
}

void frmStampaCH8bisL1::Form_Load() {
    // Any step that fails: the printing message, and the dialog never shows.
    cboPrinters->clear();
    const QStringList printers = installedPrinters();
    const qsizetype current = printers.indexOf(currentPrinterName());
    if (printers.isEmpty() || current < 0) {
        ShowPrintingError();
        Unload();
        return;
    }
    cboPrinters->addItems(printers);
    cboPrinters->setCurrentIndex(int(current));
    cboPrinters->setFocus(Qt::OtherFocusReason);

    lblSinistro->setText(ReadSetting(Margins::File, Margins::Section, Margins::Left.value));
    lblSuperiore->setText(ReadSetting(Margins::File, Margins::Section, Margins::Top.value));
}

void frmStampaCH8bisL1::cmdStampa_Click() { PrintSlip(*this); }

void frmStampaCH8bisL1::cmdAnnulla_Click() { Unload(); }

void frmStampaCH8bisL1::lblImposta_MouseDown() { lblImposta->setForeColor(kLinkPressed); }
void frmStampaCH8bisL1::imgImposta_MouseDown() { lblImposta->setForeColor(kLinkPressed); }
void frmStampaCH8bisL1::lblImposta_MouseUp() { showMargins(); }
void frmStampaCH8bisL1::imgImposta_MouseUp() { showMargins(); }

void frmStampaCH8bisL1::showMargins() {
    lblImposta->setForeColor(kLinkColor);
    // The margins stored there apply from the next opening of this dialog.
    Forms::get<frmImposta>().ShowModal();
}

void frmStampaCH8bisL1::txtCopie_KeyPress(int& KeyAscii) {
    if (KeyRules::isDigitOrBackspace(KeyAscii))
        return;
    MsgBox(QStringLiteral("Digitare solo caratteri numerici."), MsgIcon::Exclamation, MsgButtons::OK,
           QStringLiteral("Attenzione: valore non valido"));
    KeyAscii = 0;
}

void frmStampaCH8bisL1::txtCopie_Change() {
    const int copies = BoxWholeNumber(txtCopie->text());
    if (copies >= vsCopie->minimum() && copies <= vsCopie->maximum())
        vsCopie->setValue(copies);
}

void frmStampaCH8bisL1::txtCopie_LostFocus() {
    if (BoxWholeNumber(txtCopie->text()) == 0)
        txtCopie->setText(QStringLiteral("1"));
}

void frmStampaCH8bisL1::vsCopie_Change() { txtCopie->setText(QString::number(vsCopie->value())); }
