#include "platform/DocumentWriters.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "support/ExportScope.h"
#include "support/FaultyFileCalls.h"
#include "support/FolderFiles.h"
#include "support/ZipParts.h"

#include <clocale>
#include <functional>
#include <map>
#include <cstdio>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace platform;

namespace {

class Writers : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    void put(const QString& name, const QByteArray& bytes) const { PutFile(dir.path(), name, bytes); }
    QByteArray content(const QString& name) const { return FileContent(dir.path(), name); }
};

// ------------------------------------------------------------------ .docx

struct WordParagraph {
    QString text;
    QString font; // rFonts ascii
    int halfPoints = 0;
    bool bold = false;
    bool inTable = false;
};

// The paragraphs of word/document.xml as Word reads them: texts joined, tabs
// and breaks back as characters. Fails the test on malformed XML.
QList<WordParagraph> wordParagraphs(const QByteArray& xml) {
    QList<WordParagraph> out;
    QXmlStreamReader r(xml);
    int tableDepth = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const auto n = r.qualifiedName();
            if (n == QLatin1String("w:tbl"))
                ++tableDepth;
            else if (n == QLatin1String("w:p"))
                out.append(WordParagraph{{}, {}, 0, false, tableDepth > 0});
            else if (n == QLatin1String("w:rFonts"))
                out.last().font = r.attributes().value(QLatin1String("w:ascii")).toString();
            else if (n == QLatin1String("w:sz"))
                out.last().halfPoints = r.attributes().value(QLatin1String("w:val")).toInt();
            else if (n == QLatin1String("w:b"))
                out.last().bold = true;
            else if (n == QLatin1String("w:tab"))
                out.last().text += QLatin1Char('\t');
            else if (n == QLatin1String("w:br"))
                out.last().text += QLatin1Char('\n');
            else if (n == QLatin1String("w:t")) {
                EXPECT_EQ(r.attributes().value(QLatin1String("xml:space")), QLatin1String("preserve"));
                out.last().text += r.readElementText();
            }
        } else if (r.isEndElement() && r.qualifiedName() == QLatin1String("w:tbl")) {
            --tableDepth;
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return out;
}

DocxDocument card() {
    DocxDocument d;
    d.before = {{QStringLiteral("SCHEDA INTESTATARIO"), QStringLiteral("Arial"), 16, true}, {}};
    d.tableRows = {{QStringLiteral("Nome"), QStringLiteral("ROSSI MARIO")},
                   {QStringLiteral("Conto"), QStringLiteral("00184")}};
    d.tableFont = QStringLiteral("Times New Roman");
    d.tablePoints = 11.5;
    d.after = {{QStringLiteral("Scheda stampata in data 05/03/2012."), QStringLiteral("Arial"), 8, false}};
    return d;
}

TEST_F(Writers, DocxIsAWordPackageWithParagraphsAndABorderedTable) {
    const QString path = documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda"));
    ASSERT_EQ(path, dir.filePath(QStringLiteral("Scheda.docx")));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Scheda.docx")}) << "no temporary file is left";

    const auto types = zipPart(path, "[Content_Types].xml");
    ASSERT_TRUE(types);
    EXPECT_TRUE(types->contains("wordprocessingml.document.main+xml"));
    const auto rels = zipPart(path, "_rels/.rels");
    ASSERT_TRUE(rels);
    EXPECT_TRUE(rels->contains("Target=\"word/document.xml\""));
    const auto xml = zipPart(path, "word/document.xml");
    ASSERT_TRUE(xml);
    EXPECT_EQ(xml->count("<w:tr>"), 2);
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        EXPECT_TRUE(xml->contains(QByteArray("<w:") + side + " w:val=\"single\"")) << side;

    const auto ps = wordParagraphs(*xml);
    ASSERT_EQ(ps.size(), 7);
    EXPECT_EQ(ps[0].text, "SCHEDA INTESTATARIO");
    EXPECT_EQ(ps[0].font, "Arial");
    EXPECT_EQ(ps[0].halfPoints, 32);
    EXPECT_TRUE(ps[0].bold);
    EXPECT_EQ(ps[1].text, "") << "the empty paragraph";
    EXPECT_EQ(ps[1].halfPoints, 28) << "an empty paragraph keeps its size";
    const QStringList cells{"Nome", "ROSSI MARIO", "Conto", "00184"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ps[2 + i].text, cells[i]);
        EXPECT_TRUE(ps[2 + i].inTable);
        EXPECT_EQ(ps[2 + i].font, "Times New Roman");
        EXPECT_EQ(ps[2 + i].halfPoints, 23);
        EXPECT_FALSE(ps[2 + i].bold);
    }
    EXPECT_EQ(ps[6].text, "Scheda stampata in data 05/03/2012.");
    EXPECT_FALSE(ps[6].inTable);
    EXPECT_EQ(ps[6].halfPoints, 16);
}

TEST_F(Writers, DocxTextsAreEscapedAndKeepBlanksButNotWhatXmlForbids) {
    DocxDocument d;
    const QString markup = QStringLiteral("A & B <c> \"d\" 'e' </w:t>");
    const QString blanks = QStringLiteral("  due  spazi  ");
    QString forbidden = QStringLiteral("x");
    forbidden += QChar(0x01);
    forbidden += QChar(0xFFFE);
    forbidden += QChar(0xD800); // a lone surrogate
    forbidden += QStringLiteral("y\U0001F600z");
    d.before = {{markup}, {blanks}, {forbidden}, {QStringLiteral("a\tb\r\nc\nd")}};
    d.tableRows = {{QStringLiteral("<Nome>"), QStringLiteral("O'Neil & Co.")}};
    d.tableFont = QStringLiteral("Font \"strano\" & <co>");

    const QString path = documentWriters().writeDocx(d, dir.path(), QStringLiteral("Segni"));
    ASSERT_FALSE(path.isEmpty());
    const auto xml = zipPart(path, "word/document.xml");
    ASSERT_TRUE(xml);
    EXPECT_TRUE(xml->contains("A &amp; B &lt;c&gt; &quot;d&quot; &apos;e&apos; &lt;/w:t&gt;"));
    EXPECT_FALSE(xml->contains('\x01'));

    const auto ps = wordParagraphs(*xml); // also checks that the XML is well formed
    ASSERT_GE(ps.size(), 6);
    EXPECT_EQ(ps[0].text, markup);
    EXPECT_EQ(ps[1].text, blanks);
    EXPECT_EQ(ps[2].text, QStringLiteral("xy\U0001F600z"));
    EXPECT_EQ(ps[3].text, QStringLiteral("a\tb\nc\nd"));
    EXPECT_EQ(ps[4].text, "<Nome>");
    EXPECT_EQ(ps[5].text, "O'Neil & Co.");
    EXPECT_EQ(ps[4].font, d.tableFont);
}

TEST_F(Writers, DocxWithoutRowsHasNoTable) {
    DocxDocument d;
    d.before = {{QStringLiteral("Solo testo")}};
    const QString path = documentWriters().writeDocx(d, dir.path(), QStringLiteral("Testo"));
    ASSERT_FALSE(path.isEmpty());
    const auto xml = zipPart(path, "word/document.xml");
    ASSERT_TRUE(xml);
    EXPECT_FALSE(xml->contains("<w:tbl>"));
    EXPECT_EQ(wordParagraphs(*xml).size(), 1);
}

// ------------------------------------------------------------------ naming and failures

TEST_F(Writers, ExistingFilesAreNeverReplacedTheNextNumberIsTaken) {
    put(QStringLiteral("Scheda.docx"), "mine");
    put(QStringLiteral("Scheda (2).docx"), "mine too");
    EXPECT_EQ(FreeFileName(dir.path(), QStringLiteral("Scheda"), QStringLiteral(".docx")), "Scheda (3).docx");

    EXPECT_EQ(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")),
              dir.filePath(QStringLiteral("Scheda (3).docx")));
    EXPECT_EQ(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")),
              dir.filePath(QStringLiteral("Scheda (4).docx")));
    EXPECT_EQ(content(QStringLiteral("Scheda.docx")), "mine");
    EXPECT_EQ(content(QStringLiteral("Scheda (2).docx")), "mine too");

    // A folder of that name is not replaced either.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Foglio.xlsx")));
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Anno")};
    EXPECT_EQ(documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Foglio")),
              dir.filePath(QStringLiteral("Foglio (2).xlsx")));
    EXPECT_EQ(files(), (QStringList{"Foglio (2).xlsx", "Scheda (2).docx", "Scheda (3).docx", "Scheda (4).docx",
                                    "Scheda.docx"}));
}

// A file system with neither rename flags nor hard links: each export gets
// the next free name all the same, whole, and a failure of the way it takes
// that name is reported and leaves nothing.
TEST_F(Writers, WithoutHardLinksOrRenameFlagsTheNextFreeNameIsStillTaken) {
    FaultyFileCalls calls;
    calls.withoutLinks = true;
    platform::setFileCalls(&calls);
    put(QStringLiteral("Scheda.docx"), "mine");
    for (const char* name : {"Scheda (2).docx", "Scheda (3).docx"})
        EXPECT_EQ(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")), dir.filePath(name));
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Anno")};
    for (const char* name : {"Foglio.xlsx", "Foglio (2).xlsx"})
        EXPECT_EQ(documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Foglio")), dir.filePath(name));
    EXPECT_EQ(content(QStringLiteral("Scheda.docx")), "mine");
    for (const char* name : {"Scheda (2).docx", "Scheda (3).docx", "Foglio.xlsx", "Foglio (2).xlsx"})
        EXPECT_TRUE(content(name).startsWith("PK\x03\x04")) << name;
    const QStringList whole{"Foglio (2).xlsx", "Foglio.xlsx", "Scheda (2).docx", "Scheda (3).docx", "Scheda.docx"};
    EXPECT_EQ(files(), whole);

    // The temporary file is the first file made, its note the second, the
    // reservation the third; the file's sync is the first, the note's the
    // second, the folder's the third.
    using Call = FaultyFileCalls::Call;
    const struct {
        const char* fault;
        std::function<void()> arm;
    } faults[] = {
        {"the note cannot be made", [&] { calls.failCall(Call::Open, 2); }},
        {"the note's sync fails", [&] { calls.failSync(2); }},
        {"the folder's sync after the note fails", [&] { calls.failSync(3); }},
        {"the reservation cannot be made", [&] { calls.failCall(Call::Open, 3); }},
        {"the rename over the reservation fails", [&] { calls.failCall(Call::Rename, 1); }},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.fault);
        f.arm();
        EXPECT_TRUE(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")).isEmpty());
        EXPECT_EQ(files(), whole);
        calls.heal();
        calls.withoutLinks = true;
    }
    EXPECT_EQ(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")),
              dir.filePath(QStringLiteral("Scheda (4).docx")));
    platform::setFileCalls(nullptr);
}

// The real file calls, refusing with EPERM, as FAT through a FUSE driver can,
// any write that does not carry on where the last one on that file ended.
class FrontToBackOnly final : public platform::FileCalls {
public:
    qint64 written = 0;
    ssize_t writeAt(int fd, const char* data, size_t size, off_t offset) override {
        qint64& end = ends_[fd];
        if (offset != end) {
            errno = EPERM;
            return -1;
        }
        const ssize_t put = FileCalls::writeAt(fd, data, size, offset);
        if (put > 0) {
            end += put;
            written += put;
        }
        return put;
    }
    int close(int fd) override {
        ends_.erase(fd);
        return FileCalls::close(fd);
    }

private:
    std::map<int, qint64> ends_;
};

// A workbook reaches its file front to back, every byte through the file
// calls.
TEST_F(Writers, AWorkbookIsWrittenFrontToBack) {
    FrontToBackOnly calls;
    platform::setFileCalls(&calls);
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Anno"), QStringLiteral("Causale")};
    for (int row = 0; row < 2000; ++row)
        sheet.rows.append({QString::number(2000 + row), QStringLiteral("pagamento numero %1").arg(row)});
    const QString path = documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Foglio"));
    platform::setFileCalls(nullptr);
    ASSERT_EQ(path, dir.filePath(QStringLiteral("Foglio.xlsx")));
    EXPECT_EQ(calls.written, QFileInfo(path).size());
    const ReadSheet read = readSheet(path);
    EXPECT_EQ(read.cells.value(QStringLiteral("B2001")).text, "pagamento numero 1999");
}

TEST_F(Writers, AFailedWriteGivesNoPathAndLeavesNothing) {
    const QString missing = dir.filePath(QStringLiteral("gone"));
    EXPECT_TRUE(documentWriters().writeDocx(card(), missing, QStringLiteral("Scheda")).isEmpty());
    EXPECT_TRUE(documentWriters().writeXlsx({}, missing, QStringLiteral("Foglio")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing)) << "the folder is not made";

    put(QStringLiteral("file"), "x");
    const QString underAFile = dir.filePath(QStringLiteral("file"));
    EXPECT_TRUE(documentWriters().writeDocx(card(), underAFile, QStringLiteral("Scheda")).isEmpty());
    EXPECT_TRUE(documentWriters().writeXlsx({}, underAFile, QStringLiteral("Foglio")).isEmpty());

    // Names that would leave the folder or cannot be a file name.
    for (const QString& base : {QStringLiteral("../Scheda"), QStringLiteral(""), QStringLiteral("  "),
                                QStringLiteral("a") + QChar(0) + QStringLiteral("b")})
        EXPECT_TRUE(documentWriters().writeDocx(card(), dir.path(), base).isEmpty()) << base.toStdString();

    // The document is written, but no name that long can be given to it.
    const QString tooLong(300, QLatin1Char('s'));
    EXPECT_TRUE(documentWriters().writeDocx(card(), dir.path(), tooLong).isEmpty());
    EXPECT_TRUE(documentWriters().writeXlsx({}, dir.path(), tooLong).isEmpty());

    // A cell longer than a workbook can hold fails the whole workbook.
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Causale")};
    sheet.rows = {{QString(40000, QLatin1Char('c'))}};
    EXPECT_TRUE(documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Lungo")).isEmpty());

    EXPECT_EQ(files(), QStringList{QStringLiteral("file")}) << "no temporary file is left";
}

TEST_F(Writers, ExportFolderIsTheVariablesAndIsMade) {
    const QByteArray saved = qgetenv("QUILLORA_EXPORT_DIR");
    const QString wanted = dir.filePath(QStringLiteral("esportazioni/2012"));
    qputenv("QUILLORA_EXPORT_DIR", wanted.toUtf8());
    EXPECT_EQ(exportFolder(), wanted);
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    qputenv("QUILLORA_EXPORT_DIR", "");
    EXPECT_NE(exportFolder(), wanted);
    if (saved.isNull())
        qunsetenv("QUILLORA_EXPORT_DIR");
    else
        qputenv("QUILLORA_EXPORT_DIR", saved);
}

// ------------------------------------------------------------------ leftovers of killed writes

// What a write killed halfway leaves: its hidden temporary file, unlocked
// (the lock went with the process), with part of a document in it.
constexpr char kKilled[] = ".quillora-0123456789abcdef.tmp";

TEST_F(Writers, AKilledWriteLeavesNothingAfterTheNextWriteOrTheStart) {
    put(kKilled, QByteArray(4096, 'P'));
    EXPECT_FALSE(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")).isEmpty());
    EXPECT_EQ(files(), QStringList{QStringLiteral("Scheda.docx")});

    put(kKilled, QByteArray(4096, 'P'));
    const auto writer = documentWriters().startXlsx({QStringLiteral("A")}, dir.path(), QStringLiteral("Foglio"));
    ASSERT_TRUE(writer);
    EXPECT_EQ(files().size(), 2) << "the new workbook's own temporary file and nothing else";
    EXPECT_FALSE(files().contains(kKilled));
    EXPECT_FALSE(writer->finish().isEmpty());
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Foglio.xlsx"), QStringLiteral("Scheda.docx")}));

    // The start clears the export folder, and does not make a missing one.
    put(kKilled, QByteArray(4096, 'P'));
    {
        const ExportScope scope(dir.path());
        RemoveExportLeftovers();
    }
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Foglio.xlsx"), QStringLiteral("Scheda.docx")}));
    const QString missing = dir.filePath(QStringLiteral("Documenti"));
    const ExportScope scope(missing);
    RemoveExportLeftovers();
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(Writers, OnlyFilesNamedExactlyAsTheWritersNameTheirsAreCleared) {
    const QStringList strangers{
        ".quillora-0123456789ABCDEF.tmp",  ".quillora-0123456789abcde.tmp", ".quillora-0123456789abcdef0.tmp",
        "quillora-0123456789abcdef.tmp",   ".quillora-0123456789abcdef.tmp.old",
        ".quillora-0123456789abcdef.tmp\n", "x.quillora-0123456789abcdef.tmp", ".quillora-012345678g abcdef.tmp",
        ".2026.ccp.abc.tmp", // the file copier's, not the writers'
    };
    for (const QString& name : strangers)
        put(name, "mio");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".quillora-00000000000000aa.tmp")));
    put(QStringLiteral("appunti.txt"), "mio");
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("appunti.txt")),
                            dir.filePath(QStringLiteral(".quillora-00000000000000bb.tmp"))));
    const QString inSubfolder = QStringLiteral("sotto/") + kKilled;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sotto")));
    put(inSubfolder, "mio");

    ASSERT_FALSE(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")).isEmpty());
    ASSERT_FALSE(documentWriters().writeXlsx({}, dir.path(), QStringLiteral("Foglio")).isEmpty());
    const ExportScope scope(dir.path());
    RemoveExportLeftovers();

    QStringList expected = QStringList(strangers)
                           << "appunti.txt" << ".quillora-00000000000000bb.tmp" << "Scheda.docx" << "Foglio.xlsx";
    expected.sort();
    EXPECT_EQ(files(), expected);
    const QStringList untouched = QStringList(strangers) << inSubfolder << "appunti.txt";
    for (const QString& name : untouched)
        EXPECT_EQ(content(name), "mio") << name.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".quillora-00000000000000aa.tmp"))).isDir());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".quillora-00000000000000bb.tmp"))).isSymLink());
}

// A second instance of the program exports into the same folder, or this one
// has a workbook open: the file being written holds its writer's lock and
// stays through every cleanup; a leftover beside it goes.
TEST_F(Writers, AWriteStillRunningKeepsItsFileThroughEveryCleanup) {
    const auto running = documentWriters().startXlsx({QStringLiteral("N")}, dir.path(), QStringLiteral("Lungo"));
    ASSERT_TRUE(running);
    for (int i = 1; i <= 3000; ++i)
        ASSERT_TRUE(running->addRow({QString::number(i)}));
    const QStringList whileRunning = files();
    ASSERT_EQ(whileRunning.size(), 1) << "the workbook and its library keep no other file here";
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.quillora-[0-9a-f]{16}\\.tmp\\z"))
                    .match(whileRunning[0])
                    .hasMatch())
        << whileRunning[0].toStdString();

    // Another process's write, as the writer locks it.
    constexpr char kElsewhere[] = ".quillora-fedcba9876543210.tmp";
    put(kElsewhere, "in corso");
    const int elsewhere = ::open(QFile::encodeName(dir.filePath(kElsewhere)).constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(elsewhere, 0);
    ASSERT_EQ(::flock(elsewhere, LOCK_EX), 0);
    put(kKilled, "interrotto");

    ASSERT_FALSE(documentWriters().writeDocx(card(), dir.path(), QStringLiteral("Scheda")).isEmpty());
    {
        const ExportScope scope(dir.path());
        RemoveExportLeftovers();
    }
    QStringList kept{kElsewhere, whileRunning[0], QStringLiteral("Scheda.docx")};
    kept.sort();
    EXPECT_EQ(files(), kept);
    EXPECT_EQ(content(kElsewhere), "in corso");

    for (int i = 3001; i <= 3010; ++i)
        ASSERT_TRUE(running->addRow({QString::number(i)}));
    const QString path = running->finish();
    ASSERT_EQ(path, dir.filePath(QStringLiteral("Lungo.xlsx")));
    EXPECT_EQ(readSheet(path).cells.value(QStringLiteral("A3011")).text, "3010");

    // Once that process is gone its file is a leftover like any other.
    ::close(elsewhere);
    ASSERT_FALSE(documentWriters().writeXlsx({}, dir.path(), QStringLiteral("Foglio")).isEmpty());
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Foglio.xlsx"), QStringLiteral("Lungo.xlsx"),
                                    QStringLiteral("Scheda.docx")}));
}

// ------------------------------------------------------------------ .xlsx

TEST_F(Writers, XlsxCellsAreStringsUnderABoldHeader) {
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Conto"), QStringLiteral("Importo"), QStringLiteral("Causale")};
    sheet.rows = {{QStringLiteral("00184"), QStringLiteral("=1+1"), QStringLiteral("A & B <c> 'd'")},
                  {QStringLiteral("1234567890"), QStringLiteral("12,50"), QStringLiteral("x") + QChar(0x01) + "y"}};
    const QString path = documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Archivio 2012"));
    ASSERT_EQ(path, dir.filePath(QStringLiteral("Archivio 2012.xlsx")));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Archivio 2012.xlsx")});

    const ReadSheet read = readSheet(path);
    const QMap<QString, QString> expected{
        {"A1", "Conto"}, {"B1", "Importo"}, {"C1", "Causale"},
        {"A2", "00184"}, {"B2", "=1+1"},    {"C2", "A & B <c> 'd'"},
        {"A3", "1234567890"}, {"B3", "12,50"}, {"C3", "xy"}};
    ASSERT_EQ(read.cells.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const SheetCell& cell = read.cells.value(it.key());
        EXPECT_EQ(cell.text, it.value()) << it.key().toStdString();
        EXPECT_TRUE(cell.isString) << it.key().toStdString();
        EXPECT_FALSE(cell.hasFormula) << it.key().toStdString();
        const bool headerRow = it.key().endsWith(QLatin1Char('1'));
        EXPECT_EQ(read.boldStyles.value(cell.style), headerRow) << it.key().toStdString();
    }
    EXPECT_FALSE(zipPart(path, "xl/worksheets/sheet1.xml")->contains("<f>"));
}

TEST_F(Writers, XlsxColumnsAreAsWideAsTheirLongestText) {
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("N"), QStringLiteral("Causale"), QString()};
    sheet.rows = {{QStringLiteral("1"), QStringLiteral("Canone di locazione marzo")},
                  {QStringLiteral("12"), QStringLiteral("breve\nriga più lunga di tutte quante le altre")}};
    const QString path = documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Larghezze"));
    ASSERT_FALSE(path.isEmpty());
    const ReadSheet read = readSheet(path);
    ASSERT_TRUE(read.widths.contains(1));
    ASSERT_TRUE(read.widths.contains(2));
    EXPECT_GE(read.widths[1], 2);
    EXPECT_LT(read.widths[1], 8);
    const double longest = QStringLiteral("riga più lunga di tutte quante le altre").size();
    EXPECT_GE(read.widths[2], longest);
    EXPECT_LT(read.widths[2], longest + 4) << "a text of several lines is as wide as its longest line";
    EXPECT_FALSE(read.widths.contains(3)) << "an empty column keeps the default width";
}

// Every way a line can end, and a character outside the 16-bit plane (two
// UTF-16 units, one character): each column below is as wide as the first,
// whose longest line has ten characters.
TEST_F(Writers, XlsxLineLengthsCountCharactersOfTheLongestLine) {
    XlsxSheet sheet;
    sheet.header = {QStringLiteral("0123456789"), QStringLiteral("ab\r\n0123456789\r\nc"),
                    QStringLiteral("0123456789\rabc"), QStringLiteral("x\n\r0123456789"),
                    QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F6000123\U0001F600\U0001F600"),
                    QStringLiteral("\r\n\r\n012345678\r\n\n\n")};
    const ReadSheet read = readSheet(documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Righe")));
    ASSERT_EQ(read.widths.size(), 6);
    for (int c = 2; c <= 5; ++c)
        EXPECT_EQ(read.widths.value(c), read.widths.value(1)) << "column " << c;
    EXPECT_EQ(read.widths.value(6), read.widths.value(1) - 1) << "nine characters";
}

// Rows go to the workbook one by one; only a finished workbook becomes a file.
TEST_F(Writers, XlsxWrittenRowByRowIsAFileOnlyOnceFinished) {
    {
        const auto dropped = documentWriters().startXlsx({QStringLiteral("A")}, dir.path(), QStringLiteral("Lasciato"));
        ASSERT_TRUE(dropped);
        EXPECT_TRUE(dropped->addRow({QStringLiteral("1")}));
    }
    EXPECT_TRUE(files().isEmpty()) << "a workbook never finished leaves nothing";

    const auto writer = documentWriters().startXlsx({QStringLiteral("N"), QStringLiteral("Nota")}, dir.path(),
                                                    QStringLiteral("Righe"));
    ASSERT_TRUE(writer);
    for (int i = 1; i <= 2000; ++i)
        ASSERT_TRUE(writer->addRow({QString::number(i), QStringLiteral("nota %1").arg(i)}));
    const QString path = writer->finish();
    ASSERT_EQ(path, dir.filePath(QStringLiteral("Righe.xlsx")));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Righe.xlsx")});
    const ReadSheet read = readSheet(path);
    EXPECT_EQ(read.cells.size(), 2 * 2001);
    EXPECT_EQ(read.cells.value(QStringLiteral("A2001")).text, "2000");
    EXPECT_EQ(read.cells.value(QStringLiteral("B2001")).text, "nota 2000");
    EXPECT_TRUE(read.boldStyles.value(read.cells.value(QStringLiteral("B1")).style));
    EXPECT_FALSE(read.boldStyles.value(read.cells.value(QStringLiteral("B2")).style));

    // A row that cannot be written fails the rows after it and the workbook.
    const auto failing = documentWriters().startXlsx({QStringLiteral("A")}, dir.path(), QStringLiteral("Rotto"));
    ASSERT_TRUE(failing);
    EXPECT_TRUE(failing->addRow({QStringLiteral("1")}));
    EXPECT_FALSE(failing->addRow({QString(40000, QLatin1Char('c'))}));
    EXPECT_FALSE(failing->addRow({QStringLiteral("3")}));
    EXPECT_TRUE(failing->finish().isEmpty());
    EXPECT_EQ(files(), QStringList{QStringLiteral("Righe.xlsx")});

    EXPECT_FALSE(documentWriters().startXlsx({}, dir.filePath(QStringLiteral("assente")), QStringLiteral("X")));
    EXPECT_FALSE(documentWriters().startXlsx({}, dir.path(), QStringLiteral("../X")));
}

// ------------------------------------------------------------------ numbers under a comma locale

// While it lives, the process formats numbers the Italian way ("0,5"), from
// the locale the build made for the tests; the previous numeric locale and
// LOCPATH come back after.
class ItalianNumbers {
public:
    ItalianNumbers() : hadLocPath_(qEnvironmentVariableIsSet("LOCPATH")), locPath_(qgetenv("LOCPATH")) {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        previous_ = current ? current : "C";
        qputenv("LOCPATH", QUILLORA_TEST_LOCPATH);
        active_ = std::setlocale(LC_NUMERIC, "it_IT.UTF-8") != nullptr;
    }
    ~ItalianNumbers() {
        std::setlocale(LC_NUMERIC, previous_.c_str());
        if (hadLocPath_)
            qputenv("LOCPATH", locPath_);
        else
            qunsetenv("LOCPATH");
    }
    ItalianNumbers(const ItalianNumbers&) = delete;
    ItalianNumbers& operator=(const ItalianNumbers&) = delete;

    bool active() const { return active_; }

private:
    bool hadLocPath_;
    QByteArray locPath_;
    std::string previous_;
    bool active_ = false;
};

// The attribute values of every XML part of the package that are numbers
// with a decimal point or a decimal comma, as "part: name=value".
struct PackageDecimals {
    QStringList dots;
    QStringList commas;
};

PackageDecimals packageDecimals(const QString& path) {
    static const QRegularExpression dot(QStringLiteral("^[+-]?[0-9]*\\.[0-9]+$"));
    static const QRegularExpression comma(QStringLiteral("^[+-]?[0-9]*,[0-9]+$"));
    PackageDecimals out;
    const QStringList parts = zipPartNames(path);
    EXPECT_FALSE(parts.isEmpty());
    for (const QString& part : parts) {
        QXmlStreamReader r(zipPart(path, part.toUtf8().constData()).value_or(QByteArray()));
        while (!r.atEnd()) {
            if (r.readNext() != QXmlStreamReader::StartElement)
                continue;
            for (const QXmlStreamAttribute& a : r.attributes()) {
                const QString value = a.value().toString();
                const QString seen = part + QStringLiteral(": ") + a.qualifiedName().toString() + u'=' + value;
                if (dot.match(value).hasMatch())
                    out.dots << seen;
                if (comma.match(value).hasMatch())
                    out.commas << seen;
            }
        }
        EXPECT_FALSE(r.hasError()) << part.toStdString() << ": " << r.errorString().toStdString();
    }
    return out;
}

// Started under an Italian locale the program's numbers still have to be
// written with a dot: a validating reader refuses "17,71" and LibreOffice
// loses the widths and the page margins.
TEST_F(Writers, NumbersInEveryPartAreWrittenWithADotUnderACommaLocale) {
    const ItalianNumbers italian;
    ASSERT_TRUE(italian.active()) << "the it_IT.UTF-8 locale made by the build was not found under "
                                  << QUILLORA_TEST_LOCPATH;
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%.1f", 0.5);
    ASSERT_STREQ(formatted, "0,5") << "the comma locale is not in force";

    XlsxSheet sheet;
    sheet.header = {QStringLiteral("Conto"), QStringLiteral("Causale")};
    sheet.rows = {{QStringLiteral("12,50"), QStringLiteral("Canone di locazione")}};
    const QString workbook = documentWriters().writeXlsx(sheet, dir.path(), QStringLiteral("Virgola"));
    ASSERT_FALSE(workbook.isEmpty());
    const PackageDecimals inWorkbook = packageDecimals(workbook);
    EXPECT_TRUE(inWorkbook.commas.isEmpty()) << inWorkbook.commas.join(QStringLiteral("; ")).toStdString();
    for (const char* expected : {"xl/worksheets/sheet1.xml: left=0.7", "xl/worksheets/sheet1.xml: top=0.75",
                                 "xl/worksheets/sheet1.xml: width=7.7109375"})
        EXPECT_TRUE(inWorkbook.dots.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(readSheet(workbook).cells.value(QStringLiteral("A2")).text, "12,50") << "texts keep their commas";

    DocxDocument document = card();
    document.before[0].points = 10.75;
    const QString word = documentWriters().writeDocx(document, dir.path(), QStringLiteral("Virgola"));
    ASSERT_FALSE(word.isEmpty());
    const PackageDecimals inDocument = packageDecimals(word);
    EXPECT_TRUE(inDocument.commas.isEmpty()) << inDocument.commas.join(QStringLiteral("; ")).toStdString();

    std::snprintf(formatted, sizeof formatted, "%.1f", 0.5);
    EXPECT_STREQ(formatted, "0,5") << "the writers leave the process's locale as it was";
}

} // namespace
