#include "shell/frmMenuAnagrafica.h"

#include "common/Controls.h"
#include "shell/MenuPictures.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/payers/frmEsecutori.h"

#include <QEvent>
#include <QFont>

namespace {

void setTextColor(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, vbColor(vb));
    pal.setColor(QPalette::ButtonText, vbColor(vb));
    pal.setColor(QPalette::Text, vbColor(vb));
    w->setPalette(pal);
}

QRadioButton* option(QWidget* parent, const QString& caption) {
    auto* opt = new QRadioButton(caption, parent);
    opt->setCursor(Qt::PointingHandCursor);
    return opt;
}

} // namespace

frmMenuAnagrafica::frmMenuAnagrafica() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmMenuAnagrafica"));
    setWindowTitle(QStringLiteral(" Quillora - Selezione archivio anagrafico"));
    setClientSizeTwips(6855, 3510);
    setBackColor(0xC0C0C0);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 315, 315, 6180, 2130);

    imgLogo = new QLabel(picContainer);
    imgLogo->setPixmap(MenuPictures::people(119, 101));
    imgLogo->setAccessibleName(QStringLiteral("Anagrafica"));
    place(imgLogo, 300, 307, 1785, 1515);

    fraSeleziona = new QGroupBox(QStringLiteral(" Selezionare un archivio:"), picContainer);
    QFont frameFont(QStringLiteral("Verdana"));
    frameFont.setPointSizeF(9.75);
    fraSeleziona->setFont(frameFont);
    fraSeleziona->setAutoFillBackground(true);
    QPalette framePal = fraSeleziona->palette();
    framePal.setColor(QPalette::Window, vbColor(Colors::White));
    fraSeleziona->setPalette(framePal);
    setTextColor(fraSeleziona, Colors::Navy);
    place(fraSeleziona, 2265, 165, 3765, 1800);

    optIntestatari = option(fraSeleziona, QStringLiteral(" Anagrafica intestatari "));
    place(optIntestatari, 360, 495, 3255, 375);
    optEsecutori = option(fraSeleziona, QStringLiteral(" Anagrafica esecutori "));
    place(optEsecutori, 360, 990, 3255, 375);
    optIntestatari->setChecked(true);
    setTextColor(optIntestatari, Colors::DarkRed);
    setTextColor(optEsecutori, Colors::Black);

    cmdApri = new QPushButton(QStringLiteral("Apri archivio"), this);
    cmdApri->setCursor(Qt::PointingHandCursor);
    place(cmdApri, 2160, 2700, 2505, 525);

    centreOnScreen();

    wire();
}

void frmMenuAnagrafica::wire() {
    connect(optIntestatari, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optIntestatari_Click();
    });
    connect(optEsecutori, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optEsecutori_Click();
    });
    optIntestatari->installEventFilter(this);
    optEsecutori->installEventFilter(this);
    connect(cmdApri, &QPushButton::clicked, this, [this] { cmdApri_Click(); });
}

bool frmMenuAnagrafica::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == optIntestatari) {
            optIntestatari_DblClick();
            return true;
        }
        if (watched == optEsecutori) {
            optEsecutori_DblClick();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void frmMenuAnagrafica::optIntestatari_Click() {
    setTextColor(optIntestatari, Colors::DarkRed);
    setTextColor(optEsecutori, Colors::Black);
}

void frmMenuAnagrafica::optEsecutori_Click() {
    setTextColor(optEsecutori, Colors::DarkRed);
    setTextColor(optIntestatari, Colors::Black);
}

void frmMenuAnagrafica::optIntestatari_DblClick() { cmdApri_Click(); }

void frmMenuAnagrafica::optEsecutori_DblClick() { cmdApri_Click(); }

void frmMenuAnagrafica::cmdApri_Click() {
    // The chooser goes first, so that the card lies directly over the menu;
    // its instance is released once the card has closed.
    if (optIntestatari->isChecked()) {
        Unload();
        Forms::get<frmIntestatari>().ShowModal();
    } else if (optEsecutori->isChecked()) {
        Unload();
        Forms::get<frmEsecutori>().ShowModal();
    }
}
