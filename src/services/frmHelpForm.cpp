#include "services/frmHelpForm.h"

#include "common/Pictures.h"
#include "common/ProgramFiles.h"
#include "common/Settings.h"
#include "platform/Desktop.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "services/HelpPrint.h"
#include "services/PrintTextBox.h"

#include <QFont>

using namespace platform;

void ShowHelpTopic(const HelpTopic& topic) {
    frmHelpForm& help = Forms::get<frmHelpForm>();
    help.lblTitolo->setText(topic.title);
    help.txtTesto->setText(topic.paragraphs.value(0));
    for (qsizetype i = 1; i < topic.paragraphs.size(); ++i)
        help.txtTesto->setText(help.txtTesto->text() + QStringLiteral("\r\n\r\n") + topic.paragraphs.at(i));
    help.ShowModal();
}

frmHelpForm::frmHelpForm() : Form(Kind::ToolDialog) {
    setObjectName(QStringLiteral("frmHelpForm"));
    setWindowTitle(QStringLiteral(" Guida in linea"));
    setClientSizeTwips(8805, 7335);
    setBackColor(0xE0E0E0);

    cmdLogo = new QPushButton(this);
    cmdLogo->setEnabled(false);
    const QPixmap logo = Pictures::banner(QStringLiteral("?  Guida in linea"), QColor(255, 255, 255),
                                          QColor(0, 0, 128), tw(8430) - 8, tw(960) - 8, 16);
    QIcon logoIcon(logo);
    logoIcon.addPixmap(logo, QIcon::Disabled); // decoration: no greyed look
    cmdLogo->setIcon(logoIcon);
    cmdLogo->setIconSize(QSize(tw(8430) - 8, tw(960) - 8));
    cmdLogo->setAccessibleName(QStringLiteral("Guida in linea"));
    place(cmdLogo, 180, 180, 8430, 960);

    lblTitolo = new QLabel(QStringLiteral(" Argomento"), this);
    lblTitolo->setAlignment(Qt::AlignCenter);
    lblTitolo->setAutoFillBackground(true);
    QPalette tp = lblTitolo->palette();
    tp.setColor(QPalette::Window, QColor(0, 0, 128));
    tp.setColor(QPalette::WindowText, QColor(255, 255, 0));
    lblTitolo->setPalette(tp);
    QFont tf(QStringLiteral("Verdana"));
    tf.setPointSizeF(9.75);
    tf.setBold(true);
    lblTitolo->setFont(tf);
    place(lblTitolo, 180, 1215, 8430, 375);

    picTesto = new Panel(this, Colors::Navy);
    place(picTesto, 180, 1665, 8430, 4830);

    txtTesto = new TextArea(picTesto);
    txtTesto->setReadOnly(true);
    txtTesto->setFrameShape(QFrame::NoFrame);
    txtTesto->setBackColor(Colors::Navy);
    txtTesto->setForeColor(Colors::White);
    QFont bodyFont(QStringLiteral("Verdana"));
    bodyFont.setPointSizeF(8.25);
    txtTesto->setFont(bodyFont);
    txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTesto->setText(QStringLiteral("Guida in linea\r\n"));
    txtTesto->setAccessibleName(QStringLiteral("Testo della guida"));
    place(txtTesto, 90, 90, 8205, 4605);

    imgPDF = new PictureButton(this,
                               Pictures::banner(QStringLiteral("PDF"), QColor(255, 255, 255), QColor(192, 0, 0), 16, 16, 5),
                               QStringLiteral("Visualizza guida in formato PDF"));
    place(imgPDF, 240, 6840, 240, 240);

    lblPDF = new PictureButton(QStringLiteral("Visualizza guida in formato PDF"), this);
    lblPDF->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont lf(QStringLiteral("Verdana"));
    lf.setPointSizeF(8.25);
    lf.setUnderline(true);
    lblPDF->setFont(lf);
    lblPDF->setForeColor(Colors::Navy);
    place(lblPDF, 540, 6840, 2700, 195);

    cmdStampa = new QPushButton(QStringLiteral("Stampa"), this);
    cmdStampa->setCursor(Qt::PointingHandCursor);
    place(cmdStampa, 4545, 6660, 2145, 480);

    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setCursor(Qt::PointingHandCursor);
    place(cmdChiudi, 6930, 6660, 1695, 480);

    centreOnScreen();

    wire();
}

void frmHelpForm::wire() {
    connect(cmdChiudi, &QPushButton::clicked, this, [this] { cmdChiudi_Click(); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] { cmdStampa_Click(); });
    imgPDF->MouseDown = [this](Qt::MouseButton) { imgPDF_MouseDown(); };
    lblPDF->MouseDown = [this](Qt::MouseButton) { lblPDF_MouseDown(); };
    imgPDF->MouseUp = [this](Qt::MouseButton) { imgPDF_MouseUp(); };
    lblPDF->MouseUp = [this](Qt::MouseButton) { lblPDF_MouseUp(); };
}

void frmHelpForm::cmdChiudi_Click() { Unload(); }

void frmHelpForm::cmdStampa_Click() {
    if (MsgBox(QStringLiteral("Si desidera stampare il testo corrente?"), MsgIcon::Question, MsgButtons::YesNo,
               QStringLiteral("Stampa argomento della guida in linea")) != MsgAnswer::Yes)
        return;
    PrintHelpTopic(lblTitolo->text(), textBoxSource(*txtTesto));
}

void frmHelpForm::imgPDF_MouseDown() { lblPDF->setForeColor(Colors::DarkRed); }
void frmHelpForm::lblPDF_MouseDown() { lblPDF->setForeColor(Colors::DarkRed); }
void frmHelpForm::imgPDF_MouseUp() { openManual(); }
void frmHelpForm::lblPDF_MouseUp() { openManual(); }

void frmHelpForm::openManual() {
    lblPDF->setForeColor(Colors::Navy);
    bool opened = false;
    {
        BusyCursor busy;
        opened = desktop().openFile(ProgramFilePath(ProgramFiles::Manual));
    }
    if (!opened)
        MsgBox(QStringLiteral("File della guida non trovato."), MsgIcon::Exclamation, MsgButtons::OK,
               QStringLiteral("Attenzione: impossibile aprire il file"));
}
