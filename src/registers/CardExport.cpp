#include "registers/CardExport.h"

#include "common/OfficeCheck.h"
#include "common/PrintedList.h"
#include "platform/Desktop.h"
#include "platform/Messages.h"

using namespace platform;

namespace {

const QString kExportTitle = QStringLiteral("Impossibile esportare in Microsoft Word");

bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

QString DocumentSafeText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate())
            continue;
        if (allowedInXml(c.unicode()))
            out += c;
    }
    return out;
}

bool WordIsInstalled() {
    if (RegistryValueExists(QStringLiteral("Word.Document\\CurVer")))
        return true;
    MsgBox(QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."), MsgIcon::Critical,
           MsgButtons::OK, kExportTitle);
    return false;
}

DocxDocument CardDocument(const WordCard& card) {
    DocxDocument doc;
    doc.before = {DocxParagraph{DocumentSafeText(card.title)}, DocxParagraph{}, DocxParagraph{}};
    for (const auto& row : card.rows)
        doc.tableRows.append({DocumentSafeText(row.first), DocumentSafeText(row.second)});
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
