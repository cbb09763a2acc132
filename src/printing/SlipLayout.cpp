#include "printing/SlipLayout.h"

#include "common/FixedRecord.h"

#include <QColor>

namespace {

using Kind = SlipFontStep::Kind;

const SlipFontStep kKeep{};
const SlipFontStep kBoldOn{Kind::BoldOn, QString(), 0, true};

SlipFontStep set(const char* name, double size, bool bold) {
    return {Kind::Set, QString::fromLatin1(name), size, bold};
}

SlipFontStep full() { return {Kind::Full, QStringLiteral("Courier New"), 10, true}; }

// The receipts' whole strings: the same offsets, rows and fonts on both.
std::vector<SlipLayoutRow> receiptStrings(SlipPart part) {
    return {
        {part, SlipField::WordsLine, SlipText::Whole, {1.18}, 2.22, set("Arial", 6, false)},
        {part, SlipField::Payee1, SlipText::Whole, {1.38}, 2.62, set("Verdana", 8, false)},
        {part, SlipField::Reason1, SlipText::Whole, {0.28}, 3.45, set("Arial", 7, false)},
        {part, SlipField::Reason2, SlipText::Whole, {0.28}, 4.05, kKeep},
        {part, SlipField::Payer1, SlipText::Whole, {1.50}, 8.05, set("Verdana", 8, false)},
        {part, SlipField::Street, SlipText::Whole, {1.50}, 8.55, kKeep},
        {part, SlipField::PostCode, SlipText::Whole, {0.60}, 9.02, kKeep},
        {part, SlipField::Town, SlipText::Whole, {3.34}, 9.02, kKeep},
    };
}

// The main part's grids of the name and address lines.
const std::vector<double> kPayeeGrid{13.93, 14.38, 14.83, 15.23, 15.68, 16.12, 16.56, 16.99, 17.43,
                                     17.87, 18.31, 18.75, 19.18, 19.62, 20.06, 20.51, 20.96, 21.40,
                                     21.85, 22.29, 22.72, 23.15, 23.57, 24.01, 24.47, 24.89, 25.34,
                                     25.76, 26.19, 26.66, 27.09, 27.54, 27.98, 28.45};
const std::vector<double> kPayerGrid{18.78, 19.22, 19.66, 20.10, 20.54, 20.98, 21.42, 21.86,
                                     22.27, 22.74, 23.18, 23.59, 24.03, 24.47, 24.91, 25.35,
                                     25.79, 26.23, 26.67, 27.11, 27.55, 27.99, 28.43};

// Columns first..last (from 1) of a grid.
std::vector<double> columns(const std::vector<double>& grid, std::size_t first, std::size_t last) {
    return std::vector<double>(grid.begin() + std::ptrdiff_t(first - 1), grid.begin() + std::ptrdiff_t(last));
}

std::vector<SlipLayoutRow> buildLayout() {
    using P = SlipPart;
    using F = SlipField;
    using T = SlipText;
    std::vector<SlipLayoutRow> rows{
        // The left receipt, in the copy's starting font.
        {P::LeftStub, F::AccountNumber, T::LeftInBoxes,
         {2.22, 2.65, 3.08, 3.51, 3.96, 4.40, 4.83, 5.27, 5.71, 6.14, 6.59, 7.04}, 0.58, kKeep},
        {P::LeftStub, F::Euros, T::RightInBoxes, {2.22, 2.65, 3.08, 3.51, 3.96, 4.40, 4.83, 5.27}, 1.45, kKeep},
        {P::LeftStub, F::Cents, T::LeftInBoxes, {5.79, 6.22}, 1.45, kKeep},
    };
    for (SlipLayoutRow& row : receiptStrings(P::LeftStub))
        rows.push_back(std::move(row));

    // The middle receipt: bold on, in the name and size the left one left.
    rows.push_back({P::MiddleStub, F::AccountNumber, T::LeftInBoxes,
                    {2.26, 2.69, 3.12, 3.55, 4.01, 4.45, 4.88, 5.34, 5.79, 6.24, 6.69, 7.14}, 0.58, kBoldOn});
    rows.push_back({P::MiddleStub, F::Euros, T::RightInBoxes,
                    {2.26, 2.69, 3.12, 3.55, 4.01, 4.45, 4.88, 5.34}, 1.45, kKeep});
    rows.push_back({P::MiddleStub, F::Cents, T::LeftInBoxes, {5.86, 6.30}, 1.45, kKeep});
    for (SlipLayoutRow& row : receiptStrings(P::MiddleStub))
        rows.push_back(std::move(row));

    // The main part starts from the full font again.
    const std::vector<SlipLayoutRow> main{
        {P::MainPart, F::AccountNumber, T::LeftInBoxes,
         {16.54, 16.97, 17.40, 17.83, 18.29, 18.72, 19.15, 19.58, 20.04, 20.47, 20.90, 21.33}, 0.58, full()},
        {P::MainPart, F::Euros, T::RightInBoxes, {24.75, 25.18, 25.61, 26.04, 26.47, 26.92, 27.36, 27.78}, 0.58,
         kKeep},
        {P::MainPart, F::Cents, T::LeftInBoxes, {28.30, 28.73}, 0.58, kKeep},
        {P::MainPart, F::WordsLine, T::Whole, {18.29}, 1.25, set("Verdana", 8, false)},
        {P::MainPart, F::Payee1, T::LeftInBoxes, kPayeeGrid, 2.07, set("Courier New", 10, true)},
        {P::MainPart, F::Payee2, T::LeftInBoxes, kPayeeGrid, 2.65, kKeep},
        {P::MainPart, F::Reason1, T::Whole, {13.96}, 3.45, set("Verdana", 8, false)},
        {P::MainPart, F::Reason2, T::Whole, {13.96}, 4.05, kKeep},
        {P::MainPart, F::Payer1, T::LeftInBoxes, kPayerGrid, 4.82, set("Courier New", 10, true)},
        {P::MainPart, F::Payer2, T::LeftInBoxes, kPayerGrid, 5.38, kKeep},
        {P::MainPart, F::Street, T::LeftInBoxes, kPayerGrid, 6.22, kKeep},
        // Postal code and town share one line; column 6 stays empty.
        {P::MainPart, F::PostCode, T::LeftInBoxes, columns(kPayerGrid, 1, 5), 7.07, kKeep},
        {P::MainPart, F::Town, T::LeftInBoxes, columns(kPayerGrid, 7, 23), 7.07, kKeep},
    };
    rows.insert(rows.end(), main.begin(), main.end());
    return rows;
}

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

const QString& faceOf(SlipField field, const SlipFaces& f) {
    switch (field) {
    case SlipField::AccountNumber: return f.AccountNumber;
    case SlipField::Euros: return f.Euros;
    case SlipField::Cents: return f.Cents;
    case SlipField::Payee1: return f.Payee1;
    case SlipField::Payee2: return f.Payee2;
    case SlipField::Reason1: return f.Reason1;
    case SlipField::Reason2: return f.Reason2;
    case SlipField::Payer1: return f.Payer1;
    case SlipField::Payer2: return f.Payer2;
    case SlipField::Street: return f.Street;
    case SlipField::PostCode: return f.PostCode;
    case SlipField::Town: return f.Town;
    case SlipField::WordsLine: break;
    }
    return f.Words;
}

void applyFont(platform::IPrintSurface& p, const SlipFontStep& step) {
    switch (step.kind) {
    case Kind::Keep:
        return;
    case Kind::BoldOn:
        p.setFontBold(true);
        return;
    case Kind::Set:
        p.setFontName(step.name);
        p.setFontSize(step.size);
        p.setFontBold(step.bold);
        return;
    case Kind::Full:
        p.setFontName(step.name);
        p.setFontSize(step.size);
        p.setFontBold(step.bold);
        p.setFontItalic(false);
        p.setFontUnderline(false);
        p.setFontStrikethru(false);
        p.setForeColor(QColor(0, 0, 0));
        return;
    }
}

void printAt(platform::IPrintSurface& p, double x, double y, const QString& text) {
    p.setCurrentX(static_cast<float>(x));
    p.setCurrentY(static_cast<float>(y));
    p.Print(text);
}

} // namespace

const std::vector<SlipLayoutRow> SlipLayout = buildLayout();

double SlipPartOffset(SlipPart part) {
    switch (part) {
    case SlipPart::LeftStub: return 0;
    case SlipPart::MiddleStub: return 8.18;
    case SlipPart::MainPart: return 3.2;
    }
    return 0;
}

SlipFontStep SlipStartFont() { return full(); }

QString PrepareSlipText(const SlipLayoutRow& row, const SlipFaces& faces) {
    if (row.field == SlipField::WordsLine)
        return trimmed(trimmed(faces.Words) + QLatin1Char('/') + trimmed(faces.WordsCents));
    const QString text = trimmed(faceOf(row.field, faces));
    const qsizetype boxes = qsizetype(row.offsets.size());
    switch (row.text) {
    case SlipText::LeftInBoxes: return (text + QString(boxes, QLatin1Char(' '))).left(boxes);
    case SlipText::RightInBoxes: return (QString(boxes, QLatin1Char(' ')) + text).right(boxes);
    case SlipText::Whole: break;
    }
    return text;
}

void PlaceSlip(platform::IPrintSurface& p, const SlipFaces& faces, double left, float top) {
    applyFont(p, SlipStartFont());
    p.Print(QString(), false);
    for (const SlipLayoutRow& row : SlipLayout) {
        applyFont(p, row.font);
        const QString text = PrepareSlipText(row, faces);
        const double partOffset = SlipPartOffset(row.part);
        const double y = double(top) + row.rowOffset;
        if (row.text == SlipText::Whole) {
            printAt(p, (left + row.offsets.front()) + partOffset, y, text);
            continue;
        }
        for (std::size_t k = 0; k < row.offsets.size(); ++k)
            printAt(p, (left + row.offsets[k]) + partOffset, y, text.mid(qsizetype(k), 1));
    }
}
