#include "slips/frmSelezione.h"

#include "backup/BackupWindows.h"
#include "common/FieldRules.h"
#include "common/Pictures.h"
#include "common/YearFrame.h"
#include "platform/Messages.h"
#include "printing/frmImposta.h"
#include "services/frmHelpForm.h"
#include "services/MainMenu.h"
#include "common/PictureButton.h"
#include "common/HelpCatalogue.h"
#include "slips/frmBollettini.h"
#include "services/frmSetNumPreven.h"
#include "summaries/frmToExcel.h"

#include <QDate>
#include <QFont>

using namespace platform;

namespace {

// A tool of the right-hand panel: its picture button and the caption beneath.
void placeTool(QAbstractButton* button, QLabel* caption, int left, int top) {
    Form::place(button, left, top, 1230, 900);
    Form::place(caption, left, top + 930, 1230, 270);
    caption->setAlignment(Qt::AlignCenter);
}

Panel* toolCell(QWidget* parent, int left, int top) {
    auto* cell = new Panel(parent, Colors::LightGrey);
    Form::place(cell, left, top, 1350, 1260);
    return cell;
}

} // namespace

frmSelezione::frmSelezione() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmSelezione"));
    setWindowTitle(QStringLiteral(" Quillora - Selezione archivio annuale"));
    setClientSizeTwips(7680, 4680);
    setBackColor(Colors::LightGrey);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 7440, 4440);

    cmdLogo = PictureButton::raised(picContainer, Pictures::productLogo(tw(7200) - 6, tw(780) - 6), QString());
    cmdLogo->setAccessibleName(QStringLiteral("Quillora"));
    cmdLogo->setEnabled(false);
    cmdLogo->setCursor(Qt::ArrowCursor);
    place(cmdLogo, 120, 120, 7200, 780);

    const YearFrame year = CreateYearFrame(picContainer);
    fraAnno = year.frame;
    imgCalendario = year.calendar;
    txtAnno = year.year;

    cmdAnno = new QPushButton(QStringLiteral("Apri archivio"), picContainer);
    cmdAnno->setEnabled(false);
    cmdAnno->setCursor(Qt::PointingHandCursor);
    place(cmdAnno, 120, 3120, 4080, 540);

    // The tools: backup, export, margins, decimals, two by two.
    picPulsanti = new Panel(picContainer, Colors::LightGrey);
    place(picPulsanti, 4380, 1020, 2940, 2640);

    cmdBackup = PictureButton::raised(picPulsanti, Pictures::diskette(tw(600)), QStringLiteral(" Backup archivio "));
    lblBackup = new QLabel(QStringLiteral("Backup"), picPulsanti);
    placeTool(cmdBackup, lblBackup, 120, 60);

    picExcel = toolCell(picPulsanti, 1530, 0);
    cmdExcel = PictureButton::raised(picExcel, Pictures::spreadsheet(tw(600)),
                                 QStringLiteral(" Esporta archivio in foglio di MS Excel "));
    lblEsporta = new QLabel(QStringLiteral("Esporta"), picExcel);
    placeTool(cmdExcel, lblEsporta, 60, 60);

    picMargini = toolCell(picPulsanti, 60, 1320);
    cmdMargini = PictureButton::raised(picMargini, Pictures::marginSheet(tw(600)),
                                   QStringLiteral(" Impostazioni margini di stampa "));
    lblMargini = new QLabel(QStringLiteral("Margini"), picMargini);
    placeTool(cmdMargini, lblMargini, 60, 60);

    picImpostazioni = toolCell(picPulsanti, 1530, 1320);
    picSettings = PictureButton::raised(picImpostazioni, Pictures::decimalSeparator(tw(1080), tw(480)),
                                    QStringLiteral(" Impostazioni separatore decimale "));
    lblImposta = new QLabel(QStringLiteral("Decimali"), picImpostazioni);
    placeTool(picSettings, lblImposta, 60, 60);

    cmdGuida = PictureButton::raised(picContainer, Pictures::questionSign(tw(420), tw(420)), QStringLiteral(" Guida "));
    place(cmdGuida, 6180, 3780, 540, 540);
    cmdChiudi = PictureButton::raised(picContainer, Pictures::redCross(tw(360), tw(360)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, 6780, 3780, 540, 540);

    setTabOrder(txtAnno, cmdAnno);
    setTabOrder(cmdAnno, cmdBackup);
    setTabOrder(cmdBackup, cmdExcel);
    setTabOrder(cmdExcel, cmdMargini);
    setTabOrder(cmdMargini, picSettings);
    setTabOrder(picSettings, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);

    centreOnScreen();

    wire();
}

void frmSelezione::wire() {
    EnableWhileFilled(cmdAnno, {txtAnno});
    HighlightOnFocus(txtAnno, Colors::WindowBackground);
    ActOnEnter(txtAnno, [this] { cmdAnno_Click(); });
    DigitsOnly(txtAnno, YearNotice(), true);
    connect(cmdAnno, &QPushButton::clicked, this, [this] { cmdAnno_Click(); });
    connect(cmdBackup, &QAbstractButton::clicked, this, [this] { cmdBackup_Click(); });
    connect(cmdExcel, &QAbstractButton::clicked, this, [this] { cmdExcel_Click(); });
    connect(cmdMargini, &QAbstractButton::clicked, this, [this] { cmdMargini_Click(); });
    connect(picSettings, &QAbstractButton::clicked, this, [this] { picSettings_Click(); });
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] { cmdGuida_Click(); });
    connect(cmdChiudi, &QAbstractButton::clicked, this, [this] { cmdChiudi_Click(); });
}

void frmSelezione::Form_Load() { txtAnno->setText(QDate::currentDate().toString(QStringLiteral("yyyy"))); }

QString frmSelezione::checkedYear() { return CheckedYear(txtAnno); }

void frmSelezione::cmdAnno_Click() {
    const QString year = checkedYear();
    if (year.isEmpty())
        return;
    frmBollettini& slips = Forms::get<frmBollettini>();
    slips.lblFile->setText(year);
    slips.lblArchivio->setText(QStringLiteral("Archivio anno ") + year);
    slips.Show();
    Unload();
}

void frmSelezione::cmdBackup_Click() {
    if (checkedYear().isEmpty())
        return;
    Forms::get<frmBakFatt00>().ShowModal();
}

void frmSelezione::cmdExcel_Click() {
    if (checkedYear().isEmpty())
        return;
    Forms::get<frmToExcel>().ShowModal();
}

void frmSelezione::cmdMargini_Click() {
    Forms::get<frmImposta>().ShowModal();
}

void frmSelezione::picSettings_Click() { Forms::get<frmSetNumPreven>().ShowModal(); }

void frmSelezione::cmdGuida_Click() { ShowHelpTopic(HelpCatalogue::SlipWorkbench()); }

void frmSelezione::cmdChiudi_Click() {
    MainMenu::show();
    Unload();
}
