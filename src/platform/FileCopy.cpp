#include "platform/FileCopy.h"

namespace platform {

namespace {
// Placeholder until the real file layer arrives.
class NoCopier final : public IFileCopier {
public:
    FileError copyFile(const QString&, const QString&) override { return FileError::Other; }
    FileError replaceFile(const QString&, const QByteArray&) override { return FileError::Other; }
};
NoCopier g_noCopier;
IFileCopier* g_copier = nullptr;
} // namespace

IFileCopier& fileCopier() { return g_copier ? *g_copier : g_noCopier; }
void setFileCopier(IFileCopier* impl) { g_copier = impl; }

} // namespace platform
