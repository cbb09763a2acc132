#include "platform/DocumentWriters.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString exportFolder() {
    QString folder = qEnvironmentVariable("QUILLORA_EXPORT_DIR");
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath() + QStringLiteral("/Documents");
    }
    QDir().mkpath(folder);
    return folder;
}

QString FreeFileName(const QString& folder, const QString& baseName, const QString& extension) {
    const QDir dir(folder);
    QString name = baseName + extension;
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = baseName + QStringLiteral(" (%1)").arg(n) + extension;
    return name;
}

namespace {
// Placeholder until the real writers arrive: nothing can be written.
class NoWriters final : public IDocumentWriters {
public:
    QString writeDocx(const DocxDocument&, const QString&, const QString&) override { return QString(); }
    QString writeXlsx(const XlsxSheet&, const QString&, const QString&) override { return QString(); }
};
NoWriters g_noWriters;
IDocumentWriters* g_writers = nullptr;
} // namespace

IDocumentWriters& documentWriters() { return g_writers ? *g_writers : g_noWriters; }
void setDocumentWriters(IDocumentWriters* impl) { g_writers = impl; }

} // namespace platform
