#pragma once
// The files of the program folder, named in one place: the four archives,
// the temporary files their deletes go through and the journals their saves
// go through, the backup copies, the settings file, the password store and
// the PDF manual.

#include <QDate>
#include <QString>

// An archive and the temporary file its delete writes.
struct ArchiveFiles {
    QString archive;
    QString temp;
};

namespace ProgramFiles {

inline const QString Settings = QStringLiteral("Bollettini.ini");
inline const QString PasswordStore = QStringLiteral("unins000.dll");
inline const QString Manual = QStringLiteral("Guida.pdf");

// The register archives.
inline const ArchiveFiles Payees{QStringLiteral("Intestatari.idb"), QStringLiteral("Intestatari.tmp")};
inline const ArchiveFiles Payers{QStringLiteral("Esecutori.edb"), QStringLiteral("Esecutori.tmp")};
inline const ArchiveFiles Reasons{QStringLiteral("Causali.cdb"), QStringLiteral("Causali.tmp")};

// The journal a save writes beside an archive's file before it changes the
// archive: the file's name followed by ".jnl". No program file, backup or
// temporary file ends so.
QString JournalOf(const QString& archiveFile);

// A year's archive: the year without its surrounding blanks followed by
// ".ccp", its temporary file by ".tmp".
ArchiveFiles YearArchive(const QString& year);

// Backups. A year archive's copy: "Bollettini_anno_<year>.bkb".
QString YearBackupName(const QString& year);

// A register's copy: its prefix, then day, month and four-digit year without
// leading zeros joined by "_", then its extension.
struct RegisterBackup {
    QString prefix;
    QString extension;
};
inline const RegisterBackup PayeesBackup{QStringLiteral("Backup_intestatari_"), QStringLiteral(".bki")};
inline const RegisterBackup PayersBackup{QStringLiteral("Backup_esecutori_"), QStringLiteral(".bke")};
inline const RegisterBackup ReasonsBackup{QStringLiteral("Backup_causali_"), QStringLiteral(".bkc")};
QString RegisterBackupName(const RegisterBackup& backup, const QDate& day);

} // namespace ProgramFiles
