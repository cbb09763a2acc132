#include "services/HelpPrint.h"

#include "common/FixedRecord.h"
#include "platform/Printers.h"

namespace {

constexpr double kIndent = 600; // twips

void setFont(platform::IPrintSurface& p, double size, bool bold) {
    p.setFontName(QStringLiteral("Verdana"));
    p.setFontSize(size);
    p.setFontBold(bold);
    p.setFontUnderline(false);
    p.setFontStrikethru(false);
}

} // namespace

QString HelpPrintCreditLine() {
    return QStringLiteral("Quillora - programma per la compilazione e la stampa dei bollettini postali - "
                          "quillora.example");
}

void PrintHelpTopic(const QString& title, const TextBoxSource& body) {
    platform::IPrintSurface& p = platform::printer();
    const QString blank = QStringLiteral(" ");

    p.setOrientation(platform::PrintOrientation::Portrait);
    p.setScaleMode(platform::ScaleMode::Twips);
    p.setScaleLeft(-kIndent);
    setFont(p, 10, true);
    for (int i = 0; i < 3; ++i)
        p.Print(blank);
    p.Print(::trimBlanks(title).toString());
    p.Print(blank);
    if (p.jobFailed()) {
        // The job never started: nothing more can be printed.
        p.EndDoc();
        platform::ShowPrintingError();
        return;
    }

    p.setScaleLeft(0);
    PrintTextBox(body, kIndent, kIndent, 300, 10, false);
    // A failure inside the body has been reported by the body print.
    const bool failedInBody = p.jobFailed();

    p.setScaleLeft(-kIndent);
    p.Print(blank);
    setFont(p, 6, false);
    p.Print(QStringLiteral("___________________________________________________________"));
    p.Print(HelpPrintCreditLine());
    p.Print(blank);
    if (!p.EndDoc() && !failedInBody)
        platform::ShowPrintingError();
}
