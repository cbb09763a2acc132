#pragma once
// New office documents: a Word document (.docx) of paragraphs and one table,
// and a one-sheet workbook (.xlsx). Each is written under a temporary name in
// the target folder and then given a name that no file has yet: "<base>.docx",
// then "<base> (2).docx", "<base> (3).docx" ...; an existing file is never
// replaced and a failed write leaves no file behind. The temporary files a
// kill left in a folder are removed before the next write there, and those of
// the export folder at the start (RemoveExportLeftovers).

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// The folder exports are written to: $QUILLORA_EXPORT_DIR when set and not
// empty, otherwise the user's Documents folder. Created when missing.
QString exportFolder();

// Removes from the export folder the temporary files of writes that a kill or
// a crash stopped, and nothing else: only regular files named exactly as the
// writers name theirs, and none a running write still holds. A missing folder
// is not made.
void RemoveExportLeftovers();

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

// A one-sheet workbook: row 1 the header in bold, every cell a string, each
// column as wide as the longest line of its texts.
struct XlsxSheet {
    QStringList header;       // row 1, bold
    QList<QStringList> rows;  // rows 2, 3 ...; every cell a string
};

// A workbook written a row at a time: each row goes to the file as it comes,
// so a sheet of any length takes little memory. A workbook dropped before it
// is finished leaves no file.
class IXlsxWriter {
public:
    virtual ~IXlsxWriter() = default;
    // Adds the next row (rows 2, 3 ...); false when it could not be written,
    // and for every row after a failure.
    virtual bool addRow(const QStringList& cells) = 0;
    // Closes the workbook and names it: the full path of the new file, or
    // empty when any part of it failed.
    virtual QString finish() = 0;
};

class IDocumentWriters {
public:
    virtual ~IDocumentWriters() = default;
    // The full path of the new file, or empty when it could not be written.
    virtual QString writeDocx(const DocxDocument& document, const QString& folder, const QString& baseName) = 0;
    // A new workbook with `header` as row 1, to be named after `baseName` in
    // `folder` when finished; nothing when it cannot be started.
    virtual std::unique_ptr<IXlsxWriter> startXlsx(const QStringList& header, const QString& folder,
                                                   const QString& baseName) = 0;
    // The whole sheet at once: the full path of the new file, or empty.
    QString writeXlsx(const XlsxSheet& sheet, const QString& folder, const QString& baseName);
};

IDocumentWriters& documentWriters();
void setDocumentWriters(IDocumentWriters* impl); // nullptr: back to the real writers

// The first of "<base><ext>", "<base> (2)<ext>" ... that does not exist in `folder`.
QString FreeFileName(const QString& folder, const QString& baseName, const QString& extension);

} // namespace platform
