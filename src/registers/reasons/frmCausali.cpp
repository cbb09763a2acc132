#include "registers/reasons/frmCausali.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/ReasonRecord.h"
#include "registers/reasons/ReasonCard.h"
#include "registers/reasons/frmFindCausale.h"

#include <QFont>

#include <array>

namespace {

constexpr int kContentHeight = 6000;

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

QFrame* line(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

frmCausali::frmCausali() : RegisterCard(ReasonCardTable(), kContentHeight) {
    setObjectName(QStringLiteral("frmCausali"));
    QWidget* panel = content();
    constexpr int kInner = kWidth - 480; // the content's width inside its margins

    cmdLogo = PictureButton::raised(panel,
                                    Pictures::banner(QStringLiteral("Causali per versamenti ricorrenti"),
                                                     vbColor(Colors::White), vbColor(Colors::Navy), tw(kInner) - 8,
                                                     tw(600) - 8, 12),
                                    QString());
    cmdLogo->setAccessibleName(QStringLiteral("Causali per versamenti ricorrenti"));
    cmdLogo->setEnabled(false);
    cmdLogo->setFocusPolicy(Qt::NoFocus);
    place(cmdLogo, 120, 120, kInner, 600);

    fraDesc = new QGroupBox(QStringLiteral(" Descrizione:"), panel);
    fraDesc->setFont(verdana(8.25, true));
    place(fraDesc, 120, 840, kInner, 1260);
    txtDescrizione = cardBox(fraDesc, "txtDescrizione", 60, Qt::AlignLeft, QStringLiteral("Descrizione, prima riga"));
    place(txtDescrizione, 120, 300, kInner - 240, 375);
    txtPagamento = cardBox(fraDesc, "txtPagamento", 60, Qt::AlignLeft, QStringLiteral("Descrizione, seconda riga"));
    place(txtPagamento, 120, 750, kInner - 240, 375);

    lblRicevuta = caption(QStringLiteral("Importo in euro:"), panel, true);
    place(lblRicevuta, 120, 2280, 1800, 375);
    txtRicevuta = cardBox(panel, "txtRicevuta", 8, Qt::AlignRight, QStringLiteral("Importo in euro"));
    place(txtRicevuta, 1980, 2220, 1440, 375);
    lblVirgola = caption(QStringLiteral(","), panel, true);
    lblVirgola->setAlignment(Qt::AlignCenter);
    place(lblVirgola, 3420, 2220, 180, 375);
    txtCategoria = cardBox(panel, "txtCategoria", 2, Qt::AlignHCenter, QStringLiteral("Centesimi"));
    place(txtCategoria, 3600, 2220, 540, 375);
    lblRicevuta->setBuddy(txtRicevuta);

    lblNote = caption(QStringLiteral("Note:"), panel, true);
    place(lblNote, 120, 2700, 1800, 255);
    txtNote = new TextArea(panel);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setMaxLength(1200);
    txtNote->setFont(verdana(9.75));
    txtNote->setBackColor(Colors::White);
    txtNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNote->setAccessibleName(QStringLiteral("Note"));
    place(txtNote, 120, 2970, kInner, 1350);
    lblNote->setBuddy(txtNote);

    Line1 = line(panel);
    place(Line1, 120, 4440, kInner, 30);
    lblInfo02 = caption(QStringLiteral("Informazioni sulla causale"), panel, true);
    place(lblInfo02, 120, 4500, kInner, 255);
    lblInfo01 = caption(QString(), panel);
    lblInfo01->setWordWrap(true);
    lblInfo01->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblInfo01, 120, 4800, kInner, 1020);
    Line2 = line(panel);
    place(Line2, 120, kContentHeight - 120, kInner, 30);

    // A click on a button takes the focus, as a command button's does, so the
    // box that had it is left (and its rules run) first.
    for (PictureButton* button : {cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo, cmdNuovo, cmdSalva, cmdElimina,
                                  cmdTrova, cmdWord, cmdBackup, cmdGuida, cmdTools})
        button->setFocusPolicy(Qt::StrongFocus);

    const std::array<QWidget*, 5> tabs = {txtDescrizione, txtPagamento, txtRicevuta, txtCategoria, txtNote};
    for (std::size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);
    setCard(std::make_unique<RecordCard<ReasonRecord>>(*this, lblPosizione, ReasonBoxes, ReasonCardTable().twin));
    txtDescrizione->setFocus(Qt::OtherFocusReason);
    wire();
    centreOnScreen();
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
    wireCard();
}

void frmCausali::Form_Load() {
    lblInfo01->setText(QString::fromUtf8("In questo ambiente di lavoro è possibile archiviare le causali più "
                                         "ricorrenti relative ai versamenti effettuati.\r\n\r\n"
                                         "Ciò consentirà di velocizzare la compilazione dei bollettini importando i "
                                         "dati dall'archivio."));
}

// One cents digit is tenths of a euro; euros without cents get "00".
void frmCausali::txtCategoria_LostFocus() {
    const QString cents = trimBlanks(txtCategoria->text()).toString();
    if (cents.size() == 1)
        txtCategoria->setText(cents + QLatin1Char('0'));
    if (!BoxIsBlank(txtRicevuta) && BoxIsBlank(txtCategoria))
        txtCategoria->setText(QStringLiteral("00"));
}

void frmCausali::showLookup() { Forms::get<frmFindCausale>().ShowModal(); }
