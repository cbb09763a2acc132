#pragma once
// The reason card: one reason of "Causali.cdb" in five boxes, on the
// record-card design. Browses, empties, saves and deletes; opens the reason
// lookup, the help topic and the Word export. It always opens as a new card:
// the main menu shows it empty, the slip form's reason export fills four of
// its boxes first, and the lookup's pick writes a record and its number into
// it. The boxes have no change handling.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/ReasonRecord.h"
#include "common/RecordCard.h"

#include <QFrame>
#include <QGroupBox>

class frmCausali : public Form {
    Q_OBJECT
public:
    frmCausali();

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

    QLabel* lblPosizione; // " 3" for record 3; empty for a new card
    QLabel* lblInfo02;
    QLabel* lblInfo01;

    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;
    PictureButton* cmdNuovo;
    PictureButton* cmdSalva;
    PictureButton* cmdElimina;
    PictureButton* cmdTrova;
    PictureButton* cmdWord;
    PictureButton* cmdBackup;
    PictureButton* cmdGuida;
    PictureButton* cmdTools;
    PictureButton* cmdLogo;

    Panel* picContainer;
    Panel* picCampi;
    Panel* picFrecce;
    Panel* picControlli;
    Panel* Picture1;
    Panel* picElimina;
    Panel* picEsci;
    QFrame* Line1;
    QFrame* Line2;

    void cmdPrimo_Click();
    void cmdIndietro_Click();
    void cmdAvanti_Click();
    void cmdUltimo_Click();
    void cmdNuovo_Click();
    void cmdSalva_Click();
    void cmdElimina_Click();
    void cmdTrova_Click();
    void cmdWord_Click();
    void cmdBackup_Click();
    void cmdGuida_Click();
    void cmdTools_Click();
    void txtCategoria_LostFocus();

protected:
    void Form_Load() override;

private:
    void buildFields();
    void buildButtons();
    void wire();

    RecordCard<ReasonRecord> card_;
};
