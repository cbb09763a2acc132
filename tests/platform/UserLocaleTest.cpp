#include "platform/UserLocale.h"

#include "support/FakeFileCopier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const Separators kItalian{",", "."};
const Separators kEnglish{".", ","};

// Sets LC_ALL for the life of the object (the system separators follow it).
class ScopedLcAll {
public:
    explicit ScopedLcAll(const char* value) : had_(qEnvironmentVariableIsSet("LC_ALL")), old_(qgetenv("LC_ALL")) {
        qputenv("LC_ALL", value);
    }
    ~ScopedLcAll() { had_ ? qputenv("LC_ALL", old_) : qunsetenv("LC_ALL"); }

private:
    bool had_;
    QByteArray old_;
};

class LocaleFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.path() + "/config/Quillora/locale.ini"; }
};

} // namespace

TEST(SystemSeparators, FollowTheNumericLocaleName) {
    for (const char* name : {"it_IT.UTF-8", "it_IT", "it_IT@euro", "de_DE.UTF-8"}) {
        const Separators s = separatorsOfLocaleName(name);
        EXPECT_EQ(s.decimal, ",") << name;
        EXPECT_EQ(s.thousands, ".") << name;
    }
    for (const char* name : {"C", "C.UTF-8", "POSIX", "", "en_US.UTF-8"}) {
        const Separators s = separatorsOfLocaleName(name);
        EXPECT_EQ(s.decimal, ".") << name;
        EXPECT_EQ(s.thousands, ",") << name;
    }
    ScopedLcAll italian("it_IT.UTF-8");
    EXPECT_EQ(systemSeparators().decimal, ",");
}

TEST_F(LocaleFile, WithoutAFileTheSystemSeparatorsAreRead) {
    ScopedLcAll italian("it_IT.UTF-8");
    FileUserLocale locale(path());
    EXPECT_EQ(locale.GetLocaleInfo(LocaleItem::DecimalSeparator), ",");
    EXPECT_EQ(locale.GetLocaleInfo(LocaleItem::ThousandsSeparator), ".");
    EXPECT_FALSE(QFile::exists(path())) << "reading stores nothing";
}

TEST_F(LocaleFile, FirstWriteFillsTheFileFromTheSystemAndValuesRoundTrip) {
    {
        ScopedLcAll c("C");
        FileUserLocale locale(path());
        ASSERT_TRUE(locale.SetLocaleInfo(LocaleItem::DecimalSeparator, ","));
        EXPECT_TRUE(QFile::exists(path())) << "the folder is created";
    }
    ScopedLcAll italian("it_IT.UTF-8");
    FileUserLocale fresh(path());
    EXPECT_EQ(fresh.GetLocaleInfo(LocaleItem::DecimalSeparator), ",");
    EXPECT_EQ(fresh.GetLocaleInfo(LocaleItem::ThousandsSeparator), ",") << "kept from the system at the first write";

    ASSERT_TRUE(fresh.SetLocaleInfo(LocaleItem::ThousandsSeparator, " "));
    EXPECT_EQ(FileUserLocale(path()).GetLocaleInfo(LocaleItem::ThousandsSeparator), " ");
    ASSERT_TRUE(fresh.SetLocaleInfo(LocaleItem::ThousandsSeparator, ""));
    EXPECT_EQ(FileUserLocale(path()).GetLocaleInfo(LocaleItem::ThousandsSeparator), "");
    EXPECT_EQ(FileUserLocale(path()).GetLocaleInfo(LocaleItem::DecimalSeparator), ",");
}

TEST_F(LocaleFile, AWriteThatCannotBeDoneFailsAndChangesNothing) {
    ScopedLcAll c("C");
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FileUserLocale unreachable(dir.path() + "/file/locale.ini"); // its folder is a file
    EXPECT_FALSE(unreachable.SetLocaleInfo(LocaleItem::DecimalSeparator, ","));
    EXPECT_EQ(unreachable.GetLocaleInfo(LocaleItem::DecimalSeparator), ".");

    FileUserLocale locale(path());
    ASSERT_TRUE(locale.SetLocaleInfo(LocaleItem::DecimalSeparator, ","));
    for (const QString& bad : {QString::fromUtf8("\u202f"), QString("a\nb"), QString(QChar(0))})
        EXPECT_FALSE(locale.SetLocaleInfo(LocaleItem::DecimalSeparator, bad));
    EXPECT_EQ(locale.GetLocaleInfo(LocaleItem::DecimalSeparator), ",");
}

TEST_F(LocaleFile, TheProgramsLocaleUsesTheFileSetForTesting) {
    EXPECT_TRUE(userLocaleFilePath().endsWith("/Quillora/locale.ini"));
    setUserLocaleFileForTesting(path());
    EXPECT_EQ(userLocaleFilePath(), path());
    ASSERT_TRUE(userLocale().SetLocaleInfo(LocaleItem::DecimalSeparator, ";"));
    EXPECT_EQ(FileUserLocale(path()).GetLocaleInfo(LocaleItem::DecimalSeparator), ";");
    setUserLocaleFileForTesting(QString());
}

// Both separators, and the first write's copy of the system's other one, go
// into the file with one replace: a failure leaves the file as it was.
TEST_F(LocaleFile, ItemsSetTogetherAreWrittenAllOrNone) {
    ScopedLcAll c("C");
    const auto bytes = [this] {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const LocaleItems fix = {{LocaleItem::DecimalSeparator, ","}, {LocaleItem::ThousandsSeparator, "."}};
    FakeFileCopier copier;
    setFileCopier(&copier);
    using Stage = FakeFileCopier::Stage;
    // No file yet, and one holding only the decimal point.
    for (const QByteArray& start : {QByteArray(), QByteArray("[Numbers]\r\nDecimalSeparator=.\r\n")}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path()).absolutePath()));
        QFile::remove(path());
        if (!start.isNull()) {
            QFile f(path());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(start);
        }
        for (const Stage stage : {Stage::Write, Stage::Sync, Stage::Rename}) {
            copier.failWith(ENOSPC, stage);
            EXPECT_FALSE(FileUserLocale(path()).SetLocaleItems(fix));
            EXPECT_EQ(bytes(), start) << int(stage);
            EXPECT_EQ(QFile::exists(path()), !start.isNull());
        }
        copier.heal();
        EXPECT_FALSE(FileUserLocale(path()).SetLocaleItems(
            {{LocaleItem::DecimalSeparator, ","}, {LocaleItem::ThousandsSeparator, "a\nb"}}));
        EXPECT_EQ(bytes(), start) << "a value that cannot be stored stops the other too";

        copier.replaced.clear();
        ASSERT_TRUE(FileUserLocale(path()).SetLocaleItems(fix));
        EXPECT_EQ(copier.replaced.size(), 1u);
        EXPECT_EQ(bytes(), QByteArray("[Numbers]\r\nDecimalSeparator=,\r\nThousandsSeparator=.\r\n"));
    }

    // One item on a new file: the system's other one first, as ever, in the same write.
    QFile::remove(path());
    copier.failWith(EIO, Stage::Rename);
    EXPECT_FALSE(FileUserLocale(path()).SetLocaleInfo(LocaleItem::DecimalSeparator, ","));
    EXPECT_FALSE(QFile::exists(path()));
    copier.heal();
    copier.replaced.clear();
    ASSERT_TRUE(FileUserLocale(path()).SetLocaleInfo(LocaleItem::DecimalSeparator, ","));
    EXPECT_EQ(copier.replaced.size(), 1u);
    EXPECT_EQ(bytes(), QByteArray("[Numbers]\r\nThousandsSeparator=,\r\nDecimalSeparator=,\r\n"));
    setFileCopier(nullptr);

    MemoryUserLocale memory(".", ",");
    memory.refuseWrites = true;
    EXPECT_FALSE(memory.SetLocaleItems(fix));
    EXPECT_EQ(separatorsOf(memory).decimal, ".");
    EXPECT_EQ(separatorsOf(memory).thousands, ",");
    memory.refuseWrites = false;
    EXPECT_TRUE(memory.SetLocaleItems(fix));
    EXPECT_EQ(separatorsOf(memory).decimal, ",");
    EXPECT_EQ(separatorsOf(memory).thousands, ".");
    EXPECT_EQ(memory.writes, 1);
}

// ------------------------------------------------------------ conversions

TEST(ParseDecimal, ReadsTheLocalesSeparatorsAndIgnoresGrouping) {
    const struct {
        const char* text;
        Separators separators;
        double value;
    } good[] = {
        {"1.234,56", kItalian, 1234.56}, {"1,234.56", kEnglish, 1234.56}, {"+0,5", kItalian, 0.5},
        {"-12,50", kItalian, -12.5},     {" \t7,5  ", kItalian, 7.5},      {",5", kItalian, 0.5},
        {"5,", kItalian, 5},             {"1.2.3", kItalian, 123},         {"12,50", kEnglish, 1250},
        {"0", kItalian, 0},              {"-0,5", kEnglish, -5},
    };
    for (const auto& g : good) {
        double out = -1;
        EXPECT_TRUE(parseDecimal(g.text, out, g.separators)) << g.text;
        EXPECT_DOUBLE_EQ(out, g.value) << g.text;
    }
}

TEST(ParseDecimal, RefusesWhatIsNotANumberAndLeavesTheResultAlone) {
    for (const char* text : {"", " ", ",", "-", "+,", "abc", "12a", "1,2,3", "1e3", "1 000", "--1", "1-", "(1)",
                             "1,5.0"}) {
        double out = 42;
        EXPECT_FALSE(parseDecimal(text, out, kItalian)) << text;
        EXPECT_EQ(out, 42) << text;
    }
    double out = 42;
    EXPECT_FALSE(parseDecimal("1" + QString(400, '0'), out, kItalian)) << "too large for a double";
    EXPECT_EQ(out, 42);
}

TEST(FormatNumber, GroupsAndRoundsWithTheLocalesSeparators) {
    EXPECT_EQ(formatNumber(1234.5, "#,##0.00", kItalian), "1.234,50");
    EXPECT_EQ(formatNumber(1234.5, "#,##0.00", kEnglish), "1,234.50");
    EXPECT_EQ(formatNumber(1234.5, "#,##0", kItalian), "1.235");
    EXPECT_EQ(formatNumber(123, "#,##0", kItalian), "123");
    EXPECT_EQ(formatNumber(1e15, "#,##0", kItalian), "1.000.000.000.000.000");
    EXPECT_EQ(formatNumber(999.995, "#,##0.00", kItalian), "1.000,00");
    EXPECT_EQ(formatNumber(2.675, "#,##0.00", kItalian), "2,68") << "halves of the decimal form round up";
    EXPECT_EQ(formatNumber(0.5, "#,##0", kItalian), "1");
    EXPECT_EQ(formatNumber(0, "#,##0.00", kItalian), "0,00");
    EXPECT_EQ(formatNumber(0.004, "#,##0.00", kItalian), "0,00");
    EXPECT_EQ(formatNumber(-1234567.891, "#,##0.00", kItalian), "-1.234.567,89");
    EXPECT_EQ(formatNumber(-0.001, "#,##0.00", kItalian), "0,00") << "no sign on a zero";
    EXPECT_EQ(formatNumber(1234.5, "0.0", kItalian), "1234,5") << "no comma in the pattern: no grouping";
}

TEST(FormatGeneral, FifteenSignificantDigitsWithTheDecimalSeparator) {
    EXPECT_EQ(formatGeneral(1234.5, kItalian), "1234,5");
    EXPECT_EQ(formatGeneral(3, kItalian), "3");
    EXPECT_EQ(formatGeneral(1000.0 / 601, kItalian), "1,66389351081531");
    EXPECT_EQ(formatGeneral(1000.0 / 601, kEnglish), "1.66389351081531");
    EXPECT_EQ(formatGeneral(1e15, kItalian), "1E+15");
}

TEST(Conversions, WithoutSeparatorsTheUserLocaleIsUsed) {
    MemoryUserLocale memory(",", ".");
    setUserLocale(&memory);
    double out = 0;
    EXPECT_TRUE(parseDecimal("1.234,5", out));
    EXPECT_DOUBLE_EQ(out, 1234.5);
    EXPECT_EQ(formatNumber(1234.5, "#,##0.00"), "1.234,50");
    memory.separators = kEnglish;
    EXPECT_TRUE(parseDecimal("1.5", out));
    EXPECT_DOUBLE_EQ(out, 1.5);
    EXPECT_EQ(formatGeneral(1.5), "1.5");
    setUserLocale(nullptr);
}
