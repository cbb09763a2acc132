#include "common/OfficeCheck.h"

#include "platform/Desktop.h"

bool RegistryValueExists(const QString& key) {
    const char* mimeType = nullptr;
    if (key == QStringLiteral("Word.Document\\CurVer"))
        mimeType = platform::kDocxMimeType;
    else if (key == QStringLiteral("Excel.sheet\\CurVer"))
        mimeType = platform::kXlsxMimeType;
    if (!mimeType)
        return false;
    return !platform::desktop().defaultApplication(QString::fromLatin1(mimeType)).isEmpty();
}
