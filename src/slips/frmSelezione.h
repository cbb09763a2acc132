#pragma once
// The year chooser: the gate to the slip workbench. The user names a calendar
// year by its four digits and opens the slip form on that year's archive, or
// starts a service over it: the year-archive backup wizard, the export to
// Excel, the margin dialog, the decimal-separator dialog. The services run as
// modal dialogs above the chooser, and the backup wizard and the export read
// the year from txtAnno while they run, so the chooser stays loaded beneath.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QGroupBox>
#include <QPushButton>

class frmSelezione : public Form {
    Q_OBJECT
public:
    frmSelezione();

    Panel* picContainer;
    PictureButton* cmdLogo;
    QGroupBox* fraAnno;
    QLabel* imgCalendario;
    TextBox* txtAnno;
    QPushButton* cmdAnno;
    Panel* picPulsanti;
    PictureButton* cmdBackup;
    QLabel* lblBackup;
    Panel* picExcel;
    PictureButton* cmdExcel;
    QLabel* lblEsporta;
    Panel* picMargini;
    PictureButton* cmdMargini;
    QLabel* lblMargini;
    Panel* picImpostazioni;
    PictureButton* picSettings;
    QLabel* lblImposta;
    PictureButton* cmdGuida;
    PictureButton* cmdChiudi;

    void cmdAnno_Click();
    void cmdBackup_Click();
    void cmdExcel_Click();
    void cmdMargini_Click();
    void picSettings_Click();
    void cmdGuida_Click();
    void cmdChiudi_Click();

protected:
    void Form_Load() override;

private:
    void wire();
    // The trimmed year box text when it is exactly four digits; otherwise the
    // four-digit notice, the focus back in the box, and an empty text.
    QString checkedYear();
};
