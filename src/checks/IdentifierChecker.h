#pragma once
// The one design of the three identifier checkers (VAT number, tax code, card
// number): a value box, a check button, a new-sheet icon, a copy icon, a
// logo, help and close. Each checker is this window with its own table of
// texts and rules, plus its check action. The register cards write the value
// box and show the checker modally; nothing comes back.

#include "common/Controls.h"
#include "common/FieldRules.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/HelpTopic.h"

#include <QFrame>
#include <QLabel>

struct CheckerDesign {
    const char* className;
    QString title;
    const char* instructionName; // "lblInstruct" or "lblInfo"
    QString instruction;
    const char* boxName;
    QString boxAccessibleName;
    int limit;
    bool boldBox;
    // Digits only (with the notice) or the tax code's rules.
    enum class Keys { Digits, TaxCode } keys;
    Notice refusal;
    const char* checkName;
    QString checkTip;       // empty: no tooltip
    QString checkSpokenName; // the accessible name when there is no tooltip
    QString logoCaption;
    QString copyRefusal;
    QString copyConfirmation;
    HelpTopic (*help)();
    // The copy and new-sheet icons act on the release of any mouse button
    // (else on a left click).
    bool iconsOnAnyRelease;
    const char* frameName; // the extra frame around the box, or nullptr
};

class IdentifierChecker : public Form {
    Q_OBJECT
public:
    Panel* picContainer;
    QLabel* instruction;
    TextBox* valueBox;
    PictureButton* checkButton;
    PictureButton* imgNuovo;
    PictureButton* imgCopia;
    PictureButton* imgLogo;
    PictureButton* cmdGuida;
    PictureButton* cmdChiudi;
    QFrame* frame; // nullptr in the VAT checker

    void value_Change();
    void imgCopia_Click();
    void imgCopia_MouseUp(Qt::MouseButton button);
    void imgNuovo_Click();
    void imgNuovo_MouseUp(Qt::MouseButton button);
    void imgLogo_Click();
    void cmdGuida_Click();
    void cmdChiudi_Click();

protected:
    explicit IdentifierChecker(const CheckerDesign& design);
    // The check button's click action.
    virtual void checkButton_Click() = 0;
    // The box takes the focus (after every message of a check).
    void focusBox() { valueBox->setFocus(Qt::OtherFocusReason); }

private:
    void wire();
    void showRefusal();

    const CheckerDesign& design_;
};
