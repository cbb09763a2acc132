#pragma once
// Choosing a folder or a file, through Qt's own dialogs (they stay in the
// program's accessibility tree and speak Italian).

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

struct FolderRequest {
    QString title;
    QString startFolder; // empty: the user's home folder
};

struct FileRequest {
    QString title;
    QStringList filters;  // "Backup anagrafica (*.bki)", "Tutti i file (*.*)"
    QString startFolder;  // empty: the current folder
    QString acceptLabel;  // the accept button's caption ("Apri")
};

class IFileChoosers {
public:
    virtual ~IFileChoosers() = default;
    // The chosen folder (absolute), or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(const FolderRequest& request) = 0;
    // The chosen existing file (absolute), or nothing when cancelled.
    virtual std::optional<QString> chooseFile(const FileRequest& request) = 0;
};

IFileChoosers& fileChoosers();
void setFileChoosers(IFileChoosers* impl); // nullptr: back to the real dialogs

} // namespace platform
