#pragma once
// The payee card over "Intestatari.idb": the two name lines and the account
// number in the frame " Intestatario: ", then the contact boxes and the notes
// of the address-book card.

#include "registers/ContactCard.h"

#include <QGroupBox>

class frmIntestatari : public ContactCard {
    Q_OBJECT
public:
    frmIntestatari();

    QGroupBox* fraIntestatario;
    TextBox* txtIntestatario01;
    TextBox* txtIntestatario02;
    QLabel* lblInfo; // "C/C n."
    TextBox* txtCC;

protected:
    void showLookup() override;
};

// The payee card's table: file names, widths, texts and the Word rows.
const RegisterCardTable& PayeeCardTable();
