#pragma once
// The summary year chooser: the entry to the year summaries. The user names a
// calendar year by its four digits and goes on to the summary window, or goes
// back to the main menu. It also opens the summaries' help topic and the
// decimal-separator dialog.

#include "common/Controls.h"
#include "common/Form.h"

#include <QGroupBox>
#include <QPushButton>

class PictureButton;

class frmSelezione01 : public Form {
    Q_OBJECT
public:
    frmSelezione01();

    Panel* picContainer;
    PictureButton* cmdLogo;
    QGroupBox* fraAnno;
    QLabel* imgCalendario;
    TextBox* txtAnno;
    QPushButton* cmdAnno;
    Panel* picImpostazioni;
    PictureButton* picSettings;
    QLabel* lblImposta;
    PictureButton* cmdGuida;
    PictureButton* cmdChiudi;

    void cmdAnno_Click();
    void cmdChiudi_Click();
    void picSettings_Click();
    void cmdGuida_Click();

protected:
    void Form_Load() override;
    // The window manager's close acts as the close button.
    void closeEvent(QCloseEvent* event) override;

private:
    void wire();
};
