#include "shell/HandDowns.h"

#include "backup/BackupVariants.h"
#include "printing/PrintSlip.h"
#include "registers/ImportTarget.h"
#include "registers/payees/frmIntestatari.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/reasons/frmCausali.h"
#include "services/ChosenYear.h"
#include "services/MainMenu.h"
#include "shell/frmMenu.h"
#include "slips/frmBollettini.h"
#include "slips/frmSelezione.h"

void InstallHandDowns() {
    MainMenu::setShow([] { Forms::get<frmMenu>().Show(); });
    ChosenYear::setSource([] { return Forms::get<frmSelezione>().txtAnno->text(); });
    ImportTarget::setForm([]() -> QWidget& { return Forms::get<frmBollettini>(); });
    SetSlipFormFaces([] {
        const frmBollettini* slip = Forms::existing<frmBollettini>();
        return slip ? PrintedFaces(*slip) : SlipFaces{};
    });
    Variant(BackupArchive::Reasons).afterRestore = [] { ClearRegisterForm(Forms::get<frmCausali>()); };
    Variant(BackupArchive::Payees).afterRestore = [] { ClearRegisterForm(Forms::get<frmIntestatari>()); };
    Variant(BackupArchive::Payers).afterRestore = [] { ClearRegisterForm(Forms::get<frmEsecutori>()); };
}
