#pragma once
// The login window: the program's start-up window. It reads the password
// store, asks for the access password and opens the main menu.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QPushButton>
#include <QTimer>

class frmPassword : public Form {
    Q_OBJECT
public:
    frmPassword();

    Panel* picContainer;
    QLabel* imgTitle04;
    QLabel* lblInfo;
    TextBox* txtPW;
    QPushButton* cmdAccedi;
    PictureButton* lblCambia;
    PictureButton* picGuida;
    PictureButton* picGuida2;
    QTimer* Timer1;
    QLabel* lblConta;
    QLabel* lblPwDark;
    QLabel* lblPwClear;

    void cmdAccedi_Click();
    void txtPW_Change();
    void txtPW_KeyPress(int& KeyAscii);
    void lblCambia_MouseMove();
    void lblCambia_MouseUp();
    void Form_MouseMove();
    void picContainer_MouseMove();
    void picGuida_MouseUp();
    void picGuida2_MouseUp();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void wire();
};
