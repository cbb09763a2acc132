#pragma once
// The slip form: a facsimile of the paper slip over the archive of one
// calendar year. The thirteen boxes of the slip, the amount in words kept
// current as the euros are typed, browsing, new, save and delete of the
// year's slips, the tool column, and the icons that import from and export to
// the registers. The payer block comes from the settings file when the form
// loads and goes back there when it closes.
//
// Other windows work on the form through its public controls: the year
// chooser writes lblFile and lblArchivio; the slip search writes the thirteen
// boxes and lblPosizione; the lookups write their boxes; the print routine
// reads the boxes, Display and txtCentCifra02.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/RecordCard.h"
#include "common/SlipRecord.h"
#include "printing/SlipLayout.h"
#include "slips/Assegno.h"

#include <QGroupBox>
#include <QPushButton>

class frmBollettini : public Form {
    Q_OBJECT
public:
    frmBollettini();

    // The slip area and its captions.
    Panel* picBollettino;
    QLabel* imgFrancobollo;
    QLabel* lblIntestazione;
    QLabel* lblCC;
    QLabel* lblEuro;
    QLabel* lblVirgola;
    QLabel* lblLettere;
    QLabel* lblBarra;
    QLabel* lblVia;
    QLabel* lblCAP;
    QLabel* lblLocalita;
    QLabel* lblNote;
    QGroupBox* fraIntestatario;
    QGroupBox* fraCausale;
    QGroupBox* fraMittente;

    // The thirteen boxes of the slip, in tab order.
    TextBox* txtCC;
    TextBox* txtCifre;
    TextBox* txtCentCifra;
    TextBox* txtIntestatario01;
    TextBox* txtIntestatario02;
    TextBox* txtCausale01;
    TextBox* txtCausale02;
    TextBox* txtMittente01;
    TextBox* txtMittente02;
    TextBox* txtVia;
    TextBox* txtCAP;
    TextBox* txtLuogo;
    TextArea* txtNote;
    // Locked: the euros in words and the copy of the cents.
    TextBox* Display;
    TextBox* txtCentCifra02;

    // Browsing, the record on show and the year.
    QPushButton* cmdPrimo;
    QPushButton* cmdIndietro;
    QPushButton* cmdAvanti;
    QPushButton* cmdUltimo;
    QLabel* lblPosizione; // " 3" for record 3; empty for a new slip
    QLabel* lblArchivio;  // "Archivio anno 2026"
    QLabel* lblFile;      // hidden: the year of the open archive

    // The tool column.
    Panel* picControlli;
    PictureButton* imgNuovo;
    PictureButton* imgSalva;
    PictureButton* imgCerca;
    PictureButton* imgImposta;
    PictureButton* imgStampa;
    PictureButton* imgGuida;
    PictureButton* lblNuovo;
    PictureButton* lblSalva;
    PictureButton* lblCerca;
    PictureButton* lblImposta;
    PictureButton* lblStampa;
    PictureButton* lblGuida;
    QPushButton* cmdGuida;
    QPushButton* cmdChiudi;

    // Import from and export to the registers: payee, reason, payer.
    PictureButton* imgImporta01;
    PictureButton* imgImporta02;
    PictureButton* imgImporta03;
    PictureButton* imgEsporta01;
    PictureButton* imgEsporta02;
    PictureButton* imgEsporta03;

    // The amount in words.
    Assegno* Assegno1;

    void cmdPrimo_Click();
    void cmdIndietro_Click();
    void cmdAvanti_Click();
    void cmdUltimo_Click();
    void imgNuovo_Click();
    void imgSalva_Click();
    void imgGuida_Click();
    void imgCerca_Click();
    void imgStampa_Click();
    void cmdChiudi_Click();
    void cmdGuida_Click();

    void txtCifre_Change();
    void txtCentCifra_Change();
    void Assegno1_Bluff(Currency amount);

    void imgNuovo_MouseDown(Qt::MouseButton button);
    void imgNuovo_MouseUp(Qt::MouseButton button);
    void imgSalva_MouseDown(Qt::MouseButton button);
    void imgSalva_MouseUp(Qt::MouseButton button);
    void imgCerca_MouseDown(Qt::MouseButton button);
    void imgCerca_MouseUp(Qt::MouseButton button);
    void imgImposta_MouseDown(Qt::MouseButton button);
    void imgImposta_MouseUp(Qt::MouseButton button);
    void imgStampa_MouseDown(Qt::MouseButton button);
    void imgStampa_MouseUp(Qt::MouseButton button);
    void imgGuida_MouseDown(Qt::MouseButton button);
    void imgGuida_MouseUp(Qt::MouseButton button);
    void lblNuovo_MouseDown(Qt::MouseButton button);
    void lblNuovo_MouseUp(Qt::MouseButton button);
    void lblSalva_MouseDown(Qt::MouseButton button);
    void lblSalva_MouseUp(Qt::MouseButton button);
    void lblCerca_MouseDown(Qt::MouseButton button);
    void lblCerca_MouseUp(Qt::MouseButton button);
    void lblImposta_MouseDown(Qt::MouseButton button);
    void lblImposta_MouseUp(Qt::MouseButton button);
    void lblStampa_MouseDown(Qt::MouseButton button);
    void lblStampa_MouseUp(Qt::MouseButton button);
    void lblGuida_MouseDown(Qt::MouseButton button);
    void lblGuida_MouseUp(Qt::MouseButton button);

    void imgImporta01_MouseUp(Qt::MouseButton button);
    void imgImporta02_MouseUp(Qt::MouseButton button);
    void imgImporta03_MouseUp(Qt::MouseButton button);
    void imgEsporta01_MouseUp(Qt::MouseButton button);
    void imgEsporta02_MouseUp(Qt::MouseButton button);
    void imgEsporta03_MouseUp(Qt::MouseButton button);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildSlip();
    void buildTools();
    void wire();
    void showMarginDialog();

    // The slip form is a record card over the year archive.
    RecordCard<SlipRecord> card_;
};

// What a print of the slip reads: the slip's boxes as they stand, the words
// (Display) and the cents copy (txtCentCifra02).
SlipFaces PrintedFaces(const frmBollettini& slip);

// An amount as a whole number with its thousands grouped ("#,##0") by the
// user locale's thousands separator.
QString FormatWholeAmount(Currency amount);
