#include "platform/UserLocale.h"
#include "services/frmHelpForm.h"
#include "services/frmSetNumPreven.h"
#include "support/TestPlatform.h"

#include <QFile>

using namespace platform;

namespace {

const QString kQuestion = QString::fromUtf8(
    "E' stato rilevato che il computer su cui si lavora utilizza il punto anziché la virgola come separatore "
    "decimale.\r\n\r\nDal momento che questo software utilizza le convenzioni numeriche italiane, è necessario "
    "configurare opportunamente il separatore decimale.\r\n\r\nSi desidera effettuare la modifica?");
const QString kRefused = QString::fromUtf8(
    "Il sistema non permette di modificare le impostazioni internazionali.\r\n\r\nContattare l'amministratore di "
    "sistema per cambiare il separatore decimale in una virgola.");

class DecimalSeparator : public ::testing::Test {
protected:
    TestPlatform tp;
    MemoryUserLocale locale{".", ","};
    DecimalSeparator() { setUserLocale(&locale); }
    ~DecimalSeparator() override { setUserLocale(nullptr); }
    frmSetNumPreven& dialog() { return Forms::get<frmSetNumPreven>(); }
    void check() {
        dialog().cmdSeparatore->click();
        TestPlatform::settle();
    }
};

} // namespace

TEST_F(DecimalSeparator, CaptionAndPictureButtons) {
    frmSetNumPreven& d = dialog();
    EXPECT_EQ(d.windowTitle(), " Impostazioni separatore decimale");
    EXPECT_EQ(d.cmdGuida->toolTip(), " Guida ");
    EXPECT_EQ(d.cmdChiudi->toolTip(), " Chiudi ");
    EXPECT_FALSE(d.cmdInfo->isEnabled());
    d.cmdChiudi->click();
    EXPECT_FALSE(Forms::isLoaded<frmSetNumPreven>());
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(DecimalSeparator, CommaIsReportedCorrectAndNothingChanges) {
    locale.separators = {",", " "}; // any thousands separator
    check();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QString::fromUtf8("Il separatore decimale è impostato correttamente."));
    EXPECT_EQ(tp.messages.last().title, "Controllo impostazioni separatore decimale");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(locale.writes, 0);
    EXPECT_EQ(locale.separators.thousands, " ");
    EXPECT_FALSE(Forms::isLoaded<frmSetNumPreven>());
}

TEST_F(DecimalSeparator, YesSetsCommaAndPointThenASecondCheckFindsTheComma) {
    tp.messages.answers = {MsgAnswer::Yes};
    check();
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    const Message& question = tp.messages.shown[0];
    EXPECT_EQ(question.text, kQuestion);
    EXPECT_EQ(question.title, "Quillora");
    EXPECT_EQ(question.icon, MsgIcon::Exclamation);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(tp.messages.last().text, QString::fromUtf8("Il separatore decimale è stato modificato con successo."));
    EXPECT_EQ(tp.messages.last().title, "Operazione terminata");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(locale.separators.decimal, ",");
    EXPECT_EQ(locale.separators.thousands, ".");
    EXPECT_FALSE(Forms::isLoaded<frmSetNumPreven>());

    check();
    EXPECT_EQ(tp.messages.last().title, "Controllo impostazioni separatore decimale");
}

TEST_F(DecimalSeparator, AnySeparatorButTheCommaAsksAndNoKeepsTheDialogOpen) {
    for (const char* separator : {".", ";", ",,", ""}) {
        locale.separators = {separator, ","};
        tp.messages.shown.clear();
        tp.messages.answers = {MsgAnswer::No};
        check();
        ASSERT_EQ(tp.messages.shown.size(), 2u) << separator;
        EXPECT_EQ(tp.messages.shown[0].text, kQuestion);
        EXPECT_EQ(tp.messages.last().text,
                  QString::fromUtf8("Il separatore decimale non è stato cambiato.\r\n\r\nSi tenga presente che ciò "
                                    "non consentirà di utilizzare correttamente il programma."));
        EXPECT_EQ(tp.messages.last().title, "Operazione annullata");
        EXPECT_EQ(locale.separators.decimal, separator);
        EXPECT_TRUE(Forms::isLoaded<frmSetNumPreven>());
    }
    EXPECT_EQ(locale.writes, 0);
}

TEST_F(DecimalSeparator, ARefusedChangeIsReportedAsAFailureAndTheDialogStays) {
    locale.refuseWrites = true;
    tp.messages.answers = {MsgAnswer::Yes};
    check();
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    EXPECT_EQ(tp.messages.last().text, kRefused);
    EXPECT_EQ(tp.messages.last().title, "Impossibile modificare il separatore decimale");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(locale.separators.decimal, ".");
    EXPECT_TRUE(Forms::isLoaded<frmSetNumPreven>());
}

TEST_F(DecimalSeparator, TheFixReachesTheUsersLocaleFile) {
    setUserLocale(nullptr);
    const QString file = tp.path("config/locale.ini");
    setUserLocaleFileForTesting(file);
    FileUserLocale(file).SetLocaleInfo(LocaleItem::DecimalSeparator, ".");
    tp.messages.answers = {MsgAnswer::Yes};
    check();
    EXPECT_EQ(tp.messages.last().title, "Operazione terminata");
    EXPECT_EQ(FileUserLocale(file).GetLocaleInfo(LocaleItem::DecimalSeparator), ",");
    EXPECT_EQ(FileUserLocale(file).GetLocaleInfo(LocaleItem::ThousandsSeparator), ".");

    // A file that cannot be written (its folder is a file), under a point
    // locale: the failure is reported, not the success.
    QFile blocker(tp.path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setUserLocaleFileForTesting(tp.path("blocker/locale.ini"));
    const QByteArray lcAll = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    tp.messages.shown.clear();
    tp.messages.answers = {MsgAnswer::Yes};
    check();
    lcAll.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", lcAll);
    setUserLocaleFileForTesting(QString());
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    EXPECT_EQ(tp.messages.last().text, kRefused);
    EXPECT_TRUE(Forms::isLoaded<frmSetNumPreven>());
}

// The fix writes both separators with one replace of the user's file: when
// it fails, the file is as it was, the failure is told, and the next check
// offers the fix again; then it succeeds and both are new.
TEST_F(DecimalSeparator, AFixThatCannotBeWrittenLeavesTheFileAsItWasAndIsOfferedAgain) {
    setUserLocale(nullptr);
    const QString file = tp.path("locale.ini");
    setUserLocaleFileForTesting(file);
    const QByteArray lcAll = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    const auto bytes = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    using Stage = FakeFileCopier::Stage;
    for (const QByteArray& start : {QByteArray(), QByteArray("[Numbers]\r\nDecimalSeparator=.\r\n; mio\r\n")}) {
        SCOPED_TRACE(start.toStdString());
        QFile::remove(file);
        if (!start.isNull()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(start);
        }
        for (const Stage stage : {Stage::Write, Stage::Sync, Stage::Rename}) {
            tp.copier.failWith(EIO, stage);
            tp.messages.shown.clear();
            tp.messages.answers = {MsgAnswer::Yes};
            check();
            ASSERT_EQ(tp.messages.shown.size(), 2u) << int(stage);
            EXPECT_EQ(tp.messages.shown[0].text, kQuestion) << "offered again after a failure";
            EXPECT_EQ(tp.messages.last().text, kRefused);
            EXPECT_EQ(bytes(), start) << int(stage);
            EXPECT_EQ(QFile::exists(file), !start.isNull());
            EXPECT_TRUE(Forms::isLoaded<frmSetNumPreven>());
        }
        tp.copier.heal();
        tp.copier.replaced.clear();
        tp.messages.shown.clear();
        tp.messages.answers = {MsgAnswer::Yes};
        check();
        EXPECT_EQ(tp.messages.last().title, "Operazione terminata");
        EXPECT_EQ(tp.copier.replaced.size(), 1u);
        EXPECT_EQ(bytes(), start.isNull() ? QByteArray("[Numbers]\r\nDecimalSeparator=,\r\nThousandsSeparator=.\r\n")
                                          : QByteArray("[Numbers]\r\nDecimalSeparator=,\r\nThousandsSeparator=.\r\n; mio\r\n"));
        EXPECT_FALSE(Forms::isLoaded<frmSetNumPreven>());
    }
    lcAll.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", lcAll);
}

TEST_F(DecimalSeparator, HelpShowsItsThreeParagraphs) {
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        auto& help = static_cast<frmHelpForm&>(w);
        EXPECT_EQ(help.lblTitolo->text(), "Impostazione del separatore decimale");
        const QStringList paragraphs = help.txtTesto->text().split("\r\n\r\n");
        ASSERT_EQ(paragraphs.size(), 3);
        EXPECT_TRUE(paragraphs[0].startsWith("Prima di accedere ad un archivio annuale dei versamenti"));
        EXPECT_TRUE(paragraphs[1].endsWith(QString::fromUtf8(
            "tramite il pulsante presente all'interno della finestra di selezione dell'archivio dei bollettini.")));
        EXPECT_TRUE(paragraphs[2].endsWith("ci basterà rispondere positivamente per risolvere il problema."));
    });
    dialog().cmdGuida->click();
    EXPECT_TRUE(Forms::isLoaded<frmSetNumPreven>());
}
