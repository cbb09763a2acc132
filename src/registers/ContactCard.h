#pragma once
// The address-book card: the register card of the payees and the payers. Under
// the name (and address) boxes of its record it has eight contact boxes in
// two columns, each with a side button that is enabled while the box holds
// more than blanks: four numbers to dial, an e-mail address, and a VAT
// number, a tax code and a card number to check; then the notes.

#include "common/ProgramFiles.h"
#include "registers/RegisterCard.h"

// The twin row of an address-book card. The payees' and the payers' cards say
// the same things but for the word that names their record ("intestatario",
// "esecutore"); `boxes` are the card's boxes in field order, which the new
// card empties and whose first one a save and an export require.
CardTwin AddressBookTwin(const QString& windowTitle, const ArchiveFiles& files, const QString& recordWord,
                         const QStringList& boxes);
// The Word rows of the contact boxes and the notes, which follow the card's
// own rows.
QList<WordRow> ContactWordRows();

class ContactCard : public RegisterCard {
    Q_OBJECT
public:
    TextBox* txtCas;
    TextBox* txtUff;
    TextBox* txtFax;
    TextBox* txtCel;
    TextBox* txtEma;
    TextBox* txtIva;
    TextBox* txtCodFisc;
    TextBox* txtCarta;
    TextArea* txtNot;
    QLabel* lblCas;
    QLabel* lblUff;
    QLabel* lblFax;
    QLabel* lblCel;
    QLabel* lblEma;
    QLabel* lblIva;
    QLabel* lblCodFisc;
    QLabel* lblCarta;
    QLabel* lblAnnota;
    PictureButton* cmdCasa;
    PictureButton* cmdUff;
    PictureButton* cmdFax;
    PictureButton* cmdCello;
    PictureButton* cmdEmail;
    PictureButton* cmdCheckIva;
    PictureButton* cmdCheckFisc;
    PictureButton* cmdCarta;

    void txtCas_Change();
    void txtUff_Change();
    void txtFax_Change();
    void txtCel_Change();
    void txtEma_Change();
    void txtIva_Change();
    void txtCodFisc_Change();
    void txtCarta_Change();

    void cmdCasa_Click();
    void cmdUff_Click();
    void cmdFax_Click();
    void cmdCello_Click();
    void cmdEmail_Click();
    void cmdCheckIva_Click();
    void cmdCheckFisc_Click();
    void cmdCarta_Click();

protected:
    // The contact boxes and the notes take `contactsHeight` twips of the
    // content, below the `namesHeight` twips that the card's own boxes take.
    static constexpr int kContactsHeight = 4020;
    ContactCard(const RegisterCardTable& table, int namesHeight);

    // The card's own boxes (names, account or address) first, then the contact
    // boxes and the notes: field order, tab order and the order Enter walks.
    void finishBoxes(std::vector<TextBox*> ownBoxes);

private:
    void wireContacts(const std::vector<TextBox*>& line);
    int contactsTop_;
};
