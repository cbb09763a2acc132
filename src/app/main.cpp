// Quillora: filling in, printing and archiving Italian postal payment slips.

#include "common/Form.h"
#include "common/ProgramArchives.h"
#include "common/RecordArchive.h"
#include "platform/DocumentWriters.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/TerminationSignals.h"
#include "platform/Translations.h"
#include "shell/HandDowns.h"
#include "shell/PasswordStoreFile.h"
#include "shell/frmPassword.h"

#include <QApplication>
#include <QSessionManager>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A logout, a `kill` or Ctrl+C ends the program as its own end does, so
    // that what follows the event loop below still runs.
    const platform::QuitOnTerminationSignals quitOnSignals;
#if QT_CONFIG(sessionmanager)
    // The desktop session asks the program to keep its work before it ends
    // it, perhaps with no signal: what failed saves owe is put back then.
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [](QSessionManager&) { RecordArchive::SettleFailedSaves(); });
#endif
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own buttons and menus speak Italian like the rest of the program;
    // without the translations they stay English, and the program still runs.
    platform::installItalianTranslations(app);
    // Windows come and go one after another; the program decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);

    InstallHandDowns();
    InstallProgramFolder();
    // Saves and deletes cut short by a crash or a kill are settled first.
    SettleProgramArchives();
    // Exports and PDF prints cut short by a crash or a kill leave their
    // hidden temporary files.
    platform::RemoveExportLeftovers();
    platform::RemovePdfLeftovers();
    Forms::get<frmPassword>().Show();
    if (platform::program().ended())
        return 0;
    const int rc = QApplication::exec();
    Forms::destroyAll();
    // A save reported failed is not found saved by the next start.
    RecordArchive::SettleFailedSaves();
    return rc;
}
