#pragma once
// The help topics of the shell windows.

#include <QString>
#include <QStringList>

struct HelpTopic {
    QString title;
    QStringList paragraphs;
};

namespace HelpTopics {
// "Gestione della password di accesso": the login and the password change.
HelpTopic AccessPassword();
// "Uno sguardo a Quillora": the main menu.
HelpTopic Overview();
} // namespace HelpTopics
