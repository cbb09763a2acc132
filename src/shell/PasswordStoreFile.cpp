#include "shell/PasswordStoreFile.h"

#include "common/FixedRecord.h"
#include "common/ProgramFiles.h"
#include "common/Settings.h"
#include "platform/FileCopy.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "services/Manual.h"
#include "shell/PasswordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <algorithm>

using namespace platform;

bool LoadPasswordStore(QLabel* lblPwDark) {
    const QString value = ReadSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey);
    lblPwDark->setText(value);
    if (!trimBlanks(value).isEmpty())
        return true;
    MsgBox(QString::fromUtf8("Alcuni file necessari al funzionamento del software risultano danneggiati o mancanti."
                             "\r\n\r\n"
                             "Si consiglia di disinstallare il software e procedere nuovamente alla sua installazione."
                             "\r\n\r\n"
                             "Se il problema persiste, contattare l'autore."
                             "\r\n\r\n"
                             "Il programma verrà ora terminato."),
           MsgIcon::Critical, MsgButtons::OK, QStringLiteral("Programma non installato correttamente"));
    return false;
}

bool SavePasswordStore(const QString& P, QLabel* lblPwDark) {
    const QString s = EncodeWithKey(P, P);
    lblPwDark->setText(s);
    return TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey, s);
}

namespace {

// Whether the folder holds nothing but what an installation itself puts there
// before the store: no entry at all, or only a file named as the manual (a
// first start whose store could not be written, or an older one that copied
// the manual after such a failure). Anything else is the user's.
bool HoldsOnlyInstallationFiles(const QString& folder) {
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    return std::all_of(entries.begin(), entries.end(), [](const QFileInfo& entry) {
        return entry.fileName() == ProgramFiles::Manual && entry.isFile() && !entry.isSymLink();
    });
}

} // namespace

void InstallProgramFolder() {
    const QString folder = programFolder();
    // Copies cut short by a crash or a kill leave their hidden temporary
    // files; they go before the folder is judged, so that a first start
    // killed while it wrote the store installs again.
    RemoveCopyLeftovers(folder);
    if (HoldsOnlyInstallationFiles(folder)) {
        if (!QDir().mkpath(folder))
            return; // the login then reports the damaged installation
        const QString P = QString::fromLatin1(PasswordFile::kInitialPassword).toUpper();
        // A store that cannot be written: nothing more is put in the folder,
        // so that the next start installs again; this one ends at the login,
        // which finds no store.
        if (!TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey, EncodeWithKey(P, P)))
            return;
    }
    // The program's own files are put back where they are missing, so that a
    // first start cut short after the store still gets them; one that is
    // there is never replaced. Through the copier, so that a kill here leaves
    // no temporary file that the next start would not know to remove.
    const QString manual = ProgramFilePath(ProgramFiles::Manual);
    if (!QFileInfo::exists(manual))
        CopyFileAtomically(Manual::BuiltManualPath(), manual);
}
