#pragma once
// The tax-code checker: verifies the check character of a 16-character codice
// fiscale. Its box shows every character that never belongs in a tax code as
// "*" as soon as it arrives.

#include "checks/IdentifierChecker.h"

class frmCF : public IdentifierChecker {
    Q_OBJECT
public:
    frmCF();

    QLabel* const lblInfo;
    TextBox* const txtCarta;
    PictureButton* const cmdCheckCard;
    QFrame* const picCornice;

    void cmdCheckCard_Click();
    // Shows the result for the box's whole text and gives the box the focus.
    void CheckTaxCode(const QString& value);

protected:
    void checkButton_Click() override { cmdCheckCard_Click(); }
};
