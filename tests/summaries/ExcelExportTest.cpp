#include "support/ZipParts.h"
#include "common/RecordArchive.h"
#include "slips/frmSelezione.h"
#include "summaries/SlipSheet.h"
#include "summaries/SummaryArchive.h"
#include "summaries/frmToExcel.h"

#include <QDir>
#include <QFileInfo>

using namespace platform;

namespace {

const QString kRefusal = "Impossibile esportare in Microsoft Excel";

class ExcelExport : public ::testing::Test {
protected:
    TestPlatform tp;
    QString exportDir = tp.path("export");

    void SetUp() override { qputenv("QUILLORA_EXPORT_DIR", exportDir.toUtf8()); }
    void TearDown() override { qunsetenv("QUILLORA_EXPORT_DIR"); }

    // The export window over the slip workbench's chooser on `year`.
    frmToExcel& exportOf(const QString& year) {
        frmSelezione& chooser = Forms::get<frmSelezione>();
        chooser.txtAnno->setText(year);
        chooser.Show();
        return Forms::get<frmToExcel>();
    }
    void expectRefusal(const QString& text) {
        ASSERT_FALSE(tp.messages.shown.empty());
        EXPECT_EQ(tp.messages.last().text, text);
        EXPECT_EQ(tp.messages.last().title, kRefusal);
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    }
};

} // namespace

TEST(SlipSheet, EveryCellIsTheSlipsTextAsWritten) {
    EXPECT_EQ(SlipSheetHeader(), (QStringList{"C/C", "Importo versato", "Intestatario", "Causale", "Esecutore",
                                              "Via/Piazza", "CAP", QString::fromUtf8("Località"), "Note"}));
    SlipRecord s = fourSlips()[0];
    s.Street = "+39 VIA";
    s.Town = "@ROMA";
    const QStringList row = SlipSheetRow(s);
    EXPECT_EQ(row, (QStringList{"N. 000012345678", QString::fromUtf8("€ 125,50"), "COMUNE DI ROMA UFFICIO TRIBUTI",
                                "TASSA RIFIUTI ", "ROSSI MARIO ", "+39 VIA", "00184", "@ROMA", "=1+1"}));
    EXPECT_EQ(SlipSheetRow(SlipRecord()),
              (QStringList{"N. ", QString::fromUtf8("€ ,"), " ", " ", " ", "", "", "", ""}));
}

TEST_F(ExcelExport, TheWindowCountsTheArchiveWithItsFraction) {
    frmToExcel& w = exportOf("2031");
    EXPECT_EQ(w.windowTitle(), " Esporta archivio in foglio di MS Excel");
    EXPECT_EQ(w.lblTotale->text(), "di 0 record.");
    EXPECT_TRUE(QFile::exists(tp.path("2031.ccp")));
    EXPECT_EQ(w.txtEsportati->text(), "0");
    EXPECT_TRUE(w.txtEsportati->isReadOnly());
    EXPECT_TRUE(w.lblAttendere->isHidden());
    w.Unload();

    writeArchive(tp, "2030", {fourSlips()[0]}, QByteArray(1000 - 601, ' '));
    EXPECT_EQ(exportOf("2030").lblTotale->text(), "di 1,66389351081531 record.");
}

// A failed 51st slip whose undo the disk still refuses is not counted, as
// no other reader counts it; the fraction of a partial tail stays.
TEST_F(ExcelExport, TheWindowCountsTheArchiveAsTheOwedUndoLeavesIt) {
    QList<SlipRecord> fifty;
    for (int n = 0; n < 50; ++n)
        fifty << fourSlips()[n % 4];
    writeArchive(tp, "2029", fifty, QByteArray(300, ' '));
    {
        RecordArchive archive(tp.path("2029.ccp"), tp.path("2029.tmp"), SlipRecord::Length);
        ASSERT_TRUE(archive.OpenArchive());
        tp.fileCalls.failEveryCallFrom(6); // the record's sync and every call after it, the undo too
        EXPECT_FALSE(archive.Write(51, fourSlips()[0]));
    }
    ASSERT_EQ(QFileInfo(tp.path("2029.ccp")).size(), 51 * SlipRecord::Length) << "the slip reached the file";
    ASSERT_TRUE(RecordArchive::OwesUndo(tp.path("2029.ccp")));
    EXPECT_EQ(exportOf("2029").lblTotale->text(), "di 50,4991680532446 record.");
    Forms::get<frmToExcel>().Unload();

    tp.fileCalls.heal();
    EXPECT_EQ(exportOf("2029").lblTotale->text(), "di 50,4991680532446 record.") << "the undo now written";
    EXPECT_EQ(QFileInfo(tp.path("2029.ccp")).size(), 50 * SlipRecord::Length + 300);
}

TEST_F(ExcelExport, WritesOneRowPerWholeSlipAndOpensANewWorkbookEachTime) {
    writeArchive(tp, "2026", fourSlips(), QByteArray(100, 'z'));
    frmToExcel& w = exportOf("2026");
    EXPECT_EQ(w.lblTotale->text(), "di 4,16638935108153 record.");
    w.cmdEsporta->click();
    TestPlatform::settle();
    EXPECT_TRUE(tp.messages.shown.empty());
    ASSERT_EQ(tp.writers.sheets.size(), 1u);
    const XlsxSheet& sheet = tp.writers.sheets[0];
    EXPECT_EQ(sheet.header, SlipSheetHeader());
    ASSERT_EQ(sheet.rows.size(), 4);
    EXPECT_EQ(sheet.rows[0][4], "ROSSI MARIO ");
    EXPECT_EQ(sheet.rows[3][4], "Bianchi Anna ");
    const QString first = QDir(exportDir).filePath("Bollettini anno 2026.xlsx");
    EXPECT_EQ(tp.desktop.openedFiles, QStringList{first});
    EXPECT_FALSE(Forms::isLoaded<frmToExcel>());
    EXPECT_EQ(tp.program.busyDepth, 0);

    exportOf("2026").cmdEsporta->click();
    TestPlatform::settle();
    EXPECT_EQ(tp.desktop.openedFiles.last(), QDir(exportDir).filePath("Bollettini anno 2026 (2).xlsx"));
    EXPECT_TRUE(QFileInfo::exists(first));
}

TEST_F(ExcelExport, AnEmptyYearExportsTheHeaderRowOnly) {
    frmToExcel& w = exportOf("2031");
    w.cmdEsporta->click();
    ASSERT_EQ(tp.writers.sheets.size(), 1u);
    EXPECT_TRUE(tp.writers.sheets[0].rows.isEmpty());
    EXPECT_EQ(tp.writers.sheets[0].header.size(), 9);
    EXPECT_EQ(tp.desktop.openedFiles.size(), 1);
}

TEST_F(ExcelExport, WithoutASpreadsheetProgramNothingIsWrittenAndTheButtonStays) {
    tp.desktop.everyTypeHandled = false;
    frmToExcel& w = exportOf("2026");
    for (int i = 0; i < 2; ++i) {
        w.cmdEsporta->click();
        expectRefusal(QString::fromUtf8("L'applicativo Microsoft Excel non è installato su questo computer."));
    }
    EXPECT_TRUE(tp.writers.sheets.empty());
    EXPECT_TRUE(w.cmdEsporta->isEnabled());
    EXPECT_TRUE(w.lblAttendere->isHidden());
    EXPECT_TRUE(Forms::isLoaded<frmToExcel>());
}

TEST_F(ExcelExport, AWorkbookThatCannotBeWrittenKeepsTheWindowOpen) {
    writeArchive(tp, "2026", fourSlips());
    tp.writers.failing = true;
    frmToExcel& w = exportOf("2026");
    w.cmdEsporta->click();
    TestPlatform::settle();
    expectRefusal("Impossibile salvare il documento nella cartella " + exportDir + ".");
    EXPECT_EQ(w.txtEsportati->text(), "0") << "no row was saved";
    EXPECT_TRUE(Forms::isLoaded<frmToExcel>());
    EXPECT_TRUE(w.cmdEsporta->isEnabled());
    EXPECT_TRUE(w.lblAttendere->isHidden());
    EXPECT_TRUE(tp.desktop.openedFiles.isEmpty());
    EXPECT_TRUE(QDir(exportDir).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(tp.program.busyDepth, 0);
}

TEST_F(ExcelExport, AWorkbookThatCannotBeOpenedIsReportedWithItsPath) {
    tp.desktop.canOpen = false;
    frmToExcel& w = exportOf("2026");
    w.cmdEsporta->click();
    TestPlatform::settle();
    expectRefusal("Impossibile aprire il file " + QDir(exportDir).filePath("Bollettini anno 2026.xlsx") + ".");
    EXPECT_FALSE(Forms::isLoaded<frmToExcel>()) << "the workbook is there: the export is done";
}

// The count shows k once row k is in the workbook, never ahead of it, and 0
// when the workbook could not be saved.
TEST_F(ExcelExport, CountsTheRowsAsTheyAreWrittenAndZeroAfterAFailure) {
    QList<SlipRecord> many;
    for (int i = 0; i < 3000; ++i)
        many << summarySlip("P", QString::number(i), "R", "X", QString::number(i), "");
    writeArchive(tp, "2026", many);
    frmToExcel& w = exportOf("2026");
    QStringList shownBeforeRow;
    tp.writers.onRow = [&] { shownBeforeRow << w.txtEsportati->text(); };
    tp.desktop.canOpen = false; // keeps nothing but the message from closing it
    tp.messages.answers = {MsgAnswer::OK};
    w.cmdEsporta->click();
    EXPECT_EQ(w.txtEsportati->text(), "3000");
    ASSERT_EQ(shownBeforeRow.size(), 3000);
    for (int k = 0; k < 3000; k += 997)
        EXPECT_EQ(shownBeforeRow[k], QString::number(k)) << "row " << k + 1;
    EXPECT_EQ(tp.writers.sheets[0].rows.size(), 3000);
    EXPECT_EQ(tp.writers.sheets[0].rows[2999][0], "N. 2999");
    TestPlatform::settle();

    // A workbook that fails at its 1,001st row: the rest of the archive is not
    // read, nothing is saved and the count goes back to 0.
    frmToExcel& again = exportOf("2026");
    int rowsOffered = 0;
    tp.writers.onRow = [&] { ++rowsOffered; };
    tp.writers.rowsAccepted = 1000;
    tp.messages.answers = {MsgAnswer::OK};
    again.cmdEsporta->click();
    expectRefusal("Impossibile salvare il documento nella cartella " + exportDir + ".");
    EXPECT_EQ(again.txtEsportati->text(), "0");
    EXPECT_EQ(tp.writers.sheets[1].rows.size(), 1000);
    EXPECT_EQ(rowsOffered, 1001);
    EXPECT_TRUE(again.cmdEsporta->isEnabled());
    EXPECT_EQ(tp.writers.written.size(), 1) << "only the first workbook was saved";
}

// Through the real writer: the workbook on disk holds the slips' texts as
// strings, the header in bold, and not one formula. Cells and widths are the
// ones the export has always written (as the workbook it wrote when every
// row was kept in memory until the end).
TEST_F(ExcelExport, TheRealWorkbookKeepsEveryTextAsWritten) {
    platform::setDocumentWriters(nullptr);
    QList<SlipRecord> slips = fourSlips();
    slips[1].Notes = QString::fromUtf8("riga uno\r\nseconda riga molto più lunga di tutte\nterza");
    slips[2].Street = "  blanks  ";
    slips[3].Town = QString::fromUtf8("Città \U0001F600 x") + QChar(0x01);
    writeArchive(tp, "2026", slips);
    exportOf("2026").cmdEsporta->click();
    TestPlatform::settle();
    platform::setDocumentWriters(&tp.writers);
    EXPECT_TRUE(tp.messages.shown.empty());
    const QString path = QDir(exportDir).filePath("Bollettini anno 2026.xlsx");
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(tp.desktop.openedFiles, QStringList{path});
    EXPECT_EQ(QDir(exportDir).entryList(QDir::Files | QDir::Hidden), QStringList{"Bollettini anno 2026.xlsx"});

    const ReadSheet sheet = readSheet(path);
    QList<QStringList> rows{SlipSheetHeader()};
    for (const SlipRecord& slip : slips)
        rows << SlipSheetRow(SlipRecord::decode(slip.encode())); // as the archive gives it back
    QStringList refs;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString ref = QChar('A' + c) + QString::number(r + 1);
            if (rows[r][c].isEmpty())
                continue; // an empty text makes no cell
            refs << ref;
            const SheetCell cell = sheet.cells.value(ref);
            // CR is kept as Excel writes it; what XML cannot hold is dropped.
            const QString expected = QString(rows[r][c]).replace("\r\n", "_x000D_\n").remove(QChar(0x01));
            EXPECT_EQ(cell.text, expected) << ref.toStdString();
            EXPECT_TRUE(cell.isString) << ref.toStdString();
            EXPECT_FALSE(cell.hasFormula) << ref.toStdString();
            EXPECT_EQ(sheet.boldStyles.value(cell.style), r == 0) << ref.toStdString();
        }
    }
    refs.sort();
    EXPECT_EQ(sheet.cells.keys(), refs);
    EXPECT_EQ(sheet.cells.value("I2").text, "=1+1");
    EXPECT_EQ(sheet.cells.value("G2").text, "00184");
    EXPECT_EQ(sheet.cells.value("F4").text, "blanks");
    EXPECT_EQ(sheet.cells.value("H5").text, QString::fromUtf8("Città ? x"));
    // Each column two characters wider than its longest line.
    const QMap<int, double> widths{{1, 17.7109375}, {2, 17.7109375}, {3, 32.7109375}, {4, 16.7109375}, {5, 15.7109375},
                                   {6, 12.7109375}, {7, 7.7109375},  {8, 11.7109375}, {9, 39.7109375}};
    EXPECT_EQ(sheet.widths, widths);
}
