#pragma once
// The decimal-separator dialog: checks that the user locale's decimal
// separator is the comma and, with the user's consent, sets it to "," (and the
// thousands separator to "."). Shown modally by both year choosers, which pass
// nothing to it and read nothing from it.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QPushButton>

class frmSetNumPreven : public Form {
    Q_OBJECT
public:
    frmSetNumPreven();

    Panel* picContainer01;
    QLabel* imgSeparatore;
    PictureButton* cmdInfo;
    PictureButton* cmdSeparatore;
    PictureButton* cmdGuida;
    PictureButton* cmdChiudi;

    void cmdSeparatore_Click();
    void cmdChiudi_Click();
    void cmdGuida_Click();

private:
    void wire();
};

