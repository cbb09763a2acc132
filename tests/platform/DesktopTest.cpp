#include "platform/Desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// The real desktop, with stand-in xdg-mime and xdg-open scripts alone on the
// PATH. The stand-ins record each argument they get in a file of its own.
class Desktop : public ::testing::Test {
protected:
    QTemporaryDir bin;
    QTemporaryDir work;
    const QByteArray savedPath = qgetenv("PATH");

    void SetUp() override { qputenv("PATH", bin.path().toUtf8()); }
    void TearDown() override { qputenv("PATH", savedPath); }

    void script(const QString& name, const QString& body) {
        QFile f(bin.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body.toUtf8() + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Records its arguments as "<prefix>1", "<prefix>2" ... in the work folder.
    QString recording(const QString& prefix) const {
        return QStringLiteral("i=0; for a in \"$@\"; do i=$((i+1)); printf '%s' \"$a\" > '%1/%2'$i; done")
            .arg(work.path(), prefix);
    }
    void mimeAnswers(const QString& application) {
        script(QStringLiteral("xdg-mime"), recording(QStringLiteral("mime")) + QStringLiteral("\nprintf '%1\\n'").arg(application));
    }
    void opener(const QString& tail = QStringLiteral("exit 0")) {
        script(QStringLiteral("xdg-open"), recording(QStringLiteral("open")) + QLatin1Char('\n') + tail);
    }
    // The arguments a stand-in got, each byte for byte.
    QList<QByteArray> args(const QString& prefix) const {
        QList<QByteArray> out;
        for (int i = 1;; ++i) {
            QFile f(work.filePath(prefix + QString::number(i)));
            if (!f.open(QIODevice::ReadOnly))
                return out;
            out << f.readAll();
        }
    }
};

TEST_F(Desktop, ALinkReachesTheOpenerByteForByteAsOneArgument) {
    mimeAnswers(QStringLiteral("thunderbird.desktop"));
    opener();
    const QString link = QStringLiteral(
        "mailto:rossi@example.it?subject=Bollettino n. 5 & \"saldo\" 'marzo'&body=100% `id` $(touch x) ; | > x \\ é");
    EXPECT_TRUE(desktop().openUrl(link));
    EXPECT_EQ(args(QStringLiteral("open")), QList<QByteArray>{link.toUtf8()});
    EXPECT_EQ(args(QStringLiteral("mime")),
              (QList<QByteArray>{"query", "default", "x-scheme-handler/mailto"}));
}

TEST_F(Desktop, DefaultApplicationIsXdgMimesAnswer) {
    mimeAnswers(QStringLiteral("libreoffice-writer.desktop"));
    EXPECT_EQ(desktop().defaultApplication(QString::fromLatin1(kDocxMimeType)), "libreoffice-writer.desktop");
    EXPECT_EQ(args(QStringLiteral("mime")), (QList<QByteArray>{"query", "default", kDocxMimeType}));

    mimeAnswers(QString());
    EXPECT_EQ(desktop().defaultApplication(QString::fromLatin1(kXlsxMimeType)), QString());
    QFile::remove(bin.filePath(QStringLiteral("xdg-mime")));
    EXPECT_EQ(desktop().defaultApplication(QString::fromLatin1(kXlsxMimeType)), QString()) << "no xdg-mime";
}

TEST_F(Desktop, NothingOpensWithoutAHandlerOrAnOpener) {
    opener();
    mimeAnswers(QString());
    EXPECT_FALSE(desktop().openUrl(QStringLiteral("tel:0612345678")));
    EXPECT_TRUE(args(QStringLiteral("open")).isEmpty()) << "the opener is not even started";

    QFile::remove(bin.filePath(QStringLiteral("xdg-mime")));
    EXPECT_FALSE(desktop().openUrl(QStringLiteral("tel:0612345678"))) << "no xdg-mime to ask";
    EXPECT_TRUE(args(QStringLiteral("open")).isEmpty());

    mimeAnswers(QStringLiteral("phone.desktop"));
    QFile::remove(bin.filePath(QStringLiteral("xdg-open")));
    EXPECT_FALSE(desktop().openUrl(QStringLiteral("tel:0612345678"))) << "no xdg-open";
}

TEST_F(Desktop, LinksWithoutAProperSchemeAreRefused) {
    mimeAnswers(QStringLiteral("any.desktop"));
    opener();
    for (const QString& link : {QStringLiteral("rossi@example.it"), QStringLiteral(":x"),
                                QStringLiteral("--help:x"), QStringLiteral("mail to:x"),
                                QStringLiteral("mailto:a") + QChar(0) + QStringLiteral("b")})
        EXPECT_FALSE(desktop().openUrl(link)) << link.toStdString();
    EXPECT_TRUE(args(QStringLiteral("open")).isEmpty());
    EXPECT_TRUE(args(QStringLiteral("mime")).isEmpty());
}

TEST_F(Desktop, AnOpenerThatFailsIsAFailure) {
    mimeAnswers(QStringLiteral("thunderbird.desktop"));
    opener(QStringLiteral("exit 4"));
    EXPECT_FALSE(desktop().openUrl(QStringLiteral("mailto:rossi@example.it")));
    EXPECT_EQ(args(QStringLiteral("open")).size(), 1);
}

TEST_F(Desktop, AnOpenerThatStaysInTheForegroundDoesNotHoldTheProgram) {
    mimeAnswers(QStringLiteral("thunderbird.desktop"));
    // Detached from the test's output, which the test runner waits on.
    opener(QStringLiteral("exec /bin/sleep 10 </dev/null >/dev/null 2>&1"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(desktop().openUrl(QStringLiteral("mailto:rossi@example.it")));
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_EQ(args(QStringLiteral("open")).size(), 1);
}

TEST_F(Desktop, AFileOpensByItsAbsolutePathWhenItsTypeHasAnApplication) {
    mimeAnswers(QStringLiteral("evince.desktop"));
    opener();
    const QString name = work.filePath(QStringLiteral("Guida $(x) `y` & 'z'.pdf"));
    QFile pdf(name);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n");
    pdf.close();

    EXPECT_TRUE(desktop().openFile(name));
    EXPECT_EQ(args(QStringLiteral("open")), QList<QByteArray>{QFile::encodeName(name)});
    EXPECT_EQ(args(QStringLiteral("mime")), (QList<QByteArray>{"query", "default", "application/pdf"}));

    QFile::remove(work.filePath(QStringLiteral("open1")));
    EXPECT_FALSE(desktop().openFile(work.filePath(QStringLiteral("mancante.pdf"))));
    EXPECT_FALSE(desktop().openFile(work.path())) << "a folder is no file";
    EXPECT_TRUE(args(QStringLiteral("open")).isEmpty());

    mimeAnswers(QString());
    EXPECT_FALSE(desktop().openFile(name)) << "no application for PDF files";
    EXPECT_TRUE(args(QStringLiteral("open")).isEmpty());
}

} // namespace
