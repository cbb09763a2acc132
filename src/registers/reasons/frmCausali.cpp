#include "registers/reasons/frmCausali.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "platform/Messages.h"
#include "registers/reasons/ReasonCard.h"
#include "registers/reasons/ReasonExport.h"
#include "common/HelpCatalogue.h"
#include "registers/reasons/frmFindCausale.h"
#include "shell/frmHelpForm.h"

#include <QFont>

#include <array>

using namespace platform;

namespace {

constexpr int kButton = 540;   // the picture buttons, square, in twips
constexpr int kToolsLeft = 7080, kToolsWidth = 780;

QFont verdana(qreal points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

TextBox* cardBox(QWidget* parent, const char* name, int maxLength, Qt::Alignment align, const QString& accessible) {
    auto* box = new TextBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setFont(verdana(9.75));
    box->setBackColor(Colors::White);
    box->setAccessibleName(accessible);
    return box;
}

QLabel* caption(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setFont(verdana(8.25, bold));
    return label;
}

// A command button with a picture: a click takes the focus, as a command
// button does, so the box that had it is left (and its rules run) first.
PictureButton* command(QWidget* parent, const QPixmap& picture, const QString& tip) {
    PictureButton* button = PictureButton::raised(parent, picture, tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QFrame* line(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

} // namespace

frmCausali::frmCausali() : Form(Kind::Dialog), card_(*this, lblPosizione, ReasonBoxes, ReasonCardTwin()) {
    setObjectName(QStringLiteral("frmCausali"));
    setClientSizeTwips(8040, 7020);
    setBackColor(0xC0C0C0);
    buildFields();
    buildButtons();

    const std::array<QWidget*, 5> tabs = {txtDescrizione, txtPagamento, txtRicevuta, txtCategoria, txtNote};
    for (std::size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);
    txtDescrizione->setFocus(Qt::OtherFocusReason);
    wire();
}

void frmCausali::buildFields() {
    picContainer = new Panel(this, Colors::LightGrey);
    place(picContainer, 120, 120, 6840, 6120);

    cmdLogo = PictureButton::raised(picContainer,
                                    Pictures::banner(QStringLiteral("Causali per versamenti ricorrenti"),
                                                     vbColor(Colors::White), vbColor(Colors::Navy), tw(6600) - 8,
                                                     tw(600) - 8, 12),
                                    QString());
    cmdLogo->setAccessibleName(QStringLiteral("Causali per versamenti ricorrenti"));
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, 6600, 600);

    picCampi = new Panel(picContainer, Colors::White);
    place(picCampi, 120, 840, 6600, 3660);

    fraDesc = new QGroupBox(QStringLiteral(" Descrizione:"), picCampi);
    fraDesc->setFont(verdana(8.25, true));
    place(fraDesc, 120, 60, 6360, 1260);
    txtDescrizione = cardBox(fraDesc, "txtDescrizione", 60, Qt::AlignLeft, QStringLiteral("Descrizione, prima riga"));
    place(txtDescrizione, 120, 300, 6120, 375);
    txtPagamento = cardBox(fraDesc, "txtPagamento", 60, Qt::AlignLeft, QStringLiteral("Descrizione, seconda riga"));
    place(txtPagamento, 120, 750, 6120, 375);

    lblRicevuta = caption(QStringLiteral("Importo in euro:"), picCampi, true);
    place(lblRicevuta, 120, 1500, 1800, 375);
    txtRicevuta = cardBox(picCampi, "txtRicevuta", 8, Qt::AlignRight, QStringLiteral("Importo in euro"));
    place(txtRicevuta, 1980, 1440, 1440, 375);
    lblVirgola = caption(QStringLiteral(","), picCampi, true);
    lblVirgola->setAlignment(Qt::AlignCenter);
    place(lblVirgola, 3420, 1440, 180, 375);
    txtCategoria = cardBox(picCampi, "txtCategoria", 2, Qt::AlignHCenter, QStringLiteral("Centesimi"));
    place(txtCategoria, 3600, 1440, 540, 375);
    lblRicevuta->setBuddy(txtRicevuta);

    lblNote = caption(QStringLiteral("Note:"), picCampi, true);
    place(lblNote, 120, 1920, 1800, 255);
    txtNote = new TextArea(picCampi);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setMaxLength(1200);
    txtNote->setFont(verdana(9.75));
    txtNote->setBackColor(Colors::White);
    txtNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNote->setAccessibleName(QStringLiteral("Note"));
    place(txtNote, 120, 2190, 6360, 1350);
    lblNote->setBuddy(txtNote);

    Line1 = line(picContainer);
    place(Line1, 120, 4560, 6600, 30);
    lblInfo02 = caption(QStringLiteral("Informazioni sulla causale"), picContainer, true);
    place(lblInfo02, 120, 4620, 6600, 255);
    lblInfo01 = caption(QString(), picContainer);
    lblInfo01->setWordWrap(true);
    lblInfo01->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblInfo01, 120, 4920, 6600, 1080);
    Line2 = line(picContainer);
    place(Line2, 120, 6030, 6600, 30);
}

void frmCausali::buildButtons() {
    using Pictures::Browse;
    picFrecce = new Panel(this, Colors::LightGrey);
    place(picFrecce, 120, 6360, 6840, 540);
    cmdPrimo = command(picFrecce, Pictures::browseArrow(Browse::First, 16), QStringLiteral(" Prima scheda "));
    place(cmdPrimo, 60, 30, 660, 480);
    cmdIndietro = command(picFrecce, Pictures::browseArrow(Browse::Previous, 16), QStringLiteral(" Scheda precedente "));
    place(cmdIndietro, 780, 30, 660, 480);
    lblPosizione = new QLabel(picFrecce);
    lblPosizione->setFont(verdana(9.75, true));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFrameShape(QFrame::Panel);
    lblPosizione->setFrameShadow(QFrame::Sunken);
    lblPosizione->setAccessibleName(QStringLiteral("Scheda n."));
    place(lblPosizione, 1560, 30, 3720, 480);
    cmdAvanti = command(picFrecce, Pictures::browseArrow(Browse::Next, 16), QStringLiteral(" Scheda successiva "));
    place(cmdAvanti, 5400, 30, 660, 480);
    cmdUltimo = command(picFrecce, Pictures::browseArrow(Browse::Last, 16), QStringLiteral(" Ultima scheda "));
    place(cmdUltimo, 6120, 30, 660, 480);

    const int icon = tw(360);
    picControlli = new Panel(this, Colors::White);
    place(picControlli, kToolsLeft, 120, kToolsWidth, 3060);
    cmdGuida = command(picControlli, Pictures::questionSign(icon, icon), QStringLiteral(" Guida "));
    place(cmdGuida, 120, 60, kButton, kButton);
    cmdNuovo = command(picControlli, Pictures::newSheet(icon), QStringLiteral(" Nuovo "));
    place(cmdNuovo, 120, 660, kButton, kButton);
    cmdSalva = command(picControlli, Pictures::diskette(icon), QStringLiteral(" Salva "));
    place(cmdSalva, 120, 1260, kButton, kButton);
    cmdTrova = command(picControlli, Pictures::magnifier(icon), QStringLiteral(" Trova "));
    place(cmdTrova, 120, 1860, kButton, kButton);
    cmdWord = command(picControlli,
                      Pictures::banner(QStringLiteral("W"), vbColor(Colors::White), vbColor(Colors::Navy), icon, icon,
                                       12),
                      QStringLiteral(" Esporta scheda in MS Word "));
    place(cmdWord, 120, 2460, kButton, kButton);

    Picture1 = new Panel(this, Colors::White);
    place(Picture1, kToolsLeft, 3300, kToolsWidth, 660);
    cmdBackup = command(Picture1, Pictures::cardExport(icon), QStringLiteral(" Backup archivio "));
    place(cmdBackup, 120, 60, kButton, kButton);

    picElimina = new Panel(this, Colors::White);
    place(picElimina, kToolsLeft, 4080, kToolsWidth, 660);
    cmdElimina = command(picElimina, Pictures::deleteSheet(icon), QStringLiteral(" Elimina scheda "));
    place(cmdElimina, 120, 60, kButton, kButton);

    picEsci = new Panel(this, Colors::White);
    place(picEsci, kToolsLeft, 6240, kToolsWidth, 660);
    cmdTools = command(picEsci, Pictures::redCross(icon, icon), QStringLiteral(" Chiudi "));
    place(cmdTools, 120, 60, kButton, kButton);
}

void frmCausali::wire() {
    // Colours: white until a box first has the focus, light yellow while it
    // has it, the window colour of the user's scheme after.
    for (TextBox* box : {txtDescrizione, txtPagamento, txtRicevuta, txtCategoria})
        HighlightOnFocus(box, Colors::WindowBackground);
    HighlightOnFocus(txtNote, Colors::WindowBackground);
    MoveOnEnter(txtDescrizione, txtPagamento);
    MoveOnEnter(txtPagamento, txtRicevuta);
    MoveOnEnter(txtRicevuta, txtCategoria);
    MoveOnEnter(txtCategoria, txtNote);
    UpperCaseLetter(txtDescrizione);
    UpperCaseLetter(txtPagamento);
    // A comma in the euros keeps the focus there; in the cents it is just
    // another character that is not a digit.
    RefuseComma(txtRicevuta, txtRicevuta);
    DigitsOnly(txtRicevuta, DigitsNotice());
    DigitsOnly(txtCategoria, DigitsNotice());
    txtCategoria->addLostFocus([this] { txtCategoria_LostFocus(); });

    WireTools(this, {{cmdPrimo, [this] { cmdPrimo_Click(); }},
                     {cmdIndietro, [this] { cmdIndietro_Click(); }},
                     {cmdAvanti, [this] { cmdAvanti_Click(); }},
                     {cmdUltimo, [this] { cmdUltimo_Click(); }},
                     {cmdNuovo, [this] { cmdNuovo_Click(); }},
                     {cmdSalva, [this] { cmdSalva_Click(); }},
                     {cmdElimina, [this] { cmdElimina_Click(); }},
                     {cmdTrova, [this] { cmdTrova_Click(); }},
                     {cmdWord, [this] { cmdWord_Click(); }},
                     {cmdBackup, [this] { cmdBackup_Click(); }},
                     {cmdGuida, [this] { cmdGuida_Click(); }},
                     {cmdTools, [this] { cmdTools_Click(); }}});
}

void frmCausali::Form_Load() {
    lblInfo01->setText(QString::fromUtf8("In questo ambiente di lavoro è possibile archiviare le causali più "
                                         "ricorrenti relative ai versamenti effettuati.\r\n\r\n"
                                         "Ciò consentirà di velocizzare la compilazione dei bollettini importando i "
                                         "dati dall'archivio."));
}

// ---------------------------------------------------------------- the record on show

void frmCausali::cmdPrimo_Click() { card_.Browse(RecordCardBase::Step::First); }
void frmCausali::cmdIndietro_Click() { card_.Browse(RecordCardBase::Step::Previous); }
void frmCausali::cmdAvanti_Click() { card_.Browse(RecordCardBase::Step::Next); }
void frmCausali::cmdUltimo_Click() { card_.Browse(RecordCardBase::Step::Last); }
void frmCausali::cmdNuovo_Click() { card_.New(); }
void frmCausali::cmdSalva_Click() { card_.Save(); }
void frmCausali::cmdElimina_Click() { card_.Delete(); }

// ---------------------------------------------------------------- the amount

// One cents digit is tenths of a euro; euros without cents get "00".
void frmCausali::txtCategoria_LostFocus() {
    const QString cents = trimmed(txtCategoria->text());
    if (cents.size() == 1)
        txtCategoria->setText(cents + QLatin1Char('0'));
    if (!BoxIsBlank(txtRicevuta) && BoxIsBlank(txtCategoria))
        txtCategoria->setText(QStringLiteral("00"));
}

// ---------------------------------------------------------------- other windows

void frmCausali::cmdTrova_Click() { Forms::get<frmFindCausale>().ShowModal(); }

// The backup wizard of the reason register comes with the backups.
void frmCausali::cmdBackup_Click() {}

void frmCausali::cmdGuida_Click() { ShowHelpTopic(HelpCatalogue::Reasons()); }

void frmCausali::cmdTools_Click() { Unload(); }

// Word first, then the first line; the card and the register stay as they are.
void frmCausali::cmdWord_Click() {
    if (!WordIsInstalled())
        return;
    if (BoxIsBlank(txtDescrizione)) {
        MsgBox(QStringLiteral("E' necessario compilare il primo campo relativo alla descrizione della causale."),
               MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Esportazione in MS Word non applicabile"));
        txtDescrizione->setFocus(Qt::OtherFocusReason);
        return;
    }
    WriteCardToWord(ReasonWordCard(ReadBoxes<ReasonRecord>(*this, ReasonBoxes)));
}
