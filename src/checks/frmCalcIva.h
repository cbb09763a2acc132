#pragma once
// The VAT-number checker: recomputes the check digit of an 11-digit partita
// IVA and names the office that issued it.

#include "checks/IdentifierChecker.h"

class frmCalcIva : public IdentifierChecker {
    Q_OBJECT
public:
    frmCalcIva();

    QLabel* const lblInstruct;
    TextBox* const txtIva;
    PictureButton* const cmdCalcolaIva;

    void cmdCalcolaIva_Click();
    // Shows the result for the box's whole text and gives the box the focus.
    void CheckVatNumber(const QString& value);

protected:
    void checkButton_Click() override { cmdCalcolaIva_Click(); }
};
