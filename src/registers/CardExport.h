#pragma once
// The export of a register card to a new Word document: a title, two empty
// paragraphs, a table of labels and values with borders, an empty paragraph
// and "Scheda creata in data dd/mm/yyyy alle ore hh:mm:ss", all Arial 14 pt.
// The document is written as a new file in the export folder, never over an
// existing one, and then opened with the desktop's application for .docx.
// Each register card hands over its own title, rows and file name.

#include <QList>
#include <QPair>
#include <QString>

#include "platform/DocumentWriters.h"

struct WordCard {
    QString title;        // "SCHEDA INTESTATARIO"
    QString fileBaseName; // "Scheda intestatario": the file is "<base>.docx", "<base> (2).docx" ...
    QList<QPair<QString, QString>> rows; // label, value
};

// The office check of the exports: true when an application opens .docx
// files; otherwise false after the notice that Word is not installed.
bool WordIsInstalled();

// The document of a card, stamped with the print clock's "now". The writer
// escapes the texts and drops what a document cannot hold.
platform::DocxDocument CardDocument(const WordCard& card);

// Writes the card's document and opens it. A document that cannot be written
// leaves no file behind and is reported; false then.
bool WriteCardToWord(const WordCard& card);
