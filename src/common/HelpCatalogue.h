#pragma once
// Every help topic of the program, in one place: each window shows its topic
// by name from here, and the manual prints ManualTopics() in their order.

#include "common/HelpTopic.h"

#include <QList>

namespace HelpCatalogue {
// "Uno sguardo a Quillora": the main menu.
HelpTopic Overview();
// "Gestione della password di accesso": the login and the password change.
HelpTopic AccessPassword();
// "Compilazione, stampa e archiviazione dei bollettini": the slip form and
// the year chooser.
HelpTopic SlipWorkbench();
// "Impostazione del separatore decimale": the decimal-separator dialog.
HelpTopic DecimalSeparator();

// The manual's topics, in the order of the main menu.
QList<HelpTopic> ManualTopics();
} // namespace HelpCatalogue
