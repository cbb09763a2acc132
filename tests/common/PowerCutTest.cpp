// Power cuts at every point of the program's saves, deletes and whole-file
// copies: the calls of a real operation are recorded, every state a cut
// between two of them can leave is built in a folder of its own, and the
// next start recovers from it. What it finds is the file as it was or as the
// operation made it, and nothing left beside it; once the operation had
// said it succeeded, only as it made it.

#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "platform/DocumentWriters.h"
#include "platform/FileCopy.h"
#include "platform/IniFile.h"
#include "platform/NewFile.h"
#include "support/PowerCutDisk.h"

#include <QTemporaryDir>

#include <fcntl.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <tuple>
#include <optional>
#include <string>
#include <vector>

using powercut::Files;

namespace {

// A slip whose bytes differ from another's from its first field to its
// last, so that a record torn anywhere is neither.
SlipRecord slip(const QString& payee) {
    SlipRecord r;
    r.AccountNumber = QStringLiteral("123456789012");
    r.Euros = QString::number(payee.size() * 7);
    r.Payee1 = payee;
    r.Reason1 = r.Reason2 = QStringLiteral("pagamento di ") + payee;
    r.Town = payee;
    r.Notes = (payee + QLatin1Char(' ')).repeated(300 / (payee.size() + 1));
    return r;
}

QByteArray slips(const QString& name, int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += slip(name + QString::number(n)).encode();
    return bytes;
}

const QByteArray kArchive = "2026.ccp";
const QByteArray kBackup = "Bollettini_anno_2026.bkb";
const QByteArray kSettings = "Bollettini.ini";

// A year archive's operation, through a new archive object as a window makes
// one for every press.
bool withArchive(const QString& folder, const std::function<bool(RecordArchive&)>& work) {
    RecordArchive archive(folder + "/2026.ccp", folder + "/2026.tmp", SlipRecord::Length);
    return archive.OpenArchive() && work(archive);
}

struct Operation {
    std::string name;
    // How the next start comes back: by opening the archive, by clearing
    // the copier's leftovers, or those of the exports and the PDF printer.
    enum class Start { OpensTheArchive, ClearsCopyLeftovers, ClearsNewFileLeftovers } start;
    QByteArray target; // the file the operation changes
    Files before;      // the folder before it
    std::function<bool(const QString& folder)> run;
    bool withoutLinks = false; // on a file system with neither rename flags nor hard links
};

void PrintTo(const Operation& op, std::ostream* os) { *os << op.name; }

std::vector<Operation> operations() {
    using Start = Operation::Start;
    const QByteArray seven = slips("ROSSI", 7);
    const auto save = [](qint64 k, const char* payee) {
        return [=](const QString& folder) {
            return withArchive(folder, [&](RecordArchive& a) { return a.Write(k, slip(payee)); });
        };
    };
    const auto wordExport = [](const QString& folder) {
        platform::DocxDocument document;
        document.before = {{QStringLiteral("Scheda anagrafica")}};
        document.tableRows = {{QStringLiteral("Nominativo"), QStringLiteral("ROSSI MARIO")}};
        return platform::documentWriters().writeDocx(document, folder, QStringLiteral("Scheda"))
               == folder + "/Scheda (2).docx";
    };
    return {
        // The append seen on a real disk: slip 8 after 7.
        {"Append", Start::OpensTheArchive, kArchive, {{kArchive, seven}}, save(8, "NUOVO")},
        // Slip 7 after 6 lies across the first page's end, slip 14 after 13
        // across the second's.
        {"AppendAcrossAPage", Start::OpensTheArchive, kArchive, {{kArchive, slips("ROSSI", 6)}}, save(7, "NUOVO")},
        {"AppendAcrossTheSecondPage", Start::OpensTheArchive, kArchive, {{kArchive, slips("ROSSI", 13)}},
         save(14, "NUOVO")},
        {"Overwrite", Start::OpensTheArchive, kArchive, {{kArchive, seven}}, save(3, "NUOVO")},
        // Slip 7 lies across the first 4096-byte page's end.
        {"OverwriteAcrossAPage", Start::OpensTheArchive, kArchive, {{kArchive, slips("ROSSI", 8)}}, save(7, "NUOVO")},
        {"FirstSlipOfANewYear", Start::OpensTheArchive, kArchive, {}, save(1, "PRIMO")},
        {"Delete", Start::OpensTheArchive, kArchive, {{kArchive, seven}},
         [](const QString& folder) { return withArchive(folder, [](RecordArchive& a) { return a.RemoveRecord(3); }); }},
        {"Backup", Start::ClearsCopyLeftovers, kBackup, {{kArchive, seven}, {kBackup, slips("VERDI", 5)}},
         [](const QString& folder) {
             return platform::fileCopier().copyFile(folder + "/2026.ccp", folder + "/" + kBackup)
                    == platform::FileError::None;
         }},
        {"FirstBackup", Start::ClearsCopyLeftovers, kBackup, {{kArchive, seven}},
         [](const QString& folder) {
             return platform::fileCopier().copyFile(folder + "/2026.ccp", folder + "/" + kBackup)
                    == platform::FileError::None;
         }},
        {"SettingsWrite", Start::ClearsCopyLeftovers, kSettings,
         {{kSettings, "[Bollettini]\r\nAnno=2025\r\nStampante=HP\r\n"}},
         [](const QString& folder) {
             return platform::writeProfileString(folder + "/Bollettini.ini", "Bollettini", "Anno", "2026");
         }},
        // A new document beside an older one, as an export or a PDF print
        // writes it: under a temporary name, then named without replacing.
        {"WordExport", Start::ClearsNewFileLeftovers, "Scheda (2).docx", {{"Scheda.docx", "older export"}},
         wordExport},
        // The same where the name is reserved and the file renamed over it.
        {"WordExportWithoutHardLinks", Start::ClearsNewFileLeftovers, "Scheda (2).docx",
         {{"Scheda.docx", "older export"}}, wordExport, true},
    };
}

class PowerCut : public ::testing::TestWithParam<Operation> {
protected:
    void TearDown() override {
        platform::setFileCalls(nullptr);
        RecordArchive::ForgetFailedSaves();
    }

    // The folder as the next start leaves it, from a state a cut left, laid
    // out in a fresh folder.
    Files recover(const Files& cut) {
        const QTemporaryDir fresh;
        EXPECT_TRUE(fresh.isValid());
        powercut::Materialise(cut, fresh.path());
        RecordArchive::ForgetFailedSaves(); // a new run of the program
        platform::setFileCalls(&unsynced);
        if (GetParam().start == Operation::Start::OpensTheArchive) {
            RecordArchive archive(fresh.path() + "/2026.ccp", fresh.path() + "/2026.tmp", SlipRecord::Length);
            EXPECT_TRUE(archive.OpenArchive());
        } else if (GetParam().start == Operation::Start::ClearsCopyLeftovers) {
            platform::RemoveCopyLeftovers(fresh.path());
        } else {
            platform::RemoveNewFileLeftovers(fresh.path());
        }
        platform::setFileCalls(nullptr);
        return powercut::FilesOf(fresh.path());
    }

    QTemporaryDir work;
    powercut::UnsyncedFileCalls unsynced;
};

// What a state holds of a file; none when it is not there.
std::optional<QByteArray> fileIn(const Files& files, const QByteArray& name) {
    const auto at = files.find(name);
    return at == files.end() ? std::nullopt : std::optional(at->second);
}

std::string describe(const Files& files) {
    std::string s;
    for (const auto& [name, content] : files)
        s += " " + name.toStdString() + " (" + std::to_string(content.size()) + " bytes)";
    return s.empty() ? " nothing" : s;
}

} // namespace

TEST_P(PowerCut, EveryStateACutLeavesComesBackAsItWasOrAsTheOperationMadeIt) {
    const Operation& op = GetParam();
    ASSERT_TRUE(work.isValid());
    powercut::Materialise(op.before, work.path());
    ASSERT_EQ(powercut::FilesOf(work.path()), op.before);

    powercut::PowerCutDisk disk(work.path());
    powercut::RecordingFileCalls recorder;
    recorder.withoutLinks = op.withoutLinks;
    RecordArchive::ForgetFailedSaves();
    platform::setFileCalls(&recorder);
    const bool done = op.run(work.path());
    platform::setFileCalls(nullptr);
    ASSERT_TRUE(done) << "the operation itself";
    const Files after = powercut::FilesOf(work.path());

    // The file as it was (an archive not there yet is opened empty) and as
    // the operation made it; every other file stays as it was.
    std::optional<QByteArray> old = fileIn(op.before, op.target);
    if (!old && op.start == Operation::Start::OpensTheArchive)
        old = QByteArray();
    const std::optional<QByteArray> made = fileIn(after, op.target);
    ASSERT_TRUE(made && made != old);
    Files others = op.before;
    others.erase(op.target);
    ASSERT_EQ([&] { Files a = after; a.erase(op.target); return a; }(), others);

    std::map<Files, Files> recovered;
    int failures = 0;
    size_t states = 0;
    const auto& calls = recorder.calls;
    for (size_t point = 0; point <= calls.size() && failures < 5; ++point) {
        // Only after the last call had the operation said it succeeded.
        const bool reported = point == calls.size();
        for (const Files& cut : disk.cutStates(std::uint32_t(20260401 + point))) {
            auto at = recovered.find(cut);
            if (at == recovered.end())
                at = recovered.emplace(cut, recover(cut)).first;
            ++states;
            Files rest = at->second;
            const std::optional<QByteArray> now = fileIn(rest, op.target);
            rest.erase(op.target);
            const bool fine = rest == others && (now == made || (!reported && now == old));
            if (!fine && failures++ < 5) {
                ADD_FAILURE() << op.name << ": a cut after " << point << " of " << calls.size() << " calls"
                              << (point > 0 ? " (the last: " + calls[point - 1].name() + ")" : std::string())
                              << " left" << describe(cut) << ", and the start made of it" << describe(at->second)
                              << (now && now != old && now != made ? "; the target is neither old nor new" : "");
            }
        }
        if (point < calls.size())
            disk.play(calls[point]);
    }
    EXPECT_EQ(disk.seen(), after) << "the calls played back make what the operation made";
    RecordProperty("calls", int(calls.size()));
    RecordProperty("states", int(states));
    RecordProperty("distinct", int(recovered.size()));
}

INSTANTIATE_TEST_SUITE_P(Operations, PowerCut, ::testing::ValuesIn(operations()),
                         [](const ::testing::TestParamInfo<Operation>& info) { return info.param.name; });

// The simulation itself: what a cut leaves of an append across a page's end
// and of a new file, before and after each sync.
TEST(PowerCutDisk, AWriteIsKeptLostTornOrZerosUntilItsSyncAndANameUntilItsFolders) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QByteArray old(3606, 'o');
    const QByteArray appended(601, 'n');
    const QByteArray fresh(700, 'f');
    powercut::Materialise({{"a", old}}, work.path());
    powercut::PowerCutDisk disk(work.path());
    powercut::RecordingFileCalls recorder;
    platform::setFileCalls(&recorder);
    const QByteArray folder = QFile::encodeName(work.path());
    for (const auto& [name, bytes, at] :
         {std::tuple{"/a", appended, old.size()}, std::tuple{"/b", fresh, qsizetype(0)}}) {
        const int fd = platform::fileCalls().open(folder + name, O_WRONLY | O_CREAT);
        ASSERT_GE(fd, 0);
        ASSERT_TRUE(platform::WriteFullyAt(fd, bytes.constData(), bytes.size(), at));
        ASSERT_EQ(platform::fileCalls().syncData(fd), 0);
        ASSERT_EQ(platform::fileCalls().close(fd), 0);
    }
    ASSERT_EQ(platform::fileCalls().syncFolder(folder), 0);
    platform::setFileCalls(nullptr);
    ASSERT_EQ(recorder.calls.size(), 9u);

    size_t played = 0;
    const auto statesAfter = [&](size_t calls) {
        for (; played < calls; ++played)
            disk.play(recorder.calls[played]);
        return disk.cutStates(1);
    };
    using States = std::set<Files>;
    const auto a = [](const QByteArray& content) { return Files{{"a", content}}; };
    // The old length, the first page's end or the new length on disk, and
    // of the record's two sectors each, both or none.
    const QByteArray zeros(601, '\0');
    EXPECT_EQ(statesAfter(2), (States{a(old), a(old + zeros.left(490)), a(old + appended.left(490)), a(old + zeros),
                                      a(old + appended), a(old + appended.left(490) + zeros.left(111)),
                                      a(old + zeros.left(490) + appended.mid(490))}));
    EXPECT_EQ(statesAfter(3), States{a(old + appended)}) << "synced";
    Files both = a(old + appended);
    both["b"] = fresh;
    EXPECT_EQ(statesAfter(7), (States{a(old + appended), both})) << "synced, its name not yet";
    EXPECT_EQ(statesAfter(9), States{both}) << "and its folder synced";
}
