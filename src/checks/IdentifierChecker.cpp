#include "checks/IdentifierChecker.h"

#include "checks/CheckPictures.h"
#include "checks/TaxCodeChars.h"
#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "services/frmHelpForm.h"

#include <QFont>

using namespace platform;

namespace {

constexpr int kIconSize = 600;

} // namespace

IdentifierChecker::IdentifierChecker(const CheckerDesign& design) : Form(Kind::Dialog), design_(design) {
    setObjectName(QLatin1String(design.className));
    setWindowTitle(design.title);
    setClientSizeTwips(7800, 4020);
    setBackColor(Colors::LightGrey);

    picContainer = new Panel(this, Colors::White);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    place(picContainer, 120, 120, 7560, 2820);

    imgLogo = new PictureButton(picContainer, CheckPictures::logo(design.logoCaption, tw(7320), tw(720)), QString());
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAccessibleName(design.logoCaption);
    place(imgLogo, 120, 120, 7320, 720);

    instruction = new QLabel(design.instruction, picContainer);
    instruction->setObjectName(QLatin1String(design.instructionName));
    QFont instructionFont(QStringLiteral("Verdana"));
    instructionFont.setPointSizeF(8.25);
    instruction->setFont(instructionFont);
    instruction->setWordWrap(true);
    place(instruction, 120, 930, 7320, 420);

    frame = nullptr;
    if (design.frameName) {
        frame = new QFrame(picContainer);
        frame->setObjectName(QLatin1String(design.frameName));
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        place(frame, 120, 1440, 7320, 1260);
    }

    imgNuovo = new PictureButton(picContainer, Pictures::newSheet(tw(kIconSize)), QStringLiteral(" Nuovo "));
    imgNuovo->setObjectName(QStringLiteral("imgNuovo"));
    place(imgNuovo, 240, 1770, kIconSize, kIconSize);

    valueBox = new TextBox(picContainer);
    valueBox->setObjectName(QLatin1String(design.boxName));
    valueBox->setAccessibleName(design.boxAccessibleName);
    valueBox->setMaxLength(design.limit);
    valueBox->setAlignment(Qt::AlignCenter);
    valueBox->setBackColor(Colors::White);
    QFont boxFont(QStringLiteral("Courier New"));
    boxFont.setPointSizeF(27.75);
    boxFont.setBold(design.boldBox);
    valueBox->setFont(boxFont);
    place(valueBox, 960, 1680, 5880, 780);
    instruction->setBuddy(valueBox);

    imgCopia = new PictureButton(picContainer, CheckPictures::copySheets(tw(kIconSize)), QStringLiteral(" Copia "));
    imgCopia->setObjectName(QStringLiteral("imgCopia"));
    place(imgCopia, 6960, 1770, kIconSize, kIconSize);

    checkButton = new PictureButton(this, CheckPictures::checkTick(tw(2400), tw(720)), design.checkTip);
    checkButton->setObjectName(QLatin1String(design.checkName));
    if (design.checkTip.isEmpty())
        checkButton->setAccessibleName(design.checkSpokenName);
    checkButton->setEnabled(false);
    place(checkButton, 120, 3120, 2400, 720);

    cmdGuida = new PictureButton(this, Pictures::questionSign(tw(420), tw(420)), QStringLiteral(" Guida "));
    cmdGuida->setObjectName(QStringLiteral("cmdGuida"));
    place(cmdGuida, 6540, 3240, 540, 540);
    cmdChiudi = new PictureButton(this, Pictures::redCross(tw(360), tw(360)), QStringLiteral(" Chiudi "));
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    place(cmdChiudi, 7140, 3240, 540, 540);

    for (PictureButton* b : {checkButton, imgNuovo, imgCopia, cmdGuida, cmdChiudi})
        b->setFocusPolicy(Qt::TabFocus);
    setTabOrder(valueBox, checkButton);
    setTabOrder(checkButton, imgNuovo);
    setTabOrder(imgNuovo, imgCopia);
    setTabOrder(imgCopia, cmdGuida);
    setTabOrder(cmdGuida, cmdChiudi);
    valueBox->setFocus(Qt::OtherFocusReason);

    centreOnScreen();
    wire();
}

void IdentifierChecker::wire() {
    connect(valueBox, &QLineEdit::textChanged, this, [this] { value_Change(); });
    SelectAllOnFocus(valueBox);
    // Enter checks, even while the check button is disabled.
    ActOnEnter(valueBox, [this] { checkButton_Click(); });
    if (design_.keys == CheckerDesign::Keys::Digits) {
        DigitsOnly(valueBox, design_.refusal);
        // A paste obeys the same rule as typing.
        valueBox->NonDigitsRefused = [this] { showRefusal(); };
    } else {
        UpperCaseLetter(valueBox);
    }

    connect(checkButton, &QAbstractButton::clicked, this, [this] { checkButton_Click(); });
    connect(imgLogo, &QAbstractButton::clicked, this, [this] { imgLogo_Click(); });
    connect(cmdGuida, &QAbstractButton::clicked, this, [this] { cmdGuida_Click(); });
    connect(cmdChiudi, &QAbstractButton::clicked, this, [this] { cmdChiudi_Click(); });
    // A left click (or a press from the keyboard or an assistive tool) acts in
    // every checker; where any mouse button acts, the others act on release.
    connect(imgCopia, &QAbstractButton::clicked, this, [this] { imgCopia_Click(); });
    connect(imgNuovo, &QAbstractButton::clicked, this, [this] { imgNuovo_Click(); });
    if (design_.iconsOnAnyRelease) {
        imgCopia->MouseUp = [this](Qt::MouseButton b) { imgCopia_MouseUp(b); };
        imgNuovo->MouseUp = [this](Qt::MouseButton b) { imgNuovo_MouseUp(b); };
    }
}

void IdentifierChecker::value_Change() {
    checkButton->setEnabled(!trimBlanks(valueBox->text()).isEmpty());
    if (design_.keys == CheckerDesign::Keys::TaxCode)
        ApplyTaxCodeFilter(valueBox);
}

void IdentifierChecker::showRefusal() {
    MsgBox(design_.refusal.text, design_.refusal.icon, MsgButtons::OK, design_.refusal.title);
}

void IdentifierChecker::imgCopia_Click() {
    const QString value = trimBlanks(valueBox->text()).toString();
    if (value.isEmpty()) {
        MsgBox(design_.copyRefusal, MsgIcon::Information, MsgButtons::OK,
               QStringLiteral("Operazione non applicabile"));
        return;
    }
    if (!clipboard().setText(value)) {
        MsgBox(QStringLiteral("Impossibile copiare negli Appunti di Windows."), MsgIcon::Exclamation,
               MsgButtons::OK, QStringLiteral("Copia non effettuata"));
        return;
    }
    MsgBox(design_.copyConfirmation, MsgIcon::Information, MsgButtons::OK, QStringLiteral("Copia effettuata"));
}

void IdentifierChecker::imgCopia_MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton) // the left button clicks
        imgCopia_Click();
}

void IdentifierChecker::imgNuovo_Click() {
    valueBox->setText(QString());
    focusBox();
}

void IdentifierChecker::imgNuovo_MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        imgNuovo_Click();
}

void IdentifierChecker::imgLogo_Click() {
    if (checkButton->isEnabled())
        checkButton_Click();
}

void IdentifierChecker::cmdGuida_Click() { ShowHelpTopic(design_.help()); }

void IdentifierChecker::cmdChiudi_Click() { Unload(); }
