#include "services/frmSetNumPreven.h"

#include "common/HelpCatalogue.h"
#include "common/Pictures.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/UserLocale.h"
#include "services/frmHelpForm.h"
#include "common/PictureButton.h"

#include <QApplication>

using namespace platform;

namespace {

const QString kBlankLine = QStringLiteral("\r\n\r\n");


void information(const QString& text, const QString& title) {
    MsgBox(text, MsgIcon::Information, MsgButtons::OK, title);
}

} // namespace

frmSetNumPreven::frmSetNumPreven() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmSetNumPreven"));
    setWindowTitle(QStringLiteral(" Impostazioni separatore decimale"));
    setClientSizeTwips(5520, 3420);
    setBackColor(Colors::LightGrey);

    picContainer01 = new Panel(this, Colors::White);
    place(picContainer01, 120, 120, 5280, 2280);

    cmdInfo = PictureButton::raised(picContainer01,
                                Pictures::banner(QStringLiteral("1.234,56"), vbColor(Colors::Navy),
                                                 vbColor(Colors::White), tw(5040) - 8, tw(1200) - 8, 28),
                                QString());
    cmdInfo->setAccessibleName(QStringLiteral("1.234,56"));
    cmdInfo->setEnabled(false);
    cmdInfo->setCursor(Qt::ArrowCursor);
    place(cmdInfo, 120, 120, 5040, 1200);

    imgSeparatore = new QLabel(picContainer01);
    imgSeparatore->setPixmap(Pictures::decimalSeparator(tw(5040), tw(720)));
    imgSeparatore->setAccessibleName(QStringLiteral("0,00"));
    place(imgSeparatore, 120, 1440, 5040, 720);

    // No caption and no tooltip: its name is the dialog's own.
    cmdSeparatore = PictureButton::raised(this, Pictures::decimalSeparator(tw(1560), tw(480)), QString());
    cmdSeparatore->setAccessibleName(QStringLiteral("Impostazioni separatore decimale"));
    place(cmdSeparatore, 120, 2580, 1800, 660);

    cmdGuida = PictureButton::raised(this, Pictures::questionSign(tw(420), tw(420)), QStringLiteral(" Guida "));
    place(cmdGuida, 4260, 2640, 540, 540);
    cmdChiudi = PictureButton::raised(this, Pictures::redCross(tw(360), tw(360)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, 4860, 2640, 540, 540);

    setTabOrder(cmdSeparatore, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);
    wire();
}

void frmSetNumPreven::wire() {
    connect(cmdSeparatore, &QAbstractButton::clicked, this, [this] { cmdSeparatore_Click(); });
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] { cmdGuida_Click(); });
    connect(cmdChiudi, &QAbstractButton::clicked, this, [this] { cmdChiudi_Click(); });
}

void frmSetNumPreven::cmdSeparatore_Click() {
    IUserLocale& locale = userLocale();
    const QString separator = locale.GetLocaleInfo(LocaleItem::DecimalSeparator).section(QChar(0), 0, 0);
    if (separator == QLatin1String(",")) {
        information(QString::fromUtf8("Il separatore decimale è impostato correttamente."),
                    QStringLiteral("Controllo impostazioni separatore decimale"));
        Unload();
        return;
    }

    platform::program().beep();
    const MsgAnswer answer = MsgBox(
        QString::fromUtf8("E' stato rilevato che il computer su cui si lavora utilizza il punto anziché la virgola "
                          "come separatore decimale.") +
            kBlankLine +
            QString::fromUtf8("Dal momento che questo software utilizza le convenzioni numeriche italiane, è "
                              "necessario configurare opportunamente il separatore decimale.") +
            kBlankLine + QStringLiteral("Si desidera effettuare la modifica?"),
        MsgIcon::Exclamation, MsgButtons::YesNo, QString::fromLatin1(kProgramTitle));

    if (answer != MsgAnswer::Yes) {
        platform::program().beep();
        information(QString::fromUtf8("Il separatore decimale non è stato cambiato.") + kBlankLine +
                        QString::fromUtf8("Si tenga presente che ciò non consentirà di utilizzare correttamente "
                                          "il programma."),
                    QStringLiteral("Operazione annullata"));
        return;
    }

    // Both separators change together or not at all; a change the system
    // refuses is reported as such, never as a success.
    if (!locale.SetLocaleItems({{LocaleItem::DecimalSeparator, QStringLiteral(",")},
                                {LocaleItem::ThousandsSeparator, QStringLiteral(".")}})) {
        MsgBox(QStringLiteral("Il sistema non permette di modificare le impostazioni internazionali.") + kBlankLine +
                   QStringLiteral("Contattare l'amministratore di sistema per cambiare il separatore decimale in una "
                                  "virgola."),
               MsgIcon::Critical, MsgButtons::OK, QStringLiteral("Impossibile modificare il separatore decimale"));
        return;
    }
    information(QString::fromUtf8("Il separatore decimale è stato modificato con successo."),
                QStringLiteral("Operazione terminata"));
    Unload();
}

void frmSetNumPreven::cmdChiudi_Click() { Unload(); }

void frmSetNumPreven::cmdGuida_Click() { ShowHelpTopic(HelpCatalogue::DecimalSeparator()); }
