#include "summaries/frmToExcel.h"

#include "common/OfficeCheck.h"
#include "common/Pictures.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "platform/Desktop.h"
#include "platform/DocumentWriters.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/UserLocale.h"
#include "services/ChosenYear.h"
#include "summaries/SlipSheet.h"

#include <QElapsedTimer>
#include <QFont>

using namespace platform;

namespace {

const QString kRefusalTitle = QStringLiteral("Impossibile esportare in Microsoft Excel");
// The progress box is redrawn at most this often while the export runs.
constexpr qint64 kRepaintMs = 50;

QLabel* infoLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmToExcel::frmToExcel() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmToExcel"));
    setWindowTitle(QStringLiteral(" Esporta archivio in foglio di MS Excel"));
    setClientSizeTwips(6360, 4200);

    imgExcel = new QLabel(this);
    imgExcel->setPixmap(Pictures::spreadsheet(tw(720)));
    place(imgExcel, 240, 240, 720, 720);

    lblInfo01 = infoLabel(this, QStringLiteral("Fare clic sul pulsante in calce per esportare l'archivio in un "
                                               "foglio di Microsoft Excel."));
    place(lblInfo01, 1200, 240, 4920, 720);

    lblInfo02 = infoLabel(this, QStringLiteral("Attenzione: questa operazione potrebbe richiedere diversi minuti, "
                                               "a seconda delle dimensioni dell'archivio."));
    lblInfo02->setAlignment(Qt::AlignCenter);
    lblInfo02->setAutoFillBackground(true);
    {
        QPalette pal = lblInfo02->palette();
        pal.setColor(QPalette::Window, vbColor(Colors::Focus));
        lblInfo02->setPalette(pal);
    }
    place(lblInfo02, 240, 1140, 5880, 720);

    lblExport01 = new QLabel(QStringLiteral("Esportati n."), this);
    lblExport01->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblExport01, 240, 2100, 1800, 360);
    txtEsportati = new TextBox(this);
    txtEsportati->setText(QStringLiteral("0"));
    txtEsportati->setAlignment(Qt::AlignCenter);
    txtEsportati->setReadOnly(true);
    txtEsportati->setAccessibleName(lblExport01->text());
    place(txtEsportati, 2160, 2100, 1200, 360);
    lblTotale = new QLabel(QStringLiteral("di 0 record."), this);
    place(lblTotale, 3480, 2100, 2640, 360);

    lblAttendere = new QLabel(QStringLiteral("Esportazione dati in corso. Attendere..."), this);
    lblAttendere->setAlignment(Qt::AlignCenter);
    {
        QPalette pal = lblAttendere->palette();
        pal.setColor(QPalette::WindowText, vbColor(Colors::DarkRed));
        lblAttendere->setPalette(pal);
    }
    lblAttendere->hide();
    place(lblAttendere, 240, 2640, 5880, 360);

    cmdEsporta = new QPushButton(QStringLiteral("Esporta"), this);
    place(cmdEsporta, 2160, 3240, 2040, 600);

    centreOnScreen();
    wire();
}

void frmToExcel::wire() { connect(cmdEsporta, &QPushButton::clicked, this, [this] { cmdEsporta_Click(); }); }

QString frmToExcel::year() const { return ChosenYear::get(); }

void frmToExcel::Form_Load() {
    // The count as the archive's length gives it, fraction included: a
    // trailing part of a record shows here, though only whole ones export.
    // The length is the one every reader sees, so a failed save that still
    // owes its undo is not counted.
    const QString y = year();
    RecordArchive archive = YearSlipArchive(y);
    if (!archive.OpenArchive())
        return;
    const double records = double(archive.Size()) / SlipRecord::Length;
    archive.CloseArchive();
    lblTotale->setText(QStringLiteral("di ") + formatGeneral(records) + QStringLiteral(" record."));
}

void frmToExcel::refused(const QString& text) { MsgBox(text, MsgIcon::Critical, MsgButtons::OK, kRefusalTitle); }

void frmToExcel::cmdEsporta_Click() {
    if (!RegistryValueExists(QStringLiteral("Excel.sheet\\CurVer"))) {
        refused(QString::fromUtf8("L'applicativo Microsoft Excel non è installato su questo computer."));
        return;
    }
    cmdEsporta->setEnabled(false);
    lblAttendere->show();

    QString path;
    const QString folder = exportFolder();
    {
        BusyCursor busy;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        path = WriteYearSheet(year(), folder, [&](qint64 k, qint64 count) {
            txtEsportati->setText(QString::number(k));
            if (sinceRepaint.elapsed() >= kRepaintMs || k == count) {
                repaint();
                sinceRepaint.restart();
            }
        });
    }

    if (path.isEmpty()) {
        txtEsportati->setText(QStringLiteral("0"));
        lblAttendere->hide();
        cmdEsporta->setEnabled(true);
        refused(QStringLiteral("Impossibile salvare il documento nella cartella ") + folder + QLatin1Char('.'));
        return;
    }
    if (!desktop().openFile(path))
        refused(QStringLiteral("Impossibile aprire il file ") + path + QLatin1Char('.'));
    Unload();
}
