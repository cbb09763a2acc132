#include "platform/TerminationSignals.h"

#include "common/RecordArchive.h"
#include "support/TestPlatform.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// A signal's handling for the life of the object, put back afterwards.
class SignalHandling {
public:
    SignalHandling(int signal, void (*handler)(int)) : signal_(signal) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, &before_);
    }
    ~SignalHandling() { sigaction(signal_, &before_, nullptr); }
    static void (*now(int signal))(int) {
        struct sigaction current {};
        sigaction(signal, nullptr, &current);
        return current.sa_handler;
    }

private:
    int signal_;
    struct sigaction before_ {};
};

// A program whose end stops the event loop that stands for the program's own.
class LoopProgram final : public platform::IProgram {
public:
    explicit LoopProgram(QEventLoop& loop) : loop_(loop) {}
    void end() override {
        ended_ = true;
        loop_.exit(0);
    }
    bool ended() const override { return ended_; }
    void setBusy(bool) override {}
    void beep() override {}

private:
    QEventLoop& loop_;
    bool ended_ = false;
};

} // namespace

TEST(TerminationSignals, EachEndsTheProgramFromTheEventLoopAndIsHandledAsBeforeAfterwards) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        TestPlatform tp;
        const SignalHandling byDefault(signal, SIG_DFL);
        {
            const platform::QuitOnTerminationSignals quit;
            EXPECT_NE(SignalHandling::now(signal), SIG_DFL) << signal;
            ASSERT_EQ(raise(signal), 0);
            EXPECT_FALSE(tp.program.ended()) << signal << ": the handler itself only wakes the event loop";
            EXPECT_TRUE(QTest::qWaitFor([&] { return tp.program.ended(); }, 5000)) << signal;
        }
        EXPECT_EQ(SignalHandling::now(signal), SIG_DFL) << signal;
    }
    // A signal ignored from the start (nohup, a background job) stays so.
    TestPlatform tp;
    const SignalHandling ignored(SIGHUP, SIG_IGN);
    {
        const platform::QuitOnTerminationSignals quit;
        EXPECT_EQ(SignalHandling::now(SIGHUP), SIG_IGN);
        ASSERT_EQ(raise(SIGHUP), 0);
        QTest::qWait(100);
        EXPECT_FALSE(tp.program.ended());
    }
    EXPECT_EQ(SignalHandling::now(SIGHUP), SIG_IGN);
}

// A save whose undo the disk refused until it healed, then a SIGTERM: the
// event loop stops as at any other end, what follows it in main() puts the
// old bytes back, and the next start finds them.
TEST(TerminationSignals, ASigtermAfterAFailedSaveLetsTheEndPutTheOldBytesBack) {
    TestPlatform tp;
    const QString path = tp.path("2026.ccp");
    const QByteArray before = QByteArray(601, 'A') + QByteArray(601, 'B');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    {
        RecordArchive archive(path, tp.path("2026.tmp"), 601);
        ASSERT_TRUE(archive.OpenArchive());
        tp.fileCalls.failEveryCallFrom(6); // the record's sync and every call after it
        EXPECT_FALSE(archive.WriteRecord(3, QByteArray(601, 'n')));
    }
    ASSERT_EQ(QFileInfo(path).size(), 3 * 601) << "the record reached the archive";
    tp.fileCalls.heal();

    const SignalHandling byDefault(SIGTERM, SIG_DFL);
    QEventLoop loop;
    LoopProgram program(loop);
    platform::setProgram(&program);
    {
        const platform::QuitOnTerminationSignals quit;
        QTimer::singleShot(0, [] { raise(SIGTERM); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        EXPECT_EQ(loop.exec(), 0) << "the signal stops the loop";
    }
    platform::setProgram(&tp.program);
    EXPECT_TRUE(program.ended());
    // What main() does once its event loop has stopped.
    RecordArchive::SettleFailedSaves();

    RecordArchive::ForgetFailedSaves(); // a new run
    RecordArchive next(path, tp.path("2026.tmp"), 601);
    ASSERT_TRUE(next.OpenArchive());
    QByteArray all;
    EXPECT_TRUE(next.ReadAll(all));
    EXPECT_EQ(all, before);
    EXPECT_FALSE(QFile::exists(path + ".jnl"));
}
