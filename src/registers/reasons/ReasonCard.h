#pragma once
// The reason card's table of the register card: its title, the register
// "Causali.cdb", the three save checks and the texts of save and delete, the
// Word document (Part of ReasonExport) and the register's backup wizard.

#include "registers/RegisterCard.h"

const RegisterCardTable& ReasonCardTable();
// The card's twin row of the record-card design.
const CardTwin& ReasonCardTwin();
