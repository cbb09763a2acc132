#include "summaries/frmSelezione01.h"

#include "common/FieldRules.h"
#include "common/PictureButton.h"
#include "common/Pictures.h"
#include "common/YearFrame.h"
#include "platform/Messages.h"
#include "services/frmHelpForm.h"
#include "services/MainMenu.h"
#include "services/frmSetNumPreven.h"
#include "common/HelpCatalogue.h"
#include "summaries/frmRiepiloghi.h"

#include <QCloseEvent>
#include <QDate>
#include <QFont>

using namespace platform;

frmSelezione01::frmSelezione01() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmSelezione01"));
    // No close box: the window is left through "Avanti >>" or cmdChiudi.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Quillora - Selezione archivio annuale"));
    setClientSizeTwips(6120, 4680);
    setBackColor(Colors::LightGrey);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 5880, 4440);

    cmdLogo = new PictureButton(picContainer, Pictures::productLogo(tw(5640) - 6, tw(780) - 6), QString());
    cmdLogo->setAccessibleName(QStringLiteral("Quillora"));
    cmdLogo->setEnabled(false);
    cmdLogo->setCursor(Qt::ArrowCursor);
    place(cmdLogo, 120, 120, 5640, 780);

    const YearFrame year = CreateYearFrame(picContainer);
    fraAnno = year.frame;
    imgCalendario = year.calendar;
    txtAnno = year.year;
    // White until it first takes the focus; it rests on the window colour after.
    txtAnno->setBackColor(Colors::White);

    cmdAnno = new QPushButton(QStringLiteral("Avanti >>"), picContainer);
    cmdAnno->setEnabled(false);
    cmdAnno->setCursor(Qt::PointingHandCursor);
    place(cmdAnno, 120, 3120, 4080, 540);

    picImpostazioni = new Panel(picContainer, Colors::LightGrey);
    place(picImpostazioni, 4380, 1020, 1380, 1320);
    picSettings = new PictureButton(picImpostazioni, Pictures::decimalSeparator(tw(1080), tw(480)),
                                    QStringLiteral(" Impostazioni separatore decimale "));
    place(picSettings, 60, 60, 1260, 900);
    lblImposta = new QLabel(QStringLiteral("Decimali"), picImpostazioni);
    lblImposta->setAlignment(Qt::AlignCenter);
    place(lblImposta, 60, 990, 1260, 270);

    cmdGuida = new PictureButton(picContainer, Pictures::questionSign(tw(420), tw(420)), QStringLiteral(" Guida "));
    place(cmdGuida, 4620, 3780, 540, 540);
    cmdChiudi = new PictureButton(picContainer, Pictures::redCross(tw(360), tw(360)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, 5220, 3780, 540, 540);
    for (PictureButton* button : {picSettings, cmdGuida, cmdChiudi})
        button->setFocusPolicy(Qt::TabFocus);

    setTabOrder(txtAnno, cmdAnno);
    setTabOrder(cmdAnno, picSettings);
    setTabOrder(picSettings, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);

    centreOnScreen();
    wire();
}

void frmSelezione01::wire() {
    EnableWhileFilled(cmdAnno, {txtAnno});
    HighlightOnFocus(txtAnno, Colors::WindowBackground);
    ActOnEnter(txtAnno, [this] { cmdAnno_Click(); });
    DigitsOnly(txtAnno, YearNotice(), true);
    connect(cmdAnno, &QPushButton::clicked, this, [this] { cmdAnno_Click(); });
    connect(picSettings, &QAbstractButton::clicked, this, [this] { picSettings_Click(); });
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] { cmdGuida_Click(); });
    connect(cmdChiudi, &QAbstractButton::clicked, this, [this] { cmdChiudi_Click(); });
}

void frmSelezione01::Form_Load() { txtAnno->setText(QDate::currentDate().toString(QStringLiteral("yyyy"))); }

void frmSelezione01::cmdAnno_Click() {
    const QString year = CheckedYear(txtAnno);
    if (year.isEmpty())
        return;
    frmRiepiloghi& summary = Forms::get<frmRiepiloghi>();
    summary.lblFile->setText(year);
    summary.setWindowTitle(QStringLiteral(" Riepilogo versamenti anno solare ") + year);
    summary.Show();
    Unload();
}

void frmSelezione01::cmdChiudi_Click() {
    MainMenu::show();
    Unload();
}

void frmSelezione01::picSettings_Click() { Forms::get<frmSetNumPreven>().ShowModal(); }

void frmSelezione01::cmdGuida_Click() { ShowHelpTopic(HelpCatalogue::Summaries()); }

void frmSelezione01::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isUnloaded())
        cmdChiudi_Click();
}
