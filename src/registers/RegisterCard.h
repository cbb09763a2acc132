#pragma once
// The register card: one record of a register file at a time in a column of
// boxes, with browse, new, save, delete, find, Word export, backup, help and
// close. The payee, payer and reason cards are this one window design, each
// with a table of its own (file names, field widths, the texts that name its
// record, its Word title and rows) and the boxes of its record.
//
// The record on show is the number in lblPosizione (" 7"); empty means a new
// card that is not in the register. Every action opens the register file,
// works and closes it again, so nothing stays open between two clicks.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/PictureButton.h"
#include "shell/HelpTopics.h"

#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class RecordArchive;

// The texts that name a card's record, with its article and gender.
struct RecordWording {
    QString requiredNotice;     // "E' necessario compilare il primo campo relativo all'intestatario."
    QString editSavedHead;      // "Le modifiche apportate all'intestatario n."
    QString appendedHead;       // "L'intestatario n."
    QString appendedTail;       // " è stato inserito in archivio."
    QString deleteQuestionHead; // "Si vuole proprio cancellare l'intestatario n."
};

// One row of the Word table: its label and the fields it shows, joined by a
// line break.
struct WordRow {
    QString label;
    QList<int> fields;
};

struct RegisterCardTable {
    QString windowTitle;
    QString archiveFile; // "Intestatari.idb"
    QString tempFile;    // "Intestatari.tmp"
    std::span<const int> widths; // the record's fields, in order
    RecordWording wording;
    QString wordTitle;    // "SCHEDA INTESTATARIO"
    QString wordFileBase; // "Scheda intestatario"
    QList<WordRow> wordRows;
    HelpTopic (*help)();
};

class RegisterCard : public Form {
    Q_OBJECT
public:
    // Browsing, new, save, delete and the window's tools.
    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;
    QLabel* lblPosizione;
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

    // Shows record `number`: its fields (already trimmed) in the boxes, in
    // field order, each box's change handling running, then the number.
    void showRecord(const QStringList& fields, qint64 number);
    // The boxes' texts without their surrounding blanks, in field order.
    QStringList fieldsOnShow() const;

    const RegisterCardTable& table() const { return table_; }

protected:
    RegisterCard(const RegisterCardTable& table, int contentHeightTwips);

    // The area between the tool row and the browse row, for the card's boxes.
    Panel* content() const { return content_; }
    static constexpr int kWidth = 9840;
    // The card's boxes in field order: one-line boxes and the notes.
    void setBoxes(std::vector<QWidget*> boxes);
    // The lookup the find button opens.
    virtual void showLookup() = 0;
    void wireCard();

private:
    enum class Step { First, Previous, Next, Last };
    void browse(Step step);
    qint64 recordOnShow() const;
    void setRecordOnShow(qint64 number);
    QString archivePath() const;
    QString tempPath() const;
    QWidget* firstBox() const { return boxes_.front(); }
    bool firstBoxBlank() const;
    void saveFailed(RecordArchive& archive);
    void deleteFailed(RecordArchive& archive);

    RegisterCardTable table_;
    Panel* content_;
    std::vector<QWidget*> boxes_;
};

// A box's text as the card sees it (one-line box or notes, lines joined by CR LF).
QString BoxText(const QWidget* box);
void SetBoxText(QWidget* box, const QString& text);
