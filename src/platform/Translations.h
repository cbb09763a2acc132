#pragma once
// Qt's own texts in Italian: the standard buttons, the context menus of the
// text boxes ("Incolla", "Copia" ...) and the file dialogs.

class QCoreApplication;
class QTranslator;

namespace platform {

// Loads Qt's Italian translations (qtbase_it.qm from Qt's translations
// folder) and installs them into `app`, which owns them. The installed
// translator, or nullptr when the translations are not there.
QTranslator* installItalianTranslations(QCoreApplication& app);

} // namespace platform
