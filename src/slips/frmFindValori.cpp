#include "slips/frmFindValori.h"

#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "common/LookupPick.h"
#include "common/Pictures.h"
#include "common/PrintedList.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SlipRecord.h"
#include "common/SortedList.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "slips/frmBollettini.h"

#include <QApplication>
#include <QFont>
#include <QPainter>

#include <algorithm>

using namespace platform;

namespace {

constexpr int kClientWidth = 10080, kClientHeight = 5460;
constexpr int kPictureSize = 480;
constexpr int kChiudiLeft = 9360;

QFont verdana(qreal points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return font;
}

// The close picture held down: the cross a little smaller and further in.
QPixmap pressedCross(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const int inset = std::max(2, size / 12);
    p.drawPixmap(inset + 1, inset + 1, Pictures::redCross(size - 2 * inset, size - 2 * inset));
    return pm;
}

} // namespace

frmFindValori::frmFindValori() : Form(Kind::Dialog) {
    setObjectName(QStringLiteral("frmFindValori"));
    setWindowTitle(QStringLiteral("Trova bollettino in archivio"));
    setClientSizeTwips(kClientWidth, kClientHeight);
    setBackColor(Colors::LightGrey);
    setFont(verdana(8.25));

    imgLente = new QLabel(this);
    imgLente->setPixmap(Pictures::magnifier(tw(kPictureSize)));
    place(imgLente, 120, 120, kPictureSize, kPictureSize);

    cmdEsecutore = new QPushButton(QStringLiteral("Esecutore"), this);
    cmdTotale = new QPushButton(QStringLiteral("Intestatario"), this);
    cmdCliente = new QPushButton(QStringLiteral("Causale"), this);
    cmdData = new QPushButton(QStringLiteral("C/C"), this);
    int left = 840;
    for (QPushButton* button : {cmdEsecutore, cmdTotale, cmdCliente, cmdData}) {
        button->setCursor(Qt::PointingHandCursor);
        place(button, left, 180, 1680, 390);
        left += 1800;
    }

    lblInfo = new QLabel(QStringLiteral("Digitare i primi caratteri della voce ricercata."), this);
    place(lblInfo, 120, 780, 4140, 300);
    Text1 = new TextBox(this);
    Text1->setMaxLength(32767);
    Text1->setAccessibleName(lblInfo->text());
    place(Text1, 4320, 720, 5640, 360);

    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 120, 1170, 9840, 60);

    List1 = new QListWidget(this);
    List1->setFont(verdana(8.25));
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone); // a long line runs out of sight, whole
    List1->setAccessibleName(windowTitle());
    place(List1, 120, 1260, 9840, 3360);

    lblClick = new PictureButton(QStringLiteral("Fare doppio clic sulla voce selezionata"), this);
    lblClick->setForeColor(Colors::DarkRed);
    lblClick->setVisible(false);
    place(lblClick, 120, 4620, 9840, 240);

    lblMemory = new QLabel(this);
    lblMemory->setVisible(false);

    picStampa = new PictureButton(this, Pictures::printer(tw(kPictureSize)), QStringLiteral(" Stampa "));
    place(picStampa, kStampaLeft, kStampaTop, kPictureSize, kPictureSize);
    picChiudi01 = new PictureButton(this, Pictures::redCross(tw(kPictureSize), tw(kPictureSize)), QStringLiteral(" Chiudi "));
    place(picChiudi01, kChiudiLeft, kStampaTop, kPictureSize, kPictureSize);
    picChiudi02 = new PictureButton(this, pressedCross(tw(kPictureSize)), QStringLiteral(" Chiudi "));
    place(picChiudi02, kChiudiLeft, kStampaTop, kPictureSize, kPictureSize);
    picChiudi02->setVisible(false);

    setTabOrder(Text1, List1);
    setTabOrder(List1, cmdEsecutore);
    setTabOrder(cmdEsecutore, cmdTotale);
    setTabOrder(cmdTotale, cmdCliente);
    setTabOrder(cmdCliente, cmdData);
    Text1->setFocus(Qt::OtherFocusReason);

    centreOnScreen();

    wire();
}

void frmFindValori::wire() {
    connect(cmdEsecutore, &QPushButton::clicked, this, [this] { cmdEsecutore_Click(); });
    connect(cmdTotale, &QPushButton::clicked, this, [this] { cmdTotale_Click(); });
    connect(cmdCliente, &QPushButton::clicked, this, [this] { cmdCliente_Click(); });
    connect(cmdData, &QPushButton::clicked, this, [this] { cmdData_Click(); });

    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!SelectedLine(*List1).isEmpty())
            List1_Click();
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    WatchListMouse(List1, [this](Qt::MouseButtons buttons, QPoint point) { List1_MouseMove(buttons, point); });
    lblClick->DblClick = [this] { lblClick_DblClick(); };

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    ActOnEnter(Text1, [this] { List1_DblClick(); });

    // While the button is held the close picture is swapped for its pressed
    // look; the hidden picture would never see the button go up, so the
    // pressed look holds the mouse until then.
    picChiudi01->MouseDown = [this](Qt::MouseButton b) {
        picChiudi01_MouseDown(b);
        picChiudi02->grabMouse();
    };
    picChiudi02->MouseUp = [this](Qt::MouseButton b) {
        picChiudi02->releaseMouse();
        picChiudi01_MouseUp(b);
    };
    picChiudi01->MouseUp = [this](Qt::MouseButton b) {
        picChiudi02->releaseMouse();
        picChiudi01_MouseUp(b);
    };

    picStampa->MouseDown = [this](Qt::MouseButton b) { picStampa_MouseDown(b); };
    picStampa->MouseUp = [this](Qt::MouseButton b) { picStampa_MouseUp(b); };
    WireTools(this, {{picStampa, [this] { picStampa_Click(); }}});
}

// ------------------------------------------------------------ the archive

QString frmFindValori::year() const { return Forms::get<frmBollettini>().lblFile->text(); }

QString frmFindValori::archivePath() const { return ProgramFilePath(YearArchiveName(year())); }

QString frmFindValori::tempPath() const { return ProgramFilePath(YearTempName(year())); }

// ------------------------------------------------------------ the lists

void frmFindValori::Form_Load() {
    BusyCursor busy;
    buildList(SlipListMode::Opening);
}

void frmFindValori::Form_Unload() { program().setBusy(false); }

void frmFindValori::buildList(SlipListMode mode) {
    lblMemory->setText(LookupModeName(mode));
    List1->clear();
    QList<SlipRecord> slips;
    {
        RecordArchive archive(archivePath(), tempPath(), SlipRecord::Length);
        if (archive.OpenArchive())
            archive.ReadAllRecords(slips);
    }
    FillList(List1, SlipLines(mode, slips));
}

void frmFindValori::showLayout(SlipListMode mode, QPushButton* pressed) {
    buildList(mode);
    for (QPushButton* button : {cmdEsecutore, cmdTotale, cmdCliente, cmdData})
        button->setEnabled(button != pressed);
}

void frmFindValori::cmdEsecutore_Click() { showLayout(SlipListMode::Payer, cmdEsecutore); }

void frmFindValori::cmdTotale_Click() { showLayout(SlipListMode::Payee, cmdTotale); }

void frmFindValori::cmdCliente_Click() { showLayout(SlipListMode::Reason, cmdCliente); }

void frmFindValori::cmdData_Click() { showLayout(SlipListMode::Account, cmdData); }

// ------------------------------------------------------------ finding a line

void frmFindValori::List1_Click() { lblClick->setVisible(true); }

void frmFindValori::Text1_Change() {
    SelectLine(List1, FindLineStarting(*List1, Text1->text()));
    if (SelectedLine(*List1).isEmpty())
        lblClick->setVisible(false);
}

void frmFindValori::List1_MouseMove(Qt::MouseButtons buttons, QPoint point) {
    if (buttons != Qt::NoButton)
        return;
    List1->setToolTip(RowToolTipAt(*List1, point));
}

// ------------------------------------------------------------ the pick

void frmFindValori::List1_DblClick() {
    const auto mode = SlipListModeNamed(lblMemory->text());
    if (!mode)
        return;
    switch (*mode) {
    case SlipListMode::Opening: PickSlipByAmount(); break;
    case SlipListMode::Payer: PickSlipByPayer(); break;
    case SlipListMode::Payee: PickSlipByPayee(); break;
    case SlipListMode::Reason: PickSlipByReason(); break;
    case SlipListMode::Account: PickSlipByAccount(); break;
    }
}

void frmFindValori::lblClick_DblClick() { List1_DblClick(); }

void frmFindValori::PickSlipByAmount() { pickSlip(SlipListMode::Opening); }

void frmFindValori::PickSlipByPayer() { pickSlip(SlipListMode::Payer); }

void frmFindValori::PickSlipByPayee() { pickSlip(SlipListMode::Payee); }

void frmFindValori::PickSlipByReason() { pickSlip(SlipListMode::Reason); }

void frmFindValori::PickSlipByAccount() { pickSlip(SlipListMode::Account); }

void frmFindValori::pickSlip(SlipListMode mode) {
    const QString line = SelectedLine(*List1);
    if (line.isEmpty())
        return;

    RecordArchive archive(archivePath(), tempPath(), SlipRecord::Length);
    PickedRecord<SlipRecord> found;
    const PickOutcome outcome = ResolvePickedLine<SlipRecord>(
        archive, line, [mode](const SlipRecord& slip, qint64 number) { return SlipLine(mode, slip, number); }, found);
    if (outcome == PickOutcome::Failed)
        return pickFailed();
    if (outcome == PickOutcome::NoMatch)
        return; // the line matches no record: the search stays open

    frmBollettini& slips = Forms::get<frmBollettini>();
    WriteBoxes<SlipRecord>(slips, SlipBoxes, found.record);
    ShowRecordNumber(slips.lblPosizione, found.number);
    Unload();
}

void frmFindValori::pickFailed() {
    platform::program().beep();
    MsgBox(QStringLiteral("Impossibile aprire il file."), MsgIcon::Critical, MsgButtons::OK,
           QStringLiteral("Attenzione: messaggio di errore"));
}

// ------------------------------------------------------------ close and print

void frmFindValori::picChiudi01_MouseDown(Qt::MouseButton) {
    picChiudi02->setVisible(true);
    picChiudi01->setVisible(false);
}

void frmFindValori::picChiudi01_MouseUp(Qt::MouseButton) {
    picChiudi02->setVisible(false);
    picChiudi01->setVisible(true);
    Unload();
}

void frmFindValori::picStampa_MouseDown(Qt::MouseButton) {
    showPressed(picStampa, kStampaLeft, kStampaTop, true);
}

void frmFindValori::picStampa_MouseUp(Qt::MouseButton) {
    showPressed(picStampa, kStampaLeft, kStampaTop, false);
}

void frmFindValori::picStampa_Click() { PrintList(ListLines(*List1), SlipListPrintLayout(year())); }
