#pragma once
// The two reason lookups, one window design: every reason of "Causali.cdb",
// one line per record, in the layout of lblMemory (LookupMode, "carica" after
// every load; the three layout buttons choose "desc01", "desc02", "importo").
// Typing the beginning of a line selects it; a double click, Enter in the
// search box or a double click on the hint picks it: the record behind the
// line is found by rebuilding every record's line in the layout, and goes to
// the window's target. frmFindCausale loads it into the reason card,
// frmFindCausale01 copies the reason (and its amount, when it has one) into
// the slip form. The lookups only read the register and unload when they
// close, so every opening lists the file afresh.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/ReasonRecord.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

class ReasonLookup : public Form {
    Q_OBJECT
public:
    Panel* picContainer;
    PictureButton* cmdLogo;
    QGroupBox* fraCriteri;
    QPushButton* cmdCategoria;   // "Descriz. 1"
    QPushButton* cmdDescrizione; // "Descriz. 2"
    QPushButton* cmdPagamento;   // "Importo"
    QLabel* lblCerca;
    TextBox* txtCerca;
    QListWidget* lstCausali;
    PictureButton* lblFaiClic; // hint; a double click on it picks
    PictureButton* cmdGuida;   // prints the list
    QLabel* lblTrovati;        // "<n> schede trovate"
    PictureButton* cmdChiudi;
    QLabel* lblMemory;         // hidden: the LookupMode

    void cmdCategoria_Click();
    void cmdDescrizione_Click();
    void cmdPagamento_Click();
    void txtCerca_Change();
    void lstCausali_Click();
    void lstCausali_DblClick();
    void lblFaiClic_DblClick();
    void lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point);
    void cmdGuida_Click();
    void cmdChiudi_Click();

protected:
    explicit ReasonLookup(const QString& title);
    void Form_Load() override;
    // Writes the picked record (number `number`) into the window's target.
    virtual void writePick(const ReasonRecord& reason, qint64 number) = 0;

private:
    void wire();
    // Lists the register in the layout of lblMemory; a register that cannot
    // be read gives what was read so far, without a message.
    void buildList();
    // A layout button: its layout, then the button disabled and the other two enabled.
    void showLayout(const char* mode, QPushButton* pressed);

    void PickByFullLine();
    void PickByReason1();
    void PickByReason2();
    void PickByAmount();
    void pick(const char* mode);
};

// " Trova causale": a pick loads the reason card.
class frmFindCausale : public ReasonLookup {
    Q_OBJECT
public:
    frmFindCausale();

protected:
    void writePick(const ReasonRecord& reason, qint64 number) override;
};

// " Importa dati causale": a pick fills the slip form's reason and amount.
class frmFindCausale01 : public ReasonLookup {
    Q_OBJECT
public:
    frmFindCausale01();

protected:
    void writePick(const ReasonRecord& reason, qint64 number) override;
};
