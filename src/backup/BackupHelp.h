#pragma once
// The help topic of the backup wizard, shown by its first step.

#include "shell/HelpTopics.h"

// "Copia di sicurezza dei dati".
HelpTopic BackupTopic();
