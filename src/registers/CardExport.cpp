#include "registers/CardExport.h"

#include "common/OfficeCheck.h"
#include "common/PrintedList.h"
#include "platform/Desktop.h"
#include "platform/Messages.h"

using namespace platform;

namespace {

const QString kExportTitle = QStringLiteral("Impossibile esportare in Microsoft Word");

} // namespace

bool WordIsInstalled() {
    if (RegistryValueExists(QStringLiteral("Word.Document\\CurVer")))
        return true;
    MsgBox(QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."), MsgIcon::Critical,
           MsgButtons::OK, kExportTitle);
    return false;
}

DocxDocument CardDocument(const WordCard& card) {
    DocxDocument doc;
    doc.before = {DocxParagraph{card.title}, DocxParagraph{}, DocxParagraph{}};
    doc.tableRows = card.rows;
    doc.after = {DocxParagraph{},
                 DocxParagraph{QStringLiteral("Scheda creata in data ") +
                               DateAndTimeText(PrintClockNow(), PrintDateSeparator())}};
    return doc;
}

bool WriteCardToWord(const WordCard& card) {
    const QString folder = exportFolder();
    const QString path = documentWriters().writeDocx(CardDocument(card), folder, card.fileBaseName);
    if (path.isEmpty()) {
        MsgBox(QStringLiteral("Impossibile salvare il documento nella cartella ") + folder + QLatin1Char('.'),
               MsgIcon::Critical, MsgButtons::OK, kExportTitle);
        return false;
    }
    // The document is saved; the desktop shows it as Word showed the new one.
    desktop().openFile(path);
    return true;
}
