#pragma once
// The password-change window: old password, new password twice, "Accetta".
// Opened by the login window's link; however it closes, it shows the login
// window again, which then reads the password store afresh.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QPushButton>

class frmCambiaPW : public Form {
    Q_OBJECT
public:
    frmCambiaPW();

    // Design positions of the two pictures, in twips.
    static constexpr int kAsterischiLeft = 270;
    static constexpr int kGuidaLeft = 6120;
    static constexpr int kPicturesTop = 3090;

    Panel* picContainer;
    QLabel* lblInfo;
    QLabel* lblOldPW;
    QLabel* lblNewPW;
    QLabel* lblConfirmNew;
    TextBox* txtOldPW;
    TextBox* txtNewPW;
    TextBox* txtConfirmNew;
    QPushButton* cmdOK;
    PictureButton* picAsterischi;
    PictureButton* picGuida;
    QLabel* lblPwDark;
    QLabel* lblPwClear;

    void cmdOK_Click();
    void txtOldPW_KeyPress(int& KeyAscii);
    void txtNewPW_KeyPress(int& KeyAscii);
    void txtConfirmNew_KeyPress(int& KeyAscii);
    void picAsterischi_MouseDown();
    void picAsterischi_MouseUp();
    void picGuida_MouseDown();
    void picGuida_MouseUp();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void wire();
    TextBox* makeBox(const QString& caption, int top, QLabel*& label);
};
