#pragma once
// The help topic of the slip workbench, shown by the slip form and by the
// year chooser.

#include "shell/HelpTopics.h"

// "Compilazione, stampa e archiviazione dei bollettini".
HelpTopic SlipWorkbenchTopic();
