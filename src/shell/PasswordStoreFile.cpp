#include "shell/PasswordStoreFile.h"

#include "common/FixedRecord.h"
#include "common/ProgramFiles.h"
#include "common/Settings.h"
#include "platform/FileCalls.h"
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

#include <cerrno>

#include <sys/stat.h>

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

// How the start finds the program folder.
enum class FolderFound {
    Missing,   // not there yet
    New,       // nothing in it but what an installation itself puts there
    Installed, // it holds the store, or files of the user's
    Unknown,   // it could not be looked at whole: nothing is written into it
};

// A folder that cannot be listed (searched but not read, say) is never taken
// for an empty one, and the start writes nothing into it. One holding a
// store (whatever stands under its name) is installed, whatever its listing
// says. One without is new when it holds nothing or only a file named as the
// manual (a first start whose store could not be written, or an older one
// that copied the manual after such a failure); anything else is the user's.
FolderFound JudgeProgramFolder(const QString& folder) {
    struct stat info {};
    const QByteArray where = QFile::encodeName(folder);
    if (fileCalls().entryStatus(where, info) != 0)
        return errno == ENOENT ? FolderFound::Missing : FolderFound::Unknown;
    QList<QByteArray> names;
    if (fileCalls().listFolder(where, names) != 0)
        return FolderFound::Unknown;
    if (fileCalls().entryStatus(QFile::encodeName(ProgramFilePath(PasswordFile::kFile)), info) == 0)
        return FolderFound::Installed;
    if (errno != ENOENT)
        return FolderFound::Unknown;
    for (const QByteArray& name : names) {
        if (QFile::decodeName(name) != ProgramFiles::Manual)
            return FolderFound::Installed;
        if (fileCalls().entryStatus(where + '/' + name, info) != 0)
            return FolderFound::Unknown;
        if (!S_ISREG(info.st_mode))
            return FolderFound::Installed;
    }
    return FolderFound::New;
}

} // namespace

void InstallProgramFolder() {
    const QString folder = programFolder();
    // Copies cut short by a crash or a kill leave their hidden temporary
    // files; they go before the folder is judged, so that a first start
    // killed while it wrote the store installs again.
    RemoveCopyLeftovers(folder);
    const FolderFound found = JudgeProgramFolder(folder);
    if (found == FolderFound::Unknown)
        return; // nothing is written; the login reads a store that is there
    if (found != FolderFound::Installed) {
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
