#include "platform/Printers.h"
#include "services/frmHelpForm.h"
#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QFile>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class HelpForm : public ::testing::Test {
protected:
    TestPlatform tp;
    RecordingPrinter& printer = tp.printer;
    FakeDesktop& desktop = tp.desktop;
};

TEST_F(HelpForm, ParagraphsAreJoinedByOneEmptyLineAndEachTopicStartsAfresh) {
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& h = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(h.windowTitle(), " Guida in linea");
        EXPECT_EQ(h.lblTitolo->text(), "Uno");
        EXPECT_DOUBLE_EQ(h.lblTitolo->font().pointSizeF(), 9.75);
        EXPECT_EQ(h.txtTesto->text(), "solo");
    });
    ShowHelpTopic({"Uno", {"solo"}});

    QStringList nine;
    for (int i = 1; i <= 9; ++i)
        nine << QString("p%1").arg(i);
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& h = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(h.txtTesto->text(), "p1\r\n\r\np2\r\n\r\np3\r\n\r\np4\r\n\r\np5\r\n\r\np6\r\n\r\np7\r\n\r\np8\r\n\r\np9");
    });
    ShowHelpTopic({"Nove", nine});
}

TEST_F(HelpForm, PrintAsksFirstAndNoLeavesThePrinterAlone) {
    tp.modal.expect("frmHelpForm", [&](QWidget& w) {
        auto& h = static_cast<frmHelpForm&>(w);
        tp.messages.answers = {MsgAnswer::No};
        h.cmdStampa->click();
        EXPECT_EQ(tp.messages.last().title, "Stampa argomento della guida in linea");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Question);
        EXPECT_TRUE(printer.log.empty());

        tp.messages.answers = {MsgAnswer::Yes};
        h.cmdStampa->click();
        EXPECT_TRUE(h.isVisible()); // the help window stays open
    });
    ShowHelpTopic({" Titolo ", {"Primo paragrafo.", "Secondo."}});
    const QStringList lines = printer.lines();
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.at(3), "Titolo");
    EXPECT_TRUE(lines.contains("Primo paragrafo."));
    EXPECT_TRUE(lines.contains("Secondo."));
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);
}

TEST_F(HelpForm, ManualOpensFromTheProgramFolderOrReportsItMissing) {
    tp.modal.expect("frmHelpForm", [&](QWidget& w) {
        auto& h = static_cast<frmHelpForm&>(w);
        h.lblPDF_MouseDown();
        EXPECT_EQ(h.lblPDF->foreColor(), 0x0000C0u);
        h.lblPDF_MouseUp();
        EXPECT_EQ(h.lblPDF->foreColor(), 0x800000u);
        ASSERT_EQ(desktop.openedFiles.size(), 1);
        EXPECT_EQ(desktop.openedFiles.at(0), tp.path("Guida.pdf"));
        EXPECT_EQ(tp.messages.last().text, "File della guida non trovato.");
        EXPECT_EQ(tp.messages.last().title, "Attenzione: impossibile aprire il file");
        EXPECT_EQ(tp.program.busyDepth, 0);

        QFile pdf(tp.path("Guida.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        const auto before = tp.messages.shown.size();
        h.imgPDF_MouseUp();
        EXPECT_EQ(tp.messages.shown.size(), before);
        EXPECT_GT(tp.program.busyCalls, 0);
    });
    ShowHelpTopic({"T", {"x"}});
}

} // namespace
