#pragma once
// The margin dialog: the left and the top print margin, each as a sign, whole
// centimetres and the digits after the comma, moved with spinners. An apply
// icon stores its one margin and keeps the dialog open for a trial print;
// "Applica e chiudi" stores both and closes. The only lasting effect is the
// section "Margini" of the settings file.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "printing/Spinner.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include <array>

class frmImposta : public Form {
    Q_OBJECT
public:
    frmImposta();

    QLabel* lblSinistro;  // caption "Margine sinistro"
    QLabel* lblSuperiore; // caption "Margine superiore"
    QGroupBox* fraSegnoSin;
    QGroupBox* fraCmSin;
    QGroupBox* fraMmSin;
    QGroupBox* fraSegnoSup;
    QGroupBox* fraCmSup;
    QGroupBox* fraMmSup;
    QComboBox* cboSegnoSin;
    QComboBox* cboSegnoSup;
    TextBox* txtCmSin;
    TextBox* txtCmSup;
    TextBox* txtMmSin;
    TextBox* txtMmSup;
    Spinner* vsCmSin;
    Spinner* vsCmSup;
    Spinner* vsMmSin;
    Spinner* vsMmSup;
    QLabel* lblCorrenteSin; // "Valore corrente"
    QLabel* lblCorrenteSup;
    QLabel* lblValSin;
    QLabel* lblValSup;
    PictureButton* imgSalvaSin;
    PictureButton* imgSalvaSup;
    std::array<QLabel*, 3> lblInfo;
    QPushButton* cmdApplica;
    QPushButton* cmdAnnulla;

    void imgSalvaSin_MouseUp();
    void imgSalvaSup_MouseUp();
    void cmdApplica_Click();
    void cmdAnnulla_Click();
    void txtCmSin_Change();
    void txtCmSup_Change();
    void txtMmSin_Change();
    void txtMmSup_Change();
    void vsCmSin_Change();
    void vsCmSup_Change();
    void vsMmSin_Change();
    void vsMmSup_Change();

protected:
    void Form_Load() override;

private:
    void wire();
    // The box's change rule: a value of 1 to 99 moves its spinner.
    static void boxChanged(TextBox* box, Spinner* spinner);
    // The spinner's change rule: its value into its box.
    static void spinnerChanged(Spinner* spinner, TextBox* box);
};
