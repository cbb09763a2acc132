#include "platform/FileChoosers.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace platform {

namespace {
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
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QString> chooseFile(const FileRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), request.title,
                           request.startFolder.isEmpty() ? QDir::currentPath() : request.startFolder);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setFileMode(QFileDialog::ExistingFile);
        QStringList filters = request.filters;
        // "*.*" must also list names without a dot.
        for (QString& f : filters)
            f.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
        dialog.setNameFilters(filters);
        if (!request.acceptLabel.isEmpty())
            dialog.setLabelText(QFileDialog::Accept, request.acceptLabel);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};
QtFileChoosers g_qtChoosers;
IFileChoosers* g_choosers = nullptr;
} // namespace

IFileChoosers& fileChoosers() { return g_choosers ? *g_choosers : g_qtChoosers; }
void setFileChoosers(IFileChoosers* impl) { g_choosers = impl; }

} // namespace platform
