#include "registers/ContactCard.h"

#include "checks/TaxCodeChars.h"
#include "checks/frmCF.h"
#include "checks/frmCalcIva.h"
#include "checks/frmCarta.h"
#include "checks/frmEmail.h"
#include "common/FieldRules.h"
#include "common/FixedRecord.h"
#include "registers/CardPictures.h"
#include "registers/DialNumber.h"

#include <QFont>
#include <QIcon>

using platform::MsgIcon;

namespace {

QString trimmed(const QString& text) { return trimBlanks(QStringView(text)).toString(); }

constexpr int kRowHeight = 660, kLabelHeight = 240, kBoxHeight = 345, kSide = 345;
constexpr int kLeftColumn = 120, kLeftWidth = 3840;
constexpr int kRightColumn = 4680, kRightWidth = 4200;

// The side button is enabled exactly while its box holds more than blanks; a
// disabled one shows its picture greyed.
void enableWhileFilled(PictureButton* button, const TextBox* box) {
    const bool on = !trimBlanks(box->text()).isEmpty();
    button->setEnabled(on);
    const QPixmap rest = button->property("restPicture").value<QPixmap>();
    button->setPicture(on ? rest : QIcon(rest).pixmap(rest.size(), QIcon::Disabled));
}

TextBox* contactBox(QWidget* parent, int width, const QString& name) {
    auto* box = new TextBox(parent);
    box->setMaxLength(width);
    box->setAccessibleName(name);
    return box;
}

} // namespace

CardTwin AddressBookTwin(const QString& windowTitle, const ArchiveFiles& files, const QString& recordWord,
                         const QStringList& boxes) {
    const QString first = boxes.value(0);
    return {
        .windowTitle = windowTitle,
        .files = [files](const QWidget&) { return files; },
        .emptyNotice = QStringLiteral("L'archivio non contiene nessuna scheda."),
        .emptyNoticeNext = QStringLiteral("L'archivio non contiene alcuna scheda."),
        .saveChecks = {{.blank = {first},
                        .filled = {},
                        .text = QStringLiteral("E' necessario compilare il primo campo relativo all'") + recordWord +
                                QLatin1Char('.'),
                        .title = QStringLiteral("Salvataggio non applicabile"),
                        .focus = first}},
        .rewritten = QStringLiteral("Le modifiche apportate all'") + recordWord +
                     QStringLiteral(" n.{n} sono state inserite in archivio."),
        .appended = QStringLiteral("L'") + recordWord + QString::fromUtf8(" n.{n} è stato inserito in archivio."),
        .saveFailedIcon = MsgIcon::Critical,
        .deleteNew = QString::fromUtf8(
            "La cancellazione può essere applicata soltanto ad una scheda già presente in archivio."),
        .confirmDelete = QStringLiteral("Si vuole proprio cancellare l'") + recordWord + QStringLiteral(" n.{n}?"),
        .confirmTitle = QStringLiteral("Conferma eliminazione scheda"),
        .deleted = QString::fromUtf8("La scheda è stata rimossa dall'archivio."),
        .deleteFailed = QStringLiteral("Impossibile eliminare la scheda."),
        .newClears = boxes,
        .firstBox = first,
    };
}

QList<WordRow> ContactWordRows() {
    return {{QStringLiteral("Tel. casa:"), {QStringLiteral("txtCas")}},
            {QStringLiteral("Tel. ufficio:"), {QStringLiteral("txtUff")}},
            {QStringLiteral("Fax:"), {QStringLiteral("txtFax")}},
            {QStringLiteral("Cellulare:"), {QStringLiteral("txtCel")}},
            {QStringLiteral("E-mail:"), {QStringLiteral("txtEma")}},
            {QStringLiteral("Partita IVA:"), {QStringLiteral("txtIva")}},
            {QStringLiteral("Codice fiscale:"), {QStringLiteral("txtCodFisc")}},
            {QStringLiteral("Carta di credito:"), {QStringLiteral("txtCarta")}},
            {QStringLiteral("Note:"), {QStringLiteral("txtNot")}}};
}

ContactCard::ContactCard(const RegisterCardTable& table, int namesHeight)
    : RegisterCard(table, namesHeight + kContactsHeight), contactsTop_(namesHeight) {
    QWidget* panel = content();
    const int side = tw(kSide) - 2;
    struct Contact {
        TextBox*& box;
        QLabel*& label;
        PictureButton*& button;
        const char* caption;
        int width;
        QPixmap picture;
        const char* tip;
        const char* name;
    };
    const Contact contacts[] = {
        {txtCas, lblCas, cmdCasa, "Tel. casa", 20, CardPictures::phone(side), " Chiama ", "Cas"},
        {txtUff, lblUff, cmdUff, "Tel. ufficio", 20, CardPictures::phone(side), " Chiama ", "Uff"},
        {txtFax, lblFax, cmdFax, "Fax", 20, CardPictures::phone(side), " Chiama ", "Fax"},
        {txtCel, lblCel, cmdCello, "Cellulare", 20, CardPictures::phone(side), " Chiama ", "Cel"},
        {txtEma, lblEma, cmdEmail, "E-mail", 50, CardPictures::mail(side), " Invia ", "Ema"},
        {txtIva, lblIva, cmdCheckIva, "Partita IVA", 11, CardPictures::check(side), " Controlla ", "Iva"},
        {txtCodFisc, lblCodFisc, cmdCheckFisc, "Codice fiscale", 16, CardPictures::check(side), " Controlla ", "CodFisc"},
        {txtCarta, lblCarta, cmdCarta, "Carta di credito", 16, CardPictures::check(side), " Controlla ", "Carta"},
    };
    for (int i = 0; i < 8; ++i) {
        const Contact& c = contacts[i];
        const QString caption = QString::fromLatin1(c.caption);
        const int left = i < 4 ? kLeftColumn : kRightColumn;
        const int width = i < 4 ? kLeftWidth : kRightWidth;
        const int top = contactsTop_ + 60 + (i % 4) * kRowHeight;
        c.label = new QLabel(caption, panel);
        place(c.label, left, top, width, kLabelHeight);
        c.box = contactBox(panel, c.width, caption);
        c.box->setObjectName(QStringLiteral("txt") + QString::fromLatin1(c.name));
        c.label->setBuddy(c.box);
        place(c.box, left, top + kLabelHeight, width - kSide - 60, kBoxHeight);
        c.button = new PictureButton(panel, c.picture, QString::fromLatin1(c.tip));
        c.button->setAccessibleName(QString::fromLatin1(c.tip).trimmed() + QStringLiteral(": ") + caption);
        c.button->setFocusPolicy(Qt::TabFocus);
        c.button->setProperty("restPicture", c.picture);
        enableWhileFilled(c.button, c.box);
        place(c.button, left + width - kSide, top + kLabelHeight, kSide, kBoxHeight);
    }

    const int notesTop = contactsTop_ + 60 + 4 * kRowHeight;
    lblAnnota = new QLabel(QStringLiteral("Note:"), panel);
    place(lblAnnota, kLeftColumn, notesTop, 1200, kLabelHeight);
    txtNot = new TextArea(panel);
    txtNot->setObjectName(QStringLiteral("txtNot"));
    txtNot->setMaxLength(600);
    txtNot->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNot->setAccessibleName(QStringLiteral("Note"));
    lblAnnota->setBuddy(txtNot);
    place(txtNot, kLeftColumn, notesTop + kLabelHeight, kRightColumn + kRightWidth - kLeftColumn,
          kContactsHeight - (notesTop - contactsTop_) - kLabelHeight - 60);
}

void ContactCard::finishBoxes(std::vector<TextBox*> ownBoxes) {
    std::vector<TextBox*> line = std::move(ownBoxes);
    for (TextBox* box : {txtCas, txtUff, txtFax, txtCel, txtEma, txtIva, txtCodFisc, txtCarta})
        line.push_back(box);
    QFont small(QStringLiteral("Verdana"));
    small.setPointSizeF(8.25);
    for (TextBox* box : line)
        box->setFont(small);
    txtNot->setFont(small);

    for (std::size_t i = 1; i < line.size(); ++i)
        setTabOrder(line[i - 1], line[i]);
    setTabOrder(line.back(), txtNot);
    line.front()->setFocus(Qt::OtherFocusReason);
    wireContacts(line);
    wireCard();
}

void ContactCard::wireContacts(const std::vector<TextBox*>& line) {
    // Every box: the light yellow while it has the focus; Enter walks the
    // boxes in field order into the notes, where it breaks the line.
    for (std::size_t i = 0; i < line.size(); ++i) {
        HighlightOnFocus(line[i], Colors::White);
        MoveOnEnter(line[i], i + 1 < line.size() ? static_cast<QWidget*>(line[i + 1]) : txtNot);
    }
    HighlightOnFocus(txtNot, Colors::White);
    UpperCaseLetter(txtCodFisc);
    DigitsOnly(txtIva, {QStringLiteral("Inserire il numero di partita IVA digitando solo caratteri numerici."),
                        QStringLiteral("Attenzione: valore non valido"), MsgIcon::Information});
    DigitsOnly(txtCarta, {QStringLiteral("Inserire il numero della carta di credito digitando solo caratteri "
                                         "numerici senza spazi o trattini."),
                          QStringLiteral("Attenzione: valore errato"), MsgIcon::Information});

    const std::pair<TextBox*, void (ContactCard::*)()> changes[] = {
        {txtCas, &ContactCard::txtCas_Change},         {txtUff, &ContactCard::txtUff_Change},
        {txtFax, &ContactCard::txtFax_Change},         {txtCel, &ContactCard::txtCel_Change},
        {txtEma, &ContactCard::txtEma_Change},         {txtIva, &ContactCard::txtIva_Change},
        {txtCodFisc, &ContactCard::txtCodFisc_Change}, {txtCarta, &ContactCard::txtCarta_Change},
    };
    for (const auto& [box, handler] : changes)
        connect(box, &QLineEdit::textChanged, this, [this, handler = handler] { (this->*handler)(); });

    ConnectClicks<ContactCard>(this, {{cmdCasa, &ContactCard::cmdCasa_Click},
                                      {cmdUff, &ContactCard::cmdUff_Click},
                                      {cmdFax, &ContactCard::cmdFax_Click},
                                      {cmdCello, &ContactCard::cmdCello_Click},
                                      {cmdEmail, &ContactCard::cmdEmail_Click},
                                      {cmdCheckIva, &ContactCard::cmdCheckIva_Click},
                                      {cmdCheckFisc, &ContactCard::cmdCheckFisc_Click},
                                      {cmdCarta, &ContactCard::cmdCarta_Click}});
}

// ---------------------------------------------------------------- side buttons follow their boxes


void ContactCard::txtCas_Change() { enableWhileFilled(cmdCasa, txtCas); }
void ContactCard::txtUff_Change() { enableWhileFilled(cmdUff, txtUff); }
void ContactCard::txtFax_Change() { enableWhileFilled(cmdFax, txtFax); }
void ContactCard::txtCel_Change() { enableWhileFilled(cmdCello, txtCel); }
void ContactCard::txtEma_Change() { enableWhileFilled(cmdEmail, txtEma); }
void ContactCard::txtIva_Change() { enableWhileFilled(cmdCheckIva, txtIva); }
void ContactCard::txtCarta_Change() { enableWhileFilled(cmdCarta, txtCarta); }

void ContactCard::txtCodFisc_Change() {
    enableWhileFilled(cmdCheckFisc, txtCodFisc);
    ApplyTaxCodeFilter(txtCodFisc);
}

// ---------------------------------------------------------------- dialling, e-mail, checks

void ContactCard::cmdCasa_Click() { DialNumber(txtCas->text()); }
void ContactCard::cmdUff_Click() { DialNumber(txtUff->text()); }
void ContactCard::cmdFax_Click() { DialNumber(txtFax->text()); }
void ContactCard::cmdCello_Click() { DialNumber(txtCel->text()); }

// The composer and the checkers open on the box's value without its blanks;
// nothing comes back to the card.
void ContactCard::cmdEmail_Click() {
    frmEmail& mail = Forms::get<frmEmail>();
    mail.txtIndirizzo->setText(trimmed(txtEma->text()));
    mail.ShowModal();
}

void ContactCard::cmdCheckIva_Click() {
    frmCalcIva& checker = Forms::get<frmCalcIva>();
    checker.txtIva->setText(trimmed(txtIva->text()));
    checker.ShowModal();
}

void ContactCard::cmdCheckFisc_Click() {
    frmCF& checker = Forms::get<frmCF>();
    checker.txtCarta->setText(trimmed(txtCodFisc->text()));
    checker.ShowModal();
}

void ContactCard::cmdCarta_Click() {
    frmCarta& checker = Forms::get<frmCarta>();
    checker.txtCarta->setText(trimmed(txtCarta->text()));
    checker.ShowModal();
}
