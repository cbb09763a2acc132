#pragma once
// Doubles of the clipboard, the file and folder choosers and the document
// writers; TestPlatform installs them.

#include "platform/Clipboard.h"
#include "platform/DocumentWriters.h"
#include "platform/FileChoosers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Holds what the program copies through platform::clipboard(). The text
// boxes paste from the desktop's clipboard (QGuiApplication::clipboard()), so
// a paste test puts its text there.
class FakeClipboard final : public platform::IClipboard {
public:
    QString held;
    bool broken = false; // true: nothing reaches the clipboard
    int writes = 0;

    bool setText(const QString& text) override {
        ++writes;
        if (broken)
            return false;
        held = text;
        return true;
    }
    QString text() const override { return held; }
};

class ScriptedChoosers final : public platform::IFileChoosers {
public:
    std::vector<platform::FolderRequest> folderRequests;
    std::vector<platform::FileRequest> fileRequests;
    // Answers in order; nothing: the user cancelled.
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<std::optional<QString>> fileAnswers;

    std::optional<QString> chooseFolder(const platform::FolderRequest& request) override {
        folderRequests.push_back(request);
        if (folderAnswers.empty()) {
            ADD_FAILURE() << "unexpected folder chooser: " << request.title.toStdString();
            return std::nullopt;
        }
        const QString answer = folderAnswers.front().value_or(QString());
        const bool chosen = folderAnswers.front().has_value();
        folderAnswers.pop_front();
        return chosen ? std::optional<QString>(answer) : std::nullopt;
    }
    std::optional<QString> chooseFile(const platform::FileRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file chooser: " << request.title.toStdString();
            return std::nullopt;
        }
        const QString answer = fileAnswers.front().value_or(QString());
        const bool chosen = fileAnswers.front().has_value();
        fileAnswers.pop_front();
        return chosen ? std::optional<QString>(answer) : std::nullopt;
    }
};

// Records every document and writes a small file under the name the real
// writers would choose, so that what follows (opening it) sees a real file.
class RecordingWriters final : public platform::IDocumentWriters {
public:
    std::vector<platform::DocxDocument> documents;
    std::vector<platform::XlsxSheet> sheets;
    QStringList written; // full paths
    bool failing = false;
    std::function<void()> onRow; // runs as each row (after the header) comes
    int rowsAccepted = -1;       // rows a workbook takes before adding one fails; -1: no limit

    QString writeDocx(const platform::DocxDocument& document, const QString& folder, const QString& baseName) override {
        documents.push_back(document);
        return make(folder, baseName, QStringLiteral(".docx"));
    }
    // Each row lands in the last of `sheets` as it is added.
    std::unique_ptr<platform::IXlsxWriter> startXlsx(const QStringList& header, const QString& folder,
                                                     const QString& baseName) override {
        sheets.push_back(platform::XlsxSheet{header, {}});
        return std::make_unique<Sheet>(*this, folder, baseName);
    }

private:
    class Sheet final : public platform::IXlsxWriter {
    public:
        Sheet(RecordingWriters& owner, const QString& folder, const QString& baseName)
            : owner_(owner), folder_(folder), baseName_(baseName) {}
        bool addRow(const QStringList& cells) override {
            if (owner_.onRow)
                owner_.onRow();
            if (failed_ || owner_.sheets.back().rows.size() == owner_.rowsAccepted)
                return !(failed_ = true);
            owner_.sheets.back().rows << cells;
            return true;
        }
        QString finish() override {
            return failed_ ? QString() : owner_.make(folder_, baseName_, QStringLiteral(".xlsx"));
        }

    private:
        RecordingWriters& owner_;
        QString folder_;
        QString baseName_;
        bool failed_ = false;
    };

    QString make(const QString& folder, const QString& baseName, const QString& extension) {
        if (failing)
            return QString();
        const QString path = QDir(folder).filePath(platform::FreeFileName(folder, baseName, extension));
        QFile file(path);
        if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly))
            return QString();
        file.write("stand-in");
        file.close();
        written << path;
        return path;
    }
};
