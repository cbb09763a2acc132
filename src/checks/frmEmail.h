#pragma once
// The mail composer: recipient, copy and blind-copy recipients, subject and
// text, handed to the desktop's mail program as one mailto: link. The program
// never sends mail itself. The register cards write the recipient and show the
// composer modally; nothing comes back.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"

#include <QLabel>

class frmEmail : public Form {
    Q_OBJECT
public:
    frmEmail();

    Panel* picPannello;
    QLabel* lblIndirizzo;
    QLabel* lblCc;
    QLabel* lblCcn;
    QLabel* lblOggetto;
    QLabel* lblTesto;
    TextBox* txtIndirizzo;
    TextBox* txtCC;
    TextBox* txtCCN;
    TextBox* txtOggetto;
    TextArea* txtCorpo;
    PictureButton* cmdInvia;

    void cmdInvia_Click();
    // Opens the link built from the five values in the desktop's mail program;
    // false when there is none or it could not be started.
    bool SendMail(const QString& address, const QString& subject, const QString& text, const QString& copy,
                  const QString& blindCopy);

private:
    void wire();
    QLabel* makeCaption(const QString& caption, int left, int top, int width);
    TextBox* makeBox(QLabel* caption, int left, int top, int width);
};
