#include "printing/PrintSlip.h"

#include "platform/Printers.h"
#include "platform/Program.h"
#include "printing/MarginValue.h"
#include "printing/frmStampaCH8bisL1.h"

using namespace platform;

bool SelectPrinterByName(const QString& name) {
    for (const QString& printer : installedPrinters())
        if (printer == name)
            return setCurrentPrinter(printer);
    return false;
}

namespace {
std::function<SlipFaces()>& slipFormReader() {
    static std::function<SlipFaces()> read;
    return read;
}
} // namespace

void SetSlipFormFaces(std::function<SlipFaces()> read) { slipFormReader() = std::move(read); }

SlipFaces SlipFormFaces() { return slipFormReader() ? slipFormReader()() : SlipFaces{}; }

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
