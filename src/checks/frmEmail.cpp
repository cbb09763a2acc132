#include "checks/frmEmail.h"

#include "checks/CheckPictures.h"
#include "checks/Mailto.h"
#include "common/FieldRules.h"
#include "platform/Desktop.h"
#include "platform/Messages.h"

#include <QFont>
#include <QFrame>

using namespace platform;

namespace {

constexpr unsigned int kCaptionBlue = 0xC00000; // &H00C00000&: blue

QFont boxFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

} // namespace

frmEmail::frmEmail() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QStringLiteral(" Invio e-mail"));
    setClientSizeTwips(7200, 5520);
    setBackColor(Colors::LightGrey);

    picPannello = new Panel(this, 0xD8D8D8);
    place(picPannello, 120, 120, 6960, 1680);

    lblIndirizzo = makeCaption(QStringLiteral("A:"), 240, 240, 1080);
    txtIndirizzo = makeBox(lblIndirizzo, 1320, 200, 5640);
    lblCc = makeCaption(QStringLiteral("Cc:"), 240, 760, 1080);
    txtCC = makeBox(lblCc, 1320, 720, 2460);
    lblCcn = makeCaption(QStringLiteral("Ccn:"), 3900, 760, 600);
    txtCCN = makeBox(lblCcn, 4500, 720, 2460);
    lblOggetto = makeCaption(QStringLiteral("Oggetto:"), 240, 1280, 1080);
    txtOggetto = makeBox(lblOggetto, 1320, 1240, 5640);

    auto* Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 120, 1890, 6960, 30);

    lblTesto = makeCaption(QStringLiteral("Testo:"), 120, 2010, 1080);
    txtCorpo = new TextArea(this);
    txtCorpo->setObjectName(QStringLiteral("txtCorpo"));
    txtCorpo->setAnyCharacter(true);
    txtCorpo->setFont(boxFont());
    txtCorpo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCorpo->setAccessibleName(QStringLiteral("Testo"));
    txtCorpo->setBackColor(Colors::WindowBackground);
    lblTesto->setBuddy(txtCorpo);
    place(txtCorpo, 120, 2310, 6960, 2370);

    cmdInvia = new PictureButton(this, CheckPictures::envelope(tw(480), tw(330)), QString());
    cmdInvia->setObjectName(QStringLiteral("cmdInvia"));
    cmdInvia->setCaption(QStringLiteral("Invia"));
    cmdInvia->setFocusPolicy(Qt::TabFocus);
    place(cmdInvia, 6120, 4770, 960, 660);

    setTabOrder(txtIndirizzo, txtCC);
    setTabOrder(txtCC, txtCCN);
    setTabOrder(txtCCN, txtOggetto);
    setTabOrder(txtOggetto, txtCorpo);
    setTabOrder(txtCorpo, cmdInvia);
    txtIndirizzo->setFocus(Qt::OtherFocusReason);

    centreOnScreen();
    wire();
}

QLabel* frmEmail::makeCaption(const QString& caption, int left, int top, int width) {
    auto* label = new QLabel(caption, this);
    QFont f(QStringLiteral("Courier New"));
    f.setPointSizeF(9.75);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, vbColor(kCaptionBlue));
    label->setPalette(pal);
    place(label, left, top, width, 300);
    return label;
}

TextBox* frmEmail::makeBox(QLabel* caption, int left, int top, int width) {
    auto* box = new TextBox(this);
    box->setAnyCharacter(true);
    box->setFont(boxFont());
    box->setBackColor(Colors::WindowBackground);
    box->setAccessibleName(caption->text().chopped(1));
    caption->setBuddy(box);
    place(box, left, top, width, 330);
    return box;
}

void frmEmail::wire() {
    for (TextBox* box : {txtIndirizzo, txtCC, txtCCN, txtOggetto})
        HighlightOnFocus(box, Colors::WindowBackground);
    HighlightOnFocus(txtCorpo, Colors::WindowBackground);
    MoveOnEnter(txtIndirizzo, txtCC);
    MoveOnEnter(txtCC, txtCCN);
    MoveOnEnter(txtCCN, txtOggetto);
    MoveOnEnter(txtOggetto, txtCorpo);
    MoveOnEnter(txtCorpo, txtIndirizzo);
    connect(cmdInvia, &QAbstractButton::clicked, this, [this] { cmdInvia_Click(); });
}

bool frmEmail::SendMail(const QString& address, const QString& subject, const QString& text, const QString& copy,
                        const QString& blindCopy) {
    return desktop().openUrl(MailtoLink(address, subject, text, copy, blindCopy));
}

void frmEmail::cmdInvia_Click() {
    if (SendMail(txtIndirizzo->text(), txtOggetto->text(), txtCorpo->text(), txtCC->text(), txtCCN->text())) {
        Unload();
        return;
    }
    MsgBox(QString::fromUtf8(
               "Non è stato possibile individuare il software predefinito per la gestione della posta elettronica."),
           MsgIcon::Critical, MsgButtons::OK, QStringLiteral("Invio e-mail fallito"));
}
