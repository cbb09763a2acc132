#include "platform/QtPrintSurface.h"

#include "platform/Printers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include <algorithm>

namespace platform {

namespace {

QPageSize qtPageSize(PaperSize paper) {
    switch (paper) {
    case PaperSize::Letter: return QPageSize(QPageSize::Letter);
    case PaperSize::Legal: return QPageSize(QPageSize::Legal);
    case PaperSize::A4: break;
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout::Orientation qtOrientation(PrintOrientation orientation) {
    return orientation == PrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QtPrintSurface::QtPrintSurface(const QString& deviceName)
    : name_(deviceName), printer_(QPrinter::HighResolution) {
    if (isPdf()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setFullPage(true);
    } else {
        printer_.setPrinterName(name_);
        printer_.setFullPage(false);
    }
    printer_.setDocName(QStringLiteral("Quillora"));
}

QtPrintSurface::~QtPrintSurface() {
    if (painter_.isActive())
        painter_.end();
}

bool QtPrintSurface::isPdf() const { return name_ == pdfPrinterName(); }

QMarginsF QtPrintSurface::deviceMargins(const PageSetup& setup) const {
    if (isPdf())
        return {};
    if (painter_.isActive())
        return printer_.pageLayout().margins(QPageLayout::Point);
    // A real printer's least margins for this paper and orientation.
    printer_.setPageSize(qtPageSize(setup.paper));
    printer_.setPageOrientation(qtOrientation(setup.orientation));
    QPageLayout layout = printer_.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF least = layout.minimumMargins();
    return QMarginsF(std::max(0.0, least.left()), std::max(0.0, least.top()), std::max(0.0, least.right()),
                     std::max(0.0, least.bottom()));
}

QPageLayout QtPrintSurface::layoutFor(const PageSetup& setup) const {
    return QPageLayout(qtPageSize(setup.paper), qtOrientation(setup.orientation), deviceMargins(setup),
                       QPageLayout::Point);
}

bool QtPrintSurface::openPdfFile() {
    const QString folder = pdfOutputFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString stem = QStringLiteral("Quillora-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QDir dir(folder);
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".pdf") : stem + QStringLiteral("-%1.pdf").arg(n);
        QFile file(dir.filePath(name));
        if (file.exists())
            continue;
        // Taking the name by creating the file: a name taken in between by
        // someone else is skipped, never overwritten.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.close();
            pdfFile_ = file.fileName();
            return true;
        }
        if (file.exists())
            continue;
        return false; // the folder cannot be written
    }
    return false;
}

bool QtPrintSurface::beginJob(const PageSetup& setup) {
    if (isPdf()) {
        if (!openPdfFile())
            return false;
        printer_.setOutputFileName(pdfFile_);
    } else if (QPrinterInfo::printerInfo(name_).isNull()) {
        return false;
    }
    printer_.setPageLayout(layoutFor(setup));
    if (!painter_.begin(&printer_)) {
        if (isPdf())
            QFile::remove(pdfFile_);
        return false;
    }
    return true;
}

bool QtPrintSurface::drawText(const PlacedText& text) {
    const double devicePerPoint = printer_.resolution() / 72.0;
    painter_.setFont(text.qfont);
    painter_.setPen(text.color);
    painter_.drawText(QPointF(text.topLeft.x() * devicePerPoint, (text.topLeft.y() + text.ascent) * devicePerPoint),
                      text.shown);
    return true;
}

bool QtPrintSurface::beginPage(const PageSetup&) { return printer_.newPage(); }

void QtPrintSurface::pageSetupChanged(const PageSetup& setup) { printer_.setPageLayout(layoutFor(setup)); }

bool QtPrintSurface::endJob() {
    const bool ended = painter_.end();
    if (isPdf())
        return ended && QFileInfo(pdfFile_).size() > 0;
    return ended;
}

} // namespace platform
