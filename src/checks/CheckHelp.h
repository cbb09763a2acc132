#pragma once
// The help topics of the three identifier checkers. Where a topic puts pieces
// on consecutive lines (a heading between rules, a numbered list) they share
// one paragraph, joined by CR LF.

#include "shell/HelpTopics.h"

// "Controllo del numero di partita IVA".
HelpTopic VatNumberTopic();
// "Verifica del codice fiscale".
HelpTopic TaxCodeTopic();
// "Controllo del numero di carta di credito".
HelpTopic CardNumberTopic();
