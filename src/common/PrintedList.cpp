#include "common/PrintedList.h"

#include "common/SortedList.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/Printers.h"

#include <QApplication>
#include <QLocale>

using namespace platform;

namespace {

std::function<QDateTime()>& clockOverride() {
    static std::function<QDateTime()> now;
    return now;
}

QString& separatorOverride() {
    static QString separator;
    return separator;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

const QString kPrintFailure = QStringLiteral("Si è verificato un errore durante l'operazione di stampa.\r\n\r\n"
                                             "Accertarsi che la stampante sia configurata correttamente.");

// One print job that stops at the printer's first failure: once a text has
// failed, nothing more is sent.
class ListJob {
public:
    explicit ListJob(IPrintSurface& printer) : p_(printer) {}
    bool ok() const { return ok_; }
    void size(double points) {
        if (ok_)
            p_.setFontSize(points);
    }
    void line(const QString& text) {
        if (ok_)
            ok_ = p_.Print(text) && !p_.jobFailed();
    }
    void closingLine(const QString& indent) {
        if (ok_)
            ok_ = PrintClosingLine(indent) && !p_.jobFailed();
    }
    void end() { ok_ = p_.EndDoc() && ok_; }

private:
    IPrintSurface& p_;
    bool ok_ = true;
};

} // namespace

QString DateAndTimeText(const QDateTime& when, const QString& dateSeparator) {
    const QDate date = when.date();
    const QTime time = when.time();
    const QString day = twoDigits(date.day()) + dateSeparator + twoDigits(date.month()) + dateSeparator +
                        QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    const QString clock = twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':') +
                          twoDigits(time.second());
    return day + QStringLiteral(" alle ore ") + clock;
}

QString ClosingLineText(const QString& indent, const QDateTime& when, const QString& dateSeparator) {
    return indent + QStringLiteral("Scheda stampata in data ") + DateAndTimeText(when, dateSeparator) +
           QLatin1Char('.');
}

QString UserDateSeparator() {
    // The first character of the short date pattern that is neither a field
    // letter nor a quote: "/" in "dd/MM/yy", "." in "dd.MM.yy". A pattern
    // that separates by blanks only (the C locale's "d MMM yyyy") has no
    // separator for a numeric date: "/" then.
    const QString pattern = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar c : pattern)
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace())
            return QString(c);
    return QStringLiteral("/");
}

void SetPrintClock(std::function<QDateTime()> now) { clockOverride() = std::move(now); }

void SetPrintDateSeparator(const QString& separator) { separatorOverride() = separator; }

QDateTime PrintClockNow() { return clockOverride() ? clockOverride()() : QDateTime::currentDateTime(); }

QString PrintDateSeparator() { return separatorOverride().isEmpty() ? UserDateSeparator() : separatorOverride(); }

bool PrintClosingLine(const QString& indent) {
    return printer().Print(ClosingLineText(indent, PrintClockNow(), PrintDateSeparator()));
}

ListPrintOutcome PrintList(const QStringList& lines, const PrintedListLayout& layout) {
    if (lines.isEmpty()) {
        MsgBox(layout.emptyNotice, MsgIcon::Exclamation, MsgButtons::OK,
               QStringLiteral("Attenzione: stampa non applicabile"));
        return ListPrintOutcome::EmptyList;
    }
    if (MsgBox(QStringLiteral("Premere OK per dare inizio alla stampa."), MsgIcon::None, MsgButtons::OKCancel,
               layout.promptTitle) != MsgAnswer::OK)
        return ListPrintOutcome::Cancelled;

    IPrintSurface& p = printer();
    p.setOrientation(PrintOrientation::Landscape);
    p.setFontName(layout.fontName);
    p.setFontBold(false);
    p.setFontSize(layout.titlePoints);
    p.setFontItalic(false);
    p.setFontStrikethru(false);
    if (layout.leftOriginTwips) {
        p.setScaleMode(ScaleMode::Twips);
        p.setScaleLeft(*layout.leftOriginTwips);
    }

    const QString emptyLine = QStringLiteral("   ");
    ListJob job(p);
    job.line(QStringLiteral(" "));
    job.line(layout.title);
    job.size(layout.rulePoints);
    job.line(layout.rule);
    job.line(emptyLine);
    job.size(layout.linePoints);
    for (const QString& line : lines)
        job.line(layout.linePrefix + line);
    job.size(layout.rulePoints);
    job.line(layout.rule);
    job.line(emptyLine);
    job.size(layout.countPoints);
    job.line(layout.countCaption + QString::number(lines.size()) + layout.countSuffix);
    job.size(layout.rulePoints);
    job.line(layout.rule);
    job.size(layout.closingPoints);
    job.closingLine(layout.closingIndent);
    // A failed job is ended too: left open, it would hold every later print.
    job.end();
    if (job.ok())
        return ListPrintOutcome::Printed;

    platform::program().beep();
    MsgBox(kPrintFailure, MsgIcon::Critical, MsgButtons::OK, layout.errorTitle);
    return ListPrintOutcome::Failed;
}

PrintedListLayout LookupListLayout(const QString& promptTitle, const QString& pageTitle) {
    PrintedListLayout layout;
    layout.emptyNotice = QStringLiteral("La lista non contiene nessuna voce.");
    layout.promptTitle = promptTitle;
    layout.title = pageTitle;
    layout.rule = QString(30, QLatin1Char('_'));
    layout.countCaption = QStringLiteral("Totale voci in elenco: ");
    layout.errorTitle = QStringLiteral("Attenzione: operazione non eseguibile");
    layout.leftOriginTwips = -600;
    return layout;
}

ListPrintOutcome PrintLookupList(const QStringList& lines, const QString& promptTitle, const QString& pageTitle) {
    return PrintList(lines, LookupListLayout(promptTitle, pageTitle));
}

ListPrintOutcome PrintLookupList(const LineList& list, const QString& promptTitle, const QString& pageTitle) {
    return PrintLookupList(ListLines(list), promptTitle, pageTitle);
}
