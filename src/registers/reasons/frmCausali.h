#pragma once
// The reason card: one reason of "Causali.cdb" in five boxes, on the register
// card (ReasonCardTable). It always opens as a new card: the main menu shows
// it empty, the slip form's reason export fills four of its boxes first, and
// the lookup's pick writes a record and its number into it. Its own rules:
// the amount boxes take digits only (a comma in the euros gets its own
// notice), the cents complete when their box is left, and the buttons take
// the focus on a click, so that completion has run before a save. The boxes
// have no change handling.

#include "registers/RegisterCard.h"

#include <QFrame>
#include <QGroupBox>

class frmCausali : public RegisterCard {
    Q_OBJECT
public:
    frmCausali();

    PictureButton* cmdLogo; // the banner; no action

    // The five boxes, in field (and tab) order.
    QGroupBox* fraDesc;
    TextBox* txtDescrizione; // Reason1
    TextBox* txtPagamento;   // Reason2
    QLabel* lblRicevuta;
    TextBox* txtRicevuta;    // Euros
    QLabel* lblVirgola;
    TextBox* txtCategoria;   // Cents
    QLabel* lblNote;
    TextArea* txtNote;       // Notes

    QFrame* Line1;
    QLabel* lblInfo02;
    QLabel* lblInfo01;
    QFrame* Line2;

    void txtCategoria_LostFocus();

protected:
    void Form_Load() override;
    void showLookup() override;

private:
    void wire();
};
