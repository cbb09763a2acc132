#pragma once
// The slip search: every slip of the year archive the slip form has open, one
// line per slip, in five layouts. It opens on the amounts in ascending order
// of whole euros; four buttons list by payer, payee, reason or account number
// instead. Typing the beginning of a line selects it; a double click (or Enter,
// or a double click on the hint) loads the slip into the slip form, all
// thirteen boxes and its record number, and closes the search. The print
// picture prints the list as it stands.
//
// The search only reads the archive. It is shown modally above the slip form
// and unloads whenever it closes, so every opening lists the file afresh.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/LineList.h"
#include "common/PictureButton.h"
#include "slips/SlipSearch.h"

#include <memory>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

class frmFindValori : public Form {
    Q_OBJECT
public:
    frmFindValori();

    LineList* List1;    // the slip lines
    TextBox* Text1;        // type-ahead
    QLabel* lblInfo;       // instruction beside the type-ahead box
    PictureButton* lblClick;  // hint; a double click on it picks
    QLabel* lblMemory;     // hidden: the layout of the lines (LookupMode)
    QPushButton* cmdEsecutore;
    QPushButton* cmdTotale;  // "Intestatario"
    QPushButton* cmdCliente; // "Causale"
    QPushButton* cmdData;    // "C/C"
    PictureButton* picStampa;
    PictureButton* picChiudi01;
    PictureButton* picChiudi02; // the pressed look of the close picture
    QLabel* imgLente;        // decoration
    QFrame* Line1;           // decoration

    // Where the print picture rests, in twips.
    static constexpr int kStampaLeft = 240, kStampaTop = 4860;

    void cmdEsecutore_Click();
    void cmdTotale_Click();
    void cmdCliente_Click();
    void cmdData_Click();
    void List1_Click();
    void List1_DblClick();
    void lblClick_DblClick();
    void Text1_Change();
    void List1_MouseMove(Qt::MouseButtons buttons, QPoint point);
    void picChiudi01_MouseDown(Qt::MouseButton button);
    void picChiudi01_MouseUp(Qt::MouseButton button);
    void picStampa_Click();
    void picStampa_MouseDown(Qt::MouseButton button);
    void picStampa_MouseUp(Qt::MouseButton button);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void wire();

    // The list, its modes, type-ahead, tooltip, pick into the slip form and
    // print, as the lookup design does them.
    std::unique_ptr<LookupList<SlipRecord>> lookup_;
};
