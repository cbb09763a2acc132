#include "printing/PrintSlip.h"

#include "platform/Printers.h"
#include "platform/Program.h"
#include "printing/MarginValue.h"
#include "printing/frmStampaCH8bisL1.h"
#include "slips/frmBollettini.h"

using namespace platform;

bool SelectPrinterByName(const QString& name) {
    for (const QString& printer : installedPrinters())
        if (printer == name)
            return setCurrentPrinter(printer);
    return false;
}

SlipFaces SlipFormFaces() {
    SlipFaces f;
    const frmBollettini* slip = Forms::existing<frmBollettini>();
    if (!slip)
        return f;
    static_cast<SlipRecord&>(f) = ReadBoxes<SlipRecord>(*slip, SlipBoxes);
    f.Words = slip->Display->text();
    f.WordsCents = slip->txtCentCifra02->text();
    return f;
}

void PrintSlip(frmStampaCH8bisL1& dialog) {
    SelectPrinterByName(dialog.cboPrinters->currentText());
    const int copies = BoxWholeNumber(dialog.txtCopie->text());
    IPrintSurface& surface = printer();

    for (int copy = 1; copy <= copies; ++copy) {
        surface.setScaleMode(ScaleMode::Centimeters);
        surface.setOrientation(PrintOrientation::Landscape);
        surface.setPaperSize(PaperSize::Legal);

        // A caption that holds no margin adds nothing.
        double left = 0;
        double leftMargin = 0;
        if (ParseMarginValue(dialog.lblSinistro->text(), leftMargin))
            left += leftMargin;
        float top = 0.5f;
        double topMargin = 0;
        if (ParseMarginValue(dialog.lblSuperiore->text(), topMargin))
            top = static_cast<float>(double(top) + topMargin);

        {
            BusyCursor busy;
            PlaceSlip(surface, SlipFormFaces(), left, top);
        }
        if (!surface.EndDoc()) {
            // The job could not start or not be handed over: say so, and
            // leave the dialog open rather than close it as if printed.
            ShowPrintingError();
            return;
        }
    }
    dialog.Unload();
}
