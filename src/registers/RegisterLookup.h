#pragma once
// The register lookup window: the six lookups of the payee, payer and reason
// registers share this one window on the lookup design. From the top: the
// banner, the frame with the three mode buttons, the search caption and box,
// the sorted list and the hint, all on a light-grey panel; below it the print
// picture, the count and the close picture. Each twin gives its table (file,
// record, layouts with their buttons and captions, print titles) and where a
// pick goes.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/LineList.h"
#include "common/Lookup.h"
#include "common/PictureButton.h"

#include <QGroupBox>
#include <QPushButton>

#include <memory>

// The window's size and colours where a twin has its own.
struct LookupLook {
    int width = 7440;                       // client area, twips
    int height = 6480;
    unsigned int back = Colors::LightGrey;  // the window, behind the bottom row
    unsigned int count = Colors::Black;     // the "n schede trovate" caption
    unsigned int panel = Colors::LightGrey; // the panel above the bottom row
    // The twin's own banner picture for its heading; none: the pile of cards.
    QPixmap (*banner)(const QString& heading) = nullptr;
};

class RegisterLookup : public Form {
    Q_OBJECT
public:
    Panel* picContainer;
    PictureButton* cmdLogo;     // the banner; no action
    QGroupBox* fraCriteri;
    QPushButton* cmdCategoria = nullptr;
    QPushButton* cmdDescrizione = nullptr;
    QPushButton* cmdPagamento = nullptr;
    QLabel* lblCerca;
    TextBox* txtCerca;
    LineList* lstCausali;
    PictureButton* lblFaiClic;  // the hint; a double click on it picks
    PictureButton* cmdGuida;    // prints the list
    QLabel* lblTrovati;
    PictureButton* cmdChiudi;
    QLabel* lblMemory;          // hidden: the LookupMode

    void cmdCategoria_Click();
    void cmdDescrizione_Click();
    void cmdPagamento_Click();
    void lstCausali_Click();
    void lstCausali_DblClick();
    void lblFaiClic_DblClick();
    void txtCerca_Change();
    void txtCerca_GotFocus();
    void txtCerca_LostFocus();
    void lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point);
    void cmdGuida_Click();
    void cmdChiudi_Click();

protected:
    RegisterLookup(const QString& title, const QString& bannerHeading, const LookupLook& look = {});
    void Form_Load() override;

    // The twin's table and pick target: its three mode buttons are made, in
    // table order, into the frame, and the window is wired.
    template <class R>
    void setTable(const LookupTable<R>& table, typename LookupList<R>::PickTarget target) {
        const std::vector<QPushButton*> buttons = CreateModeButtons(fraCriteri, table);
        placeModeButtons(buttons);
        lookup_ = std::make_unique<LookupList<R>>(*this, table, controls(), std::move(target));
        wire();
    }

private:
    LookupControls controls() const;
    void placeModeButtons(const std::vector<QPushButton*>& buttons);
    void wire();

    std::unique_ptr<LookupListBase> lookup_;
    int width_; // client width, twips
};
