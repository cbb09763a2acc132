#pragma once
// The reason card's row of the record-card design: its title, the register
// "Causali.cdb", the three save checks and the texts of save and delete.

#include "common/RecordCard.h"

const CardTwin& ReasonCardTwin();
