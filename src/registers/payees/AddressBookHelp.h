#pragma once
// The help topic of the address books, shown by the payee and the payer card.

#include "shell/HelpTopics.h"

// "Anagrafica intestatari ed esecutori".
HelpTopic AddressBookTopic();
