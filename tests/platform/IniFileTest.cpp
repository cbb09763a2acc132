#include "platform/IniFile.h"

#include "support/FakeFileCopier.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace platform;

namespace {

class IniFile : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath("test.ini"); }

    void put(const QByteArray& bytes) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString read(const QString& section, const QString& key) const {
        return readProfileString(path(), section, key, "<none>");
    }
    bool write(const QString& section, const QString& key, const QString& value) const {
        return writeProfileString(path(), section, key, value);
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(IniFile, MissingFileGivesTheDefaultAndFirstWriteCreatesIt) {
    EXPECT_EQ(read("Margini", "Sinistro"), "<none>");
    EXPECT_EQ(readProfileString(path(), "Margini", "Sinistro"), "");
    EXPECT_FALSE(QFile::exists(path()));

    ASSERT_TRUE(write("Margini", "Sinistro", "10"));
    EXPECT_EQ(bytes(), QByteArray("[Margini]\r\nSinistro=10\r\n"));
    EXPECT_EQ(read("Margini", "Sinistro"), "10");
    EXPECT_EQ(read("Margini", "Superiore"), "<none>");
    EXPECT_EQ(read("Altro", "Sinistro"), "<none>");
}

TEST_F(IniFile, WriteKeepsEveryOtherLineAsItWas) {
    put("; settings\r\n"
        "\r\n"
        "[Dati esecutore]\r\n"
        "Nome=Mario Rossi\r\n"
        "  odd line without equals  \r\n"
        "Citta = Roma ; not a comment\r\n"
        "\r\n"
        "; end of payer\r\n"
        "[Margini]\r\n"
        "Sinistro=10\r\n"
        "[Sconosciuta]\r\n"
        "x=\"kept\"\r\n");

    ASSERT_TRUE(write("Dati esecutore", "Nome", "Anna Bianchi"));   // replace
    ASSERT_TRUE(write("Dati esecutore", "CAP", "00100"));           // new key, existing section
    ASSERT_TRUE(write("Margini", "Superiore", "5"));                // new key, next to last
    ASSERT_TRUE(write("Nuova", "k", "v"));                          // new section

    EXPECT_EQ(bytes(), QByteArray("; settings\r\n"
                                  "\r\n"
                                  "[Dati esecutore]\r\n"
                                  "Nome=Anna Bianchi\r\n"
                                  "  odd line without equals  \r\n"
                                  "Citta = Roma ; not a comment\r\n"
                                  "CAP=00100\r\n"
                                  "\r\n"
                                  "; end of payer\r\n"
                                  "[Margini]\r\n"
                                  "Sinistro=10\r\n"
                                  "Superiore=5\r\n"
                                  "[Sconosciuta]\r\n"
                                  "x=\"kept\"\r\n"
                                  "[Nuova]\r\n"
                                  "k=v\r\n"));
    EXPECT_EQ(read("Dati esecutore", "Citta"), "Roma ; not a comment");
    EXPECT_EQ(read("Sconosciuta", "x"), "kept");
}

// A long section ends at the next header however far it is: its last key is
// found, a new key goes right after it, and the next section's keys stay
// its own.
TEST_F(IniFile, ALongSectionEndsAtTheNextHeader) {
    QByteArray file = "[Prima]\r\nk=0\r\n[Lunga]\r\n";
    for (int i = 0; i < 5000; ++i)
        file += "k" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    file += "; fine\r\n[Dopo]\r\nk4999=dopo\r\nnuova=dopo\r\n";
    put(file);
    EXPECT_EQ(read("Lunga", "k4999"), "4999");
    EXPECT_EQ(read("Lunga", "nuova"), "<none>");
    EXPECT_EQ(read("Dopo", "k4999"), "dopo");
    ASSERT_TRUE(write("Lunga", "k4999", "x"));
    ASSERT_TRUE(write("Lunga", "nuova", "y"));
    QByteArray expected = file;
    expected.replace("k4999=4999\r\n; fine", "k4999=x\r\nnuova=y\r\n; fine");
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(read("Dopo", "nuova"), "dopo");
}

TEST_F(IniFile, LfOnlyFilesReadAlikeAndAreWrittenWithCrLf) {
    put("[A]\nk=1\n[B]\nk=2"); // no line end after the last line
    EXPECT_EQ(read("A", "k"), "1");
    EXPECT_EQ(read("B", "k"), "2");
    ASSERT_TRUE(write("B", "j", "3"));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\nk=1\r\n[B]\r\nk=2\r\nj=3\r\n"));
}

TEST_F(IniFile, NamesMatchWithoutCaseAndSurroundingBlanks) {
    put("[ margini ]\r\n\tSINISTRO = 7\r\n[\xC0rea]\r\n\xE8=1\r\n");
    EXPECT_EQ(read("Margini", "Sinistro"), "7");
    EXPECT_EQ(read(" MARGINI\t", "sinistro "), "7");
    EXPECT_EQ(read(QString::fromUtf8("àREA"), QString::fromUtf8("È")), "1");

    ASSERT_TRUE(write("MARGINI", "sinistro", "8"));
    EXPECT_EQ(bytes(), QByteArray("[ margini ]\r\nsinistro=8\r\n[\xC0rea]\r\n\xE8=1\r\n"));
}

TEST_F(IniFile, FirstOfTwinKeysAndSectionsCounts) {
    put("[S]\r\nk=first\r\nk=second\r\n[s]\r\nk=third\r\nonly=here\r\n");
    EXPECT_EQ(read("S", "k"), "first");
    EXPECT_EQ(read("S", "only"), "<none>");
    ASSERT_TRUE(write("S", "k", "new"));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=new\r\nk=second\r\n[s]\r\nk=third\r\nonly=here\r\n"));
}

TEST_F(IniFile, ValuesWrittenElsewhereLoseBlanksAndOnePairOfQuotes) {
    put("[S]\r\n"
        "a=  padded\t \r\n"
        "b=\"quoted\"\r\n"
        "c= 'single' \r\n"
        "d=\"mixed'\r\n"
        "e=\"\"\"\"\r\n"
        "f=\"\r\n"
        "g=\r\n"
        "h=a=b\r\n");
    EXPECT_EQ(read("S", "a"), "padded");
    EXPECT_EQ(read("S", "b"), "quoted");
    EXPECT_EQ(read("S", "c"), "single");
    EXPECT_EQ(read("S", "d"), "\"mixed'");
    EXPECT_EQ(read("S", "e"), "\"\"");
    EXPECT_EQ(read("S", "f"), "\"");
    EXPECT_EQ(read("S", "g"), "");
    EXPECT_EQ(read("S", "h"), "a=b");
}

TEST_F(IniFile, EveryWrittenValueReadsBackUnchanged) {
    QString ascii;
    for (char16_t c = 32; c <= 126; ++c)
        ascii.append(QChar(c));
    std::mt19937 rng(1234);
    QStringList values = {"", " x", "x ", "\tx\t", "\"q\"", "'a'", "\"", "'", " ' ", "\"\"",
                          "''", "\"a'", " \"a\" ", "=", "a=b", "[S]", ";c",
                          QString::fromUtf8("x\u00A0"), ascii};
    for (int i = 0; i < 20; ++i) {
        std::shuffle(ascii.begin(), ascii.end(), rng);
        values << ascii << u'"' + ascii + u'"' << u'\'' + ascii + u'\'' << u' ' + ascii + u' ';
    }
    for (const QString& v : values) {
        ASSERT_TRUE(write("Uninstall", "Settings", v));
        EXPECT_EQ(read("Uninstall", "Settings"), v) << v.toStdString();
    }
    EXPECT_EQ(read("Uninstall", "Settings").size(), 97);
}

TEST_F(IniFile, TextIsStoredInWindows1252) {
    const QString accented = QString::fromUtf8("Perché città € àèìòù");
    ASSERT_TRUE(write(QString::fromUtf8("Città"), QString::fromUtf8("Località"), accented));
    EXPECT_EQ(bytes(), QByteArray("[Citt\xE0]\r\nLocalit\xE0=Perch\xE9 citt\xE0 \x80 \xE0\xE8\xEC\xF2\xF9\r\n"));
    EXPECT_EQ(read(QString::fromUtf8("CITTÀ"), QString::fromUtf8("località")), accented);

    // Outside the code page: one "?" per character, names included.
    ASSERT_TRUE(write(QString::fromUtf8("Ω"), "k", QString::fromUtf8("a\u4E2D\U0001F600b")));
    ASSERT_TRUE(write(QString::fromUtf8("Ω"), "k", "again")); // same section, not a second one
    EXPECT_TRUE(bytes().endsWith("[?]\r\nk=again\r\n"));
    ASSERT_TRUE(write("S", "k", QString::fromUtf8("a\u4E2D\U0001F600b")));
    EXPECT_EQ(read("S", "k"), "a??b");
}

TEST_F(IniFile, LineBreaksInAValueBecomeBlanks) {
    ASSERT_TRUE(write("S", "k", "one\r\ntwo\nthree\r"));
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=\"one  two three \"\r\n"));
    EXPECT_EQ(read("S", "k"), "one  two three ");
    EXPECT_EQ(read("S", "two"), "<none>");
}

TEST_F(IniFile, NamesThatCannotBeStoredAreRefused) {
    for (const auto& [section, key] : std::initializer_list<std::pair<QString, QString>>{
             {"", "k"}, {" ", "k"}, {"S", ""}, {"S", "\t"}, {"a]b", "k"}, {"S", "a=b"},
             {"S", "[k"}, {"S\n", "k"}, {"S", "k\r"}}) {
        EXPECT_FALSE(write(section, key, "v"));
        EXPECT_EQ(read(section, key), "<none>");
    }
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFile, DamagedFilesNeverCrash) {
    QByteArray junk;
    std::mt19937 rng(99);
    for (int i = 0; i < 200000; ++i)
        junk.append(static_cast<char>(rng() & 0xFF));
    junk += "\n[" + QByteArray(100000, 'S') + QByteArray(1, '\0') + "=" + QByteArray(100000, '"');
    for (const QByteArray& content :
         {junk, QByteArray(), QByteArray("\r\n\r\n"), QByteArray("no sections=1\r\n"),
          QByteArray("[\r\n]\r\n[]\r\n=\r\n[S\r\nk=1\r\n"), QByteArray(1 << 20, '=')}) {
        put(content);
        EXPECT_EQ(read("S", "k"), "<none>");
        ASSERT_TRUE(write("S", "k", "v"));
        EXPECT_EQ(read("S", "k"), "v");
    }
    put("[S]\r\nk=" + QByteArray(1 << 20, 'x') + "\r\n");
    EXPECT_EQ(read("S", "k").size(), 1 << 20);
}

TEST_F(IniFile, FailedWriteReportsFalseAndLeavesTheOldFile) {
    // A folder that does not exist, and a path that is a folder.
    EXPECT_FALSE(writeProfileString(dir_.filePath("missing/test.ini"), "S", "k", "v"));
    EXPECT_FALSE(QFile::exists(dir_.filePath("missing")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.ini"));
    EXPECT_FALSE(writeProfileString(dir_.filePath("folder.ini"), "S", "k", "v"));
    EXPECT_EQ(readProfileString(dir_.filePath("folder.ini"), "S", "k", "d"), "d");

    const QByteArray old = "; keep me\r\n[S]\r\nk=old\r\n";
    put(old);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), readOnly));
    QFile probe(dir_.filePath("probe"));
    const bool privileged = probe.open(QIODevice::WriteOnly); // root ignores permissions
    if (!privileged) {
        EXPECT_FALSE(write("S", "k", "new"));
        EXPECT_FALSE(write("T", "k", "new"));
    }
    QFile::setPermissions(dir_.path(), readOnly | QFileDevice::WriteOwner);
    if (privileged)
        probe.remove();

    // A file that cannot be read is never replaced.
    if (!privileged) {
        ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::WriteOwner));
        EXPECT_FALSE(write("S", "k", "new"));
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"test.ini"}); // no temporary left
    if (privileged)
        GTEST_SKIP() << "running with privileges: permissions cannot make the folder read-only";
}

// Several keys at once: the same file as one write after another, made with
// one replace.
TEST_F(IniFile, SeveralKeysAreStoredWithOneReplaceAsSingleWritesWouldStoreThem) {
    const ProfileEntries entries = {{"Nome", "Anna Bianchi"}, {" cap ", "00100"}, {"Via", " spazi "},
                                    {"Nome", "Anna Verdi"}, {"Vuota", ""}};
    const QByteArray starts[] = {
        QByteArray(),
        "[Dati esecutore]\r\nNome=Mario\r\n; note\r\n[Altra]\r\nNome=altra\r\n",
        "; only a comment\nCAP=1\n",
        "[dati esecutore]\r\nCAP=1\r\n[Dati esecutore]\r\nVia=2\r\n",
    };
    FakeFileCopier copier;
    setFileCopier(&copier);
    for (const QByteArray& start : starts) {
        SCOPED_TRACE(start.toStdString());
        QFile::remove(path());
        if (!start.isNull())
            put(start);
        for (const auto& [key, value] : entries)
            ASSERT_TRUE(write("Dati esecutore", key, value));
        const QByteArray oneByOne = bytes();

        QFile::remove(path());
        if (!start.isNull())
            put(start);
        copier.replaced.clear();
        ASSERT_TRUE(writeProfileStrings(path(), "Dati esecutore", entries));
        EXPECT_EQ(bytes(), oneByOne);
        EXPECT_EQ(copier.replaced.size(), 1u);
        EXPECT_EQ(read("Dati esecutore", "Nome"), "Anna Verdi") << "a key given twice keeps its last value";
        EXPECT_EQ(read("Dati esecutore", "Via"), " spazi ");
    }
    setFileCopier(nullptr);
    EXPECT_EQ(bytes(), QByteArray("[dati esecutore]\r\ncap=00100\r\nNome=Anna Verdi\r\nVia=\" spazi \"\r\n"
                                  "Vuota=\r\n[Dati esecutore]\r\nVia=2\r\n"));

    // Nothing to store: nothing is written.
    QFile::remove(path());
    EXPECT_TRUE(writeProfileStrings(path(), "S", {}));
    EXPECT_FALSE(QFile::exists(path()));
}

// One name that cannot be stored, or a replace that fails at any point,
// leaves every key as it was.
TEST_F(IniFile, SeveralKeysAreStoredAllOrNone) {
    const QByteArray old = "; keep me\r\n[S]\r\na=1\r\nb=2\r\n";
    put(old);
    for (const ProfileEntries& bad : {ProfileEntries{{"a", "x"}, {"", "y"}}, ProfileEntries{{"a", "x"}, {"b=c", "y"}},
                                      ProfileEntries{{"[b", "y"}, {"a", "x"}}, ProfileEntries{{"a", "x"}, {"b\n", "y"}}}) {
        EXPECT_FALSE(writeProfileStrings(path(), "S", bad)) << bad.last().first.toStdString();
        EXPECT_EQ(bytes(), old);
    }
    EXPECT_FALSE(writeProfileStrings(path(), "S]", {{"a", "x"}}));
    EXPECT_EQ(bytes(), old);

    using Stage = FakeFileCopier::Stage;
    FakeFileCopier copier;
    setFileCopier(&copier);
    for (const Stage stage : {Stage::Create, Stage::Write, Stage::Sync, Stage::Rename}) {
        for (const int error : {EIO, ENOSPC}) {
            copier.failWith(error, stage, 5);
            EXPECT_FALSE(writeProfileStrings(path(), "S", {{"a", "x"}, {"b", "y"}, {"c", "z"}}));
            EXPECT_EQ(bytes(), old) << int(stage) << " " << error;
            EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});
        }
    }
    copier.heal();
    EXPECT_TRUE(writeProfileStrings(path(), "S", {{"a", "x"}, {"b", "y"}, {"c", "z"}}));
    setFileCopier(nullptr);
    EXPECT_EQ(bytes(), QByteArray("; keep me\r\n[S]\r\na=x\r\nb=y\r\nc=z\r\n"));
}
