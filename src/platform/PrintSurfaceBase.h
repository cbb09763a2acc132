#pragma once
// The bookkeeping every print surface shares: page set-up, scale conversion,
// the print position, the font and its measures, automatic page breaks and the
// life of a job. A device (the real printer, the recording double of the
// tests) only starts a job, draws a placed text, starts a page and ends the
// job.
//
// Internally lengths are points (1/72 inch); the print position is kept as
// the caller set it, so moving the left origin moves where it is drawn.
// Texts are measured on a fixed 1200 dpi device, whatever the printer, so the
// same text always has the same width.

#include "platform/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPointF>
#include <QSizeF>

#include <optional>

namespace platform {

struct PrintFont {
    QString name = QStringLiteral("Arial");
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

struct PageSetup {
    PaperSize paper = PaperSize::A4;
    PrintOrientation orientation = PrintOrientation::Portrait;
};

// The sheet of that paper in that orientation, in points.
QSizeF sheetSizePoints(const PageSetup& setup);
// The Qt font for a printer font; names the system lacks ("Courier New",
// "Arial", "Times New Roman", "Verdana") resolve to installed look-alikes.
QFont printerQFont(const PrintFont& font);
// The text as it is drawn and measured: one line, tabs and line breaks shown
// as blanks.
QString printableText(const QString& text);

class PrintSurfaceBase : public IPrintSurface {
public:
    ScaleMode scaleMode() const final { return scale_; }
    void setScaleMode(ScaleMode mode) final;
    double scaleLeft() const final { return scaleLeft_; }
    void setScaleLeft(double left) final;
    double scaleWidth() const final;
    double scaleHeight() const final;

    PrintOrientation orientation() const final { return setup_.orientation; }
    void setOrientation(PrintOrientation orientation) final;
    PaperSize paperSize() const final { return setup_.paper; }
    void setPaperSize(PaperSize paper) final;

    QString fontName() const final { return font_.name; }
    void setFontName(const QString& name) final;
    double fontSize() const final { return font_.size; }
    void setFontSize(double points) final;
    bool fontBold() const final { return font_.bold; }
    void setFontBold(bool on) final;
    bool fontItalic() const final { return font_.italic; }
    void setFontItalic(bool on) final;
    bool fontUnderline() const final { return font_.underline; }
    void setFontUnderline(bool on) final;
    bool fontStrikethru() const final { return font_.strikethru; }
    void setFontStrikethru(bool on) final;
    QColor foreColor() const final { return color_; }
    void setForeColor(const QColor& color) final { color_ = color; }

    double currentX() const final;
    void setCurrentX(double x) final;
    double currentY() const final;
    void setCurrentY(double y) final;

    double TextWidth(const QString& text) const final;
    double TextHeight(const QString& text) const final;

    bool Print(const QString& text, bool endLine = true) final;
    bool NewPage() final;
    bool EndDoc() final;
    bool jobFailed() const final { return state_ == State::Failed || drawFailed_; }

    // The page being drawn, from 1; 0 when no job is under way.
    int pageNumber() const { return page_; }
    const PrintFont& font() const { return font_; }
    // Points per unit of the current scale.
    double pointsPerUnit() const;

protected:
    // One text ready for the device.
    struct PlacedText {
        QString text;          // as the caller gave it
        QString shown;         // as it is drawn (printableText)
        bool endLine = true;
        double x = 0, y = 0;   // print position in the current scale
        QPointF topLeft;       // points from the printable area's corner
        QPointF sheetTopLeft;  // points from the sheet's corner
        double ascent = 0;     // points from the top to the baseline
        QFont qfont;
        PrintFont font;
        QColor color;
        PageSetup setup;
        int page = 0;
    };

    // Margins of the sheet the device cannot print on, in points.
    virtual QMarginsF deviceMargins(const PageSetup&) const { return {}; }
    // The sheet in points; a test device may choose its own.
    virtual QSizeF sheetSize(const PageSetup& setup) const { return sheetSizePoints(setup); }
    // Starts a job whose first page has this set-up; false: it cannot start
    // (the device cleans up after itself).
    virtual bool beginJob(const PageSetup& setup) = 0;
    virtual bool drawText(const PlacedText& text) = 0;
    // Ends the page and starts the next, with this set-up.
    virtual bool beginPage(const PageSetup& setup) = 0;
    // The set-up changed while a job is under way (it applies from the next
    // page).
    virtual void pageSetupChanged(const PageSetup&) {}
    // Hands the job over.
    virtual bool endJob() = 0;
    // Every EndDoc, with its result, whether or not a job was under way.
    virtual void documentEnded(bool /*succeeded*/) {}

    const PageSetup& pageSetup() const { return setup_; }

private:
    enum class State { Idle, Active, Failed };

    bool ensureJob();
    bool startNextPage();
    QSizeF printableSizePoints() const;
    const QFontMetricsF& metrics() const;
    void fontChanged() { metrics_.reset(); }

    PageSetup setup_;
    ScaleMode scale_ = ScaleMode::Twips;
    double scaleLeft_ = 0;
    PrintFont font_;
    QColor color_ = Qt::black;
    QPointF pos_; // the print position in points; x is drawn at x - the left origin
    State state_ = State::Idle;
    bool drawFailed_ = false;
    int page_ = 0;
    mutable std::optional<QFontMetricsF> metrics_;
};

} // namespace platform
