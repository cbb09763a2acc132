#include "common/ProgramFiles.h"

#include "common/FixedRecord.h"

namespace ProgramFiles {

QString JournalOf(const QString& archiveFile) { return archiveFile + QStringLiteral(".jnl"); }

ArchiveFiles YearArchive(const QString& year) {
    const QString digits = trimBlanks(year).toString();
    return {digits + QStringLiteral(".ccp"), digits + QStringLiteral(".tmp")};
}

QString YearBackupName(const QString& year) {
    return QStringLiteral("Bollettini_anno_") + trimBlanks(year).toString() + QStringLiteral(".bkb");
}

QString RegisterBackupName(const RegisterBackup& backup, const QDate& day) {
    return backup.prefix + QString::number(day.day()) + QLatin1Char('_') + QString::number(day.month()) +
           QLatin1Char('_') + QString::number(day.year()) + backup.extension;
}

} // namespace ProgramFiles
