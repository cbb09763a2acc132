#include "platform/QtPrintSurface.h"

#include "platform/NewFile.h"
#include "platform/Printers.h"

#include <QDateTime>
#include <QDir>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
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

// What Qt's PDF engine writes, handed on to the new file write by write. The
// engine does not look at what its writes return, so the first one that
// fails is remembered here, and nothing is written after it.
class NewFileDevice final : public QIODevice {
public:
    explicit NewFileDevice(NewFile& file) : file_(file) {}
    bool failed() const { return failed_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        // The engine writes its file from start to end; a write anywhere
        // else is not one the file can take.
        if (failed_ || pos() != file_.size() || !file_.write(data, size)) {
            failed_ = true;
            return -1;
        }
        return size;
    }

private:
    NewFile& file_;
    bool failed_ = false;
};

} // namespace

// A PDF job under way: its new file, the device over it and the PDF writer
// that draws on it.
class QtPrintSurface::PdfJob {
public:
    PdfJob(const QString& folder, const QString& stem) : folder_(folder), stem_(stem), file_(folder), device_(file_) {}

    // Opens the device and puts a writer with the job's first page on it;
    // false when the file could not be made or the page not set up.
    bool start(int resolution, const QPageLayout& layout) {
        if (!file_.created() || !device_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        writer_ = std::make_unique<QPdfWriter>(&device_);
        writer_->setResolution(resolution);
        writer_->setTitle(QStringLiteral("Quillora"));
        writer_->setCreator(QString());
        return writer_->setPageLayout(layout);
    }
    QPdfWriter& writer() { return *writer_; }
    // A page of the job failed: the file is not to be named.
    void spoil() { spoiled_ = true; }

    // After the painter has ended: the file's full path once all of it was
    // written, is on the disk and has its name; empty otherwise, and then
    // the file is gone.
    QString finish() {
        QString path;
        if (!spoiled_ && !device_.failed() && file_.size() > 0 && file_.sync())
            path = file_.publish(folder_, [this](int n) {
                return n == 1 ? stem_ + QStringLiteral(".pdf") : stem_ + QStringLiteral("-%1.pdf").arg(n);
            });
        file_.discard();
        return path;
    }

private:
    QString folder_;
    QString stem_;
    NewFile file_;
    NewFileDevice device_;
    std::unique_ptr<QPdfWriter> writer_;
    bool spoiled_ = false;
};

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
    pdf_.reset(); // an unfinished PDF job leaves no file
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

QPagedPaintDevice& QtPrintSurface::device() {
    if (pdf_)
        return pdf_->writer();
    return printer_;
}

bool QtPrintSurface::beginPdfJob(const PageSetup& setup) {
    const QString folder = pdfOutputFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString stem = QStringLiteral("Quillora-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    pdf_ = std::make_unique<PdfJob>(folder, stem);
    if (!pdf_->start(printer_.resolution(), layoutFor(setup)) || !painter_.begin(&pdf_->writer())) {
        pdf_.reset();
        return false;
    }
    return true;
}

bool QtPrintSurface::endPdfJob() {
    const bool ended = painter_.end();
    pdfFile_ = ended ? pdf_->finish() : QString();
    pdf_.reset();
    return ended && !pdfFile_.isEmpty();
}

bool QtPrintSurface::beginJob(const PageSetup& setup) {
    if (isPdf())
        return beginPdfJob(setup);
    if (QPrinterInfo::printerInfo(name_).isNull())
        return false;
    printer_.setPageLayout(layoutFor(setup));
    return painter_.begin(&printer_);
}

bool QtPrintSurface::drawText(const PlacedText& text) {
    const double devicePerPoint = printer_.resolution() / 72.0;
    painter_.setFont(text.qfont);
    painter_.setPen(text.color);
    painter_.drawText(QPointF(text.topLeft.x() * devicePerPoint, (text.topLeft.y() + text.ascent) * devicePerPoint),
                      text.shown);
    return true;
}

bool QtPrintSurface::beginPage(const PageSetup&) {
    const bool started = device().newPage();
    if (!started && pdf_)
        pdf_->spoil();
    return started;
}

void QtPrintSurface::pageSetupChanged(const PageSetup& setup) { device().setPageLayout(layoutFor(setup)); }

bool QtPrintSurface::endJob() {
    if (pdf_)
        return endPdfJob();
    return painter_.end();
}

} // namespace platform
