#include "summaries/frmRiepiloghi.h"

#include "common/PictureButton.h"
#include "common/Pictures.h"
#include "common/SortedList.h"
#include "platform/UserLocale.h"
#include "services/MainMenu.h"
#include "summaries/SummaryPrint.h"

#include <QCloseEvent>
#include <QFont>
#include <QImage>
#include <QShowEvent>

using namespace platform;

namespace {

constexpr unsigned int kTitleBlue = 0xC00000;
constexpr unsigned int kListBlue = 0x400000;
constexpr unsigned int kGreyText = 0x808080;
constexpr unsigned int kApricot = 0xC0E0FF;
constexpr unsigned int kPressedGreen = 0x00C000;

void setTextColor(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, vbColor(vb));
    pal.setColor(QPalette::ButtonText, vbColor(vb));
    w->setPalette(pal);
}

QLabel* banner(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, vbColor(kTitleBlue));
    pal.setColor(QPalette::WindowText, vbColor(Colors::White));
    label->setPalette(pal);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(9);
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The picture in light greys, its transparent parts kept.
QPixmap greyed(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(image);
}

QRadioButton* option(QWidget* parent, const QString& caption) {
    auto* o = new QRadioButton(caption, parent);
    o->setCursor(Qt::PointingHandCursor);
    setTextColor(o, Colors::Black);
    return o;
}

QComboBox* nameList(QWidget* parent, const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    list->setMaxVisibleItems(16);
    return list;
}

} // namespace

frmRiepiloghi::frmRiepiloghi() : Form(Kind::TopLevel) {
    setObjectName(QStringLiteral("frmRiepiloghi"));
    // No close box: the window is left through cmdEsci.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setClientSizeTwips(10800, 7440);
    setBackColor(Colors::LightGrey);

    lblFile = new QLabel(this);
    lblFile->hide();

    // ---- the choice page
    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 10560, 6360);

    imgLogo = new QLabel(picContainer);
    imgLogo->setPixmap(Pictures::banner(QStringLiteral("Selezionare un tipo di riepilogo"), vbColor(Colors::White),
                                        vbColor(Colors::Navy), tw(10320), tw(600)));
    imgLogo->setAccessibleName(QStringLiteral("Selezionare un tipo di riepilogo"));
    place(imgLogo, 120, 120, 10320, 600);

    auto* Shape1 = new Panel(picContainer, kApricot);
    place(Shape1, 120, 960, 10320, 3120);

    fraTipoSaldo = new QGroupBox(Shape1);
    place(fraTipoSaldo, 240, 240, 8280, 2640);
    optPagatore = option(fraTipoSaldo, QStringLiteral(" Versamenti eseguiti da"));
    place(optPagatore, 240, 360, 2880, 420);
    txtPagatore = nameList(fraTipoSaldo, QStringLiteral("Esecutore"));
    place(txtPagatore, 3240, 360, 4800, 420);
    optBeneficiario = option(fraTipoSaldo, QStringLiteral(" Versamenti a favore di"));
    place(optBeneficiario, 240, 1080, 2880, 420);
    txtBeneficiario = nameList(fraTipoSaldo, QStringLiteral("Intestatario"));
    place(txtBeneficiario, 3240, 1080, 4800, 420);
    optTutti = option(fraTipoSaldo, QStringLiteral(" Tutti i versamenti"));
    place(optTutti, 240, 1800, 2880, 420);

    imgEuro = new QLabel(Shape1);
    imgEuro->setPixmap(Pictures::banknotes(tw(1440), tw(1440)));
    place(imgEuro, 8700, 600, 1440, 1440);

    // ---- the buttons along the bottom
    const QPixmap forward = Pictures::browseArrow(Pictures::Browse::Next, tw(480));
    cmdAvanti = new PictureButton(this, forward, QString());
    cmdAvanti->setCaption(QStringLiteral("Avanti"));
    cmdAvanti->setEnabled(false);
    cmdAvanti->setPicture(greyed(forward));
    place(cmdAvanti, 9360, 6540, 1320, 840);

    imgDex = new QLabel(this);
    imgDex->setPixmap(Pictures::browseArrow(Pictures::Browse::Last, tw(360)));
    imgDex->setAccessibleName(QStringLiteral("Avanti"));
    imgDex->hide();
    place(imgDex, 8820, 6780, 480, 480);

    cmdEsci = new PictureButton(this, Pictures::redCross(tw(420), tw(420)), QString());
    cmdEsci->setCaption(QStringLiteral("Esci"));
    place(cmdEsci, 120, 6540, 1320, 840);

    cmdIndietro = new PictureButton(this, Pictures::browseArrow(Pictures::Browse::Previous, tw(480)), QString());
    cmdIndietro->setCaption(QStringLiteral("Indietro"));
    place(cmdIndietro, 120, 6540, 1320, 840);
    // It lies over cmdEsci and hides it.
    cmdIndietro->setAutoFillBackground(true);
    cmdIndietro->hide();

    // ---- the result page, over the choice page
    picRiepilogo = new Panel(this, Colors::White);
    place(picRiepilogo, 120, 120, 10560, 6360);
    picRiepilogo->hide();

    lblTitolo = banner(picRiepilogo, QStringLiteral("Riepilogo versamenti"));
    place(lblTitolo, 120, 120, 10320, 420);

    lstRiepilogo = new QListWidget(picRiepilogo);
    lstRiepilogo->setSortingEnabled(false);
    lstRiepilogo->setUniformItemSizes(true);
    lstRiepilogo->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRiepilogo->setFont(QFont(QStringLiteral("Courier New"), 9));
    {
        QPalette pal = lstRiepilogo->palette();
        pal.setColor(QPalette::Base, vbColor(Colors::LightGrey));
        pal.setColor(QPalette::Text, vbColor(kListBlue));
        lstRiepilogo->setPalette(pal);
    }
    lstRiepilogo->setAccessibleName(QStringLiteral("Riepilogo versamenti"));
    place(lstRiepilogo, 120, 600, 10320, 4560);

    lblImportoTit = banner(picRiepilogo, QStringLiteral(" Importo totale in euro:"));
    place(lblImportoTit, 120, 5220, 7200, 360);
    lblImporto = banner(picRiepilogo, QStringLiteral("00,00"));
    lblImporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblImporto, 7320, 5220, 3120, 360);

    lblNumVers = new QLabel(QStringLiteral("versamenti effettuati."), picRiepilogo);
    setTextColor(lblNumVers, kGreyText);
    place(lblNumVers, 120, 5760, 4200, 300);

    cmdStampa = new PictureButton(picRiepilogo, Pictures::printer(tw(420)), QString());
    cmdStampa->setAccessibleName(QStringLiteral("Stampa"));
    place(cmdStampa, 4560, 5700, 480, 480);
    lblStampa = new PictureButton(picRiepilogo);
    lblStampa->setCaption(QStringLiteral("Stampa"));
    lblStampa->setForeColor(Colors::DarkRed);
    QFont underlined = lblStampa->font();
    underlined.setUnderline(true);
    lblStampa->setFont(underlined);
    place(lblStampa, 5100, 5760, 900, 300);

    centreOnScreen();
    wire();
}

void frmRiepiloghi::wire() {
    connect(optTutti, &QRadioButton::clicked, this, [this] { optTutti_Click(); });
    connect(optPagatore, &QRadioButton::clicked, this, [this] { optPagatore_Click(); });
    connect(optBeneficiario, &QRadioButton::clicked, this, [this] { optBeneficiario_Click(); });
    connect(txtPagatore, &QComboBox::activated, this, [this] { txtPagatore_Click(); });
    connect(txtBeneficiario, &QComboBox::activated, this, [this] { txtBeneficiario_Click(); });
    connect(cmdAvanti, &QAbstractButton::clicked, this, [this] { cmdAvanti_Click(); });
    connect(cmdIndietro, &QAbstractButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(cmdEsci, &QAbstractButton::clicked, this, [this] { cmdEsci_Click(); });
    cmdStampa->MouseDown = [this](Qt::MouseButton b) { cmdStampa_MouseDown(b); };
    cmdStampa->MouseUp = [this](Qt::MouseButton b) { cmdStampa_MouseUp(b); };
    connect(cmdStampa, &QAbstractButton::clicked, this, [this] { cmdStampa_Click(); });
    lblStampa->MouseDown = [this](Qt::MouseButton b) { lblStampa_MouseDown(b); };
    lblStampa->MouseUp = [this](Qt::MouseButton b) { lblStampa_MouseUp(b); };
    // The left button's release reaches the label as its click; so does a
    // press from the keyboard or an accessibility tool.
    connect(lblStampa, &QAbstractButton::clicked, this, [this] { cmdStampa_Click(); });
}

QString frmRiepiloghi::year() const { return lblFile->text().trimmed(); }

void frmRiepiloghi::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmRiepiloghi::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isUnloaded() && !cmdIndietro->isVisible())
        cmdEsci_Click();
}

// ---------------------------------------------------------------- the choice page

void frmRiepiloghi::Form_Activate() {
    // Duplicates go before the names reach the lists, which are filled once.
    const YearNames names = ReadYearNames(year());
    SetNameEntries(txtPagatore, names.payers);
    SetNameEntries(txtBeneficiario, names.payees);
}

void frmRiepiloghi::setAvantiEnabled(bool on) {
    if (cmdAvanti->isEnabled() == on)
        return;
    const QPixmap forward = Pictures::browseArrow(Pictures::Browse::Next, tw(480));
    cmdAvanti->setPicture(on ? forward : greyed(forward));
    cmdAvanti->setEnabled(on);
}

void frmRiepiloghi::optionChosen(QRadioButton* chosen, QComboBox* names) {
    for (QRadioButton* o : {optPagatore, optBeneficiario, optTutti})
        setTextColor(o, o == chosen ? Colors::DarkRed : Colors::Black);
    const bool ready = !names || !names->currentText().trimmed().isEmpty();
    setAvantiEnabled(ready);
    imgDex->setVisible(ready);
}

void frmRiepiloghi::namePicked(QRadioButton* option, QComboBox* names) {
    option->setChecked(true);
    optionChosen(option, names);
    if (option->isChecked() && !names->currentText().trimmed().isEmpty()) {
        setAvantiEnabled(true);
        imgDex->show();
    }
}

void frmRiepiloghi::optTutti_Click() { optionChosen(optTutti, nullptr); }

void frmRiepiloghi::optPagatore_Click() { optionChosen(optPagatore, txtPagatore); }

void frmRiepiloghi::optBeneficiario_Click() { optionChosen(optBeneficiario, txtBeneficiario); }

void frmRiepiloghi::txtPagatore_Click() { namePicked(optPagatore, txtPagatore); }

void frmRiepiloghi::txtBeneficiario_Click() { namePicked(optBeneficiario, txtBeneficiario); }

void frmRiepiloghi::cmdAvanti_Click() {
    void (frmRiepiloghi::*build)() = nullptr;
    if (optTutti->isChecked())
        build = &frmRiepiloghi::BuildSummaryAll;
    else if (optPagatore->isChecked())
        build = &frmRiepiloghi::BuildSummaryByPayer;
    else if (optBeneficiario->isChecked())
        build = &frmRiepiloghi::BuildSummaryByPayee;
    if (!build)
        return;
    cmdIndietro->show();
    cmdIndietro->raise();
    imgDex->hide();
    setAvantiEnabled(false);
    (this->*build)();
    extent_ = FitListHorizontalExtent(lstRiepilogo);
    picRiepilogo->show();
    picRiepilogo->raise();
}

void frmRiepiloghi::cmdIndietro_Click() {
    picRiepilogo->hide();
    lstRiepilogo->clear();
    extent_ = 0;
    setAvantiEnabled(true);
    cmdIndietro->hide();
}

void frmRiepiloghi::cmdEsci_Click() {
    MainMenu::show();
    Unload();
}

// ---------------------------------------------------------------- the summaries

void frmRiepiloghi::showSummary(SummaryKind kind, const QString& name, const QString& title) {
    lstRiepilogo->clear();
    const Summary summary = ReadYearSummary(kind, year(), name);
    FillList(lstRiepilogo, summary.lines);
    lblTitolo->setText(title);
    lblNumVers->setText(QString::number(lstRiepilogo->count()) + QStringLiteral(" versamenti eseguiti"));
    lblImporto->setText(FormatCents(summary.cents, userLocale().GetLocaleInfo(LocaleItem::DecimalSeparator)));
}

void frmRiepiloghi::BuildSummaryAll() {
    showSummary(SummaryKind::All, QString(), windowTitle().trimmed());
}

void frmRiepiloghi::BuildSummaryByPayer() {
    const QString name = txtPagatore->currentText().trimmed();
    showSummary(SummaryKind::ByPayer, name,
                QStringLiteral("Versamenti eseguiti da ") + name + QStringLiteral(" nell'anno solare ") + year());
}

void frmRiepiloghi::BuildSummaryByPayee() {
    const QString name = txtBeneficiario->currentText().trimmed();
    showSummary(SummaryKind::ByPayee, name,
                QStringLiteral("Versamenti a favore di ") + name + QStringLiteral(" (anno solare ") + year() +
                    QLatin1Char(')'));
}

// ---------------------------------------------------------------- printing

void frmRiepiloghi::cmdStampa_Click() { PrintSummary(ListLines(*lstRiepilogo), lblTitolo->text()); }

void frmRiepiloghi::cmdStampa_MouseDown(Qt::MouseButton) { lblStampa->setForeColor(kPressedGreen); }

void frmRiepiloghi::cmdStampa_MouseUp(Qt::MouseButton) { lblStampa->setForeColor(Colors::DarkRed); }

void frmRiepiloghi::lblStampa_MouseDown(Qt::MouseButton) { lblStampa->setForeColor(kPressedGreen); }

void frmRiepiloghi::lblStampa_MouseUp(Qt::MouseButton button) {
    lblStampa->setForeColor(Colors::DarkRed);
    // Any button prints; the left one through the click that follows.
    if (button != Qt::LeftButton)
        cmdStampa_Click();
}
