#include "registers/RegisterLookup.h"

#include "common/FieldRules.h"
#include "common/Pictures.h"
#include "registers/CardPictures.h"

#include <QFont>

namespace {

constexpr int kPicture = 480;

QFont verdana(qreal points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

RegisterLookup::RegisterLookup(const QString& title, const QString& bannerHeading, const LookupLook& look)
    : Form(Kind::Dialog), width_(look.width) {
    // The panel fills the window above the bottom row of print picture,
    // count and close picture; the list takes what the panel leaves.
    const int kWidth = look.width;
    const int kBottom = look.height - kPicture - 120;
    const int kPanelHeight = kBottom - 180;
    setWindowTitle(title);
    setClientSizeTwips(kWidth, look.height);
    setBackColor(look.back);
    setFont(verdana(8.25));

    picContainer = new Panel(this, look.panel);
    place(picContainer, 0, 0, kWidth, kPanelHeight);

    cmdLogo = new PictureButton(picContainer,
                                look.banner ? look.banner(bannerHeading)
                                            : CardPictures::lookupBanner(tw(kWidth - 240), tw(720), bannerHeading),
                                bannerHeading);
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, kWidth - 240, 720);

    fraCriteri = new QGroupBox(picContainer);
    place(fraCriteri, 120, 900, kWidth - 240, 600);
    lblCerca = new QLabel(QStringLiteral("Inserire le prime lettere della voce in elenco ricercata:"), picContainer);
    place(lblCerca, 120, 1590, kWidth - 240, 240);
    txtCerca = new TextBox(picContainer);
    txtCerca->setMaxLength(32767);
    lblCerca->setBuddy(txtCerca);
    place(txtCerca, 120, 1860, kWidth - 240, 330);

    lstCausali = new LineList(picContainer);
    lstCausali->setTextElideMode(Qt::ElideNone);
    lstCausali->setAccessibleName(title.trimmed());
    place(lstCausali, 120, 2280, kWidth - 240, kPanelHeight - 2700);

    lblFaiClic = new PictureButton(QStringLiteral("Fare doppio clic sulla voce selezionata"), picContainer);
    lblFaiClic->setForeColor(Colors::DarkRed);
    lblFaiClic->setVisible(false);
    place(lblFaiClic, 120, kPanelHeight - 360, kWidth - 240, 270);

    cmdGuida = PictureButton::raised(this, Pictures::printer(tw(kPicture)), QStringLiteral(" Stampa "));
    place(cmdGuida, 240, kBottom, kPicture, kPicture);
    lblTrovati = new QLabel(QStringLiteral("0 schede trovate"), this);
    lblTrovati->setAlignment(Qt::AlignCenter);
    QPalette countColours = lblTrovati->palette();
    countColours.setColor(QPalette::WindowText, vbColor(look.count));
    lblTrovati->setPalette(countColours);
    place(lblTrovati, 960, kBottom + 120, kWidth - 1920, 270);
    cmdChiudi = PictureButton::raised(this, Pictures::redCross(tw(kPicture), tw(kPicture)), QStringLiteral(" Chiudi "));
    place(cmdChiudi, kWidth - 240 - kPicture, kBottom, kPicture, kPicture);

    lblMemory = new QLabel(QStringLiteral("carica"), this);
    lblMemory->setVisible(false);

    txtCerca->setFocus(Qt::OtherFocusReason);
    centreOnScreen();
}

void RegisterLookup::placeModeButtons(const std::vector<QPushButton*>& buttons) {
    QPushButton** named[] = {&cmdCategoria, &cmdDescrizione, &cmdPagamento};
    const int buttonWidth = (width_ - 240 - 480) / 3;
    int left = 120;
    for (std::size_t i = 0; i < buttons.size() && i < 3; ++i) {
        *named[i] = buttons[i];
        place(buttons[i], left, 120, buttonWidth, 390);
        left += buttonWidth + 120;
    }
    // The search box first, then print and close, the mode buttons from
    // left to right, and the list last.
    setTabOrder(txtCerca, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);
    QWidget* previous = cmdChiudi;
    for (QPushButton* button : buttons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, lstCausali);
}

LookupControls RegisterLookup::controls() const {
    return {.list = lstCausali, .search = txtCerca, .hint = lblFaiClic, .memory = lblMemory, .count = lblTrovati,
            .print = cmdGuida, .close = cmdChiudi};
}

void RegisterLookup::wire() {
    lookup_->Wire({.listClick = [this] { lstCausali_Click(); },
                   .listDblClick = [this] { lstCausali_DblClick(); },
                   .searchEnter = [this] { lstCausali_DblClick(); },
                   .hintDblClick = [this] { lblFaiClic_DblClick(); },
                   .searchChange = [this] { txtCerca_Change(); },
                   .searchGotFocus = [this] { txtCerca_GotFocus(); },
                   .searchLostFocus = [this] { txtCerca_LostFocus(); },
                   .listMouseMove = [this](Qt::MouseButtons buttons, QPoint point) {
                       lstCausali_MouseMove(buttons, point);
                   },
                   .printClick = [this] { cmdGuida_Click(); },
                   .closeClick = [this] { cmdChiudi_Click(); },
                   .modeClicks = {[this] { cmdCategoria_Click(); }, [this] { cmdDescrizione_Click(); },
                                  [this] { cmdPagamento_Click(); }}});
}

// Every handler is one call into the lookup design.

void RegisterLookup::Form_Load() { lookup_->Load(); }

void RegisterLookup::cmdCategoria_Click() { lookup_->ModeButton(cmdCategoria); }
void RegisterLookup::cmdDescrizione_Click() { lookup_->ModeButton(cmdDescrizione); }
void RegisterLookup::cmdPagamento_Click() { lookup_->ModeButton(cmdPagamento); }
void RegisterLookup::lstCausali_Click() { lookup_->ShowHint(); }
void RegisterLookup::lstCausali_DblClick() { lookup_->Pick(); }
void RegisterLookup::lblFaiClic_DblClick() { lookup_->Pick(); }
void RegisterLookup::txtCerca_Change() { lookup_->TypeAhead(); }
void RegisterLookup::txtCerca_GotFocus() { lookup_->SearchGotFocus(); }
void RegisterLookup::txtCerca_LostFocus() { lookup_->SearchLostFocus(); }
void RegisterLookup::lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point) {
    lookup_->RowToolTip(buttons, point);
}
void RegisterLookup::cmdGuida_Click() { lookup_->Print(); }
void RegisterLookup::cmdChiudi_Click() { lookup_->Close(); }
