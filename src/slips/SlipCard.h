#pragma once
// The slip form's row of the record-card design: its title, the year archive
// named by the form's lblFile, and the texts of its save and delete.

#include "common/RecordCard.h"

const CardTwin& SlipCardTwin();
