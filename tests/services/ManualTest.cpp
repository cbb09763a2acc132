#include "services/Manual.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Manual, HoldsEveryHelpTopicInMenuOrder) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("Guida.pdf");
    ASSERT_TRUE(Manual::Write(pdf));
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    // The ligatures of the PDF ("fi" set as one glyph) read as their letters.
    const QString text =
        QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
    qsizetype last = -1;
    for (const HelpTopic& t : Manual::Topics()) {
        const qsizetype at = text.indexOf(t.title.trimmed());
        EXPECT_GT(at, last) << t.title.toStdString();
        last = at;
    }
}

TEST(Manual, UnwritablePathFails) {
    QTemporaryDir dir;
    EXPECT_FALSE(Manual::Write(dir.filePath("missing/sub/Guida.pdf")));
}
