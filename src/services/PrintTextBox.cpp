#include "services/PrintTextBox.h"

#include "platform/Messages.h"
#include "platform/Printers.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString withCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), kLineBreak);
    return text;
}

// The text without its leading blanks (blanks only, not tabs).
QString withoutLeadingBlanks(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// 1-based position of `c` in `text` after position `after`, 0 when none.
qsizetype findAfter(const QString& text, QChar c, qsizetype after) { return text.indexOf(c, after) + 1; }

class TextBoxPrint {
public:
    TextBoxPrint(platform::IPrintSurface& printer, float width) : p_(printer), width_(width) {}

    bool fits(const QString& text) const { return static_cast<float>(p_.TextWidth(text)) <= width_; }

    // Splits the paragraph into the next line and the rest.
    void nextLine(const QString& paragraph, QString& line, QString& rest) const {
        const qsizetype length = paragraph.size();
        qsizetype best = 0;
        qsizetype p = 0;
        for (;;) {
            const qsizetype blank = findAfter(paragraph, QLatin1Char(' '), p);
            const qsizetype tab = findAfter(paragraph, QLatin1Char('\t'), p);
            qsizetype candidate = (tab > 0 && tab < blank) ? tab : blank;
            if (candidate == 0)
                candidate = length + 1;
            if (!fits(paragraph.left(candidate - 1)))
                break;
            best = candidate;
            if (candidate > length)
                break;
            p = candidate;
        }
        if (best != 0) {
            line = paragraph.left(best);
            rest = best > length ? QString() : withoutLeadingBlanks(paragraph.mid(best - 1));
            // A line that broke at a tab keeps the tab at the start of the
            // rest; when the line is that tab alone, the rest would be the
            // whole paragraph again, so it starts after the tab.
            if (rest.size() >= length)
                rest = withoutLeadingBlanks(paragraph.mid(best));
        } else {
            qsizetype n = 1;
            while (n < length && fits(paragraph.left(n + 1)))
                ++n;
            line = paragraph.left(n);
            rest = withoutLeadingBlanks(paragraph.mid(n));
        }
    }

private:
    platform::IPrintSurface& p_;
    float width_;
};

bool failed() {
    platform::MsgBox(QStringLiteral("Si è verificato un errore durante l'operazione di stampa."),
                     platform::MsgIcon::Critical, platform::MsgButtons::OK, QStringLiteral("Attenzione!"));
    return false;
}

} // namespace

TextBoxSource textBoxSource(const QPlainTextEdit& box) {
    TextBoxSource source;
    source.text = withCrLf(box.toPlainText());
    source.selectedText = withCrLf(box.textCursor().selectedText());
    const QFont font = box.font();
    source.fontName = font.family();
    source.fontSize = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    source.fontBold = font.bold();
    source.fontItalic = font.italic();
    source.fontUnderline = font.underline();
    source.fontStrikethru = font.strikeOut();
    source.alignment = 0;
    return source;
}

bool PrintTextBox(const TextBoxSource& box, double leftMargin, double rightMargin, double topMargin,
                  double bottomMargin, bool selectionOnly) {
    const QString text = selectionOnly ? box.selectedText : box.text;
    if (text.isEmpty())
        return false;
    platform::IPrintSurface& p = platform::printer();
    const double printableWidth = p.scaleWidth() - leftMargin - rightMargin;
    if (!(printableWidth > 0))
        return false;
    if (!(p.scaleHeight() - topMargin - bottomMargin > 0))
        return false;

    p.setFontName(box.fontName);
    p.setFontBold(box.fontBold);
    p.setFontItalic(box.fontItalic);
    p.setFontSize(box.fontSize);
    p.setFontStrikethru(box.fontStrikethru);
    p.setFontUnderline(box.fontUnderline);

    if (p.currentY() < topMargin)
        p.setCurrentY(topMargin);

    const TextBoxPrint print(p, static_cast<float>(printableWidth));
    qsizetype start = 0;
    for (;;) {
        const qsizetype pair = text.indexOf(kLineBreak, start);
        QString paragraph = text.mid(start, (pair < 0 ? text.size() : pair) - start);
        for (;;) {
            QString line;
            QString rest;
            if (!paragraph.isEmpty())
                print.nextLine(paragraph, line, rest);

            if (p.currentY() + p.TextHeight(line) > p.scaleHeight() - bottomMargin) {
                if (!p.NewPage())
                    return failed();
                p.setCurrentY(topMargin);
            }
            switch (box.alignment) {
            case 0: p.setCurrentX(leftMargin); break;
            case 1: p.setCurrentX(p.scaleWidth() - rightMargin - p.TextWidth(line)); break;
            case 2: p.setCurrentX((printableWidth - p.TextWidth(line)) / 2 + leftMargin); break;
            default: break;
            }
            if (!p.Print(line))
                return failed();
            if (rest.isEmpty())
                break;
            paragraph = rest;
        }
        if (pair < 0)
            return true;
        start = pair + 2;
    }
}
