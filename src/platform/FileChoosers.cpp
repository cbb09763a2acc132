#include "platform/FileChoosers.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>

namespace platform {

namespace {

const QString kEveryFilePattern = QStringLiteral("(*.*)");

// "*.*" lists every file on Windows, names without a dot included; Qt takes
// it literally. The filter keeps its text and lists every name.
void listEveryFileUnder(QFileDialog& dialog, const QString& filter) {
    if (!filter.endsWith(kEveryFilePattern))
        return;
    if (auto* model = dialog.findChild<QFileSystemModel*>())
        model->setNameFilters({QStringLiteral("*")});
}

class QtFileChoosers final : public IFileChoosers {
public:
    std::optional<QString> chooseFolder(const FolderRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), request.title,
                           request.startFolder.isEmpty() ? QDir::homePath() : request.startFolder);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    }

    std::optional<QString> chooseFile(const FileRequest& request) override {
        // As the system's dialog did: the current folder at first, then the
        // folder of the file chosen last.
        QString start = request.startFolder;
        if (start.isEmpty())
            start = lastFolder_.isEmpty() ? QDir::currentPath() : lastFolder_;
        QFileDialog dialog(QApplication::activeWindow(), request.title, start);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(request.filters);
        if (!request.filters.isEmpty())
            dialog.selectNameFilter(request.filters.constFirst());
        listEveryFileUnder(dialog, dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { listEveryFileUnder(dialog, filter); });
        if (!request.acceptLabel.isEmpty())
            dialog.setLabelText(QFileDialog::Accept, request.acceptLabel);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QFileInfo chosen(dialog.selectedFiles().constFirst());
        lastFolder_ = chosen.absolutePath();
        return chosen.absoluteFilePath();
    }

private:
    QString lastFolder_;
};

QtFileChoosers g_qtChoosers;
IFileChoosers* g_choosers = nullptr;

} // namespace

IFileChoosers& fileChoosers() { return g_choosers ? *g_choosers : g_qtChoosers; }
void setFileChoosers(IFileChoosers* impl) { g_choosers = impl; }

} // namespace platform
