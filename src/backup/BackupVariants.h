#pragma once
// The four archives the backup wizard copies and restores: a year's slips and
// the three registers. One design serves them all; a variant is one row of
// the table below, holding every text and name in which they differ.
// Texts may hold "<year>" (the year on show in the year chooser) and
// "<date>" (today as day_month_year, no leading zeros).

#include <QString>

#include <functional>

class Form;

enum class BackupArchive { Year, Reasons, Payees, Payers };

struct BackupVariant {
    BackupArchive archive;
    bool yearly;       // the year archive: texts carry the year
    QString liveName;  // the archive file in the program folder
    int recordLength;
    QString extension; // of the backup file, with its dot

    // First step.
    QString startTitle;
    QString welcome;
    QString backupOption;
    QString restoreOption;

    // Backup step.
    QString backupTitle;
    QString backupOpening;
    QString backupName;
    QString overwriteQuestion;

    // Restore step.
    QString restoreTitle;
    QString restoreOpening;
    QString restoreFilter;
    QString restoreConfirmation;
    QString restoreSuccess;
    // Run after a restore: empties the register card the wizard opened over.
    // The cards live above the wizard and hand it down (InstallHandDowns).
    std::function<void()> afterRestore;

    // The variant's three windows.
    Form& (*firstStep)();
    Form& (*backupStep)();
    Form& (*restoreStep)();

    // The text with the year and today's date in place.
    QString expand(const QString& text) const;
    // The archive file's full path.
    QString livePath() const;
};

// The row of an archive; the hook `afterRestore` is set from above.
BackupVariant& Variant(BackupArchive archive);

// "<folder>/<name>", with no doubled separator after a folder that ends in one.
QString JoinFolder(const QString& folder, const QString& name);

// The information text of a step: `opening`, the archive's size, its record
// count (a fraction for a length that is not a whole number of records) and
// " schede.". Opening the archive creates a missing one, empty, and settles
// it; size and count are both those of the archive as its readers then see
// it.
QString ArchiveMeasure(const BackupVariant& variant, const QString& opening);

// Opens the variant's archive, which settles what a save cut short or
// reported failed owes it. False while a failed save of this run still owes
// it its old bytes (the disk refuses them): its file then holds a record the
// user was told was not saved, and a copy of it is no backup of the archive.
bool LiveArchiveSettled(const BackupVariant& variant);

// The card emptied after a register restore: the record on show
// (`lblPosizione`) and every text box and combo box become empty, each box's
// change handling running as typing would. The card then shows a new record.
void ClearRegisterForm(Form& card);
