#pragma once
// The print surface of a real printer, over Qt: a CUPS printer by its name,
// or the program's own "PDF" printer, which writes every job to a new PDF
// file (see Printers.h).

#include "platform/PrintSurfaceBase.h"

#include <QPainter>
#include <QPrinter>

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
    bool isPdf() const;
    QPageLayout layoutFor(const PageSetup& setup) const;
    bool openPdfFile();

    QString name_;
    mutable QPrinter printer_;
    QPainter painter_;
    QString pdfFile_;
};

} // namespace platform
