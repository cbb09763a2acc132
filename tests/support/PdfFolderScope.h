#pragma once
// For the life of the object the "PDF" printer writes to `folder`; the
// folder it wrote to before is put back after.

#include <QByteArray>
#include <QString>

class PdfFolderScope {
public:
    explicit PdfFolderScope(const QString& folder) : saved_(qgetenv("QUILLORA_PDF_DIR")) {
        qputenv("QUILLORA_PDF_DIR", folder.toUtf8());
    }
    ~PdfFolderScope() {
        if (saved_.isNull())
            qunsetenv("QUILLORA_PDF_DIR");
        else
            qputenv("QUILLORA_PDF_DIR", saved_);
    }
    PdfFolderScope(const PdfFolderScope&) = delete;
    PdfFolderScope& operator=(const PdfFolderScope&) = delete;

private:
    QByteArray saved_;
};
