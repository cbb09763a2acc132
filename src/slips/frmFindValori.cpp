#include "slips/frmFindValori.h"

#include "common/Pictures.h"
#include "common/SlipRecord.h"
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

    const std::vector<QPushButton*> modes = CreateModeButtons(this, SlipLookupTable());
    cmdEsecutore = modes[0];
    cmdTotale = modes[1];
    cmdCliente = modes[2];
    cmdData = modes[3];
    int left = 840;
    for (QPushButton* button : modes) {
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

    List1 = new LineList(this);
    List1->setFont(verdana(8.25));
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

    lookup_ = std::make_unique<LookupList<SlipRecord>>(
        *this, SlipLookupTable(),
        LookupControls{.list = List1, .search = Text1, .hint = lblClick, .memory = lblMemory, .count = nullptr,
                       .print = picStampa, .close = nullptr},
        [](const SlipRecord& slip, qint64 number) {
            frmBollettini& slips = Forms::get<frmBollettini>();
            WriteIntoCard<SlipRecord>(slips, slips.lblPosizione, SlipBoxes, slip, number);
        });
    wire();
}

void frmFindValori::wire() {
    lookup_->Wire({.listClick = [this] { List1_Click(); },
                   .listDblClick = [this] { List1_DblClick(); },
                   .searchEnter = [this] { List1_DblClick(); },
                   .hintDblClick = [this] { lblClick_DblClick(); },
                   .searchChange = [this] { Text1_Change(); },
                   .searchGotFocus = {},
                   .searchLostFocus = {},
                   .listMouseMove = [this](Qt::MouseButtons buttons, QPoint point) { List1_MouseMove(buttons, point); },
                   .printClick = [this] { picStampa_Click(); },
                   .closeClick = {},
                   .modeClicks = {[this] { cmdEsecutore_Click(); }, [this] { cmdTotale_Click(); },
                                  [this] { cmdCliente_Click(); }, [this] { cmdData_Click(); }}});

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
}

// ------------------------------------------------------------ the lists

void frmFindValori::Form_Load() {
    BusyCursor busy;
    lookup_->Load();
}

void frmFindValori::Form_Unload() { program().setBusy(false); }

void frmFindValori::cmdEsecutore_Click() { lookup_->ModeButton(cmdEsecutore); }

void frmFindValori::cmdTotale_Click() { lookup_->ModeButton(cmdTotale); }

void frmFindValori::cmdCliente_Click() { lookup_->ModeButton(cmdCliente); }

void frmFindValori::cmdData_Click() { lookup_->ModeButton(cmdData); }

// ------------------------------------------------------------ finding a line

void frmFindValori::List1_Click() { lookup_->ShowHint(); }

void frmFindValori::Text1_Change() { lookup_->TypeAhead(); }

void frmFindValori::List1_MouseMove(Qt::MouseButtons buttons, QPoint point) { lookup_->RowToolTip(buttons, point); }

// ------------------------------------------------------------ the pick

void frmFindValori::List1_DblClick() { lookup_->Pick(); }

void frmFindValori::lblClick_DblClick() { List1_DblClick(); }

// ------------------------------------------------------------ close and print

void frmFindValori::picChiudi01_MouseDown(Qt::MouseButton) {
    picChiudi02->setVisible(true);
    picChiudi01->setVisible(false);
}

void frmFindValori::picChiudi01_MouseUp(Qt::MouseButton) {
    picChiudi02->setVisible(false);
    picChiudi01->setVisible(true);
    lookup_->Close();
}

void frmFindValori::picStampa_MouseDown(Qt::MouseButton) {
    showPressed(picStampa, kStampaLeft, kStampaTop, true);
}

void frmFindValori::picStampa_MouseUp(Qt::MouseButton) {
    showPressed(picStampa, kStampaLeft, kStampaTop, false);
}

void frmFindValori::picStampa_Click() { lookup_->Print(); }
