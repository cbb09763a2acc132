#pragma once
// The summary window: one calendar year's payments, all of them, one payer's
// or one payee's. The choice page offers the three kinds with the year's
// payer and payee names; the result page shows the lines, their count and
// their total, and prints them. The summary year chooser writes the year into
// lblFile and the window's title, then shows it.

#include "common/Controls.h"
#include "common/Form.h"
#include "summaries/SummaryLists.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

class PictureButton;

class frmRiepiloghi : public Form {
    Q_OBJECT
public:
    frmRiepiloghi();

    QLabel* lblFile;
    Panel* picContainer;
    QLabel* imgLogo;
    QLabel* imgEuro;
    QGroupBox* fraTipoSaldo;
    QRadioButton* optPagatore;
    QComboBox* txtPagatore;
    QRadioButton* optBeneficiario;
    QComboBox* txtBeneficiario;
    QRadioButton* optTutti;
    PictureButton* cmdAvanti;
    QLabel* imgDex;
    PictureButton* cmdEsci;
    PictureButton* cmdIndietro;
    Panel* picRiepilogo;
    QLabel* lblTitolo;
    QListWidget* lstRiepilogo;
    QLabel* lblImportoTit;
    QLabel* lblImporto;
    QLabel* lblNumVers;
    PictureButton* cmdStampa;
    PictureButton* lblStampa;

    void Form_Activate();
    void optTutti_Click();
    void optPagatore_Click();
    void optBeneficiario_Click();
    void txtPagatore_Click();
    void txtBeneficiario_Click();
    void cmdAvanti_Click();
    void cmdIndietro_Click();
    void cmdEsci_Click();
    void cmdStampa_Click();
    void cmdStampa_MouseDown(Qt::MouseButton button);
    void cmdStampa_MouseUp(Qt::MouseButton button);
    void lblStampa_MouseDown(Qt::MouseButton button);
    void lblStampa_MouseUp(Qt::MouseButton button);

    void BuildSummaryAll();
    void BuildSummaryByPayer();
    void BuildSummaryByPayee();

    // The summary list's horizontal extent in pixels, as last fitted.
    int horizontalExtent() const { return extent_; }

protected:
    // The lists are filled when the chooser shows the window, not on every
    // activation: a message box or a focus change activates it again, and
    // refilling then would drop the user's choice.
    void showEvent(QShowEvent* event) override;
    // The window manager's close acts as cmdEsci.
    void closeEvent(QCloseEvent* event) override;

private:
    void wire();
    QString year() const;
    void optionChosen(QRadioButton* option, QComboBox* names);
    void namePicked(QRadioButton* option, QComboBox* names);
    void setAvantiEnabled(bool on);
    void showSummary(SummaryKind kind, const QString& name, const QString& title);

    int extent_ = 0;
};
