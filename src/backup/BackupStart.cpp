#include "backup/BackupWindows.h"

#include "backup/WizardParts.h"
#include "common/HelpCatalogue.h"
#include "common/Pictures.h"
#include "services/frmHelpForm.h"

using namespace WizardParts;

// ================================================================ first step

BackupStart::BackupStart(BackupArchive archive) : Form(Kind::Dialog), archive_(archive) {
    const BackupVariant& v = variant();
    dropCloseBox(this);
    setWindowTitle(v.startTitle);
    setClientSizeTwips(8400, 5760);
    setBackColor(Colors::White);

    imgLogo = new QLabel(this);
    imgLogo->setPixmap(Pictures::diskette(tw(840)));
    imgLogo->setAccessibleName(QStringLiteral("Backup"));
    place(imgLogo, 120, 120, 900, 900);

    imgTitolo = new QLabel(this);
    imgTitolo->setPixmap(Pictures::banner(QStringLiteral("Gestione backup"), vbColor(Colors::Navy),
                                          vbColor(Colors::White), tw(5400), tw(720), 22));
    imgTitolo->setAccessibleName(QStringLiteral("Gestione backup"));
    place(imgTitolo, 1380, 180, 5400, 720);

    imgGuida = new PictureButton(this, Pictures::questionSign(tw(420), tw(420)), QStringLiteral(" Guida "));
    imgGuida->setFocusPolicy(Qt::StrongFocus);
    place(imgGuida, 7740, 120, 540, 540);

    lblInfo01 = wrappedLabel(this);
    lblInfo01->setText(QString::fromUtf8("Benvenuti nella procedura guidata che vi consentirà di effettuare una "
                                         "copia di sicurezza dei bollettini relativi all'anno selezionato o di "
                                         "ripristinare un file di backup creato in precedenza."));
    if (!v.yearly)
        lblInfo01->setText(v.welcome);
    place(lblInfo01, 240, 1200, 7920, 1020);

    lblInfo02 = wrappedLabel(this);
    lblInfo02->setText(QStringLiteral("Per continuare, selezionare una delle seguenti opzioni e premere il "
                                      "pulsante Avanti in fondo alla schermata."));
    place(lblInfo02, 240, 2280, 7920, 660);

    fraOpzioni = new QGroupBox(this);
    fraOpzioni->setAccessibleName(QStringLiteral("Opzioni"));
    place(fraOpzioni, 240, 3000, 7920, 1440);
    optBakDDT = new QRadioButton(v.yearly ? QStringLiteral(" Effettua il backup dell'archivio bollettini corrente. ")
                                          : v.backupOption,
                                 fraOpzioni);
    optRipDDT = new QRadioButton(v.restoreOption, fraOpzioni);
    for (QRadioButton* option : {optBakDDT, optRipDDT}) {
        option->setCursor(Qt::PointingHandCursor);
        option->setAutoFillBackground(true);
        QPalette pal = option->palette();
        pal.setColor(QPalette::Window, vbColor(Colors::White));
        pal.setColor(QPalette::Button, vbColor(Colors::White));
        option->setPalette(pal);
        paintText(option, kOptionRest);
    }
    place(optBakDDT, 240, 300, 7560, 480);
    place(optRipDDT, 240, 840, 7560, 480);

    cmdEsci = wizardButton(this, door(tw(600)), QStringLiteral("Esci"));
    place(cmdEsci, 240, 4620, 1200, 1020);

    imgDex = handPicture(this);
    imgDex->hide();
    place(imgDex, 6060, 4920, 600, 420);

    cmdAvanti = wizardButton(this, nextPicture(), QStringLiteral("Avanti"));
    enableLooking(cmdAvanti, nextPicture(), false);
    place(cmdAvanti, 6780, 4620, 1380, 1020);

    setTabOrder(optBakDDT, optRipDDT);
    setTabOrder(optRipDDT, cmdAvanti);
    setTabOrder(cmdAvanti, cmdEsci);
    setTabOrder(cmdEsci, imgGuida);
    centreOnScreen();
    wire();
}

void BackupStart::wire() {
    connect(optBakDDT, &QRadioButton::clicked, this, [this] { optBakDDT_Click(); });
    connect(optRipDDT, &QRadioButton::clicked, this, [this] { optRipDDT_Click(); });
    connect(cmdAvanti, &PictureButton::clicked, this, [this] { cmdAvanti_Click(); });
    connect(cmdEsci, &PictureButton::clicked, this, [this] { cmdEsci_Click(); });
    connect(imgGuida, &PictureButton::clicked, this, [this] { imgGuida_Click(); });
}

void BackupStart::Form_Load() {
    const BackupVariant& v = variant();
    if (!v.yearly)
        return;
    lblInfo01->setText(v.expand(v.welcome));
    optBakDDT->setText(v.expand(v.backupOption));
}

void BackupStart::choose(QRadioButton* chosen, QRadioButton* other) {
    paintText(other, kOptionRest);
    paintText(chosen, kOptionChosen);
    chosen->setChecked(true);
    enableLooking(cmdAvanti, nextPicture(), true);
    imgDex->show();
}

void BackupStart::optBakDDT_Click() { choose(optBakDDT, optRipDDT); }
void BackupStart::optRipDDT_Click() { choose(optRipDDT, optBakDDT); }

void BackupStart::cmdAvanti_Click() {
    const BackupVariant& v = variant();
    Form* next = nullptr;
    if (optBakDDT->isChecked()) {
        next = &v.backupStep(); // loads the step, its load handler running now
        if (v.yearly)
            next->setWindowTitle(v.expand(v.backupTitle));
    } else if (optRipDDT->isChecked()) {
        next = &v.restoreStep();
        if (v.yearly)
            next->setWindowTitle(v.expand(v.restoreTitle));
    }
    if (!next)
        return;
    Unload();
    next->ShowModal();
}

void BackupStart::cmdEsci_Click() { Unload(); }

void BackupStart::imgGuida_Click() { ShowHelpTopic(HelpCatalogue::Backup()); }
