#include "platform/Printers.h"

#include "platform/Messages.h"
#include "platform/NewFile.h"
#include "platform/QtPrintSurface.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <memory>

namespace platform {

namespace {

IPrintSurface* g_surfaceOnTop = nullptr;  // setPrinterForTesting
IPrintSurface* g_surfaceInstead = nullptr; // setPrinter
QStringList g_testSystemPrinters;
QString g_current; // empty until first asked for
std::unique_ptr<QtPrintSurface> g_surface;

QStringList systemPrinters() {
    return g_testSystemPrinters.isEmpty() ? QPrinterInfo::availablePrinterNames() : g_testSystemPrinters;
}

} // namespace

QString pdfPrinterName() { return QStringLiteral("PDF"); }

QString pdfOutputFolder() {
    const QString folder = qEnvironmentVariable("QUILLORA_PDF_DIR");
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : folder;
}

void RemovePdfLeftovers() {
    const QString folder = pdfOutputFolder();
    if (!folder.isEmpty())
        RemoveNewFileLeftovers(folder);
}

QStringList installedPrinters() {
    QStringList names = systemPrinters();
    names.removeAll(pdfPrinterName());
    names << pdfPrinterName();
    return names;
}

QString currentPrinterName() {
    if (g_current.isEmpty()) {
        const QString system = QPrinterInfo::defaultPrinterName();
        g_current = system.isEmpty() ? pdfPrinterName() : system;
    }
    return g_current;
}

bool setCurrentPrinter(const QString& name) {
    if (!installedPrinters().contains(name))
        return false;
    g_current = name;
    return true;
}

IPrintSurface& printer() {
    if (g_surfaceOnTop)
        return *g_surfaceOnTop;
    if (g_surfaceInstead)
        return *g_surfaceInstead;
    const QString name = currentPrinterName();
    if (!g_surface || g_surface->deviceName() != name) {
        if (!g_surface) // the printer goes with the application, not after it
            qAddPostRoutine([] { g_surface.reset(); });
        g_surface = std::make_unique<QtPrintSurface>(name);
    }
    return *g_surface;
}

void setPrinter(IPrintSurface* impl) { g_surfaceInstead = impl; }
void setPrinterForTesting(IPrintSurface* surface) { g_surfaceOnTop = surface; }
void setSystemPrintersForTesting(const QStringList& names) { g_testSystemPrinters = names; }

void ShowPrintingError() {
    MsgBox(QStringLiteral("Accertarsi che la stampante sia collegata al computer e che sia configurata correttamente."),
           MsgIcon::Critical, MsgButtons::OK, QStringLiteral("Impossibile eseguire la stampa"));
}

} // namespace platform
