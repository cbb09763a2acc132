#include "backup/BackupWindows.h"

#include "common/HelpCatalogue.h"
#include "common/Pictures.h"
#include "platform/FileChoosers.h"
#include "platform/FileCopy.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "services/frmHelpForm.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

using namespace platform;

namespace {

const QString kBlankLine = QStringLiteral("\r\n\r\n");
constexpr unsigned int kOptionRest = 0x400000;   // dark blue
constexpr unsigned int kOptionChosen = 0x0000FF; // red
constexpr unsigned int kStepGrey = 0xC0C0C0;

// ------------------------------------------------------------ pictures
using Pictures::canvas;

// An arrow pointing right (Avanti) or left (Indietro).
QPixmap arrow(int size, bool right) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const double m = size * 0.15, mid = size / 2.0, shaft = size * 0.18;
    path.moveTo(m, mid - shaft);
    path.lineTo(mid, mid - shaft);
    path.lineTo(mid, m);
    path.lineTo(size - m, mid);
    path.lineTo(mid, size - m);
    path.lineTo(mid, mid + shaft);
    path.lineTo(m, mid + shaft);
    path.closeSubpath();
    if (!right)
        path = QTransform(-1, 0, 0, 1, size, 0).map(path);
    g.setPen(QPen(vbColor(0x004000), 1.5));
    g.setBrush(vbColor(0x00A000));
    g.drawPath(path);
    return p;
}

// An open door (Esci).
QPixmap door(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(size * 0.25, size * 0.1, size * 0.5, size * 0.8);
    g.setPen(QPen(vbColor(0x404040), 2));
    g.setBrush(vbColor(0x202020));
    g.drawRect(frame);
    QPolygonF leaf({frame.topLeft(), QPointF(frame.right() - size * 0.08, frame.top() + size * 0.08),
                    QPointF(frame.right() - size * 0.08, frame.bottom() + size * 0.05), frame.bottomLeft()});
    g.setBrush(vbColor(0x1A6AA8));
    g.drawPolygon(leaf);
    g.setBrush(vbColor(0x00D0FF));
    g.drawEllipse(QPointF(frame.right() - size * 0.16, frame.center().y()), size * 0.03, size * 0.03);
    return p;
}

// A hand pointing right, at the button to use next.
QPixmap pointingHand(int width, int height) {
    QPixmap p = canvas(width, height);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.2));
    g.setBrush(vbColor(0x99CCFF));
    g.drawRoundedRect(QRectF(width * 0.1, height * 0.3, width * 0.45, height * 0.55), 4, 4);
    g.drawRoundedRect(QRectF(width * 0.45, height * 0.3, width * 0.5, height * 0.16), 3, 3);
    g.setBrush(vbColor(0xC00000));
    g.drawRect(QRectF(0, height * 0.3, width * 0.1, height * 0.55));
    return p;
}

// A yellow folder (Seleziona cartella).
QPixmap folder(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(vbColor(0x006080), 1.5));
    g.setBrush(vbColor(0x40C0F0));
    g.drawRoundedRect(QRectF(size * 0.1, size * 0.2, size * 0.35, size * 0.2), 2, 2);
    g.setBrush(vbColor(0x60E0FF));
    g.drawRoundedRect(QRectF(size * 0.1, size * 0.3, size * 0.8, size * 0.5), 3, 3);
    return p;
}

// A sheet with a green arrow coming back to it (Seleziona file).
QPixmap backupSheet(int size) {
    QPixmap p = canvas(size, size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(size * 0.25, size * 0.1, size * 0.5, size * 0.75));
    for (int i = 0; i < 4; ++i)
        g.drawLine(QPointF(size * 0.32, size * (0.25 + i * 0.12)), QPointF(size * 0.68, size * (0.25 + i * 0.12)));
    g.drawPixmap(QPointF(size * 0.45, size * 0.45), arrow(size / 2, false));
    return p;
}

// The picture as a disabled button shows it.
QPixmap greyed(const QPixmap& picture) {
    return QIcon(picture).pixmap(picture.deviceIndependentSize().toSize(), QIcon::Disabled);
}

// A wizard button: a picture above its word, which is also its name.
PictureButton* wizardButton(QWidget* parent, const QPixmap& picture, const QString& word) {
    auto* button = new PictureButton(parent);
    button->setPicture(picture);
    button->setCaption(word);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setPressedLook(PictureButton::PressedLook::Shift);
    return button;
}

// A button whose picture turns grey while it is disabled.
void enableLooking(PictureButton* button, const QPixmap& picture, bool enabled) {
    button->setEnabled(enabled);
    button->setPicture(enabled ? picture : greyed(picture));
}

QLabel* handPicture(QWidget* parent) {
    auto* hand = new QLabel(parent);
    hand->setPixmap(pointingHand(Form::tw(600), Form::tw(420)));
    hand->setAccessibleName(QStringLiteral("Mano"));
    return hand;
}

// The text colour of an option or a label.
void paintText(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, vbColor(vb));
    w->setPalette(pal);
}

QLabel* wrappedLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(9);
    label->setFont(font);
    return label;
}

// The close box is left out: the steps are left through their own buttons.
void dropCloseBox(Form* form) {
    form->setWindowFlag(Qt::WindowCloseButtonHint, false);
    form->setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
}

QPixmap nextPicture() { return arrow(Form::tw(480), true); }

} // namespace

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

// ================================================================ the two copy steps

CopyStep::CopyStep(BackupArchive archive, const QString& title, const QString& selectCaption,
                   const QString& actCaption, const QPixmap& selectPicture, const QPixmap& actPicture,
                   const QString& nothingChosen)
    : Form(Kind::Dialog), archive_(archive), nothingChosen_(nothingChosen), actPicture_(actPicture) {
    dropCloseBox(this);
    setWindowTitle(title);
    setClientSizeTwips(7620, 5700);
    setBackColor(kStepGrey);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 7380, 1080);
    cmdLogo = new PictureButton(picContainer);
    cmdLogo->setPicture(Pictures::banner(variant().startTitle, vbColor(Colors::Navy), vbColor(Colors::White),
                                         tw(7140), tw(840), 14));
    cmdLogo->setAccessibleName(variant().startTitle);
    cmdLogo->setCursor(Qt::ArrowCursor);
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, 7140, 840);

    lblInfo01 = wrappedLabel(this);
    place(lblInfo01, 240, 1320, 7140, 1560);

    Line1 = new QFrame(this);
    Line2 = new QFrame(this);
    for (QFrame* line : {Line1, Line2})
        line->setFrameShape(QFrame::HLine);
    place(Line1, 120, 2940, 7380, 30);
    place(Line2, 120, 4380, 7380, 30);
    Line3 = new QFrame(this);
    Line4 = new QFrame(this);
    for (QFrame* line : {Line3, Line4})
        line->setFrameShape(QFrame::VLine);
    place(Line3, 1830, 3060, 30, 1200);
    place(Line4, 5760, 3060, 30, 1200);

    cmdSelect = wizardButton(this, selectPicture, selectCaption);
    place(cmdSelect, 120, 3060, 1680, 1200);
    imgMano01 = handPicture(this);
    place(imgMano01, 1920, 3450, 600, 420);

    fraPath = new QFrame(this);
    fraPath->setFrameShape(QFrame::Box);
    fraPath->setAutoFillBackground(true);
    QPalette pal = fraPath->palette();
    pal.setColor(QPalette::Window, vbColor(Colors::White));
    fraPath->setPalette(pal);
    place(fraPath, 2580, 3120, 2460, 1080);
    lblCartella = new QLabel(fraPath);
    lblCartella->setWordWrap(true);
    lblCartella->setAlignment(Qt::AlignCenter);
    lblCartella->setAutoFillBackground(true);
    paintText(lblCartella, Colors::DarkRed);
    QPalette back = lblCartella->palette();
    back.setColor(QPalette::Window, vbColor(Colors::WindowBackground));
    lblCartella->setPalette(back);
    place(lblCartella, 60, 60, 2340, 960);

    imgMano02 = handPicture(this);
    place(imgMano02, 5100, 3450, 600, 420);
    cmdEffettua = wizardButton(this, actPicture, actCaption);
    place(cmdEffettua, 5820, 3060, 1680, 1200);

    cmdIndietro = wizardButton(this, arrow(tw(480), false), QStringLiteral("Indietro"));
    place(cmdIndietro, 120, 4500, 1380, 1080);
    cmdEsci = wizardButton(this, door(tw(600)), QStringLiteral("Esci"));
    place(cmdEsci, 6120, 4500, 1380, 1080);

    setTabOrder(cmdSelect, cmdEffettua);
    setTabOrder(cmdEffettua, cmdIndietro);
    setTabOrder(cmdIndietro, cmdEsci);
    centreOnScreen();
    wire();
}

void CopyStep::wire() {
    connect(cmdSelect, &PictureButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(cmdEffettua, &PictureButton::clicked, this, [this] { cmdEffettua_Click(); });
    connect(cmdIndietro, &PictureButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(cmdEsci, &PictureButton::clicked, this, [this] { cmdEsci_Click(); });
}

void CopyStep::showChoice(const QString& chosen) {
    const bool none = chosen.trimmed().isEmpty();
    lblCartella->setText(none ? nothingChosen_ : chosen);
    lblCartella->setToolTip(none ? QString() : chosen);
    enableLooking(cmdEffettua, actPicture_, !none);
    imgMano01->setVisible(none);
    imgMano02->setVisible(!none);
}

bool CopyStep::copyOver(const QString& source, const QString& target, const QString& question,
                        const QString& questionTitle, const FailureTexts& texts) {
    bool present = false;
    FileError error = ProbeFile(target, present);
    if (error == FileError::None && present &&
        MsgBox(question, MsgIcon::Question, MsgButtons::YesNo, questionTitle) != MsgAnswer::Yes)
        return false;
    if (error == FileError::None) {
        BusyCursor busy;
        error = CopyFileAtomically(source, target);
    }
    if (error == FileError::None)
        return true;

    QString advice;
    switch (error) {
    case FileError::NoMedium: advice = texts.noMedium; break;
    case FileError::PermissionDenied: advice = texts.noPermission; break;
    case FileError::PathNotFound: advice = texts.noPath; break;
    default: break;
    }
    MsgBox(advice.isEmpty() ? texts.failed : texts.failed + kBlankLine + advice, MsgIcon::Exclamation,
           MsgButtons::OK, texts.title);
    return false;
}

void CopyStep::cmdIndietro_Click() {
    const BackupVariant& v = variant();
    Form& first = v.firstStep();
    if (v.yearly)
        static_cast<BackupStart&>(first).optBakDDT->setText(
            v.expand(QStringLiteral("Effettua il backup dell'archivio bollettini relativo all'anno solare <year>.")));
    Unload();
    first.ShowModal();
}

void CopyStep::cmdEsci_Click() { Unload(); }

// ================================================================ backup step

BackupStep::BackupStep(BackupArchive archive)
    : CopyStep(archive, Variant(archive).yearly ? QStringLiteral("Creazione backup archivio bollettini")
                                                : Variant(archive).backupTitle,
               QStringLiteral("Seleziona cartella"), QStringLiteral("Effettua backup"), folder(tw(600)),
               Pictures::diskette(tw(600)), QStringLiteral("Nessuna cartella selezionata")) {
    showChoice(QString());
}

void BackupStep::Form_Load() {
    lblInfo01->setText(ArchiveMeasure(variant(), variant().backupOpening) + kBlankLine +
                       QString::fromUtf8("Per effettuare il backup è necessario selezionare la cartella dove si "
                                         "vuole salvare la copia di sicurezza del file, dopodiché fare clic sul "
                                         "pulsante Effettua backup."));
}

QString BackupStep::BrowseFolder() {
    const auto chosen =
        fileChoosers().chooseFolder({QStringLiteral("Seleziona una cartella per il backup :"), QString()});
    return chosen.value_or(QString());
}

void BackupStep::cmdSelect_Click() { showChoice(BrowseFolder()); }

void BackupStep::cmdEffettua_Click() {
    const BackupVariant& v = variant();
    const FailureTexts texts{
        QStringLiteral("Backup non riuscito"), QStringLiteral("Impossibile effettuare il backup."),
        QStringLiteral("Accertarsi che il dischetto sia stato inserito nell'apposito drive."),
        QStringLiteral("Accertarsi che la cartella e il file di destinazione non siano protetti dalla scrittura."),
        QStringLiteral("Accertarsi che il percorso della cartella di destinazione sia valido.")};
    if (!copyOver(v.livePath(), JoinFolder(lblCartella->text(), v.expand(v.backupName)),
                  v.expand(v.overwriteQuestion) + kBlankLine +
                      QStringLiteral("Si vuole sovrascrivere la copia esistente?"),
                  QStringLiteral("File di backup esistente"), texts))
        return;
    MsgBox(QStringLiteral("Creazione del file di backup effettuata con successo."), MsgIcon::Information,
           MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
    Unload();
}

// ================================================================ restore step

RestoreStep::RestoreStep(BackupArchive archive)
    : CopyStep(archive, Variant(archive).yearly ? QStringLiteral("Ripristino backup archivio bollettini")
                                                : Variant(archive).restoreTitle,
               QStringLiteral("Seleziona file ") + Variant(archive).extension,
               QStringLiteral("Effettua ripristino"), folder(tw(600)), backupSheet(tw(600)),
               QStringLiteral("Nessun file di backup selezionato")) {
    showChoice(QString());
}

void RestoreStep::Form_Load() {
    lblInfo01->setText(ArchiveMeasure(variant(), variant().restoreOpening) + kBlankLine +
                       QString::fromUtf8("Per effettuare il ripristino di una copia di sicurezza precedentemente "
                                         "salvata è necessario selezionare il file di backup con estensione ") +
                       variant().extension +
                       QString::fromUtf8(", dopodiché fare clic sul pulsante Effettua ripristino."));
}

void RestoreStep::cmdSelect_Click() {
    FileRequest request;
    request.title = QStringLiteral("Selezionare un file di backup e premere Apri");
    request.filters = QStringList{variant().restoreFilter, QStringLiteral("Tutti i file (*.*)")};
    request.acceptLabel = QStringLiteral("Apri");
    showChoice(fileChoosers().chooseFile(request).value_or(QString()));
}

void RestoreStep::cmdEffettua_Click() {
    const BackupVariant& v = variant();
    const QString backup = lblCartella->text();
    const FailureTexts texts{
        QStringLiteral("Ripristino non riuscito"), QStringLiteral("Impossibile effettuare il ripristino."),
        QStringLiteral("Accertarsi che il dischetto sia stato inserito nell'apposito drive."),
        QStringLiteral("Accertarsi che la cartella del programma e il file di archivio attualmente in uso non siano "
                       "protetti dalla scrittura."),
        QStringLiteral("Accertarsi che il percorso del file di archivio sia valido.")};

    // Only whole records of this archive may replace it.
    if (const qint64 length = FileLength(backup); length > 0 && length % v.recordLength != 0) {
        MsgBox(texts.failed + kBlankLine +
                   QString::fromUtf8("Il file selezionato non è una copia di backup di questo archivio."),
               MsgIcon::Exclamation, MsgButtons::OK, texts.title);
        return;
    }
    if (!copyOver(backup, v.livePath(),
                  v.expand(v.restoreConfirmation) + kBlankLine +
                      QStringLiteral("Si vuole proprio sovrascrivere il file esistente?"),
                  QStringLiteral("Conferma ripristino"), texts))
        return;
    if (v.afterRestore)
        v.afterRestore();
    MsgBox(v.expand(v.restoreSuccess), MsgIcon::Information, MsgButtons::OK,
           QStringLiteral("Ripristino terminato"));
    Unload();
}
