#pragma once
// The one help window of the program: shows a topic, prints it, opens the
// PDF manual.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/HelpTopic.h"

#include <QPushButton>

class frmHelpForm : public Form {
    Q_OBJECT
public:
    frmHelpForm();

    QPushButton* cmdLogo;
    QLabel* lblTitolo;
    Panel* picTesto;
    TextArea* txtTesto;
    PictureButton* imgPDF;
    PictureButton* lblPDF;
    QPushButton* cmdStampa;
    QPushButton* cmdChiudi;

    void cmdChiudi_Click();
    void cmdStampa_Click();
    void imgPDF_MouseDown();
    void lblPDF_MouseDown();
    void imgPDF_MouseUp();
    void lblPDF_MouseUp();

private:
    void wire();
    void openManual();
};

// The help-topic protocol: title into lblTitolo, the paragraphs into txtTesto
// joined by an empty line, then the help window shown modally.
void ShowHelpTopic(const HelpTopic& topic);
