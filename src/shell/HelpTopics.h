#pragma once
// The help topic type; the topics themselves are in common/HelpCatalogue.h.

#include "common/HelpTopic.h"
