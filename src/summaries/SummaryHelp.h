#pragma once
// The help topic of the year summaries, shown by the summary year chooser.

#include "shell/HelpTopics.h"

// "Riepilogo versamenti".
HelpTopic SummaryTopic();
