#pragma once
// The print dialog of the slip: the printer, the number of copies (1 to 999),
// the link to the margin dialog, and "Stampa", which prints the slip on show
// in the slip form onto the pre-printed form the dialog names. The dialog
// loads afresh at every opening: the printer list, the current printer and
// the stored margins are read then, and only then.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "printing/Spinner.h"

#include <QComboBox>
#include <QFrame>
#include <QPushButton>

class frmStampaCH8bisL1 : public Form {
    Q_OBJECT
public:
    frmStampaCH8bisL1();

    QLabel* Label1; // the name of the pre-printed form
    QPushButton* cmdBollettino; // disabled: the picture of the form
    QFrame* fraStampa;
    QLabel* imgPrinter;
    QLabel* lblStampante;
    QComboBox* cboPrinters;
    QFrame* fraCopie;
    QLabel* lblCopie;
    TextBox* txtCopie;
    Spinner* vsCopie;
    PictureButton* imgImposta;
    PictureButton* lblImposta;
    QPushButton* cmdStampa;
    QPushButton* cmdAnnulla;
    // Hidden: the stored left and top margins as read at load, and the
    // layout tag the opener writes.
    QLabel* lblSinistro;
    QLabel* lblSuperiore;
    QLabel* lblMemory;

    void cmdStampa_Click();
    void cmdAnnulla_Click();
    void lblImposta_MouseDown();
    void imgImposta_MouseDown();
    void lblImposta_MouseUp();
    void imgImposta_MouseUp();
    void txtCopie_KeyPress(int& KeyAscii);
    void txtCopie_Change();
    void txtCopie_LostFocus();
    void vsCopie_Change();

protected:
    void Form_Load() override;

private:
    void wire();
    void showMargins();
};
