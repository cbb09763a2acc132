#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/DocumentWriters.h"
#include "platform/FileChoosers.h"
#include "platform/Printers.h"
#include "platform/QtPrintSurface.h"
#include "platform/Translations.h"

#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(PlatformServices, TestPlatformInstallsEveryDoubleAndTakesThemAway) {
    {
        TestPlatform tp;
        EXPECT_EQ(&platform::desktop(), &tp.desktop);
        EXPECT_EQ(&platform::clipboard(), &tp.clipboard);
        EXPECT_EQ(&platform::fileChoosers(), &tp.choosers);
        EXPECT_EQ(&platform::documentWriters(), &tp.writers);
        EXPECT_EQ(&platform::printer(), &tp.printer);
    }
    EXPECT_EQ(dynamic_cast<FakeDesktop*>(&platform::desktop()), nullptr);
    EXPECT_EQ(dynamic_cast<FakeClipboard*>(&platform::clipboard()), nullptr);
    EXPECT_EQ(dynamic_cast<ScriptedChoosers*>(&platform::fileChoosers()), nullptr);
    EXPECT_EQ(dynamic_cast<RecordingWriters*>(&platform::documentWriters()), nullptr);
    EXPECT_NE(dynamic_cast<platform::QtPrintSurface*>(&platform::printer()), nullptr);
}

TEST(PlatformServices, AnOwnRecorderLiesOverTheTestPlatformsPrinter) {
    TestPlatform tp;
    {
        RecordingPrinter own;
        ScopedPrinter scope(own);
        EXPECT_EQ(&platform::printer(), &own);
        platform::printer().Print(QStringLiteral("mine"));
        EXPECT_EQ(own.lines(), QStringList{QStringLiteral("mine")});
    }
    EXPECT_EQ(&platform::printer(), &tp.printer) << "the scope's end uncovers the platform's printer";
    EXPECT_TRUE(tp.printer.log.empty());

    platform::setPrinter(nullptr);
    EXPECT_NE(dynamic_cast<platform::QtPrintSurface*>(&platform::printer()), nullptr);
}

TEST(PlatformServices, TheRealClipboardHoldsExactlyWhatWasPut) {
    platform::IClipboard& board = platform::clipboard();
    const QString saved = board.text();
    for (const QString& text : {QStringLiteral("Conto 00184 – causale: \"affitto\" & spese\n2° rata"),
                                QStringLiteral("  blanks kept  "), QStringLiteral("\U0001F600")}) {
        EXPECT_TRUE(board.setText(text));
        EXPECT_EQ(board.text(), text);
    }
    board.setText(saved);
}

TEST(PlatformServices, QtsOwnTextsSpeakItalian) {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm");
    QTranslator* translator = platform::installItalianTranslations(*QCoreApplication::instance());
    if (!translator) {
        ASSERT_FALSE(QFileInfo::exists(file)) << "the translations are there but were not installed";
        GTEST_SKIP() << "Qt's Italian translations are not installed";
    }
    EXPECT_TRUE(QCoreApplication::translate("QLineEdit", "&Paste").contains(QStringLiteral("Incolla")));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "Cancel").contains(QStringLiteral("Annulla")));
    // The other tests see Qt as they found it.
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("&Paste"));
}

} // namespace
