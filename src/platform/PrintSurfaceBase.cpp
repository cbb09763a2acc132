#include "platform/PrintSurfaceBase.h"

#include <QFontDatabase>
#include <QImage>

namespace platform {

namespace {

constexpr double kMeasureDpi = 1200;
constexpr double kPointsPerInch = 72;
constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;

// Fonts of the old program and what stands in for them when the system lacks
// them: the Liberation faces have the same metrics as the first three.
void ensureFontSubstitutes() {
    static const bool done = [] {
        const struct {
            const char* family;
            QStringList substitutes;
        } table[] = {
            {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
            {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
            {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
            {"Verdana", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        };
        for (const auto& row : table) {
            const QString family = QString::fromLatin1(row.family);
            if (!QFontDatabase::hasFamily(family))
                QFont::insertSubstitutions(family, row.substitutes);
        }
        return true;
    }();
    (void)done;
}

// A 1200 dpi device to measure texts on.
const QImage& measureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(kMeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

constexpr double kPointsPerDevicePixel = kPointsPerInch / kMeasureDpi;

} // namespace

QSizeF sheetSizePoints(const PageSetup& setup) {
    QSizeF portrait;
    switch (setup.paper) {
    case PaperSize::A4: portrait = QSizeF(210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre); break;
    case PaperSize::Letter: portrait = QSizeF(8.5 * kPointsPerInch, 11 * kPointsPerInch); break;
    case PaperSize::Legal: portrait = QSizeF(8.5 * kPointsPerInch, 14 * kPointsPerInch); break;
    }
    return setup.orientation == PrintOrientation::Landscape ? portrait.transposed() : portrait;
}

QFont printerQFont(const PrintFont& font) {
    ensureFontSubstitutes();
    QFont f(font.name);
    f.setPointSizeF(font.size > 0 ? font.size : 1);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethru);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

QString printableText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return shown;
}

// --- scale and page set-up ---

double PrintSurfaceBase::pointsPerUnit() const {
    return scale_ == ScaleMode::Centimeters ? kPointsPerMillimetre * 10 : kPointsPerInch / 1440;
}

void PrintSurfaceBase::setScaleMode(ScaleMode mode) {
    scale_ = mode;
    scaleLeft_ = 0;
}

void PrintSurfaceBase::setScaleLeft(double left) { scaleLeft_ = left; }

QSizeF PrintSurfaceBase::printableSizePoints() const {
    const QSizeF sheet = sheetSize(setup_);
    const QMarginsF m = deviceMargins(setup_);
    return QSizeF(sheet.width() - m.left() - m.right(), sheet.height() - m.top() - m.bottom());
}

double PrintSurfaceBase::scaleWidth() const { return printableSizePoints().width() / pointsPerUnit(); }
double PrintSurfaceBase::scaleHeight() const { return printableSizePoints().height() / pointsPerUnit(); }

void PrintSurfaceBase::setOrientation(PrintOrientation orientation) {
    setup_.orientation = orientation;
    if (state_ == State::Active)
        pageSetupChanged(setup_);
}

void PrintSurfaceBase::setPaperSize(PaperSize paper) {
    setup_.paper = paper;
    if (state_ == State::Active)
        pageSetupChanged(setup_);
}

// --- font ---

void PrintSurfaceBase::setFontName(const QString& name) { font_.name = name; fontChanged(); }
void PrintSurfaceBase::setFontSize(double points) { font_.size = points; fontChanged(); }
void PrintSurfaceBase::setFontBold(bool on) { font_.bold = on; fontChanged(); }
void PrintSurfaceBase::setFontItalic(bool on) { font_.italic = on; fontChanged(); }
void PrintSurfaceBase::setFontUnderline(bool on) { font_.underline = on; fontChanged(); }
void PrintSurfaceBase::setFontStrikethru(bool on) { font_.strikethru = on; fontChanged(); }

const QFontMetricsF& PrintSurfaceBase::metrics() const {
    if (!metrics_)
        metrics_.emplace(printerQFont(font_), &measureDevice());
    return *metrics_;
}

double PrintSurfaceBase::TextWidth(const QString& text) const {
    return metrics().horizontalAdvance(printableText(text)) * kPointsPerDevicePixel / pointsPerUnit();
}

double PrintSurfaceBase::TextHeight(const QString&) const {
    return metrics().height() * kPointsPerDevicePixel / pointsPerUnit();
}

// --- position ---

double PrintSurfaceBase::currentX() const { return pos_.x() / pointsPerUnit(); }
void PrintSurfaceBase::setCurrentX(double x) { pos_.setX(x * pointsPerUnit()); }
double PrintSurfaceBase::currentY() const { return pos_.y() / pointsPerUnit(); }
void PrintSurfaceBase::setCurrentY(double y) { pos_.setY(y * pointsPerUnit()); }

// --- the job ---

bool PrintSurfaceBase::ensureJob() {
    if (state_ == State::Active)
        return true;
    if (state_ == State::Failed)
        return false;
    if (!beginJob(setup_)) {
        state_ = State::Failed;
        return false;
    }
    state_ = State::Active;
    drawFailed_ = false;
    page_ = 1;
    return true;
}

bool PrintSurfaceBase::startNextPage() {
    if (!beginPage(setup_)) {
        drawFailed_ = true;
        return false;
    }
    ++page_;
    pos_ = QPointF();
    return true;
}

bool PrintSurfaceBase::Print(const QString& text, bool endLine) {
    if (!ensureJob())
        return false;
    const QFontMetricsF& fm = metrics();
    const double lineHeight = fm.height() * kPointsPerDevicePixel;
    if (pos_.y() > 0 && pos_.y() + lineHeight > printableSizePoints().height()) {
        const double x = pos_.x();
        if (!startNextPage())
            return false;
        pos_.setX(x);
    }

    PlacedText placed;
    placed.text = text;
    placed.shown = printableText(text);
    placed.endLine = endLine;
    placed.x = currentX();
    placed.y = currentY();
    placed.topLeft = QPointF(pos_.x() - scaleLeft_ * pointsPerUnit(), pos_.y());
    const QMarginsF m = deviceMargins(setup_);
    placed.sheetTopLeft = placed.topLeft + QPointF(m.left(), m.top());
    placed.ascent = fm.ascent() * kPointsPerDevicePixel;
    placed.qfont = printerQFont(font_);
    placed.font = font_;
    placed.color = color_;
    placed.setup = setup_;
    placed.page = page_;
    if (!drawText(placed)) {
        drawFailed_ = true;
        return false;
    }

    if (endLine) {
        pos_.setX(0);
        pos_.ry() += lineHeight;
    } else {
        pos_.rx() += fm.horizontalAdvance(placed.shown) * kPointsPerDevicePixel;
    }
    return true;
}

bool PrintSurfaceBase::NewPage() {
    if (!ensureJob())
        return false;
    return startNextPage();
}

bool PrintSurfaceBase::EndDoc() {
    bool ok = true;
    switch (state_) {
    case State::Idle: break;
    case State::Active: ok = endJob() && !drawFailed_; break;
    case State::Failed: ok = false; break;
    }
    state_ = State::Idle;
    drawFailed_ = false;
    page_ = 0;
    setup_ = PageSetup{};
    scaleLeft_ = 0;
    pos_ = QPointF();
    documentEnded(ok);
    return ok;
}

} // namespace platform
