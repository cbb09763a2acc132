#pragma once
// The payer card over "Esecutori.edb": the two name lines, the street, the
// postal code and the town in the frame " Esecutore: ", then the contact
// boxes and the notes of the address-book card.

#include "registers/ContactCard.h"

#include <QGroupBox>

#include <array>

class frmEsecutori : public ContactCard {
    Q_OBJECT
public:
    frmEsecutori();

    QGroupBox* fraIntestatario; // " Esecutore: "
    TextBox* txtMittente01;
    TextBox* txtMittente02;
    TextBox* txtVia;
    TextBox* txtCAP;
    TextBox* txtLuogo;
    // "Via - Piazza", "CAP", "Località".
    std::array<QLabel*, 3> lblInfo;

protected:
    void showLookup() override;
};

// The payer card's table: file names, texts, the Word rows and the backup
// wizard.
const RegisterCardTable& PayerCardTable();
