#include "slips/frmBollettini.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SlipRecord.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/UserLocale.h"
#include "printing/frmImposta.h"
#include "printing/frmStampaCH8bisL1.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payees/frmIntestatari.h"
#include "shell/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "slips/LeadingNumber.h"
#include "slips/SlipHelp.h"
#include "slips/frmFindValori.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <array>

using namespace platform;

namespace {

const QString kSettingsFile = QStringLiteral("Bollettini.ini");
const QString kPayerSection = QStringLiteral("Dati esecutore");
// The payer block's keys, in the order they are read and written.
const std::array<QString, 5> kPayerKeys = {QStringLiteral("Mittente riga 1"), QStringLiteral("Mittente riga 2"),
                                           QStringLiteral("Indirizzo"), QStringLiteral("CAP"),
                                           QStringLiteral("Comune")};

// Colours of the window (&HBBGGRR).
constexpr unsigned int kWindowColor = 0xC8D0D4; // the grey of the window face
constexpr unsigned int kPaperColor = 0xEEFCFF;  // the slip's paper
constexpr unsigned int kInkColor = Colors::Navy;
constexpr unsigned int kPressedCaption = 0x00FFFF; // yellow

// The slip area and the tool column, in twips.
constexpr int kSlipLeft = 720, kSlipTop = 120, kSlipWidth = 10260, kSlipHeight = 6990;
constexpr int kFrameWidth = 10020, kFrameHeight = 1320;
constexpr int kPayeeTop = 1800, kReasonTop = 3210, kPayerTop = 4620;
constexpr int kToolsLeft = 11100, kToolsWidth = 1140, kToolStep = 1140;
constexpr int kIconSize = 480, kSmallIconSize = 360, kImportSize = 420;

QString trimmed(const QString& text) { return trimBlanks(QStringView(text)).toString(); }

QFont verdana(qreal points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A caption printed on the slip: small, bold, in the slip's ink.
QLabel* slipCaption(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setFont(verdana(8.25, true));
    label->setAlignment(align);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, vbColor(kInkColor));
    label->setPalette(pal);
    return label;
}

TextBox* slipBox(QWidget* parent, int maxLength, Qt::Alignment align, const QString& name) {
    auto* box = new TextBox(parent);
    box->setMaxLength(maxLength);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setFont(verdana(12));
    box->setBackColor(Colors::LightGrey);
    box->setAccessibleName(name);
    return box;
}

TextBox* lockedBox(QWidget* parent, int maxLength, Qt::Alignment align, const QString& name) {
    auto* box = new TextBox(parent);
    box->setReadOnly(true);
    box->setMaxLength(maxLength);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setFont(verdana(9.75));
    box->setBackColor(Colors::LightGrey);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setAccessibleName(name);
    return box;
}

QGroupBox* slipFrame(const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setFont(verdana(8.25, true));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(0, 0, 128); margin-top: 9px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 2px; color: rgb(0, 0, 128); }"));
    return frame;
}

// A picture that acts on the mouse and never takes the keyboard focus.
ClickLabel* pictureIcon(QWidget* parent, const QPixmap& picture, const QString& toolTip) {
    auto* icon = new ClickLabel(parent);
    icon->setPicture(picture, toolTip);
    icon->setAlignment(Qt::AlignCenter);
    icon->setHandPointer();
    icon->setFocusPolicy(Qt::NoFocus);
    return icon;
}

ClickLabel* toolCaption(QWidget* parent, const QString& caption) {
    auto* label = new ClickLabel(caption, parent);
    label->setFont(verdana(8.25, true));
    label->setAlignment(Qt::AlignCenter);
    label->setForeColor(Colors::Black);
    label->setHandPointer();
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QPushButton* browseButton(QWidget* parent, Pictures::Browse step, const QString& toolTip) {
    auto* button = new QPushButton(parent);
    const QPixmap arrow = Pictures::browseArrow(step, 16);
    button->setIcon(QIcon(arrow));
    button->setIconSize(arrow.size());
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip.trimmed());
    return button;
}

void beep() { platform::program().beep(); }

} // namespace

QString FormatWholeAmount(Currency amount) {
    // "#,##0" through the user locale's thousands separator.
    return platform::formatNumber(amount.toDouble(), QStringLiteral("#,##0"));
}

// ---------------------------------------------------------------- the window

frmBollettini::frmBollettini() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmBollettini"));
    setWindowTitle(QStringLiteral(" Compilazione e stampa bollettini"));
    setClientSizeTwips(12360, 8250);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(kWindowColor));
    setPalette(pal);

    // The amount in words lives as long as the form.
    Assegno1 = new Assegno(this);

    buildSlip();
    buildTools();

    lblFile = new QLabel(this);
    lblFile->setVisible(false);

    const std::array<QWidget*, 19> tabs = {txtCC,        txtCifre,     txtCentCifra, txtIntestatario01,
                                           txtIntestatario02, txtCausale01, txtCausale02, txtMittente01,
                                           txtMittente02, txtVia,      txtCAP,       txtLuogo,
                                           txtNote,      cmdPrimo,     cmdIndietro,  cmdAvanti,
                                           cmdUltimo,    cmdGuida,     cmdChiudi};
    for (std::size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);
    txtCC->setFocus(Qt::OtherFocusReason);
    wire();
}

void frmBollettini::buildSlip() {
    picBollettino = new Panel(this, kPaperColor);
    place(picBollettino, kSlipLeft, kSlipTop, kSlipWidth, kSlipHeight);

    imgFrancobollo = new QLabel(picBollettino);
    imgFrancobollo->setPixmap(Pictures::postStamp(tw(420), tw(480)));
    place(imgFrancobollo, 150, 90, 420, 480);
    lblIntestazione = slipCaption(QStringLiteral("CONTI CORRENTI POSTALI - Ricevuta di Versamento"), picBollettino);
    lblIntestazione->setFont(verdana(9.75, true));
    place(lblIntestazione, 690, 180, 6000, 330);
    lblArchivio = slipCaption(QString(), picBollettino, Qt::AlignRight | Qt::AlignVCenter);
    lblArchivio->setFont(verdana(9.75, true));
    place(lblArchivio, 6840, 180, 3300, 330);

    // The amount line: account number at the left, euros and cents at the right.
    lblCC = slipCaption(QStringLiteral("sul C/C n."), picBollettino);
    place(lblCC, 150, 780, 1050, 300);
    txtCC = slipBox(picBollettino, 12, Qt::AlignHCenter, QStringLiteral("sul C/C n."));
    place(txtCC, 1200, 720, 2640, 420);
    lblEuro = slipCaption(QStringLiteral("di Euro"), picBollettino, Qt::AlignRight | Qt::AlignVCenter);
    place(lblEuro, 5880, 780, 990, 300);
    txtCifre = slipBox(picBollettino, 8, Qt::AlignRight, QStringLiteral("di Euro"));
    place(txtCifre, 6960, 720, 2220, 420);
    lblVirgola = slipCaption(QStringLiteral(","), picBollettino, Qt::AlignCenter);
    lblVirgola->setFont(verdana(12, true));
    place(lblVirgola, 9180, 720, 240, 420);
    txtCentCifra = slipBox(picBollettino, 2, Qt::AlignHCenter, QStringLiteral("centesimi"));
    place(txtCentCifra, 9420, 720, 720, 420);

    // The words line.
    lblLettere = slipCaption(QStringLiteral("IMPORTO IN LETTERE"), picBollettino);
    place(lblLettere, 150, 1320, 2100, 300);
    Display = lockedBox(picBollettino, 120, Qt::AlignRight, QStringLiteral("IMPORTO IN LETTERE"));
    place(Display, 2280, 1290, 6900, 360);
    lblBarra = slipCaption(QStringLiteral("/"), picBollettino, Qt::AlignCenter);
    lblBarra->setFont(verdana(9.75, true));
    place(lblBarra, 9180, 1290, 240, 360);
    txtCentCifra02 = lockedBox(picBollettino, 2, Qt::AlignHCenter, QStringLiteral("centesimi"));
    place(txtCentCifra02, 9420, 1290, 720, 360);

    // Payee and reason: two lines each.
    fraIntestatario = slipFrame(QStringLiteral(" INTESTATO A "), picBollettino);
    place(fraIntestatario, 120, kPayeeTop, kFrameWidth, kFrameHeight);
    txtIntestatario01 = slipBox(fraIntestatario, 34, Qt::AlignLeft, QStringLiteral("Intestatario, riga 1"));
    place(txtIntestatario01, 150, 375, 6600, 390);
    txtIntestatario02 = slipBox(fraIntestatario, 34, Qt::AlignLeft, QStringLiteral("Intestatario, riga 2"));
    place(txtIntestatario02, 150, 825, 6600, 390);

    fraCausale = slipFrame(QStringLiteral(" CAUSALE "), picBollettino);
    place(fraCausale, 120, kReasonTop, kFrameWidth, kFrameHeight);
    txtCausale01 = slipBox(fraCausale, 60, Qt::AlignLeft, QStringLiteral("Causale, riga 1"));
    place(txtCausale01, 150, 375, 9720, 390);
    txtCausale02 = slipBox(fraCausale, 60, Qt::AlignLeft, QStringLiteral("Causale, riga 2"));
    place(txtCausale02, 150, 825, 9720, 390);

    // Payer with the address.
    fraMittente = slipFrame(QStringLiteral(" ESEGUITO DA "), picBollettino);
    place(fraMittente, 120, kPayerTop, 6060, 2250);
    txtMittente01 = slipBox(fraMittente, 23, Qt::AlignLeft, QStringLiteral("Esecutore, riga 1"));
    place(txtMittente01, 150, 375, 5760, 390);
    txtMittente02 = slipBox(fraMittente, 23, Qt::AlignLeft, QStringLiteral("Esecutore, riga 2"));
    place(txtMittente02, 150, 825, 5760, 390);
    lblVia = slipCaption(QStringLiteral("VIA - PIAZZA"), fraMittente);
    place(lblVia, 150, 1320, 1380, 300);
    txtVia = slipBox(fraMittente, 23, Qt::AlignLeft, QStringLiteral("VIA - PIAZZA"));
    place(txtVia, 1530, 1275, 4380, 390);
    lblCAP = slipCaption(QStringLiteral("CAP"), fraMittente);
    place(lblCAP, 150, 1770, 480, 300);
    txtCAP = slipBox(fraMittente, 5, Qt::AlignLeft, QStringLiteral("CAP"));
    place(txtCAP, 630, 1725, 1020, 390);
    lblLocalita = slipCaption(QStringLiteral("LOCALITA'"), fraMittente);
    place(lblLocalita, 1770, 1770, 1140, 300);
    txtLuogo = slipBox(fraMittente, 17, Qt::AlignLeft, QStringLiteral("LOCALITA'"));
    place(txtLuogo, 2910, 1725, 3000, 390);
    lblVia->setBuddy(txtVia);
    lblCAP->setBuddy(txtCAP);
    lblLocalita->setBuddy(txtLuogo);
    lblCC->setBuddy(txtCC);
    lblEuro->setBuddy(txtCifre);

    // Notes and browsing, at the right of the payer.
    lblNote = slipCaption(QStringLiteral("Note:"), picBollettino);
    place(lblNote, 6300, 4680, 1200, 300);
    txtNote = new TextArea(picBollettino);
    txtNote->setMaxLength(300);
    txtNote->setFont(verdana(8.25));
    txtNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNote->setBackColor(Colors::White);
    txtNote->setAccessibleName(QStringLiteral("Note"));
    lblNote->setBuddy(txtNote);
    place(txtNote, 6300, 4980, 3840, 1260);

    cmdPrimo = browseButton(picBollettino, Pictures::Browse::First, QStringLiteral(" Primo bollettino "));
    place(cmdPrimo, 6300, 6390, 630, 450);
    cmdIndietro = browseButton(picBollettino, Pictures::Browse::Previous, QStringLiteral(" Bollettino precedente "));
    place(cmdIndietro, 6960, 6390, 630, 450);
    lblPosizione = new QLabel(picBollettino);
    lblPosizione->setFrameShape(QFrame::Panel);
    lblPosizione->setFrameShadow(QFrame::Sunken);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(verdana(9.75, true));
    lblPosizione->setAutoFillBackground(true);
    QPalette white = lblPosizione->palette();
    white.setColor(QPalette::Window, vbColor(Colors::White));
    white.setColor(QPalette::WindowText, vbColor(kInkColor));
    lblPosizione->setPalette(white);
    place(lblPosizione, 7620, 6390, 1200, 450);
    cmdAvanti = browseButton(picBollettino, Pictures::Browse::Next, QStringLiteral(" Bollettino successivo "));
    place(cmdAvanti, 8850, 6390, 630, 450);
    cmdUltimo = browseButton(picBollettino, Pictures::Browse::Last, QStringLiteral(" Ultimo bollettino "));
    place(cmdUltimo, 9510, 6390, 630, 450);

    // Import at the window's left edge, level with each frame; export in the
    // frame's top right corner.
    const QPixmap import = Pictures::cardImport(tw(kImportSize));
    const QString importTip = QStringLiteral(" Importa dati ");
    imgImporta01 = pictureIcon(this, import, importTip);
    place(imgImporta01, 150, kSlipTop + kPayeeTop + 450, kImportSize, kImportSize);
    imgImporta02 = pictureIcon(this, import, importTip);
    place(imgImporta02, 150, kSlipTop + kReasonTop + 450, kImportSize, kImportSize);
    imgImporta03 = pictureIcon(this, import, importTip);
    place(imgImporta03, 150, kSlipTop + kPayerTop + 450, kImportSize, kImportSize);

    const QPixmap exportPicture = Pictures::cardExport(tw(kSmallIconSize));
    const QString exportTip = QStringLiteral(" Esporta dati ");
    imgEsporta01 = pictureIcon(fraIntestatario, exportPicture, exportTip);
    place(imgEsporta01, kFrameWidth - 480, 0, kSmallIconSize, kSmallIconSize);
    imgEsporta02 = pictureIcon(fraCausale, exportPicture, exportTip);
    place(imgEsporta02, kFrameWidth - 480, 0, kSmallIconSize, kSmallIconSize);
    imgEsporta03 = pictureIcon(fraMittente, exportPicture, exportTip);
    place(imgEsporta03, 6060 - 480, 0, kSmallIconSize, kSmallIconSize);
}

void frmBollettini::buildTools() {
    picControlli = new Panel(this, Colors::White);
    place(picControlli, kToolsLeft, kSlipTop, kToolsWidth, kSlipHeight);

    struct Tool {
        ClickLabel*& icon;
        ClickLabel*& caption;
        QPixmap picture;
        const char* text;
    };
    const int size = tw(kIconSize);
    const Tool tools[] = {
        {imgNuovo, lblNuovo, Pictures::newSheet(size), "Nuovo"},
        {imgSalva, lblSalva, Pictures::diskette(size), "Salva"},
        {imgCerca, lblCerca, Pictures::magnifier(size), "Trova"},
        {imgImposta, lblImposta, Pictures::marginSheet(size), "Imposta"},
        {imgStampa, lblStampa, Pictures::printer(size), "Stampa"},
        {imgGuida, lblGuida, Pictures::deleteSheet(size), "Elimina"},
    };
    int top = 150;
    for (const Tool& tool : tools) {
        const QString caption = QString::fromLatin1(tool.text);
        // The icons have no tooltip; their caption names them.
        tool.icon = pictureIcon(picControlli, tool.picture, QString());
        tool.icon->setAccessibleName(caption);
        place(tool.icon, (kToolsWidth - kIconSize) / 2, top, kIconSize, kIconSize);
        tool.caption = toolCaption(picControlli, caption);
        place(tool.caption, 30, top + kIconSize + 30, kToolsWidth - 60, 270);
        top += kToolStep;
    }

    cmdGuida = new QPushButton(QStringLiteral(" Guida "), this);
    place(cmdGuida, kToolsLeft, 7230, kToolsWidth, 420);
    cmdChiudi = new QPushButton(QStringLiteral(" Chiudi "), this);
    place(cmdChiudi, kToolsLeft, 7710, kToolsWidth, 420);
}

void frmBollettini::wire() {
    // The boxes' editing rules. Enter walks the boxes in tab order and from the
    // notes back to the account number.
    const std::array<TextBox*, 12> line = {txtCC,         txtCifre,      txtCentCifra, txtIntestatario01,
                                           txtIntestatario02, txtCausale01, txtCausale02, txtMittente01,
                                           txtMittente02, txtVia,        txtCAP,       txtLuogo};
    for (std::size_t i = 0; i < line.size(); ++i) {
        HighlightOnFocus(line[i], Colors::LightGrey);
        MoveOnEnter(line[i], i + 1 < line.size() ? static_cast<QWidget*>(line[i + 1]) : txtNote);
    }
    HighlightOnFocus(txtNote, Colors::White);
    MoveOnEnter(txtNote, txtCC);
    DigitsOnly(txtCC, DigitsNotice());
    RefuseComma(txtCifre, txtCentCifra);
    DigitsOnly(txtCifre, DigitsNotice());
    DigitsOnly(txtCentCifra, DigitsNotice());
    CompleteCents(txtCentCifra);
    for (std::size_t i = 3; i < line.size(); ++i)
        UpperCaseLetter(line[i]);

    connect(txtCifre, &QLineEdit::textChanged, this, [this] { txtCifre_Change(); });
    connect(txtCentCifra, &QLineEdit::textChanged, this, [this] { txtCentCifra_Change(); });
    connect(Assegno1, &Assegno::Bluff, this, [this](Currency amount) { Assegno1_Bluff(amount); });

    connect(cmdPrimo, &QPushButton::clicked, this, [this] { cmdPrimo_Click(); });
    connect(cmdIndietro, &QPushButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(cmdAvanti, &QPushButton::clicked, this, [this] { cmdAvanti_Click(); });
    connect(cmdUltimo, &QPushButton::clicked, this, [this] { cmdUltimo_Click(); });
    connect(cmdChiudi, &QPushButton::clicked, this, [this] { cmdChiudi_Click(); });
    connect(cmdGuida, &QPushButton::clicked, this, [this] { cmdGuida_Click(); });

    imgNuovo->MouseDown = [this](Qt::MouseButton b) { imgNuovo_MouseDown(b); };
    imgNuovo->MouseUp = [this](Qt::MouseButton b) { imgNuovo_MouseUp(b); };
    imgNuovo->Click = [this] { imgNuovo_Click(); };
    imgSalva->MouseDown = [this](Qt::MouseButton b) { imgSalva_MouseDown(b); };
    imgSalva->MouseUp = [this](Qt::MouseButton b) { imgSalva_MouseUp(b); };
    imgSalva->Click = [this] { imgSalva_Click(); };
    imgCerca->MouseDown = [this](Qt::MouseButton b) { imgCerca_MouseDown(b); };
    imgCerca->MouseUp = [this](Qt::MouseButton b) { imgCerca_MouseUp(b); };
    imgCerca->Click = [this] { imgCerca_Click(); };
    imgStampa->MouseDown = [this](Qt::MouseButton b) { imgStampa_MouseDown(b); };
    imgStampa->MouseUp = [this](Qt::MouseButton b) { imgStampa_MouseUp(b); };
    imgStampa->Click = [this] { imgStampa_Click(); };
    imgGuida->MouseDown = [this](Qt::MouseButton b) { imgGuida_MouseDown(b); };
    imgGuida->MouseUp = [this](Qt::MouseButton b) { imgGuida_MouseUp(b); };
    imgGuida->Click = [this] { imgGuida_Click(); };
    imgImposta->MouseDown = [this](Qt::MouseButton b) { imgImposta_MouseDown(b); };
    imgImposta->MouseUp = [this](Qt::MouseButton b) { imgImposta_MouseUp(b); };

    lblNuovo->MouseDown = [this](Qt::MouseButton b) { lblNuovo_MouseDown(b); };
    lblNuovo->MouseUp = [this](Qt::MouseButton b) { lblNuovo_MouseUp(b); };
    lblSalva->MouseDown = [this](Qt::MouseButton b) { lblSalva_MouseDown(b); };
    lblSalva->MouseUp = [this](Qt::MouseButton b) { lblSalva_MouseUp(b); };
    lblCerca->MouseDown = [this](Qt::MouseButton b) { lblCerca_MouseDown(b); };
    lblCerca->MouseUp = [this](Qt::MouseButton b) { lblCerca_MouseUp(b); };
    lblImposta->MouseDown = [this](Qt::MouseButton b) { lblImposta_MouseDown(b); };
    lblImposta->MouseUp = [this](Qt::MouseButton b) { lblImposta_MouseUp(b); };
    lblStampa->MouseDown = [this](Qt::MouseButton b) { lblStampa_MouseDown(b); };
    lblStampa->MouseUp = [this](Qt::MouseButton b) { lblStampa_MouseUp(b); };
    lblGuida->MouseDown = [this](Qt::MouseButton b) { lblGuida_MouseDown(b); };
    lblGuida->MouseUp = [this](Qt::MouseButton b) { lblGuida_MouseUp(b); };

    imgImporta01->MouseUp = [this](Qt::MouseButton b) { imgImporta01_MouseUp(b); };
    imgImporta02->MouseUp = [this](Qt::MouseButton b) { imgImporta02_MouseUp(b); };
    imgImporta03->MouseUp = [this](Qt::MouseButton b) { imgImporta03_MouseUp(b); };
    imgEsporta01->MouseUp = [this](Qt::MouseButton b) { imgEsporta01_MouseUp(b); };
    imgEsporta02->MouseUp = [this](Qt::MouseButton b) { imgEsporta02_MouseUp(b); };
    imgEsporta03->MouseUp = [this](Qt::MouseButton b) { imgEsporta03_MouseUp(b); };
}

// ---------------------------------------------------------------- load and unload

void frmBollettini::Form_Load() {
    // The payer block as the last closing left it; missing keys read empty.
    const std::array<TextBox*, 5> payer = {txtMittente01, txtMittente02, txtVia, txtCAP, txtLuogo};
    for (std::size_t i = 0; i < payer.size(); ++i)
        payer[i]->setText(ReadSetting(kSettingsFile, kPayerSection, kPayerKeys[i]));
}

void frmBollettini::Form_Unload() {
    const std::array<TextBox*, 5> payer = {txtMittente01, txtMittente02, txtVia, txtCAP, txtLuogo};
    for (std::size_t i = 0; i < payer.size(); ++i)
        WriteSetting(kSettingsFile, kPayerSection, kPayerKeys[i], trimmed(payer[i]->text()));
    Forms::get<frmMenu>().Show();
}

void frmBollettini::cmdChiudi_Click() { Unload(); }

void frmBollettini::cmdGuida_Click() { ShowHelpTopic(SlipWorkbenchTopic()); }

// ---------------------------------------------------------------- the record on show

QString frmBollettini::archivePath() const { return ProgramFilePath(YearArchiveName(lblFile->text())); }

QString frmBollettini::tempPath() const { return ProgramFilePath(YearTempName(lblFile->text())); }

qint64 frmBollettini::recordOnShow() const {
    bool ok = false;
    const qint64 number = lblPosizione->text().trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

void frmBollettini::setRecordOnShow(qint64 number) {
    lblPosizione->setText(QLatin1Char(' ') + QString::number(number));
}

SlipRecord frmBollettini::slipOnShow() const {
    SlipRecord slip;
    slip.AccountNumber = txtCC->text();
    slip.Euros = txtCifre->text();
    slip.Cents = txtCentCifra->text();
    slip.Payee1 = txtIntestatario01->text();
    slip.Payee2 = txtIntestatario02->text();
    slip.Reason1 = txtCausale01->text();
    slip.Reason2 = txtCausale02->text();
    slip.Payer1 = txtMittente01->text();
    slip.Payer2 = txtMittente02->text();
    slip.Street = txtVia->text();
    slip.PostCode = txtCAP->text();
    slip.Town = txtLuogo->text();
    slip.Notes = txtNote->text();
    return slip;
}

void frmBollettini::showSlip(const SlipRecord& slip) {
    txtCC->setText(slip.AccountNumber);
    txtCifre->setText(slip.Euros);
    txtCentCifra->setText(slip.Cents);
    txtIntestatario01->setText(slip.Payee1);
    txtIntestatario02->setText(slip.Payee2);
    txtCausale01->setText(slip.Reason1);
    txtCausale02->setText(slip.Reason2);
    txtMittente01->setText(slip.Payer1);
    txtMittente02->setText(slip.Payer2);
    txtVia->setText(slip.Street);
    txtCAP->setText(slip.PostCode);
    txtLuogo->setText(slip.Town);
    txtNote->setText(slip.Notes);
}

// The save needs at least one of these ten boxes; postal code, town and
// notes alone are not a slip.
bool frmBollettini::slipIsEmpty() const {
    for (const TextBox* box : {txtCC, txtCifre, txtCentCifra, txtIntestatario01, txtIntestatario02, txtCausale01,
                               txtCausale02, txtMittente01, txtMittente02, txtVia})
        if (!trimmed(box->text()).isEmpty())
            return false;
    return true;
}

// ---------------------------------------------------------------- browsing

void frmBollettini::cmdPrimo_Click() { browse(Step::First); }
void frmBollettini::cmdIndietro_Click() { browse(Step::Previous); }
void frmBollettini::cmdAvanti_Click() { browse(Step::Next); }
void frmBollettini::cmdUltimo_Click() { browse(Step::Last); }

// Browsing shows no error: an archive that cannot be opened counts as empty,
// and a record that cannot be read leaves the boxes as they are.
void frmBollettini::browse(Step step) {
    RecordArchive archive(archivePath(), tempPath(), SlipRecord::Length);
    const qint64 count = archive.OpenArchive() ? archive.RecordCount() : 0;
    if (count == 0) {
        if (step != Step::Previous)
            MsgBox(QStringLiteral("L'archivio non contiene nessun bollettino."), MsgIcon::Exclamation,
                   MsgButtons::OK, QStringLiteral("Attenzione!"));
        lblPosizione->clear();
        archive.CloseArchive();
        imgNuovo_Click();
        return;
    }
    qint64 target = 1;
    switch (step) {
    case Step::First: target = 1; break;
    case Step::Previous: target = std::clamp<qint64>(recordOnShow() - 1, 1, count); break;
    case Step::Next: target = std::clamp<qint64>(recordOnShow() + 1, 1, count); break;
    case Step::Last: target = count; break;
    }
    if (step == Step::Previous || step == Step::Next)
        setRecordOnShow(target);
    SlipRecord slip;
    if (archive.Read(target, slip))
        showSlip(slip);
    if (step == Step::First || step == Step::Last)
        setRecordOnShow(target);
    archive.CloseArchive();
}

// ---------------------------------------------------------------- new, save, delete

void frmBollettini::imgNuovo_Click() {
    // The payer block stays; the archive is not touched.
    for (TextBox* box : {txtCC, txtCifre, txtCentCifra, txtIntestatario01, txtIntestatario02, txtCausale01,
                         txtCausale02})
        box->clear();
    txtNote->setText(QString());
    lblPosizione->clear();
    txtCC->setFocus(Qt::OtherFocusReason);
}

void frmBollettini::imgSalva_Click() {
    if (slipIsEmpty()) {
        MsgBox(QStringLiteral("Si prega di compilare le caselle del bollettino prima di eseguire il salvataggio."),
               MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Attenzione: salvataggio non applicabile"));
        return;
    }
    RecordArchive archive(archivePath(), tempPath(), SlipRecord::Length);
    if (!archive.OpenArchive())
        return saveFailed(archive);
    const qint64 count = archive.RecordCount();

    if (!lblPosizione->text().isEmpty()) {
        const qint64 number = recordOnShow();
        if (number < 1 || number > count) {
            beep();
            MsgBox(QStringLiteral("Impossibile salvare le modifiche."), MsgIcon::Exclamation, MsgButtons::OK,
                   QStringLiteral("Messaggio di errore"));
            archive.CloseArchive();
            imgNuovo_Click();
            return;
        }
        if (!archive.Write(number, slipOnShow()))
            return saveFailed(archive);
        MsgBox(QStringLiteral("Le modifiche apportate al bollettino corrente sono state inserite in archivio."),
               MsgIcon::Information, MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
        archive.CloseArchive();
        return;
    }

    // A new slip becomes record count + 1, and shows that number only once
    // it is written.
    if (!archive.Write(count + 1, slipOnShow()))
        return saveFailed(archive);
    setRecordOnShow(count + 1);
    archive.CloseArchive();
    MsgBox(QStringLiteral("I dati relativi al versamento sul C/C n. ") + trimmed(txtCC->text()) +
               QStringLiteral(" sono stati inseriti in archivio."),
           MsgIcon::Information, MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
}

// The boxes and the record on show stay as they were.
void frmBollettini::saveFailed(RecordArchive& archive) {
    archive.CloseArchive();
    beep();
    MsgBox(QStringLiteral("Il sistema non permette di salvare i dati.\r\n\r\n"
                          "Accertarsi che il file di archivio non abbia attributi di protezione."),
           MsgIcon::None, MsgButtons::OK, QStringLiteral("Messaggio di errore"));
}

void frmBollettini::imgGuida_Click() {
    if (lblPosizione->text().isEmpty()) {
        MsgBox(QString::fromUtf8("La cancellazione può essere applicata soltanto ad un bollettino già presente in "
                                 "archivio.\r\n\r\n"
                                 "Se si vuole semplicemente vuotare tutti i campi di testo, fare clic su Nuovo."),
               MsgIcon::Information, MsgButtons::OK, QStringLiteral("Operazione non applicabile"));
        return;
    }
    if (MsgBox(QStringLiteral("Si vuole proprio cancellare il bollettino n.") + lblPosizione->text() +
                   QLatin1Char('?'),
               MsgIcon::Question, MsgButtons::YesNo,
               QStringLiteral("Conferma eliminazione bollettino")) != MsgAnswer::Yes)
        return;

    // A number outside 1..count removes nothing and is reported as a failure.
    RecordArchive archive(archivePath(), tempPath(), SlipRecord::Length);
    if (!archive.OpenArchive() || !archive.RemoveRecord(recordOnShow()))
        return deleteFailed(archive);
    archive.CloseArchive();
    cmdIndietro_Click();
    MsgBox(QString::fromUtf8("Il bollettino è stata rimosso dall'archivio."), MsgIcon::Information, MsgButtons::OK,
           QStringLiteral("Cancellazione terminata"));
}

void frmBollettini::deleteFailed(RecordArchive& archive) {
    beep();
    archive.CloseArchive();
    MsgBox(QStringLiteral("Impossibile eliminare il bollettino corrente.\r\n\r\n"
                          "Accertarsi che il file di archivio non abbia attributi di protezione."),
           MsgIcon::Information, MsgButtons::OK, QStringLiteral("Messaggio di errore"));
}

// ---------------------------------------------------------------- amount

void frmBollettini::txtCifre_Change() {
    Assegno1->setImporto(Currency::fromDouble(LeadingNumberValue(txtCifre->text())));
    Assegno1->setMaiuscolo(true);
    Display->setText(Assegno1->Parola());
}

void frmBollettini::txtCentCifra_Change() { txtCentCifra02->setText(txtCentCifra->text()); }

void frmBollettini::Assegno1_Bluff(Currency amount) {
    MsgBox(QStringLiteral("Attenzione: ") + FormatWholeAmount(amount) + QString::fromUtf8(" non è un importo valido."),
           MsgIcon::Critical, MsgButtons::OK, QStringLiteral("Cifra eccedente il limite massimo"));
}

// ---------------------------------------------------------------- windows opened from the form

void frmBollettini::imgCerca_Click() {
    Forms::get<frmFindValori>().ShowModal();
}

void frmBollettini::imgStampa_Click() {
    frmStampaCH8bisL1& print = Forms::get<frmStampaCH8bisL1>();
    print.lblMemory->setText(QStringLiteral("CH8bisL1"));
    print.ShowModal();
}

void frmBollettini::showMarginDialog() {
    Forms::get<frmImposta>().ShowModal();
}

void frmBollettini::imgImporta01_MouseUp(Qt::MouseButton) { Forms::get<frmFindIntestatario01>().ShowModal(); }

void frmBollettini::imgImporta02_MouseUp(Qt::MouseButton) {
    // The reason lookup: Forms::get<frmFindCausale01>().ShowModal();
}

void frmBollettini::imgImporta03_MouseUp(Qt::MouseButton) {
    // The payer lookup: Forms::get<frmFindEsecutore01>().ShowModal();
}

void frmBollettini::imgEsporta01_MouseUp(Qt::MouseButton) {
    frmIntestatari& card = Forms::get<frmIntestatari>();
    card.txtIntestatario01->setText(trimmed(txtIntestatario01->text()));
    card.txtIntestatario02->setText(trimmed(txtIntestatario02->text()));
    card.txtCC->setText(trimmed(txtCC->text()));
    card.ShowModal();
}

void frmBollettini::imgEsporta02_MouseUp(Qt::MouseButton) {
    // A new reason card (frmCausali) filled with the trimmed reason lines, euros and cents, shown modally.
}

void frmBollettini::imgEsporta03_MouseUp(Qt::MouseButton) {
    // A new payer card (frmEsecutori) filled with the trimmed payer block, shown modally.
}

// ---------------------------------------------------------------- tool icons and captions

// Pressing on an icon or its caption turns the caption yellow, releasing turns
// it black; a caption's release then acts as its icon does.

void frmBollettini::imgNuovo_MouseDown(Qt::MouseButton) { lblNuovo->setForeColor(kPressedCaption); }
void frmBollettini::imgNuovo_MouseUp(Qt::MouseButton) { lblNuovo->setForeColor(Colors::Black); }
void frmBollettini::imgSalva_MouseDown(Qt::MouseButton) { lblSalva->setForeColor(kPressedCaption); }
void frmBollettini::imgSalva_MouseUp(Qt::MouseButton) { lblSalva->setForeColor(Colors::Black); }
void frmBollettini::imgCerca_MouseDown(Qt::MouseButton) { lblCerca->setForeColor(kPressedCaption); }
void frmBollettini::imgCerca_MouseUp(Qt::MouseButton) { lblCerca->setForeColor(Colors::Black); }
void frmBollettini::imgStampa_MouseDown(Qt::MouseButton) { lblStampa->setForeColor(kPressedCaption); }
void frmBollettini::imgStampa_MouseUp(Qt::MouseButton) { lblStampa->setForeColor(Colors::Black); }
void frmBollettini::imgGuida_MouseDown(Qt::MouseButton) { lblGuida->setForeColor(kPressedCaption); }
void frmBollettini::imgGuida_MouseUp(Qt::MouseButton) { lblGuida->setForeColor(Colors::Black); }
void frmBollettini::imgImposta_MouseDown(Qt::MouseButton) { lblImposta->setForeColor(kPressedCaption); }

void frmBollettini::imgImposta_MouseUp(Qt::MouseButton) {
    lblImposta->setForeColor(Colors::Black);
    showMarginDialog();
}

void frmBollettini::lblNuovo_MouseDown(Qt::MouseButton) { lblNuovo->setForeColor(kPressedCaption); }
void frmBollettini::lblSalva_MouseDown(Qt::MouseButton) { lblSalva->setForeColor(kPressedCaption); }
void frmBollettini::lblCerca_MouseDown(Qt::MouseButton) { lblCerca->setForeColor(kPressedCaption); }
void frmBollettini::lblImposta_MouseDown(Qt::MouseButton) { lblImposta->setForeColor(kPressedCaption); }
void frmBollettini::lblStampa_MouseDown(Qt::MouseButton) { lblStampa->setForeColor(kPressedCaption); }
void frmBollettini::lblGuida_MouseDown(Qt::MouseButton) { lblGuida->setForeColor(kPressedCaption); }

void frmBollettini::lblNuovo_MouseUp(Qt::MouseButton) {
    lblNuovo->setForeColor(Colors::Black);
    imgNuovo_Click();
}

void frmBollettini::lblSalva_MouseUp(Qt::MouseButton) {
    lblSalva->setForeColor(Colors::Black);
    imgSalva_Click();
}

void frmBollettini::lblCerca_MouseUp(Qt::MouseButton) {
    lblCerca->setForeColor(Colors::Black);
    imgCerca_Click();
}

void frmBollettini::lblImposta_MouseUp(Qt::MouseButton) {
    lblImposta->setForeColor(Colors::Black);
    showMarginDialog();
}

void frmBollettini::lblStampa_MouseUp(Qt::MouseButton) {
    lblStampa->setForeColor(Colors::Black);
    imgStampa_Click();
}

void frmBollettini::lblGuida_MouseUp(Qt::MouseButton) {
    lblGuida->setForeColor(Colors::Black);
    imgGuida_Click();
}
