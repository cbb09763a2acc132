#pragma once
// The help topic of the reason register, shown by the reason card.

#include "shell/HelpTopics.h"

// "Archivio causali".
HelpTopic ReasonRegisterTopic();
