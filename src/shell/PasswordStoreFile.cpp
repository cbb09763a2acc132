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

void InstallProgramFolder() {
    const QString folder = programFolder();
    // Copies cut short by a crash or a kill leave their hidden temporary
    // files; they go before the folder is judged, so that a first start
    // killed while it wrote the store installs again.
    RemoveCopyLeftovers(folder);
    const QDir dir(folder);
    if (!dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        if (!QDir().mkpath(folder))
            return; // the login then reports the damaged installation
        const QString P = QString::fromLatin1(PasswordFile::kInitialPassword).toUpper();
        TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey, EncodeWithKey(P, P));
    }
    // The program's own files are put back where they are missing, so that a
    // first start cut short after the store still gets them; one that is
    // there is never replaced. Through the copier, so that a kill here leaves
    // no temporary file that the next start would not know to remove.
    const QString manual = ProgramFilePath(ProgramFiles::Manual);
    if (!QFileInfo::exists(manual))
        CopyFileAtomically(Manual::BuiltManualPath(), manual);
}
