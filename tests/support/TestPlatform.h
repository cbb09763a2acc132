#pragma once
// Test doubles of the platform services, installed for the life of a
// TestPlatform object: recorded message boxes with scripted answers, scripted
// modal windows, a program that records its end and busy pointer, a fresh
// program folder, a recording printer, and the desktop, clipboard, choosers
// and writers. Every double is a member here and is installed by it; nothing
// installs itself.

#include "common/Form.h"
#include "support/FakeDesktop.h"
#include "support/FakeFileCopier.h"
#include "support/FaultyFileCalls.h"
#include "support/FakeServices.h"
#include "support/RecordingPrinter.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "platform/UserLocale.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingMessages final : public platform::IMessages {
public:
    std::vector<platform::Message> shown;
    std::deque<platform::MsgAnswer> answers;

    platform::MsgAnswer show(const platform::Message& m) override {
        shown.push_back(m);
        if (!answers.empty()) {
            const auto a = answers.front();
            answers.pop_front();
            return a;
        }
        if (m.buttons == platform::MsgButtons::OK)
            return platform::MsgAnswer::OK;
        ADD_FAILURE() << "unanswered question: " << m.text.toStdString();
        return m.buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::No : platform::MsgAnswer::Cancel;
    }

    const platform::Message& last() const { return shown.back(); }
    QStringList texts() const {
        QStringList t;
        for (const auto& m : shown)
            t << m.text;
        return t;
    }
};

class ScriptedModal final : public platform::IModalRunner {
public:
    using Script = std::function<void(QWidget&)>;
    struct Step {
        std::string className;
        Script script;
    };
    std::deque<Step> steps;
    std::vector<std::string> opened; // class names, in order

    // The next modal window must be of this class; the script operates it.
    void expect(const std::string& className, Script script = {}) { steps.push_back({className, std::move(script)}); }

    void runModal(QWidget& window) override {
        const std::string name = window.metaObject()->className();
        opened.push_back(name);
        QPointer<QWidget> guard(&window);
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected modal window " << name;
        } else {
            Step step = std::move(steps.front());
            steps.pop_front();
            EXPECT_EQ(step.className, name) << "modal window out of order";
            if (step.script)
                step.script(window);
        }
        if (guard && guard->isVisible())
            guard->close();
    }
};

class FakeProgram final : public platform::IProgram {
public:
    bool endedFlag = false;
    int busyDepth = 0;
    int busyCalls = 0;
    int beeps = 0;
    void beep() override { ++beeps; }
    void end() override { endedFlag = true; }
    bool ended() const override { return endedFlag; }
    void setBusy(bool busy) override {
        busy ? (++busyDepth, ++busyCalls) : busyDepth = 0;
    }
};

class TestPlatform {
public:
    RecordingMessages messages;
    ScriptedModal modal;
    FakeProgram program;
    // An Italian user: decimal comma, thousands point.
    platform::MemoryUserLocale locale{QStringLiteral(","), QStringLiteral(".")};
    QTemporaryDir dir;
    FakeDesktop desktop;
    FakeClipboard clipboard;
    ScriptedChoosers choosers;
    RecordingWriters writers;
    // Stands in for the printers; a test may still lay its own recorder over
    // it with ScopedPrinter.
    RecordingPrinter printer;
    // Whole-file copies: the real ones unless a test makes them fail.
    FakeFileCopier copier;
    // The file calls of the archives and of the copier: the real ones unless
    // a test kills them.
    FaultyFileCalls fileCalls;

    TestPlatform() {
        platform::setMessages(&messages);
        platform::setModalRunner(&modal);
        platform::setProgram(&program);
        platform::setProgramFolderForTesting(dir.path());
        // Never the developer's own locale settings.
        platform::setUserLocaleFileForTesting(dir.path() + QStringLiteral("/locale.ini"));
        platform::setUserLocale(&locale);
        platform::setDesktop(&desktop);
        platform::setClipboard(&clipboard);
        platform::setFileChoosers(&choosers);
        platform::setDocumentWriters(&writers);
        platform::setPrinter(&printer);
        platform::setFileCopier(&copier);
        platform::setFileCalls(&fileCalls);
    }
    ~TestPlatform() {
        Forms::destroyAll();
        // The work still queued (an unloaded window's last-window check, say)
        // runs now, against these doubles, not in whatever test comes next.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(modal.steps.empty()) << "a scripted modal window never opened";
        platform::setMessages(nullptr);
        platform::setModalRunner(nullptr);
        platform::setProgram(nullptr);
        platform::setProgramFolderForTesting(QString());
        platform::setUserLocaleFileForTesting(QString());
        platform::setUserLocale(nullptr);
        platform::setDesktop(nullptr);
        platform::setClipboard(nullptr);
        platform::setFileChoosers(nullptr);
        platform::setDocumentWriters(nullptr);
        platform::setPrinter(nullptr);
        platform::setFileCopier(nullptr);
        platform::setFileCalls(nullptr);
    }
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    // Runs the queued work of the event loop (deferred deletes, the
    // last-window check) as returning from a handler would.
    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
