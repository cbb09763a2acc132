#include "slips/frmBollettini.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "slips/SlipPictures.h"
#include "common/ProgramFiles.h"
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
#include "registers/payers/frmEsecutori.h"
#include "registers/payers/frmFindEsecutore.h"
#include "registers/reasons/frmCausali.h"
#include "registers/reasons/frmFindCausale.h"
#include "services/frmHelpForm.h"
#include "services/MainMenu.h"
#include "common/LeadingNumber.h"
#include "slips/SlipCard.h"
#include "common/HelpCatalogue.h"
#include "slips/frmFindValori.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <array>

using namespace platform;

namespace {

const QString& kSettingsFile = ProgramFiles::Settings;
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

TextBox* slipBox(QWidget* parent, const char* objectName, int maxLength, Qt::Alignment align, const QString& name) {
    auto* box = new TextBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
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

QPushButton* browseButton(QWidget* parent, Pictures::Browse step, const QString& toolTip) {
    auto* button = new QPushButton(parent);
    const QPixmap arrow = Pictures::browseArrow(step, 16);
    button->setIcon(QIcon(arrow));
    button->setIconSize(arrow.size());
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip.trimmed());
    return button;
}

} // namespace

QString FormatWholeAmount(Currency amount) {
    // "#,##0" through the user locale's thousands separator.
    return platform::formatNumber(amount.toDouble(), QStringLiteral("#,##0"));
}

// ---------------------------------------------------------------- the window

frmBollettini::frmBollettini() : Form(Kind::TopLevel), card_(*this, lblPosizione, SlipBoxes, SlipCardTwin()) {
    setObjectName(QStringLiteral("frmBollettini"));
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
    lblFile->setObjectName(QStringLiteral("lblFile"));
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
    imgFrancobollo->setPixmap(SlipPictures::postStamp(tw(420), tw(480)));
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
    txtCC = slipBox(picBollettino, "txtCC", 12, Qt::AlignHCenter, QStringLiteral("sul C/C n."));
    place(txtCC, 1200, 720, 2640, 420);
    lblEuro = slipCaption(QStringLiteral("di Euro"), picBollettino, Qt::AlignRight | Qt::AlignVCenter);
    place(lblEuro, 5880, 780, 990, 300);
    txtCifre = slipBox(picBollettino, "txtCifre", 8, Qt::AlignRight, QStringLiteral("di Euro"));
    place(txtCifre, 6960, 720, 2220, 420);
    lblVirgola = slipCaption(QStringLiteral(","), picBollettino, Qt::AlignCenter);
    lblVirgola->setFont(verdana(12, true));
    place(lblVirgola, 9180, 720, 240, 420);
    txtCentCifra = slipBox(picBollettino, "txtCentCifra", 2, Qt::AlignHCenter, QStringLiteral("centesimi"));
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
    txtIntestatario01 = slipBox(fraIntestatario, "txtIntestatario01", 34, Qt::AlignLeft, QStringLiteral("Intestatario, riga 1"));
    place(txtIntestatario01, 150, 375, 6600, 390);
    txtIntestatario02 = slipBox(fraIntestatario, "txtIntestatario02", 34, Qt::AlignLeft, QStringLiteral("Intestatario, riga 2"));
    place(txtIntestatario02, 150, 825, 6600, 390);

    fraCausale = slipFrame(QStringLiteral(" CAUSALE "), picBollettino);
    place(fraCausale, 120, kReasonTop, kFrameWidth, kFrameHeight);
    txtCausale01 = slipBox(fraCausale, "txtCausale01", 60, Qt::AlignLeft, QStringLiteral("Causale, riga 1"));
    place(txtCausale01, 150, 375, 9720, 390);
    txtCausale02 = slipBox(fraCausale, "txtCausale02", 60, Qt::AlignLeft, QStringLiteral("Causale, riga 2"));
    place(txtCausale02, 150, 825, 9720, 390);

    // Payer with the address.
    fraMittente = slipFrame(QStringLiteral(" ESEGUITO DA "), picBollettino);
    place(fraMittente, 120, kPayerTop, 6060, 2250);
    txtMittente01 = slipBox(fraMittente, "txtMittente01", 23, Qt::AlignLeft, QStringLiteral("Esecutore, riga 1"));
    place(txtMittente01, 150, 375, 5760, 390);
    txtMittente02 = slipBox(fraMittente, "txtMittente02", 23, Qt::AlignLeft, QStringLiteral("Esecutore, riga 2"));
    place(txtMittente02, 150, 825, 5760, 390);
    lblVia = slipCaption(QStringLiteral("VIA - PIAZZA"), fraMittente);
    place(lblVia, 150, 1320, 1380, 300);
    txtVia = slipBox(fraMittente, "txtVia", 23, Qt::AlignLeft, QStringLiteral("VIA - PIAZZA"));
    place(txtVia, 1530, 1275, 4380, 390);
    lblCAP = slipCaption(QStringLiteral("CAP"), fraMittente);
    place(lblCAP, 150, 1770, 480, 300);
    txtCAP = slipBox(fraMittente, "txtCAP", 5, Qt::AlignLeft, QStringLiteral("CAP"));
    place(txtCAP, 630, 1725, 1020, 390);
    lblLocalita = slipCaption(QStringLiteral("LOCALITA'"), fraMittente);
    place(lblLocalita, 1770, 1770, 1140, 300);
    txtLuogo = slipBox(fraMittente, "txtLuogo", 17, Qt::AlignLeft, QStringLiteral("LOCALITA'"));
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
    txtNote->setObjectName(QStringLiteral("txtNote"));
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
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
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
    const QPixmap import = SlipPictures::cardImport(tw(kImportSize));
    const QString importTip = QStringLiteral(" Importa dati ");
    imgImporta01 = new PictureButton(this, import, importTip);
    place(imgImporta01, 150, kSlipTop + kPayeeTop + 450, kImportSize, kImportSize);
    imgImporta02 = new PictureButton(this, import, importTip);
    place(imgImporta02, 150, kSlipTop + kReasonTop + 450, kImportSize, kImportSize);
    imgImporta03 = new PictureButton(this, import, importTip);
    place(imgImporta03, 150, kSlipTop + kPayerTop + 450, kImportSize, kImportSize);

    const QPixmap exportPicture = SlipPictures::cardExport(tw(kSmallIconSize));
    const QString exportTip = QStringLiteral(" Esporta dati ");
    imgEsporta01 = new PictureButton(fraIntestatario, exportPicture, exportTip);
    place(imgEsporta01, kFrameWidth - 480, 0, kSmallIconSize, kSmallIconSize);
    imgEsporta02 = new PictureButton(fraCausale, exportPicture, exportTip);
    place(imgEsporta02, kFrameWidth - 480, 0, kSmallIconSize, kSmallIconSize);
    imgEsporta03 = new PictureButton(fraMittente, exportPicture, exportTip);
    place(imgEsporta03, 6060 - 480, 0, kSmallIconSize, kSmallIconSize);
}

void frmBollettini::buildTools() {
    picControlli = new Panel(this, Colors::White);
    place(picControlli, kToolsLeft, kSlipTop, kToolsWidth, kSlipHeight);

    struct Tool {
        PictureButton*& icon;
        PictureButton*& caption;
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
        tool.icon = new PictureButton(picControlli, tool.picture, QString());
        tool.icon->setAccessibleName(caption);
        place(tool.icon, (kToolsWidth - kIconSize) / 2, top, kIconSize, kIconSize);
        tool.caption = new PictureButton(caption, picControlli);
        tool.caption->setFont(verdana(8.25, true));
        tool.caption->setForeColor(Colors::Black);
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

    // The tool column: pressing on an icon or on its caption turns the
    // caption yellow, releasing turns it black; the icons act on the click,
    // the captions (and "Imposta") on the release.
    struct ToolRow {
        PictureButton* icon;
        PictureButton* caption;
        void (frmBollettini::*iconDown)(Qt::MouseButton);
        void (frmBollettini::*iconUp)(Qt::MouseButton);
        void (frmBollettini::*captionDown)(Qt::MouseButton);
        void (frmBollettini::*captionUp)(Qt::MouseButton);
    };
    const ToolRow column[] = {
        {imgNuovo, lblNuovo, &frmBollettini::imgNuovo_MouseDown, &frmBollettini::imgNuovo_MouseUp,
         &frmBollettini::lblNuovo_MouseDown, &frmBollettini::lblNuovo_MouseUp},
        {imgSalva, lblSalva, &frmBollettini::imgSalva_MouseDown, &frmBollettini::imgSalva_MouseUp,
         &frmBollettini::lblSalva_MouseDown, &frmBollettini::lblSalva_MouseUp},
        {imgCerca, lblCerca, &frmBollettini::imgCerca_MouseDown, &frmBollettini::imgCerca_MouseUp,
         &frmBollettini::lblCerca_MouseDown, &frmBollettini::lblCerca_MouseUp},
        {imgImposta, lblImposta, &frmBollettini::imgImposta_MouseDown, &frmBollettini::imgImposta_MouseUp,
         &frmBollettini::lblImposta_MouseDown, &frmBollettini::lblImposta_MouseUp},
        {imgStampa, lblStampa, &frmBollettini::imgStampa_MouseDown, &frmBollettini::imgStampa_MouseUp,
         &frmBollettini::lblStampa_MouseDown, &frmBollettini::lblStampa_MouseUp},
        {imgGuida, lblGuida, &frmBollettini::imgGuida_MouseDown, &frmBollettini::imgGuida_MouseUp,
         &frmBollettini::lblGuida_MouseDown, &frmBollettini::lblGuida_MouseUp},
    };
    for (const ToolRow& row : column) {
        row.icon->MouseDown = [this, f = row.iconDown](Qt::MouseButton b) { (this->*f)(b); };
        row.icon->MouseUp = [this, f = row.iconUp](Qt::MouseButton b) { (this->*f)(b); };
        row.caption->MouseDown = [this, f = row.captionDown](Qt::MouseButton b) { (this->*f)(b); };
        row.caption->MouseUp = [this, f = row.captionUp](Qt::MouseButton b) { (this->*f)(b); };
    }
    WireTools(this, {{imgNuovo, [this] { imgNuovo_Click(); }},
                     {imgSalva, [this] { imgSalva_Click(); }},
                     {imgCerca, [this] { imgCerca_Click(); }},
                     {imgStampa, [this] { imgStampa_Click(); }},
                     {imgGuida, [this] { imgGuida_Click(); }}});

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
    // The block is stored with one write of the file, all of it or none.
    const std::array<TextBox*, 5> payer = {txtMittente01, txtMittente02, txtVia, txtCAP, txtLuogo};
    platform::ProfileEntries entries;
    for (std::size_t i = 0; i < payer.size(); ++i)
        entries.append({kPayerKeys[i], trimmed(payer[i]->text())});
    WriteSettings(kSettingsFile, kPayerSection, entries);
    MainMenu::show();
}

void frmBollettini::cmdChiudi_Click() { Unload(); }

void frmBollettini::cmdGuida_Click() { ShowHelpTopic(HelpCatalogue::SlipWorkbench()); }

// ---------------------------------------------------------------- the record on show

void frmBollettini::cmdPrimo_Click() { card_.Browse(RecordCardBase::Step::First); }
void frmBollettini::cmdIndietro_Click() { card_.Browse(RecordCardBase::Step::Previous); }
void frmBollettini::cmdAvanti_Click() { card_.Browse(RecordCardBase::Step::Next); }
void frmBollettini::cmdUltimo_Click() { card_.Browse(RecordCardBase::Step::Last); }

// The payer block stays; the archive is not touched.
void frmBollettini::imgNuovo_Click() { card_.New(); }

void frmBollettini::imgSalva_Click() { card_.Save(); }

void frmBollettini::imgGuida_Click() { card_.Delete(); }

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

void frmBollettini::imgImporta02_MouseUp(Qt::MouseButton) { Forms::get<frmFindCausale01>().ShowModal(); }

void frmBollettini::imgImporta03_MouseUp(Qt::MouseButton) { Forms::get<frmFindEsecutore01>().ShowModal(); }

void frmBollettini::imgEsporta01_MouseUp(Qt::MouseButton) {
    frmIntestatari& card = Forms::get<frmIntestatari>();
    card.txtIntestatario01->setText(trimmed(txtIntestatario01->text()));
    card.txtIntestatario02->setText(trimmed(txtIntestatario02->text()));
    card.txtCC->setText(trimmed(txtCC->text()));
    card.ShowModal();
}

void frmBollettini::imgEsporta02_MouseUp(Qt::MouseButton) {
    // The first write loads the card, new and empty; the notes stay empty.
    frmCausali& card = Forms::get<frmCausali>();
    card.txtDescrizione->setText(trimmed(txtCausale01->text()));
    card.txtPagamento->setText(trimmed(txtCausale02->text()));
    card.txtRicevuta->setText(trimmed(txtCifre->text()));
    card.txtCategoria->setText(trimmed(txtCentCifra->text()));
    card.ShowModal();
}

void frmBollettini::imgEsporta03_MouseUp(Qt::MouseButton) {
    frmEsecutori& card = Forms::get<frmEsecutori>();
    card.txtMittente01->setText(trimmed(txtMittente01->text()));
    card.txtMittente02->setText(trimmed(txtMittente02->text()));
    card.txtVia->setText(trimmed(txtVia->text()));
    card.txtCAP->setText(trimmed(txtCAP->text()));
    card.txtLuogo->setText(trimmed(txtLuogo->text()));
    card.ShowModal();
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

SlipFaces PrintedFaces(const frmBollettini& slip) {
    SlipFaces f;
    static_cast<SlipRecord&>(f) = ReadBoxes<SlipRecord>(slip, SlipBoxes);
    f.Words = slip.Display->text();
    f.WordsCents = slip.txtCentCifra02->text();
    return f;
}
