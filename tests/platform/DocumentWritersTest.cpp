#include "platform/DocumentWriters.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <zip.h>

#include <optional>

using namespace platform;

namespace {

// One part of a zip package, or nothing when it is missing.
std::optional<QByteArray> zipPart(const QString& archivePath, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return std::nullopt;
    std::optional<QByteArray> out;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
            if (zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size))
                out = bytes;
            zip_fclose(file);
        }
    }
    zip_discard(archive);
    return out;
}

class Writers : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray content(const QString& name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
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

// ------------------------------------------------------------------ .xlsx

struct SheetCell {
    QString text;
    bool isString = false;
    bool hasFormula = false;
    int style = 0;
};

// The cells of a one-sheet workbook by reference ("A1"), their shared strings
// resolved; the bold flag of each cell style; the column widths.
struct ReadSheet {
    QMap<QString, SheetCell> cells;
    QList<bool> boldStyles;
    QMap<int, double> widths; // by column number, from 1
};

ReadSheet readSheet(const QString& path) {
    ReadSheet out;
    QStringList shared;
    {
        QXmlStreamReader r(zipPart(path, "xl/sharedStrings.xml").value_or(QByteArray()));
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("t"))
                shared << r.readElementText();
        }
        EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    }
    {
        QList<bool> fontBold;
        QList<int> xfFont;
        QXmlStreamReader r(zipPart(path, "xl/styles.xml").value_or(QByteArray()));
        bool inFonts = false, inCellXfs = false;
        while (!r.atEnd()) {
            r.readNext();
            const auto n = r.name();
            if (r.isStartElement()) {
                if (n == QLatin1String("fonts")) inFonts = true;
                else if (n == QLatin1String("cellXfs")) inCellXfs = true;
                else if (inFonts && n == QLatin1String("font")) fontBold << false;
                else if (inFonts && n == QLatin1String("b")) fontBold.last() = true;
                else if (inCellXfs && n == QLatin1String("xf")) xfFont << r.attributes().value(QLatin1String("fontId")).toInt();
            } else if (r.isEndElement()) {
                if (n == QLatin1String("fonts")) inFonts = false;
                else if (n == QLatin1String("cellXfs")) inCellXfs = false;
            }
        }
        EXPECT_FALSE(r.hasError());
        for (int font : xfFont)
            out.boldStyles << fontBold.value(font);
    }
    const auto xml = zipPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(xml);
    QXmlStreamReader r(xml.value_or(QByteArray()));
    QString ref;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const auto a = r.attributes();
        if (r.name() == QLatin1String("col")) {
            for (int c = a.value(QLatin1String("min")).toInt(); c <= a.value(QLatin1String("max")).toInt(); ++c)
                out.widths[c] = a.value(QLatin1String("width")).toDouble();
        } else if (r.name() == QLatin1String("c")) {
            ref = a.value(QLatin1String("r")).toString();
            SheetCell& cell = out.cells[ref];
            cell.isString = a.value(QLatin1String("t")) == QLatin1String("s");
            cell.style = a.value(QLatin1String("s")).toInt();
        } else if (r.name() == QLatin1String("f")) {
            out.cells[ref].hasFormula = true;
        } else if (r.name() == QLatin1String("v")) {
            SheetCell& cell = out.cells[ref];
            const QString v = r.readElementText();
            cell.text = cell.isString ? shared.value(v.toInt()) : v;
        }
    }
    EXPECT_FALSE(r.hasError());
    return out;
}

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

} // namespace
