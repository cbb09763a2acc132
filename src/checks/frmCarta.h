#pragma once
// The card-number checker: the Luhn checksum, then the card type from the
// leading digits and the length.

#include "checks/IdentifierChecker.h"

class frmCarta : public IdentifierChecker {
    Q_OBJECT
public:
    frmCarta();

    QLabel* const lblInfo;
    TextBox* const txtCarta;
    PictureButton* const cmdCheckCard;
    QFrame* const Picture1;

    void cmdCheckCard_Click();

protected:
    void checkButton_Click() override { cmdCheckCard_Click(); }
};
