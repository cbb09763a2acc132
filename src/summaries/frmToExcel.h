#pragma once
// The export of a year's slips to a new spreadsheet: a bold header row and one
// row per slip, written as a new .xlsx file in the export folder and opened
// with the desktop's spreadsheet program. The year is the one in the slip
// workbench's year chooser, which stays loaded beneath.

#include "common/Controls.h"
#include "common/Form.h"

#include <QPushButton>

class frmToExcel : public Form {
    Q_OBJECT
public:
    frmToExcel();

    QLabel* imgExcel;
    QLabel* lblInfo01;
    QLabel* lblInfo02;
    QLabel* lblExport01;
    TextBox* txtEsportati;
    QLabel* lblTotale;
    QLabel* lblAttendere;
    QPushButton* cmdEsporta;

    void cmdEsporta_Click();

protected:
    void Form_Load() override;

private:
    void wire();
    QString year() const;
    void refused(const QString& text);
};
