#pragma once
// New office documents: a Word document (.docx) of paragraphs and one table,
// and a one-sheet workbook (.xlsx). Each is written under a temporary name in
// the target folder and then given a name that no file has yet: "<base>.docx",
// then "<base> (2).docx", "<base> (3).docx" ...; an existing file is never
// replaced and a failed write leaves no file behind.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace platform {

// The folder exports are written to: $QUILLORA_EXPORT_DIR when set and not
// empty, otherwise the user's Documents folder. Created when missing.
QString exportFolder();

struct DocxParagraph {
    QString text; // empty: an empty paragraph
    QString font = QStringLiteral("Arial");
    double points = 14;
    bool bold = false;
};

// A document: paragraphs, then (when it has rows) a table with borders of
// label / value rows, then the closing paragraphs.
struct DocxDocument {
    QList<DocxParagraph> before;
    QList<QPair<QString, QString>> tableRows;
    QList<DocxParagraph> after;
    QString tableFont = QStringLiteral("Arial");
    double tablePoints = 14;
};

struct XlsxSheet {
    QStringList header;       // row 1, bold
    QList<QStringList> rows;  // rows 2, 3 ...; every cell a string
};

class IDocumentWriters {
public:
    virtual ~IDocumentWriters() = default;
    // The full path of the new file, or empty when it could not be written.
    virtual QString writeDocx(const DocxDocument& document, const QString& folder, const QString& baseName) = 0;
    virtual QString writeXlsx(const XlsxSheet& sheet, const QString& folder, const QString& baseName) = 0;
};

IDocumentWriters& documentWriters();
void setDocumentWriters(IDocumentWriters* impl); // nullptr: back to the real writers

// The first of "<base><ext>", "<base> (2)<ext>" ... that does not exist in `folder`.
QString FreeFileName(const QString& folder, const QString& baseName, const QString& extension);

} // namespace platform
