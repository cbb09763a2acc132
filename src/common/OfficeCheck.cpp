#include "common/OfficeCheck.h"

#include "platform/Desktop.h"

bool RegistryValueExists(const QString& key) {
    if (key == QStringLiteral("Word.Document\\CurVer"))
        return !platform::desktop().defaultApplication(QLatin1String(platform::kDocxMimeType)).isEmpty();
    if (key == QStringLiteral("Excel.sheet\\CurVer"))
        return !platform::desktop().defaultApplication(QLatin1String(platform::kXlsxMimeType)).isEmpty();
    return false;
}
