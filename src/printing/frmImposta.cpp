#include "printing/frmImposta.h"

#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/Settings.h"
#include "printing/MarginValue.h"

#include <QFont>

namespace {

QFont verdana(double points, bool bold = false) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

// The controls of one margin as they are built.
struct MarginGroup {
    QLabel* caption;
    QGroupBox* fraSegno;
    QComboBox* sign;
    QGroupBox* fraCm;
    TextBox* cm;
    Spinner* vsCm;
    QGroupBox* fraMm;
    TextBox* decimals;
    Spinner* vsMm;
    QLabel* corrente;
    QLabel* value;
    PictureButton* save;
};

// A read-only, centred box showing "0", with its spinner (0 to 99) beside it,
// in a frame with the given caption.
QGroupBox* numberFrame(QWidget* parent, const QString& caption, const QString& name, TextBox*& box,
                       Spinner*& spinner) {
    auto* frame = new QGroupBox(caption, parent);
    box = new TextBox(frame);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setText(QStringLiteral("0"));
    box->setAccessibleName(name);
    Form::place(box, 120, 300, 540, 360);
    spinner = new Spinner(0, 99, 0, frame);
    spinner->setAccessibleName(name);
    Form::place(spinner, 690, 285, 240, 390);
    return frame;
}

MarginGroup buildMargin(QWidget* parent, int left, const QString& caption, const QString& which) {
    MarginGroup g{};
    g.caption = new QLabel(caption, parent);
    g.caption->setFont(verdana(9.75, true));
    Form::place(g.caption, left, 180, 3360, 270);

    g.fraSegno = new QGroupBox(QStringLiteral(" +/- "), parent);
    Form::place(g.fraSegno, left, 540, 900, 780);
    g.sign = new QComboBox(g.fraSegno);
    g.sign->addItems({QStringLiteral("+"), QStringLiteral("-")});
    g.sign->setEditable(false);
    g.sign->setAccessibleName(QStringLiteral("Segno ") + which);
    Form::place(g.sign, 120, 300, 660, 360);

    g.fraCm = numberFrame(parent, QStringLiteral(" cm "), QStringLiteral("Centimetri ") + which, g.cm, g.vsCm);
    Form::place(g.fraCm, left + 1020, 540, 1050, 780);
    g.fraMm = numberFrame(parent, QStringLiteral(" mm "), QStringLiteral("Millimetri ") + which, g.decimals, g.vsMm);
    Form::place(g.fraMm, left + 2190, 540, 1050, 780);

    g.corrente = new QLabel(QStringLiteral("Valore corrente"), parent);
    Form::place(g.corrente, left, 1500, 1500, 255);
    g.value = new QLabel(QStringLiteral("+0"), parent);
    g.value->setFont(verdana(9.75, true));
    Form::place(g.value, left + 1560, 1485, 1080, 285);
    g.save = new PictureButton(parent, Pictures::diskette(Form::tw(360)), QStringLiteral(" Applica "));
    Form::place(g.save, left + 2760, 1440, 360, 360);
    return g;
}

const char* const kInfo[3] = {
    "Effettuare una prova di stampa su un foglio A4 per individuare il corretto inserimento dei bollettini "
    "nel caricatore della stampante.",
    "Impostare, quindi, i margini superiore e sinistro per adattare la stampa del bollettino al proprio "
    "modello di stampante (procedere per tentativi).",
    "Attenzione: normalmente, i bollettini vanno allineati al lato sinistro del caricatore ma, se la propria "
    "stampante non lo consente, è possibile spostare l'intera stampa sul lato destro impostando adeguatamente "
    "il valore del margine superiore.",
};

// One margin whole: its MarginValue and its three parts, so that the next
// opening shows what the print uses and "Applica e chiudi" writes it back
// unchanged, whichever button stored it. The value label shows it.
platform::ProfileEntries marginEntries(const Margins::Keys& keys, QComboBox* sign, TextBox* cm, TextBox* decimals,
                                       QLabel* label) {
    const QString value = MarginValue(sign->currentText(), cm->text(), decimals->text());
    label->setText(value);
    return {{keys.value, value},
            {keys.sign, trimmed(sign->currentText())},
            {keys.cm, trimmed(cm->text())},
            {keys.decimals, trimmed(decimals->text())}};
}

// Margins are stored with one write of the file: one that fails leaves every
// key as it was, never a value that disagrees with its parts.
void storeMargins(const platform::ProfileEntries& entries) { WriteSettings(Margins::File, Margins::Section, entries); }

} // namespace

frmImposta::frmImposta() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmImposta"));
    setWindowTitle(QStringLiteral(" Imposta margini di stampa"));
    setClientSizeTwips(7440, 5040);
    setFont(verdana(8.25));

    const MarginGroup l = buildMargin(this, 240, QStringLiteral("Margine sinistro"), QStringLiteral("sinistro"));
    lblSinistro = l.caption;
    fraSegnoSin = l.fraSegno;
    cboSegnoSin = l.sign;
    fraCmSin = l.fraCm;
    txtCmSin = l.cm;
    vsCmSin = l.vsCm;
    fraMmSin = l.fraMm;
    txtMmSin = l.decimals;
    vsMmSin = l.vsMm;
    lblCorrenteSin = l.corrente;
    lblValSin = l.value;
    imgSalvaSin = l.save;

    const MarginGroup t = buildMargin(this, 3840, QStringLiteral("Margine superiore"), QStringLiteral("superiore"));
    lblSuperiore = t.caption;
    fraSegnoSup = t.fraSegno;
    cboSegnoSup = t.sign;
    fraCmSup = t.fraCm;
    txtCmSup = t.cm;
    vsCmSup = t.vsCm;
    fraMmSup = t.fraMm;
    txtMmSup = t.decimals;
    vsMmSup = t.vsMm;
    lblCorrenteSup = t.corrente;
    lblValSup = t.value;
    imgSalvaSup = t.save;

    const int infoTop[3] = {2040, 2580, 3120};
    const int infoHeight[3] = {480, 480, 1020};
    for (int i = 0; i < 3; ++i) {
        auto* bullet = new QLabel(QStringLiteral("\u25CF"), this);
        bullet->setAccessibleName(QString());
        place(bullet, 240, infoTop[i], 180, 240);
        lblInfo[i] = new QLabel(QString::fromUtf8(kInfo[i]), this);
        lblInfo[i]->setWordWrap(true);
        lblInfo[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(lblInfo[i], 480, infoTop[i], 6720, infoHeight[i]);
    }

    cmdApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    cmdApplica->setCursor(Qt::PointingHandCursor);
    cmdApplica->setAutoDefault(false);
    place(cmdApplica, 3360, 4320, 2040, 540);
    cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla->setCursor(Qt::PointingHandCursor);
    cmdAnnulla->setAutoDefault(false);
    place(cmdAnnulla, 5520, 4320, 1680, 540);

    setTabOrder(cboSegnoSin, vsCmSin);
    setTabOrder(vsCmSin, vsMmSin);
    setTabOrder(vsMmSin, cboSegnoSup);
    setTabOrder(cboSegnoSup, vsCmSup);
    setTabOrder(vsCmSup, vsMmSup);
    setTabOrder(vsMmSup, cmdApplica);
    setTabOrder(cmdApplica, cmdAnnulla);

    centreOnScreen();

    wire();
}

void frmImposta::wire() {
    imgSalvaSin->MouseUp = [this](Qt::MouseButton) { imgSalvaSin_MouseUp(); };
    imgSalvaSup->MouseUp = [this](Qt::MouseButton) { imgSalvaSup_MouseUp(); };
    connect(cmdApplica, &QPushButton::clicked, this, [this] { cmdApplica_Click(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { cmdAnnulla_Click(); });
    connect(txtCmSin, &QLineEdit::textChanged, this, [this] { txtCmSin_Change(); });
    connect(txtCmSup, &QLineEdit::textChanged, this, [this] { txtCmSup_Change(); });
    connect(txtMmSin, &QLineEdit::textChanged, this, [this] { txtMmSin_Change(); });
    connect(txtMmSup, &QLineEdit::textChanged, this, [this] { txtMmSup_Change(); });
    connect(vsCmSin, &Spinner::valueChanged, this, [this] { vsCmSin_Change(); });
    connect(vsCmSup, &Spinner::valueChanged, this, [this] { vsCmSup_Change(); });
    connect(vsMmSin, &Spinner::valueChanged, this, [this] { vsMmSin_Change(); });
    connect(vsMmSup, &Spinner::valueChanged, this, [this] { vsMmSup_Change(); });
}

void frmImposta::Form_Load() {
    cboSegnoSin->setCurrentIndex(0);
    cboSegnoSup->setCurrentIndex(0);

    // A missing or empty key leaves its control as it is; a sign other than
    // "+" or "-" cannot be selected.
    const auto read = [](const QString& key) { return ReadSetting(Margins::File, Margins::Section, key); };
    const auto show = [&read](const Margins::Keys& keys, QComboBox* sign, TextBox* cm, TextBox* decimals,
                              QLabel* label) {
        if (const QString v = read(keys.value); !v.isEmpty())
            label->setText(v);
        if (const int i = sign->findText(read(keys.sign), Qt::MatchExactly | Qt::MatchCaseSensitive); i >= 0)
            sign->setCurrentIndex(i);
        if (const QString v = read(keys.cm); !v.isEmpty())
            cm->setText(v);
        if (const QString v = read(keys.decimals); !v.isEmpty())
            decimals->setText(v);
    };
    show(Margins::Left, cboSegnoSin, txtCmSin, txtMmSin, lblValSin);
    show(Margins::Top, cboSegnoSup, txtCmSup, txtMmSup, lblValSup);

    for (TextBox* box : {txtCmSup, txtMmSup, txtCmSin, txtMmSin})
        if (trimmed(box->text()).isEmpty())
            box->setText(QStringLiteral("0"));
}

void frmImposta::imgSalvaSin_MouseUp() {
    storeMargins(marginEntries(Margins::Left, cboSegnoSin, txtCmSin, txtMmSin, lblValSin));
}

void frmImposta::imgSalvaSup_MouseUp() {
    storeMargins(marginEntries(Margins::Top, cboSegnoSup, txtCmSup, txtMmSup, lblValSup));
}

void frmImposta::cmdApplica_Click() {
    storeMargins(marginEntries(Margins::Left, cboSegnoSin, txtCmSin, txtMmSin, lblValSin) +
                 marginEntries(Margins::Top, cboSegnoSup, txtCmSup, txtMmSup, lblValSup));
    Unload();
}

void frmImposta::cmdAnnulla_Click() { Unload(); }

void frmImposta::boxChanged(TextBox* box, Spinner* spinner) {
    const int value = BoxWholeNumber(box->text());
    if (value >= 1 && value <= 99)
        spinner->setValue(value);
}

void frmImposta::spinnerChanged(Spinner* spinner, TextBox* box) { box->setText(QString::number(spinner->value())); }

void frmImposta::txtCmSin_Change() { boxChanged(txtCmSin, vsCmSin); }
void frmImposta::txtCmSup_Change() { boxChanged(txtCmSup, vsCmSup); }
void frmImposta::txtMmSin_Change() { boxChanged(txtMmSin, vsMmSin); }
void frmImposta::txtMmSup_Change() { boxChanged(txtMmSup, vsMmSup); }
void frmImposta::vsCmSin_Change() { spinnerChanged(vsCmSin, txtCmSin); }
void frmImposta::vsCmSup_Change() { spinnerChanged(vsCmSup, txtCmSup); }
void frmImposta::vsMmSin_Change() { spinnerChanged(vsMmSin, txtMmSin); }
void frmImposta::vsMmSup_Change() { spinnerChanged(vsMmSup, txtMmSup); }
