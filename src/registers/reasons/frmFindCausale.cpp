#include "registers/reasons/frmFindCausale.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/LookupPick.h"
#include "common/Pictures.h"
#include "common/PrintedList.h"
#include "common/ProgramFiles.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SortedList.h"
#include "registers/reasons/ReasonLines.h"
#include "registers/reasons/frmCausali.h"
#include "slips/frmBollettini.h"

#include <QFont>

namespace {

constexpr int kClientWidth = 5880, kClientHeight = 6360;
constexpr int kPicture = 480;

QFont verdana(qreal points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return font;
}

RecordArchive reasonArchive() {
    return RecordArchive(ProgramFilePath(ProgramFiles::Reasons.archive), ProgramFilePath(ProgramFiles::Reasons.temp),
                         ReasonRecord::Length);
}

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

} // namespace

ReasonLookup::ReasonLookup(const QString& title) : Form(Kind::Dialog) {
    setWindowTitle(title);
    setClientSizeTwips(kClientWidth, kClientHeight);
    setBackColor(0xC0C0C0);

    picContainer = new Panel(this, Colors::LightGrey);
    place(picContainer, 120, 120, 5640, 5520);

    cmdLogo = PictureButton::raised(picContainer,
                                    Pictures::banner(QStringLiteral("Archivio causali"), vbColor(Colors::White),
                                                     vbColor(Colors::Navy), tw(5400) - 8, tw(600) - 8, 12),
                                    QString());
    cmdLogo->setAccessibleName(QStringLiteral("Archivio causali"));
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, 5400, 600);

    fraCriteri = new QGroupBox(picContainer);
    fraCriteri->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid gray; }"));
    place(fraCriteri, 120, 780, 5400, 600);
    cmdCategoria = new QPushButton(QStringLiteral("Descriz. 1"), fraCriteri);
    cmdDescrizione = new QPushButton(QStringLiteral("Descriz. 2"), fraCriteri);
    cmdPagamento = new QPushButton(QStringLiteral("Importo"), fraCriteri);
    int left = 120;
    for (QPushButton* button : {cmdCategoria, cmdDescrizione, cmdPagamento}) {
        button->setFont(verdana(8.25));
        place(button, left, 120, 1640, 360);
        left += 1760;
    }

    lblCerca = new QLabel(QStringLiteral("Inserire le prime lettere della voce in elenco ricercata:"), picContainer);
    lblCerca->setFont(verdana(8.25));
    place(lblCerca, 120, 1440, 5400, 255);
    txtCerca = new TextBox(picContainer);
    txtCerca->setFont(verdana(8.25));
    txtCerca->setMaxLength(32767);
    txtCerca->setAccessibleName(lblCerca->text());
    lblCerca->setBuddy(txtCerca);
    place(txtCerca, 120, 1710, 5400, 330);

    lstCausali = new QListWidget(picContainer);
    lstCausali->setFont(verdana(8.25));
    lstCausali->setUniformItemSizes(true);
    lstCausali->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCausali->setTextElideMode(Qt::ElideNone);
    lstCausali->setAccessibleName(title.trimmed());
    place(lstCausali, 120, 2100, 5400, 3060);

    lblFaiClic = new PictureButton(QStringLiteral("Fare doppio clic sulla voce selezionata"), picContainer);
    lblFaiClic->setFont(verdana(8.25));
    lblFaiClic->setForeColor(Colors::DarkRed);
    lblFaiClic->setVisible(false);
    place(lblFaiClic, 120, 5220, 5400, 240);

    cmdGuida = PictureButton::raised(this, Pictures::printer(tw(360)), QStringLiteral(" Stampa "));
    place(cmdGuida, 120, 5760, kPicture + 60, kPicture + 60);
    lblTrovati = new QLabel(QStringLiteral("0 schede trovate"), this);
    lblTrovati->setFont(verdana(8.25));
    lblTrovati->setAlignment(Qt::AlignCenter);
    QPalette pal = lblTrovati->palette();
    pal.setColor(QPalette::WindowText, vbColor(Colors::White));
    lblTrovati->setPalette(pal);
    place(lblTrovati, 840, 5880, 4200, 300);
    cmdChiudi = PictureButton::raised(this, Pictures::redCross(tw(360), tw(360)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, kClientWidth - 120 - kPicture - 60, 5760, kPicture + 60, kPicture + 60);

    lblMemory = new QLabel(QStringLiteral("carica"), this);
    lblMemory->setVisible(false);

    setTabOrder(txtCerca, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);
    setTabOrder(cmdChiudi, cmdCategoria);
    setTabOrder(cmdCategoria, cmdDescrizione);
    setTabOrder(cmdDescrizione, cmdPagamento);
    setTabOrder(cmdPagamento, lstCausali);
    txtCerca->setFocus(Qt::OtherFocusReason);
    centreOnScreen();
    wire();
}

void ReasonLookup::wire() {
    connect(cmdCategoria, &QPushButton::clicked, this, [this] { cmdCategoria_Click(); });
    connect(cmdDescrizione, &QPushButton::clicked, this, [this] { cmdDescrizione_Click(); });
    connect(cmdPagamento, &QPushButton::clicked, this, [this] { cmdPagamento_Click(); });

    connect(txtCerca, &QLineEdit::textChanged, this, [this] { txtCerca_Change(); });
    HighlightOnFocus(txtCerca, Colors::WindowBackground);
    ActOnEnter(txtCerca, [this] { lstCausali_DblClick(); });

    connect(lstCausali, &QListWidget::itemSelectionChanged, this, [this] {
        if (!SelectedLine(*lstCausali).isEmpty())
            lstCausali_Click();
    });
    connect(lstCausali, &QListWidget::itemDoubleClicked, this, [this] { lstCausali_DblClick(); });
    WatchListMouse(lstCausali,
                   [this](Qt::MouseButtons buttons, QPoint point) { lstCausali_MouseMove(buttons, point); });
    lblFaiClic->DblClick = [this] { lblFaiClic_DblClick(); };

    WireTools(this, {{cmdGuida, [this] { cmdGuida_Click(); }}, {cmdChiudi, [this] { cmdChiudi_Click(); }}});
}

// ------------------------------------------------------------ the lists

void ReasonLookup::Form_Load() { buildList(); }

void ReasonLookup::buildList() {
    lstCausali->clear();
    const ReasonLayout* layout = FindReasonLayout(lblMemory->text());
    QStringList lines;
    if (layout) {
        RecordArchive archive = reasonArchive();
        if (archive.OpenArchive())
            archive.ForEachRecord<ReasonRecord>([&](const ReasonRecord& reason, qint64 number) {
                if (layout->listed(reason))
                    lines << layout->line(reason, number);
                return true;
            });
    }
    SortAsListBox(lines);
    FillList(lstCausali, lines);
    lblTrovati->setText(QString::number(lstCausali->count()) + QStringLiteral(" schede trovate"));
}

void ReasonLookup::showLayout(const char* mode, QPushButton* pressed) {
    lblMemory->setText(QLatin1String(mode));
    buildList();
    for (QPushButton* button : {cmdCategoria, cmdDescrizione, cmdPagamento})
        button->setEnabled(button != pressed);
}

void ReasonLookup::cmdCategoria_Click() { showLayout("desc01", cmdCategoria); }
void ReasonLookup::cmdDescrizione_Click() { showLayout("desc02", cmdDescrizione); }
void ReasonLookup::cmdPagamento_Click() { showLayout("importo", cmdPagamento); }

// ------------------------------------------------------------ finding a line

void ReasonLookup::lstCausali_Click() { lblFaiClic->setVisible(true); }

void ReasonLookup::txtCerca_Change() {
    SelectLine(lstCausali, FindLineStarting(*lstCausali, txtCerca->text()));
    if (SelectedLine(*lstCausali).isEmpty())
        lblFaiClic->setVisible(false);
}

void ReasonLookup::lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point) {
    if (buttons != Qt::NoButton)
        return;
    lstCausali->setToolTip(RowToolTipAt(*lstCausali, point));
}

// ------------------------------------------------------------ the pick

void ReasonLookup::lstCausali_DblClick() {
    const QStringView mode = trimBlanks(lblMemory->text());
    if (mode == u"carica")
        PickByFullLine();
    else if (mode == u"desc01")
        PickByReason1();
    else if (mode == u"desc02")
        PickByReason2();
    else if (mode == u"importo")
        PickByAmount();
}

void ReasonLookup::lblFaiClic_DblClick() { lstCausali_DblClick(); }

void ReasonLookup::PickByFullLine() { pick("carica"); }
void ReasonLookup::PickByReason1() { pick("desc01"); }
void ReasonLookup::PickByReason2() { pick("desc02"); }
void ReasonLookup::PickByAmount() { pick("importo"); }

// A line that no record makes any more (the register changed on disk), or a
// register that cannot be read, writes nothing and keeps the window open.
void ReasonLookup::pick(const char* mode) {
    const QString line = SelectedLine(*lstCausali);
    const ReasonLayout* layout = FindReasonLayout(QLatin1String(mode));
    if (line.isEmpty() || !layout)
        return;
    RecordArchive archive = reasonArchive();
    PickedRecord<ReasonRecord> found;
    if (ResolvePickedLine<ReasonRecord>(archive, line, layout->line, found) != PickOutcome::Found)
        return;
    writePick(found.record, found.number);
    Unload();
}

// ------------------------------------------------------------ print and close

void ReasonLookup::cmdGuida_Click() {
    PrintLookupList(*lstCausali, QStringLiteral("Stampa elenco causali"), QStringLiteral("Elenco causali"));
}

void ReasonLookup::cmdChiudi_Click() { Unload(); }

// ------------------------------------------------------------ the two targets

frmFindCausale::frmFindCausale() : ReasonLookup(QStringLiteral(" Trova causale")) {
    setObjectName(QStringLiteral("frmFindCausale"));
}

// The card shows the record as its record on show, whatever it held.
void frmFindCausale::writePick(const ReasonRecord& reason, qint64 number) {
    frmCausali& card = Forms::get<frmCausali>();
    WriteBoxes<ReasonRecord>(card, ReasonBoxes, reason);
    ShowRecordNumber(card.lblPosizione, number);
}

frmFindCausale01::frmFindCausale01() : ReasonLookup(QStringLiteral(" Importa dati causale")) {
    setObjectName(QStringLiteral("frmFindCausale01"));
}

// The reason lines always; euros and cents only when the reason has euros,
// through the boxes' change handling (the words and the cents copy follow).
void frmFindCausale01::writePick(const ReasonRecord& reason, qint64) {
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.txtCausale01->setText(trimmed(reason.Reason1));
    slip.txtCausale02->setText(trimmed(reason.Reason2));
    if (trimBlanks(reason.Euros).isEmpty())
        return;
    slip.txtCifre->setText(trimmed(reason.Euros));
    slip.txtCentCifra->setText(trimmed(reason.Cents));
}
