#include "registers/RegisterCard.h"

#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/Settings.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "registers/CardExport.h"
#include "registers/CardPictures.h"
#include "services/frmHelpForm.h"

#include <QFont>

#include <algorithm>

using namespace platform;

namespace {

constexpr int kToolSize = 480, kToolStep = 540, kTop = 120;
constexpr int kContentTop = kTop + kToolSize + 120;
constexpr int kBrowseHeight = 450;

PictureButton* tool(QWidget* parent, const QPixmap& picture, const QString& tip) {
    return PictureButton::raised(parent, picture, tip);
}

} // namespace

RegisterCard::RegisterCard(const RegisterCardTable& table, int contentHeightTwips)
    : Form(Kind::Dialog), table_(table) {
    const int browseTop = kContentTop + contentHeightTwips + 120;
    setClientSizeTwips(kWidth, browseTop + kBrowseHeight + 120);
    setBackColor(Colors::LightGrey);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);

    const int size = tw(kToolSize);
    cmdNuovo = tool(this, Pictures::newSheet(size), QStringLiteral(" Nuovo "));
    cmdSalva = tool(this, Pictures::diskette(size), QStringLiteral(" Salva "));
    cmdElimina = tool(this, Pictures::deleteSheet(size), QStringLiteral(" Elimina scheda "));
    cmdTrova = tool(this, Pictures::magnifier(size), QStringLiteral(" Trova "));
    cmdWord = tool(this, CardPictures::word(size), QStringLiteral(" Esporta scheda in MS Word "));
    cmdBackup = tool(this, CardPictures::backup(size), QStringLiteral(" Backup archivio "));
    cmdGuida = tool(this, Pictures::helpIcon(QColor(0, 0, 128), size), QStringLiteral(" Guida "));
    int left = 120;
    for (PictureButton* b : {cmdNuovo, cmdSalva, cmdElimina, cmdTrova, cmdWord, cmdBackup, cmdGuida}) {
        place(b, left, kTop, kToolSize, kToolSize);
        left += kToolStep;
    }
    cmdTools = tool(this, Pictures::redCross(size, size), QStringLiteral(" Chiudi "));
    place(cmdTools, kWidth - 120 - kToolSize, kTop, kToolSize, kToolSize);

    content_ = new Panel(this, Colors::White);
    place(content_, 120, kContentTop, kWidth - 240, contentHeightTwips);

    const int arrow = tw(300);
    cmdPrimo = tool(this, Pictures::browseArrow(Pictures::Browse::First, arrow), QStringLiteral(" Prima scheda "));
    cmdIndietro =
        tool(this, Pictures::browseArrow(Pictures::Browse::Previous, arrow), QStringLiteral(" Scheda precedente "));
    lblPosizione = new QLabel(this);
    // A register restore finds the record on show by this name.
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setFrameShape(QFrame::Panel);
    lblPosizione->setFrameShadow(QFrame::Sunken);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setAutoFillBackground(true);
    QPalette white = lblPosizione->palette();
    white.setColor(QPalette::Window, vbColor(Colors::White));
    white.setColor(QPalette::WindowText, vbColor(Colors::Navy));
    lblPosizione->setPalette(white);
    lblPosizione->setAccessibleName(QStringLiteral("Scheda n."));
    cmdAvanti = tool(this, Pictures::browseArrow(Pictures::Browse::Next, arrow), QStringLiteral(" Scheda successiva "));
    cmdUltimo = tool(this, Pictures::browseArrow(Pictures::Browse::Last, arrow), QStringLiteral(" Ultima scheda "));
    const int middle = kWidth / 2;
    place(cmdPrimo, middle - 1860, browseTop, 540, kBrowseHeight);
    place(cmdIndietro, middle - 1260, browseTop, 540, kBrowseHeight);
    place(lblPosizione, middle - 600, browseTop, 1200, kBrowseHeight);
    place(cmdAvanti, middle + 720, browseTop, 540, kBrowseHeight);
    place(cmdUltimo, middle + 1320, browseTop, 540, kBrowseHeight);
}

void RegisterCard::setCard(std::unique_ptr<RecordCardBase> card) { card_ = std::move(card); }

void RegisterCard::wireCard() {
    ConnectClicks<RegisterCard>(this, {{cmdPrimo, &RegisterCard::cmdPrimo_Click},
                                       {cmdIndietro, &RegisterCard::cmdIndietro_Click},
                                       {cmdAvanti, &RegisterCard::cmdAvanti_Click},
                                       {cmdUltimo, &RegisterCard::cmdUltimo_Click},
                                       {cmdNuovo, &RegisterCard::cmdNuovo_Click},
                                       {cmdSalva, &RegisterCard::cmdSalva_Click},
                                       {cmdElimina, &RegisterCard::cmdElimina_Click},
                                       {cmdTrova, &RegisterCard::cmdTrova_Click},
                                       {cmdWord, &RegisterCard::cmdWord_Click},
                                       {cmdBackup, &RegisterCard::cmdBackup_Click},
                                       {cmdGuida, &RegisterCard::cmdGuida_Click},
                                       {cmdTools, &RegisterCard::cmdTools_Click}});
}

// ---------------------------------------------------------------- the record-card design

void RegisterCard::cmdPrimo_Click() { card_->Browse(RecordCardBase::Step::First); }
void RegisterCard::cmdIndietro_Click() { card_->Browse(RecordCardBase::Step::Previous); }
void RegisterCard::cmdAvanti_Click() { card_->Browse(RecordCardBase::Step::Next); }
void RegisterCard::cmdUltimo_Click() { card_->Browse(RecordCardBase::Step::Last); }
void RegisterCard::cmdNuovo_Click() { card_->New(); }
void RegisterCard::cmdSalva_Click() { card_->Save(); }
void RegisterCard::cmdElimina_Click() { card_->Delete(); }

// ---------------------------------------------------------------- the tools

void RegisterCard::cmdTrova_Click() { showLookup(); }

// The export needs what a save needs: the required box's notice, under the
// export's title.
void RegisterCard::cmdWord_Click() {
    if (!WordIsInstalled())
        return;
    QWidget* first = FindBox(*this, table_.twin.firstBox);
    if (BoxIsBlank(first)) {
        MsgBox(table_.twin.saveChecks.front().text, MsgIcon::Exclamation, MsgButtons::OK,
               QStringLiteral("Esportazione in MS Word non applicabile"));
        first->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (table_.wordCard) {
        WriteCardToWord(table_.wordCard(*this));
        return;
    }
    WordCard card{table_.wordTitle, table_.wordFileBase, {}};
    for (const WordRow& row : table_.wordRows) {
        QStringList parts;
        for (const QString& box : row.boxes)
            parts << trimBlanks(BoxText(FindBox(*this, box))).toString();
        card.rows.append({row.label, parts.join(QStringLiteral("\r\n"))});
    }
    WriteCardToWord(card);
}

void RegisterCard::cmdBackup_Click() {
    if (table_.backupWizard)
        table_.backupWizard().ShowModal();
}

void RegisterCard::cmdGuida_Click() { ShowHelpTopic(table_.help()); }

void RegisterCard::cmdTools_Click() { Unload(); }
