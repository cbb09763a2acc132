#pragma once
// The archives of the program folder as the program starts.

// Opens once each archive the program folder holds (the three registers and
// every year's slips), so that what a crash or a kill left beside it is
// settled before anything reads it: a save cut short is completed, one that
// failed is undone, one that never began or a journal that is not the
// archive's own goes, and the temporary file of a delete cut short goes. An
// archive that is not there is not created.
void SettleProgramArchives();
