#include "registers/RegisterCard.h"

#include "common/FixedRecord.h"
#include "common/Pictures.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "registers/CardExport.h"
#include "registers/CardPictures.h"
#include "shell/frmHelpForm.h"

#include <QFont>

#include <algorithm>

using namespace platform;

namespace {

constexpr int kToolSize = 480, kToolStep = 540, kTop = 120;
constexpr int kContentTop = kTop + kToolSize + 120;
constexpr int kBrowseHeight = 450;

const QString kProtectionHint =
    QStringLiteral("\r\n\r\nAccertarsi che il file di archivio non abbia attributi di protezione.");

QString trimmed(const QString& text) { return trimBlanks(QStringView(text)).toString(); }

PictureButton* tool(QWidget* parent, const QPixmap& picture, const QString& tip) {
    auto* button = new PictureButton(parent, picture, tip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

QString BoxText(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* area = qobject_cast<const TextArea*>(box))
        return area->text();
    return QString();
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* area = qobject_cast<TextArea*>(box))
        area->setText(text);
}

RegisterCard::RegisterCard(const RegisterCardTable& table, int contentHeightTwips)
    : Form(Kind::Dialog), table_(table) {
    setWindowTitle(table.windowTitle);
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

void RegisterCard::setBoxes(std::vector<QWidget*> boxes) {
    boxes_ = std::move(boxes);
    for (std::size_t i = 1; i < boxes_.size(); ++i)
        setTabOrder(boxes_[i - 1], boxes_[i]);
    firstBox()->setFocus(Qt::OtherFocusReason);
}

void RegisterCard::wireCard() {
    const std::pair<PictureButton*, void (RegisterCard::*)()> handlers[] = {
        {cmdPrimo, &RegisterCard::cmdPrimo_Click},     {cmdIndietro, &RegisterCard::cmdIndietro_Click},
        {cmdAvanti, &RegisterCard::cmdAvanti_Click},   {cmdUltimo, &RegisterCard::cmdUltimo_Click},
        {cmdNuovo, &RegisterCard::cmdNuovo_Click},     {cmdSalva, &RegisterCard::cmdSalva_Click},
        {cmdElimina, &RegisterCard::cmdElimina_Click}, {cmdTrova, &RegisterCard::cmdTrova_Click},
        {cmdWord, &RegisterCard::cmdWord_Click},       {cmdBackup, &RegisterCard::cmdBackup_Click},
        {cmdGuida, &RegisterCard::cmdGuida_Click},     {cmdTools, &RegisterCard::cmdTools_Click},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
}

// ---------------------------------------------------------------- the record on show

QString RegisterCard::archivePath() const { return ProgramFilePath(table_.archiveFile); }

QString RegisterCard::tempPath() const { return ProgramFilePath(table_.tempFile); }

qint64 RegisterCard::recordOnShow() const {
    bool ok = false;
    const qint64 number = lblPosizione->text().trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

void RegisterCard::setRecordOnShow(qint64 number) {
    lblPosizione->setText(QLatin1Char(' ') + QString::number(number));
}

QStringList RegisterCard::fieldsOnShow() const {
    QStringList fields;
    for (const QWidget* box : boxes_)
        fields << trimmed(BoxText(box));
    return fields;
}

void RegisterCard::showRecord(const QStringList& fields, qint64 number) {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        SetBoxText(boxes_[i], static_cast<qsizetype>(i) < fields.size() ? fields[static_cast<qsizetype>(i)]
                                                                          : QString());
    setRecordOnShow(number);
}

bool RegisterCard::firstBoxBlank() const { return trimmed(BoxText(firstBox())).isEmpty(); }

// ---------------------------------------------------------------- browsing

void RegisterCard::cmdPrimo_Click() { browse(Step::First); }
void RegisterCard::cmdIndietro_Click() { browse(Step::Previous); }
void RegisterCard::cmdAvanti_Click() { browse(Step::Next); }
void RegisterCard::cmdUltimo_Click() { browse(Step::Last); }

// Browsing shows no error: a register that cannot be opened counts as empty,
// and a record that cannot be read leaves the card as it was.
void RegisterCard::browse(Step step) {
    QStringList fields;
    qint64 target = 0;
    qint64 count = 0;
    {
        RecordArchive archive(archivePath(), tempPath(), totalWidth(table_.widths));
        count = archive.OpenArchive() ? archive.RecordCount() : 0;
        if (count > 0) {
            switch (step) {
            case Step::First: target = 1; break;
            case Step::Previous: target = std::clamp<qint64>(recordOnShow() - 1, 1, count); break;
            case Step::Next: target = std::clamp<qint64>(recordOnShow() + 1, 1, count); break;
            case Step::Last: target = count; break;
            }
            QByteArray bytes;
            if (!archive.ReadRecord(target, bytes))
                return;
            fields = decodeFields(bytes, table_.widths);
        }
    }
    if (count == 0) {
        if (step == Step::Next)
            MsgBox(QStringLiteral("L'archivio non contiene alcuna scheda."), MsgIcon::Exclamation, MsgButtons::OK,
                   QStringLiteral("Attenzione!"));
        else if (step != Step::Previous)
            MsgBox(QStringLiteral("L'archivio non contiene nessuna scheda."), MsgIcon::Exclamation, MsgButtons::OK,
                   QStringLiteral("Attenzione!"));
        lblPosizione->clear();
        cmdNuovo_Click();
        return;
    }
    showRecord(fields, target);
}

// ---------------------------------------------------------------- new, save, delete

void RegisterCard::cmdNuovo_Click() {
    for (QWidget* box : boxes_)
        SetBoxText(box, QString());
    lblPosizione->clear();
    firstBox()->setFocus(Qt::OtherFocusReason);
}

void RegisterCard::cmdSalva_Click() {
    if (firstBoxBlank()) {
        MsgBox(table_.wording.requiredNotice, MsgIcon::Exclamation, MsgButtons::OK,
               QStringLiteral("Salvataggio non applicabile"));
        firstBox()->setFocus(Qt::OtherFocusReason);
        return;
    }
    RecordArchive archive(archivePath(), tempPath(), totalWidth(table_.widths));
    if (!archive.OpenArchive())
        return saveFailed(archive);
    const qint64 count = archive.RecordCount();
    const QByteArray record = encodeFields(fieldsOnShow(), table_.widths);

    if (!lblPosizione->text().isEmpty()) {
        const qint64 number = recordOnShow();
        if (number < 1 || number > count) {
            // The record went away meanwhile: the typed card stays, as a new
            // one, so that the next save appends it.
            program().beep();
            MsgBox(QStringLiteral("Impossibile salvare le modifiche."), MsgIcon::Exclamation, MsgButtons::OK,
                   QStringLiteral("Messaggio di errore"));
            archive.CloseArchive();
            lblPosizione->clear();
            return;
        }
        if (!archive.WriteRecord(number, record))
            return saveFailed(archive);
        archive.CloseArchive();
        MsgBox(table_.wording.editSavedHead + lblPosizione->text() +
                   QStringLiteral(" sono state inserite in archivio."),
               MsgIcon::Information, MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
        return;
    }

    // A new card becomes record count + 1 once it is written.
    if (!archive.WriteRecord(count + 1, record))
        return saveFailed(archive);
    archive.CloseArchive();
    setRecordOnShow(count + 1);
    MsgBox(table_.wording.appendedHead + lblPosizione->text() + table_.wording.appendedTail, MsgIcon::Information,
           MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
}

// The boxes and the record on show stay as they were.
void RegisterCard::saveFailed(RecordArchive& archive) {
    archive.CloseArchive();
    program().beep();
    MsgBox(QStringLiteral("Il sistema non permette di salvare i dati.") + kProtectionHint, MsgIcon::Critical,
           MsgButtons::OK, QStringLiteral("Messaggio di errore"));
}

void RegisterCard::cmdElimina_Click() {
    if (lblPosizione->text().isEmpty()) {
        MsgBox(QString::fromUtf8("La cancellazione può essere applicata soltanto ad una scheda già presente in "
                                 "archivio.\r\n\r\n"
                                 "Se si vuole semplicemente vuotare tutti i campi di testo, fare clic su Nuovo."),
               MsgIcon::Information, MsgButtons::OK, QStringLiteral("Operazione non applicabile"));
        return;
    }
    if (MsgBox(table_.wording.deleteQuestionHead + lblPosizione->text() + QLatin1Char('?'), MsgIcon::Question,
               MsgButtons::YesNo, QStringLiteral("Conferma eliminazione scheda")) != MsgAnswer::Yes)
        return;

    // A number outside 1..count removes nothing and is reported as a failure.
    RecordArchive archive(archivePath(), tempPath(), totalWidth(table_.widths));
    if (!archive.OpenArchive() || !archive.RemoveRecord(recordOnShow()))
        return deleteFailed(archive);
    archive.CloseArchive();
    cmdIndietro_Click();
    MsgBox(QString::fromUtf8("La scheda è stata rimossa dall'archivio."), MsgIcon::Information, MsgButtons::OK,
           QStringLiteral("Cancellazione terminata"));
}

void RegisterCard::deleteFailed(RecordArchive& archive) {
    program().beep();
    archive.CloseArchive();
    MsgBox(QStringLiteral("Impossibile eliminare la scheda.") + kProtectionHint, MsgIcon::Information,
           MsgButtons::OK, QStringLiteral("Messaggio di errore"));
}

// ---------------------------------------------------------------- the tools

void RegisterCard::cmdTrova_Click() { showLookup(); }

void RegisterCard::cmdWord_Click() {
    if (!WordIsInstalled())
        return;
    if (firstBoxBlank()) {
        MsgBox(table_.wording.requiredNotice, MsgIcon::Exclamation, MsgButtons::OK,
               QStringLiteral("Esportazione in MS Word non applicabile"));
        firstBox()->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QStringList fields = fieldsOnShow();
    WordCard card{table_.wordTitle, table_.wordFileBase, {}};
    for (const WordRow& row : table_.wordRows) {
        QStringList parts;
        for (int field : row.fields)
            parts << fields.value(field);
        card.rows.append({row.label, parts.join(QStringLiteral("\r\n"))});
    }
    WriteCardToWord(card);
}

void RegisterCard::cmdBackup_Click() {
    // The register's backup wizard comes with the backup step; until then
    // the button does nothing.
}

void RegisterCard::cmdGuida_Click() { ShowHelpTopic(table_.help()); }

void RegisterCard::cmdTools_Click() { Unload(); }
