#include "common/PrintedList.h"
#include "platform/Printers.h"
#include "platform/QtPrintSurface.h"
#include "services/HelpPrint.h"

#include "support/FolderFiles.h"
#include "support/PdfFolderScope.h"
#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>

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

// A legal sheet across, in centimetres, bold 10-point Courier New, the next
// line 2.22 cm from the left and 1.08 cm from the top.
void setUpFirstLine(platform::IPrintSurface& p) {
    p.setScaleMode(ScaleMode::Centimeters);
    p.setOrientation(PrintOrientation::Landscape);
    p.setPaperSize(PaperSize::Legal);
    p.setFontName(QStringLiteral("Courier New"));
    p.setFontSize(10);
    p.setFontBold(true);
    p.setCurrentX(2.22);
    p.setCurrentY(1.08);
}

class PdfPrinter : public ::testing::Test {
protected:
    QTemporaryDir dir;
    PdfFolderScope pdfFolder{dir.path()};
    QStringList pdfs() const { return QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name); }
    // Everything in the folder, hidden files and folders too.
    QStringList everything() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name);
    }
    void put(const QString& name, const QByteArray& bytes) const { PutFile(dir.path(), name, bytes); }
    QByteArray content(const QString& name) const { return FileContent(dir.path(), name); }

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
    setUpFirstLine(p);
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

// --- PDF jobs that fail, and whole ones read back ---

// A job of three pages in three fonts, larger than 16 KiB once written.
bool printThreePages(platform::IPrintSurface& p) {
    setUpFirstLine(p);
    bool ok = p.Print(QStringLiteral("W1 àèé"));
    p.setFontName(QStringLiteral("Arial"));
    p.setFontBold(false);
    p.setFontItalic(true);
    for (int i = 0; i < 60; ++i) // past the bottom of the first page
        ok = p.Print(QStringLiteral("Riga numero %1 del bollettino").arg(i)) && ok;
    ok = p.NewPage() && ok;
    p.setFontName(QStringLiteral("Times New Roman"));
    p.setFontItalic(false);
    ok = p.Print(QStringLiteral("Ultima pagina")) && ok;
    return p.EndDoc() && ok;
}

// The file is a whole PDF of that many pages: its header, its trailer, the
// cross-reference table where startxref says it is, its page objects, and
// pdfinfo reads it without a complaint when it is installed.
void expectWholePdf(const QString& path, int pages) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-1.4"));
    const auto tail = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*\\z"))
                          .match(QString::fromLatin1(bytes.right(64)));
    ASSERT_TRUE(tail.hasMatch()) << bytes.right(64).toStdString();
    EXPECT_EQ(bytes.mid(tail.captured(1).toLongLong(), 4), "xref");
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), pages);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        return;
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_EQ(info.exitCode(), 0);
    EXPECT_TRUE(info.readAllStandardError().isEmpty());
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
}

// The real system calls, counting the writes.
class CountingFileCalls final : public platform::FileCalls {
public:
    int writes = 0;
    ssize_t writeAt(int fd, const char* data, size_t size, off_t offset) override {
        ++writes;
        return FileCalls::writeAt(fd, data, size, offset);
    }
};

// The PDF printer's file calls go through a double for the test.
class PdfJob : public PdfPrinter {
protected:
    FaultyFileCalls calls;
    void SetUp() override {
        PdfPrinter::SetUp();
        platform::setFileCalls(&calls);
    }
    void TearDown() override {
        platform::setFileCalls(nullptr);
        PdfPrinter::TearDown();
    }
};

TEST_F(PdfJob, AWholeJobIsReadBackWithItsPagesAndNothingElseIsLeft) {
    platform::QtPrintSurface p(QStringLiteral("PDF"));
    ASSERT_TRUE(printThreePages(p));
    ASSERT_EQ(everything(), QStringList{QFileInfo(p.lastPdfFile()).fileName()}) << "no temporary file beside it";
    expectWholePdf(p.lastPdfFile(), 3);
    EXPECT_GT(QFileInfo(p.lastPdfFile()).size(), 16 * 1024);
    EXPECT_GE(calls.syncs, 2) << "the file and its folder";
}

TEST_F(PdfJob, AJobThatFailsAnywhereIsReportedAndLeavesNoFile) {
    // How many writes a whole job takes: each job has the same bytes but for
    // its date.
    int writes = 0;
    {
        CountingFileCalls counting;
        platform::setFileCalls(&counting);
        platform::QtPrintSurface p(QStringLiteral("PDF"));
        const bool printed = printThreePages(p);
        platform::setFileCalls(&calls);
        ASSERT_TRUE(printed);
        ASSERT_TRUE(QFile::remove(p.lastPdfFile()));
        writes = counting.writes;
    }
    ASSERT_GT(writes, 10);

    using Call = FaultyFileCalls::Call;
    const struct {
        const char* fault;
        std::function<void(FaultyFileCalls&)> arm;
    } faults[] = {
        {"the temporary file cannot be made", [](FaultyFileCalls& c) { c.failCall(Call::Open, 1); }},
        {"the first write fails", [](FaultyFileCalls& c) { c.failCall(Call::Write, 1); }},
        {"a middle write fails", [writes](FaultyFileCalls& c) { c.failCall(Call::Write, writes / 2); }},
        {"the last write fails", [writes](FaultyFileCalls& c) { c.failCall(Call::Write, writes); }},
        {"a write is cut short", [](FaultyFileCalls& c) { c.failWriteAfter(5000); }},
        {"the sync fails", [](FaultyFileCalls& c) { c.failSync(1); }},
        {"the rename fails", [](FaultyFileCalls& c) { c.failCall(Call::Rename, 1); }},
        {"the disk is full", [](FaultyFileCalls& c) { c.fillDiskAfter(0); }},
        {"the disk has 8 KiB free", [](FaultyFileCalls& c) { c.fillDiskAfter(8 * 1024); }},
        {"the disk has 16 KiB free", [](FaultyFileCalls& c) { c.fillDiskAfter(16 * 1024); }},
    };
    platform::QtPrintSurface p(QStringLiteral("PDF"));
    for (const auto& f : faults) {
        SCOPED_TRACE(f.fault);
        f.arm(calls);
        EXPECT_FALSE(printThreePages(p));
        EXPECT_FALSE(p.jobFailed());
        EXPECT_TRUE(p.lastPdfFile().isEmpty());
        EXPECT_EQ(everything(), QStringList()) << "neither the final name nor a temporary file";

        // The next job, on a disk that works again, is a whole file.
        calls.heal();
        ASSERT_TRUE(printThreePages(p));
        expectWholePdf(p.lastPdfFile(), 3);
        ASSERT_TRUE(QFile::remove(p.lastPdfFile()));
    }
}

TEST_F(PdfJob, AnExistingFileIsNeverReplacedTheNextNumberIsTaken) {
    // The job takes its name from the second it starts in: every name of the
    // next few seconds is taken, by a file and by a folder.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList stems;
    for (int second = 0; second < 3; ++second) {
        const QString stem =
            QStringLiteral("Quillora-") + now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        put(stem + QStringLiteral(".pdf"), "mio");
        ASSERT_TRUE(QDir(dir.path()).mkdir(stem + QStringLiteral("-2.pdf")));
        stems << stem;
    }
    platform::QtPrintSurface p(QStringLiteral("PDF"));
    ASSERT_TRUE(p.Print(QStringLiteral("x")));
    ASSERT_TRUE(p.EndDoc());
    const QString name = QFileInfo(p.lastPdfFile()).fileName();
    ASSERT_TRUE(name.endsWith(QStringLiteral("-3.pdf"))) << name.toStdString();
    EXPECT_TRUE(stems.contains(name.chopped(6)));
    expectWholePdf(p.lastPdfFile(), 1);
    for (const QString& stem : stems) {
        EXPECT_EQ(content(stem + QStringLiteral(".pdf")), "mio");
        EXPECT_TRUE(QFileInfo(dir.filePath(stem + QStringLiteral("-2.pdf"))).isDir());
    }
    EXPECT_FALSE(everything().join(QLatin1Char(' ')).contains(QStringLiteral(".tmp")));

    // A name that appears just as the file is named is refused too.
    put(QStringLiteral("a"), "nuovo");
    put(QStringLiteral("b"), "mio");
    errno = 0;
    EXPECT_EQ(platform::fileCalls().renameNoReplace(QFile::encodeName(dir.filePath(QStringLiteral("a"))),
                                                    QFile::encodeName(dir.filePath(QStringLiteral("b")))),
              -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(content(QStringLiteral("a")), "nuovo");
    EXPECT_EQ(content(QStringLiteral("b")), "mio");
}

// Where the file system takes neither rename flags nor hard links (a FUSE
// mount, a virtual machine's shared folder) the job still gets its name, the
// next free one, without replacing a file, and leaves nothing beside it.
TEST_F(PdfJob, WithoutHardLinksOrRenameFlagsAJobStillGetsAFreeName) {
    calls.withoutLinks = true;
    const QDateTime now = QDateTime::currentDateTime();
    QStringList stems;
    for (int second = 0; second < 3; ++second) {
        stems << QStringLiteral("Quillora-") + now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        put(stems.last() + QStringLiteral(".pdf"), "mio");
    }
    QStringList printed;
    for (int job = 0; job < 2; ++job) {
        platform::QtPrintSurface p(QStringLiteral("PDF"));
        ASSERT_TRUE(printThreePages(p)) << job;
        expectWholePdf(p.lastPdfFile(), 3);
        printed << QFileInfo(p.lastPdfFile()).fileName();
    }
    EXPECT_TRUE(printed[0].endsWith(QStringLiteral("-2.pdf"))) << printed[0].toStdString();
    EXPECT_TRUE(printed[1].endsWith(QStringLiteral("-2.pdf")) || printed[1].endsWith(QStringLiteral("-3.pdf")));
    EXPECT_NE(printed[0], printed[1]);
    for (const QString& stem : stems)
        EXPECT_EQ(content(stem + QStringLiteral(".pdf")), "mio");
    QStringList expected = printed;
    for (const QString& stem : stems)
        expected << stem + QStringLiteral(".pdf");
    expected.sort();
    QStringList found = everything();
    found.sort();
    EXPECT_EQ(found, expected) << "no reservation, note or temporary file left";
}

TEST_F(PdfJob, AKilledJobsFileGoesAtTheNextStartAndARunningOneStays) {
    // A job killed halfway: its writes stop, and so does everything after,
    // the removal of its temporary file too.
    {
        platform::QtPrintSurface p(QStringLiteral("PDF"));
        calls.killAfter(6000);
        EXPECT_FALSE(printThreePages(p));
    }
    calls.heal();
    const QStringList killed = everything();
    ASSERT_EQ(killed.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.quillora-[0-9a-f]{16}\\.tmp\\z")).match(killed[0]).hasMatch())
        << killed[0].toStdString();
    EXPECT_EQ(QFileInfo(dir.filePath(killed[0])).size(), 6000);

    // Files that only look like one, and a job under way in this instance.
    const QStringList strangers{".quillora-0123456789ABCDEF.tmp", "quillora-0123456789abcdef.tmp",
                                ".quillora-0123456789abcdef.tmp.old", "Quillora-20240305-090702.pdf"};
    for (const QString& name : strangers)
        put(name, "mio");
    platform::QtPrintSurface running(QStringLiteral("PDF"));
    ASSERT_TRUE(running.Print(QStringLiteral("in corso")));
    ASSERT_EQ(everything().size(), 1 + strangers.size() + 1);

    platform::RemovePdfLeftovers();
    QStringList left = everything();
    EXPECT_FALSE(left.contains(killed[0]));
    for (const QString& name : strangers)
        EXPECT_EQ(content(name), "mio") << name.toStdString();
    ASSERT_EQ(left.size(), strangers.size() + 1) << "the running job's file stays";

    ASSERT_TRUE(running.EndDoc());
    expectWholePdf(running.lastPdfFile(), 1);
    left = everything();
    EXPECT_EQ(left.size(), strangers.size() + 1);
    EXPECT_TRUE(left.contains(QFileInfo(running.lastPdfFile()).fileName()));

    // A missing folder is not made.
    qputenv("QUILLORA_PDF_DIR", dir.filePath(QStringLiteral("Documenti")).toUtf8());
    platform::RemovePdfLeftovers();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Documenti"))));
}

TEST_F(PdfJob, AListPrintThatFailsSaysSo) {
    TestPlatform tp; // its file calls are installed now, and fail the same way
    platform::setPrinter(nullptr);
    const QString before = platform::currentPrinterName();
    ASSERT_TRUE(platform::setCurrentPrinter(QStringLiteral("PDF")));
    tp.fileCalls.fillDiskAfter(8 * 1024);
    tp.messages.answers = {platform::MsgAnswer::OK};
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("ROSSI MARIO %1").arg(i);
    const ListPrintOutcome outcome = PrintLookupList(lines, QStringLiteral("Stampa"), QStringLiteral("Elenco"));
    platform::setCurrentPrinter(before);
    EXPECT_EQ(outcome, ListPrintOutcome::Failed);
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    EXPECT_EQ(tp.messages.last().icon, platform::MsgIcon::Critical);
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_EQ(everything(), QStringList());
}

} // namespace
