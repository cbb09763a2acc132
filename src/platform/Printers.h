#pragma once
// The installed printers and the program's current printer.
//
// The printer list is the system's (CUPS) printers followed by the program's
// own printer "PDF", which is always there. "PDF" writes each job to a new
// file "Quillora-YYYYMMDD-HHMMSS.pdf" (with "-2", "-3" ... before ".pdf" when
// that name is taken; no file is ever overwritten) in the folder named by the
// environment variable QUILLORA_PDF_DIR, or else in the user's documents
// folder; the folder is created when missing. The file gets its name only
// once all of it is written and on the disk; a PDF job that fails anywhere
// leaves no file there, and its EndDoc is false. A system printer that is itself
// named "PDF" is left out of the list: "PDF" always means the program's own.
//
// The current printer is the system's default printer at start, or "PDF"
// when there is none; it stays current for the whole run until a slip print
// makes another one current.
//
// A job that cannot start (the printer has gone, the PDF folder cannot be
// written) is seen by the caller as a false result of its first Print and of
// EndDoc, and as jobFailed() in between (see PrintSurface.h); a job that
// cannot be handed over (the PDF file cannot be written whole) is seen as a
// false EndDoc. The caller then shows ShowPrintingError().

#include "platform/PrintSurface.h"

#include <QString>
#include <QStringList>

namespace platform {

// The device name of the program's own PDF printer: "PDF".
QString pdfPrinterName();
// The folder the PDF printer writes to.
QString pdfOutputFolder();
// Removes from the PDF folder the temporary files of jobs that a kill or a
// crash stopped, and nothing else (see RemoveNewFileLeftovers in NewFile.h).
// A missing folder is not made.
void RemovePdfLeftovers();

QStringList installedPrinters();
QString currentPrinterName();
// Makes the installed printer with exactly this device name current; false,
// and the current printer unchanged, when there is none.
bool setCurrentPrinter(const QString& name);

// The surface of the current printer. A new current printer gets a fresh
// surface with the default settings.
IPrintSurface& printer();

// Puts a surface in place of the real printers: printer() returns it while
// it is set (nullptr: back to the real printers).
void setPrinter(IPrintSurface* impl);
// Tests: a surface laid over whatever setPrinter installed; printer() returns
// it while it is set, and nullptr uncovers the one beneath again.
void setPrinterForTesting(IPrintSurface* surface);
// Tests: the system printers to list in place of the real ones (an empty
// list: back to the real ones).
void setSystemPrintersForTesting(const QStringList& names);

// The program's message for a print job that cannot be carried out:
// "Accertarsi che la stampante sia collegata al computer e che sia
// configurata correttamente.", titled "Impossibile eseguire la stampa",
// critical icon, OK.
void ShowPrintingError();

} // namespace platform
