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
#include <optional>

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
        auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    std::optional<QString> chooseFile(const platform::FileRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file chooser: " << request.title.toStdString();
            return std::nullopt;
        }
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
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

    QString writeDocx(const platform::DocxDocument& document, const QString& folder, const QString& baseName) override {
        documents.push_back(document);
        return make(folder, baseName, QStringLiteral(".docx"));
    }
    QString writeXlsx(const platform::XlsxSheet& sheet, const QString& folder, const QString& baseName) override {
        sheets.push_back(sheet);
        return make(folder, baseName, QStringLiteral(".xlsx"));
    }

private:
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
