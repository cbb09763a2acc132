#pragma once
// The register card: one record of a register file at a time, with browse,
// new, save, delete, find, Word export, backup, help and close. The payee,
// payer and reason cards are this one window on the record-card design, each
// with a table of its own: the card's twin row (title, files, the texts that
// name its record), its Word title and rows, its help topic, its backup
// wizard; and the binding table of its record's boxes.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "common/RecordCard.h"
#include "registers/CardExport.h"
#include "common/HelpTopic.h"

#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

// One row of the Word table: its label and the boxes it shows, joined by a
// line break.
struct WordRow {
    QString label;
    QStringList boxes;
};

struct RegisterCardTable {
    CardTwin twin;
    QString wordTitle;    // "SCHEDA INTESTATARIO"
    QString wordFileBase; // "Scheda intestatario"
    QList<WordRow> wordRows;
    HelpTopic (*help)();
    // The Word document of the card as it stands, for a card whose rows are
    // more than boxes joined by line breaks; empty: made from `wordRows`.
    std::function<WordCard(const QWidget& card)> wordCard = {};
    // The first step of the register's backup wizard; none: the button does
    // nothing.
    Form& (*backupWizard)() = nullptr;
};

// Connects each button's click to its handler of the window.
template <class Window>
void ConnectClicks(Window* window, std::initializer_list<std::pair<QAbstractButton*, void (Window::*)()>> clicks) {
    for (const auto& [button, handler] : clicks)
        QObject::connect(button, &QAbstractButton::clicked, window, [window, handler = handler] { (window->*handler)(); });
}

class RegisterCard : public Form {
    Q_OBJECT
public:
    // Browsing, new, save, delete and the window's tools.
    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;
    QLabel* lblPosizione; // " 7" for record 7; empty for a new card
    PictureButton* cmdNuovo;
    PictureButton* cmdSalva;
    PictureButton* cmdElimina;
    PictureButton* cmdTrova;
    PictureButton* cmdWord;
    PictureButton* cmdBackup;
    PictureButton* cmdGuida;
    PictureButton* cmdTools;

    void cmdPrimo_Click();
    void cmdIndietro_Click();
    void cmdAvanti_Click();
    void cmdUltimo_Click();
    void cmdNuovo_Click();
    void cmdSalva_Click();
    void cmdElimina_Click();
    void cmdTrova_Click();
    void cmdWord_Click();
    void cmdBackup_Click();
    void cmdGuida_Click();
    void cmdTools_Click();

    const RegisterCardTable& table() const { return table_; }

protected:
    RegisterCard(const RegisterCardTable& table, int contentHeightTwips);

    // The area between the tool row and the browse row, for the card's boxes.
    Panel* content() const { return content_; }
    static constexpr int kWidth = 9840;
    // The record-card design over the card's record, made once the boxes are.
    void setCard(std::unique_ptr<RecordCardBase> card);
    // The lookup the find button opens.
    virtual void showLookup() = 0;
    void wireCard();

private:
    const RegisterCardTable& table_;
    std::unique_ptr<RecordCardBase> card_;
    Panel* content_;
};
