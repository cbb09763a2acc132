#include "platform/Printers.h"
#include "platform/QtPrintSurface.h"
#include "services/HelpPrint.h"

#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using platform::PaperSize;
using platform::PrintOrientation;
using platform::ScaleMode;

namespace {

constexpr double kPointsPerCm = 72 / 2.54;

// --- bookkeeping shared by every surface, seen through the recording one ---

TEST(PrintSurface, ScaleAndPaper) {
    RecordingPrinter p;
    EXPECT_EQ(p.paperSize(), PaperSize::A4);
    EXPECT_EQ(p.scaleMode(), ScaleMode::Twips);
    EXPECT_NEAR(p.scaleWidth(), 210 / 25.4 * 1440, 1e-6);
    p.setScaleMode(ScaleMode::Centimeters);
    p.setPaperSize(PaperSize::Legal);
    p.setOrientation(PrintOrientation::Landscape);
    EXPECT_NEAR(p.scaleWidth(), 35.56, 1e-9);
    EXPECT_NEAR(p.scaleHeight(), 21.59, 1e-9);
    p.setScaleLeft(-1);
    p.setScaleMode(ScaleMode::Twips);
    EXPECT_EQ(p.scaleLeft(), 0) << "a new scale mode puts the origin back";
}

TEST(PrintSurface, PositionFollowsThePrints) {
    RecordingPrinter p;
    p.setScaleLeft(-600);
    p.setCurrentY(100);
    ASSERT_TRUE(p.Print(QStringLiteral("abc"), false));
    EXPECT_NEAR(p.currentX(), p.TextWidth(QStringLiteral("abc")), 1e-9);
    EXPECT_DOUBLE_EQ(p.currentY(), 100);
    ASSERT_TRUE(p.Print(QStringLiteral("def")));
    EXPECT_DOUBLE_EQ(p.currentX(), 0);
    EXPECT_NEAR(p.currentY(), 100 + p.TextHeight(QStringLiteral("def")), 1e-9);
    const auto t = p.texts();
    EXPECT_NEAR(t[0].xCm, 600.0 / 1440 * 2.54, 1e-9) << "x is drawn at x - ScaleLeft";
    EXPECT_NEAR(t[1].x, p.TextWidth(QStringLiteral("abc")), 1e-9);
}

TEST(PrintSurface, LinePastTheBottomGoesOnANewPage) {
    RecordingPrinter p;
    const double h = p.TextHeight(QString());
    p.setCurrentY(p.scaleHeight() - h / 2);
    ASSERT_TRUE(p.Print(QStringLiteral("x")));
    ASSERT_EQ(p.count(RecordingPrinter::Entry::NewPage), 1);
    EXPECT_EQ(p.texts()[0].page, 2);
    EXPECT_DOUBLE_EQ(p.texts()[0].y, 0);
}

TEST(PrintSurface, EndDocPutsPaperAndOriginBack) {
    RecordingPrinter p;
    p.setScaleMode(ScaleMode::Centimeters);
    p.setPaperSize(PaperSize::Legal);
    p.setOrientation(PrintOrientation::Landscape);
    p.setScaleLeft(-1);
    p.setFontName(QStringLiteral("Courier New"));
    ASSERT_TRUE(p.Print(QStringLiteral("x")));
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(p.paperSize(), PaperSize::A4);
    EXPECT_EQ(p.orientation(), PrintOrientation::Portrait);
    EXPECT_EQ(p.scaleLeft(), 0);
    EXPECT_EQ(p.currentY(), 0);
    EXPECT_EQ(p.scaleMode(), ScaleMode::Centimeters);
    EXPECT_EQ(p.fontName(), QStringLiteral("Courier New"));
}

TEST(PrintSurface, FailedStartIsSeenUntilEndDoc) {
    RecordingPrinter p;
    p.failToStart = true;
    EXPECT_FALSE(p.Print(QStringLiteral("x")));
    EXPECT_TRUE(p.jobFailed());
    EXPECT_FALSE(p.NewPage());
    EXPECT_FALSE(p.EndDoc());
    EXPECT_FALSE(p.jobFailed());
    p.failToStart = false;
    EXPECT_TRUE(p.Print(QStringLiteral("x")));
    EXPECT_TRUE(p.EndDoc());
}

TEST(PrintSurface, OldFontNamesResolveToLookAlikes) {
    const auto family = [](const char* name) {
        platform::PrintFont f;
        f.name = QString::fromLatin1(name);
        return QFontInfo(platform::printerQFont(f)).family();
    };
    EXPECT_EQ(family("Courier New"), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(family("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(family("Times New Roman"), QStringLiteral("Liberation Serif"));
    EXPECT_FALSE(family("Verdana").isEmpty());
}

// --- the printer list ---

TEST(Printers, PdfIsAlwaysListedAndSelectable) {
    const QString before = platform::currentPrinterName();
    platform::setSystemPrintersForTesting({QStringLiteral("Ufficio"), QStringLiteral("PDF")});
    EXPECT_EQ(platform::installedPrinters(), (QStringList{QStringLiteral("Ufficio"), QStringLiteral("PDF")}));
    EXPECT_FALSE(platform::setCurrentPrinter(QStringLiteral("ufficio")));
    EXPECT_EQ(platform::currentPrinterName(), before);
    EXPECT_TRUE(platform::setCurrentPrinter(QStringLiteral("Ufficio")));
    EXPECT_EQ(platform::printer().deviceName(), QStringLiteral("Ufficio"));
    EXPECT_TRUE(platform::setCurrentPrinter(QStringLiteral("PDF")));
    EXPECT_EQ(platform::printer().deviceName(), QStringLiteral("PDF"));
    platform::setSystemPrintersForTesting({});
    platform::setCurrentPrinter(before);
}

// --- the real surface on the PDF printer ---

class PdfPrinter : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QByteArray savedDir = qgetenv("QUILLORA_PDF_DIR");

    void SetUp() override { qputenv("QUILLORA_PDF_DIR", dir.path().toUtf8()); }
    void TearDown() override {
        if (savedDir.isEmpty())
            qunsetenv("QUILLORA_PDF_DIR");
        else
            qputenv("QUILLORA_PDF_DIR", savedDir);
    }
    QStringList pdfs() const { return QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name); }

    // pdftotext's word boxes of the file, in points.
    static QString bbox(const QString& file) {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        tool.waitForFinished(20000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }
    static double attr(const QString& tag, const QString& name) {
        const auto m = QRegularExpression(name + QStringLiteral("=\"([0-9.]+)\"")).match(tag);
        return m.hasMatch() ? m.captured(1).toDouble() : -1;
    }
};

TEST_F(PdfPrinter, TextLandsAtItsPositionFromTheSheetCorner) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    platform::QtPrintSurface p(QStringLiteral("PDF"));
    p.setScaleMode(ScaleMode::Centimeters);
    p.setOrientation(PrintOrientation::Landscape);
    p.setPaperSize(PaperSize::Legal);
    p.setFontName(QStringLiteral("Courier New"));
    p.setFontSize(10);
    p.setFontBold(true);
    p.setCurrentX(2.22);
    p.setCurrentY(1.08);
    ASSERT_TRUE(p.Print(QStringLiteral("W1")));
    ASSERT_TRUE(p.EndDoc());
    ASSERT_EQ(pdfs().size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Quillora-\\d{8}-\\d{6}\\.pdf$")).match(pdfs()[0]).hasMatch());

    const QString out = bbox(p.lastPdfFile());
    const QString page = QRegularExpression(QStringLiteral("<page [^>]*>")).match(out).captured(0);
    EXPECT_NEAR(attr(page, QStringLiteral("width")), 14 * 72, 1);
    EXPECT_NEAR(attr(page, QStringLiteral("height")), 8.5 * 72, 1);
    const QString word = QRegularExpression(QStringLiteral("<word [^>]*>W1<")).match(out).captured(0);
    ASSERT_FALSE(word.isEmpty()) << out.toStdString();
    EXPECT_NEAR(attr(word, QStringLiteral("xMin")) / kPointsPerCm, 2.22, 0.05);
    EXPECT_NEAR(attr(word, QStringLiteral("yMin")) / kPointsPerCm, 1.08, 0.05);
}

TEST_F(PdfPrinter, HelpPrintAfterALegalJobIsA4PortraitInANewFile) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    TestPlatform tp;
    platform::setPrinter(nullptr); // this one prints on the real PDF printer
    const QString before = platform::currentPrinterName();
    ASSERT_TRUE(platform::setCurrentPrinter(QStringLiteral("PDF")));
    platform::IPrintSurface& p = platform::printer();
    p.setScaleMode(ScaleMode::Centimeters);
    p.setOrientation(PrintOrientation::Landscape);
    p.setPaperSize(PaperSize::Legal);
    ASSERT_TRUE(p.Print(QString(), false));
    ASSERT_TRUE(p.EndDoc());

    TextBoxSource body;
    body.text = QStringLiteral("Corpo della guida.");
    PrintHelpTopic(QStringLiteral("Titolo"), body);
    platform::setCurrentPrinter(before);
    EXPECT_TRUE(tp.messages.shown.empty());

    const QStringList files = pdfs();
    ASSERT_EQ(files.size(), 2) << "each job a new file";
    const QString out = bbox(dynamic_cast<platform::QtPrintSurface&>(p).lastPdfFile());
    const QString page = QRegularExpression(QStringLiteral("<page [^>]*>")).match(out).captured(0);
    EXPECT_NEAR(attr(page, QStringLiteral("width")), 210 / 25.4 * 72, 1);
    EXPECT_NEAR(attr(page, QStringLiteral("height")), 297 / 25.4 * 72, 1);
    EXPECT_TRUE(out.contains(QStringLiteral(">Corpo<")));
}

TEST_F(PdfPrinter, UnwritableFolderFailsTheJob) {
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("QUILLORA_PDF_DIR", (blocker.fileName() + QStringLiteral("/sub")).toUtf8());
    platform::QtPrintSurface p(QStringLiteral("PDF"));
    EXPECT_FALSE(p.Print(QStringLiteral("x")));
    EXPECT_TRUE(p.jobFailed());
    EXPECT_FALSE(p.EndDoc());

    qputenv("QUILLORA_PDF_DIR", dir.filePath(QStringLiteral("new/folder")).toUtf8());
    EXPECT_TRUE(p.Print(QStringLiteral("x")));
    EXPECT_TRUE(p.EndDoc());
    EXPECT_TRUE(QFileInfo(p.lastPdfFile()).size() > 0);
}

} // namespace
