#pragma once
// The register chooser: picks the payee or the payer register and opens its
// card, closing itself first so that the card lies directly over the menu.

#include "common/Form.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class Panel;

class frmMenuAnagrafica : public Form {
    Q_OBJECT
public:
    frmMenuAnagrafica();

    Panel* picContainer;
    QLabel* imgLogo;
    QGroupBox* fraSeleziona;
    QRadioButton* optIntestatari;
    QRadioButton* optEsecutori;
    QPushButton* cmdApri;

    void optIntestatari_Click();
    void optEsecutori_Click();
    void optIntestatari_DblClick();
    void optEsecutori_DblClick();
    void cmdApri_Click();

protected:
    // Double clicks on the two options.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wire();
};
