#pragma once
// The print surface of a real printer, over Qt: a CUPS printer by its name,
// or the program's own "PDF" printer, which writes every job to a new PDF
// file (see Printers.h).
//
// A PDF job is written as a NewFile: into a hidden temporary file beside its
// final name, every write Qt's PDF engine makes checked, then brought to the
// disk and named "Quillora-YYYYMMDD-HHMMSS.pdf" (the time the job started)
// or the first free "-2", "-3" ... variant, never replacing a file. EndDoc is
// true only once the whole file lies under that name; a job that fails
// anywhere leaves no file.

#include "platform/PrintSurfaceBase.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace platform {

class QtPrintSurface final : public PrintSurfaceBase {
public:
    explicit QtPrintSurface(const QString& deviceName);
    ~QtPrintSurface() override;
    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    QString deviceName() const override { return name_; }
    // The file the last PDF job was written to (empty before the first).
    QString lastPdfFile() const { return pdfFile_; }

protected:
    QMarginsF deviceMargins(const PageSetup& setup) const override;
    bool beginJob(const PageSetup& setup) override;
    bool drawText(const PlacedText& text) override;
    bool beginPage(const PageSetup& setup) override;
    void pageSetupChanged(const PageSetup& setup) override;
    bool endJob() override;

private:
    class PdfJob;

    bool isPdf() const;
    QPageLayout layoutFor(const PageSetup& setup) const;
    bool beginPdfJob(const PageSetup& setup);
    bool endPdfJob();
    // What the painter draws on: the printer, or the job's PDF writer.
    QPagedPaintDevice& device();

    QString name_;
    mutable QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<PdfJob> pdf_; // the PDF job under way
    QString pdfFile_;
};

} // namespace platform
