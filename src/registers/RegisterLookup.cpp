#include "registers/RegisterLookup.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/PrintedList.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SortedList.h"
#include "registers/CardPictures.h"

#include <QFont>

namespace {

constexpr int kWidth = 7440, kPanelHeight = 5700, kBottom = 5880, kPicture = 480;

QFont verdana(qreal points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

QString LookupLine(const LookupLayout& layout, const QStringList& fields, qint64 number) {
    QString line;
    for (const LinePart& part : layout.parts)
        line += part.field < 0 ? part.text : fields.value(part.field);
    return line + QStringLiteral("  [ Rec. ") + QString::number(number) + QStringLiteral(" ]");
}

QStringList BuildLookupLines(const LookupLayout& layout, const QList<QStringList>& records) {
    QStringList lines;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (layout.keyField >= 0 && records[i].value(layout.keyField).isEmpty())
            continue;
        lines << LookupLine(layout, records[i], i + 1);
    }
    SortAsListBox(lines);
    return lines;
}

RegisterLookup::RegisterLookup(const RegisterLookupTable& table, const QString& title)
    : Form(Kind::Dialog), table_(table) {
    setWindowTitle(title);
    setClientSizeTwips(kWidth, kBottom + kPicture + 120);
    setFont(verdana(8.25));

    picContainer = new Panel(this, Colors::LightGrey);
    place(picContainer, 0, 0, kWidth, kPanelHeight);

    cmdLogo = new PictureButton(picContainer, CardPictures::lookupBanner(tw(kWidth - 240), tw(720)),
                                table.bannerHeading);
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, kWidth - 240, 720);

    fraCriteri = new QGroupBox(picContainer);
    place(fraCriteri, 120, 900, kWidth - 240, 600);
    cmdCategoria = new QPushButton(table.captions[0], fraCriteri);
    cmdDescrizione = new QPushButton(table.captions[1], fraCriteri);
    cmdPagamento = new QPushButton(table.captions[2], fraCriteri);
    int left = 120;
    const int buttonWidth = (kWidth - 240 - 480) / 3;
    for (QPushButton* button : {cmdCategoria, cmdDescrizione, cmdPagamento}) {
        button->setCursor(Qt::PointingHandCursor);
        place(button, left, 120, buttonWidth, 390);
        left += buttonWidth + 120;
    }

    lblCerca = new QLabel(QStringLiteral("Inserire le prime lettere della voce in elenco ricercata:"), picContainer);
    place(lblCerca, 120, 1590, kWidth - 240, 240);
    txtCerca = new TextBox(picContainer);
    txtCerca->setMaxLength(32767);
    lblCerca->setBuddy(txtCerca);
    place(txtCerca, 120, 1860, kWidth - 240, 330);

    lstCausali = new QListWidget(picContainer);
    lstCausali->setUniformItemSizes(true);
    lstCausali->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCausali->setTextElideMode(Qt::ElideNone);
    lstCausali->setAccessibleName(title.trimmed());
    place(lstCausali, 120, 2280, kWidth - 240, 3000);

    lblFaiClic = new PictureButton(QStringLiteral("Fare doppio clic sulla voce selezionata"), picContainer);
    lblFaiClic->setCaptionColors(Colors::DarkRed, Colors::DarkRed);
    lblFaiClic->setVisible(false);
    place(lblFaiClic, 120, 5340, kWidth - 240, 270);

    cmdGuida = PictureButton::raised(this, Pictures::printer(tw(kPicture)), QStringLiteral(" Stampa "));
    place(cmdGuida, 240, kBottom, kPicture, kPicture);
    lblTrovati = new QLabel(QStringLiteral("0 schede trovate"), this);
    lblTrovati->setAlignment(Qt::AlignCenter);
    place(lblTrovati, 960, kBottom + 120, kWidth - 1920, 270);
    cmdChiudi = PictureButton::raised(this, Pictures::redCross(tw(kPicture), tw(kPicture)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, kWidth - 240 - kPicture, kBottom, kPicture, kPicture);

    lblMemory = new QLabel(table.layouts[0].mode, this);
    lblMemory->setVisible(false);

    setTabOrder(txtCerca, lstCausali);
    setTabOrder(lstCausali, cmdCategoria);
    setTabOrder(cmdCategoria, cmdDescrizione);
    setTabOrder(cmdDescrizione, cmdPagamento);
    setTabOrder(cmdPagamento, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);
    txtCerca->setFocus(Qt::OtherFocusReason);

    centreOnScreen();
    wire();
}

void RegisterLookup::wire() {
    connect(cmdCategoria, &QPushButton::clicked, this, [this] { cmdCategoria_Click(); });
    connect(cmdDescrizione, &QPushButton::clicked, this, [this] { cmdDescrizione_Click(); });
    connect(cmdPagamento, &QPushButton::clicked, this, [this] { cmdPagamento_Click(); });
    connect(lstCausali, &QListWidget::itemSelectionChanged, this, [this] {
        if (!SelectedLine(*lstCausali).isEmpty())
            lstCausali_Click();
    });
    connect(lstCausali, &QListWidget::itemDoubleClicked, this, [this] { lstCausali_DblClick(); });
    WatchListMouse(lstCausali,
                   [this](Qt::MouseButtons buttons, QPoint point) { lstCausali_MouseMove(buttons, point); });
    lblFaiClic->DblClick = [this] { lblFaiClic_DblClick(); };
    connect(txtCerca, &QLineEdit::textChanged, this, [this] { txtCerca_Change(); });
    ActOnEnter(txtCerca, [this] { lstCausali_DblClick(); });
    HighlightOnFocus(txtCerca, Colors::WindowBackground);
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] { cmdGuida_Click(); });
    connect(cmdChiudi, &QAbstractButton::clicked, this, [this] { cmdChiudi_Click(); });
}

// ------------------------------------------------------------ the lists

RecordArchive RegisterLookup::openRegister() const {
    return RecordArchive(ProgramFilePath(table_.files.archive), ProgramFilePath(table_.files.temp),
                         totalWidth(table_.widths));
}

void RegisterLookup::Form_Load() { BuildLookupList(0); }

void RegisterLookup::BuildLookupList(int layout) {
    const QStringList lines = BuildLookupLines(table_.layouts[layout], readRegister());
    FillList(lstCausali, lines);
    lblTrovati->setText(QString::number(lines.size()) + QStringLiteral(" schede trovate"));
}

void RegisterLookup::showLayout(int layout, QPushButton* pressed) {
    lblMemory->setText(table_.layouts[layout].mode);
    BuildLookupList(layout);
    for (QPushButton* button : {cmdCategoria, cmdDescrizione, cmdPagamento})
        button->setEnabled(button != pressed);
}

void RegisterLookup::cmdCategoria_Click() { showLayout(1, cmdCategoria); }
void RegisterLookup::cmdDescrizione_Click() { showLayout(2, cmdDescrizione); }
void RegisterLookup::cmdPagamento_Click() { showLayout(3, cmdPagamento); }

const LookupLayout* RegisterLookup::layoutOnShow() const {
    const QString mode = lblMemory->text().trimmed();
    for (const LookupLayout& layout : table_.layouts)
        if (layout.mode == mode)
            return &layout;
    return nullptr;
}

// ------------------------------------------------------------ finding a line

void RegisterLookup::lstCausali_Click() { lblFaiClic->setVisible(true); }

void RegisterLookup::txtCerca_Change() {
    SelectLine(lstCausali, FindLineStarting(*lstCausali, txtCerca->text()));
    if (SelectedLine(*lstCausali).isEmpty())
        lblFaiClic->setVisible(false);
}

void RegisterLookup::lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point) {
    if (buttons != Qt::NoButton)
        return;
    lstCausali->setToolTip(RowToolTipAt(*lstCausali, point));
}

// ------------------------------------------------------------ the pick

// The register is read whole before anything is written: a line that matches
// no record (the register changed meanwhile) or a register that cannot be
// read writes nothing, and the lookup stays open.
void RegisterLookup::lstCausali_DblClick() {
    const LookupLayout* layout = layoutOnShow();
    const QString line = SelectedLine(*lstCausali);
    if (!layout || line.isEmpty())
        return;
    QStringList fields;
    qint64 number = 0;
    if (!resolvePick(*layout, line, fields, number))
        return;
    pickRecord(fields, number);
    Unload();
}

void RegisterLookup::lblFaiClic_DblClick() { lstCausali_DblClick(); }

// ------------------------------------------------------------ print and close

void RegisterLookup::cmdGuida_Click() { PrintLookupList(*lstCausali, table_.printPrompt, table_.printTitle); }

void RegisterLookup::cmdChiudi_Click() { Unload(); }
