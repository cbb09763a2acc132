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
// "Anagrafica intestatari ed esecutori": the payee and the payer card.
HelpTopic AddressBook();
// "Archivio causali": the reason card.
HelpTopic Reasons();
// "Controllo del numero di partita IVA", "Verifica del codice fiscale",
// "Controllo del numero di carta di credito": the three identifier checkers.
// Where a topic puts pieces on consecutive lines (a heading between rules, a
// numbered list) they share one paragraph, joined by CR LF.
HelpTopic VatNumber();
HelpTopic TaxCode();
HelpTopic CardNumber();
// "Copia di sicurezza dei dati": the backup wizards.
HelpTopic Backup();
// "Riepilogo versamenti": the summary year chooser.
HelpTopic Summaries();

// The manual's topics, in the order of the main menu.
QList<HelpTopic> ManualTopics();
} // namespace HelpCatalogue
