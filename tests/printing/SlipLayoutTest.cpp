#include "printing/SlipLayout.h"

#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

using Entry = RecordingPrinter::Entry;

namespace {

// One slip placed on a recording printer in centimetres.
std::vector<Entry> place(const SlipFaces& faces, double left = 0, float top = 0.5f) {
    RecordingPrinter rec;
    rec.setScaleMode(platform::ScaleMode::Centimeters);
    PlaceSlip(rec, faces, left, top);
    return rec.texts();
}

// The prints at a position (cm from the sheet's corner).
std::vector<Entry> at(const std::vector<Entry>& prints, double x, double y) {
    std::vector<Entry> out;
    for (const Entry& e : prints)
        if (std::abs(e.xCm - x) < 1e-4 && std::abs(e.yCm - y) < 1e-4)
            out.push_back(e);
    return out;
}

// The single print at a position; fails the test when there is not exactly one.
Entry one(const std::vector<Entry>& prints, double x, double y) {
    const auto found = at(prints, x, y);
    EXPECT_EQ(found.size(), 1u) << "prints at " << x << ", " << y;
    return found.empty() ? Entry{} : found.front();
}

// The texts printed in a row of boxes, one per X, on line y.
QString boxes(const std::vector<Entry>& prints, const std::vector<double>& xs, double y) {
    QString out;
    for (double x : xs)
        out += one(prints, x, y).text;
    return out;
}

std::vector<double> shifted(std::vector<double> xs, double by) {
    for (double& x : xs)
        x += by;
    return xs;
}

// Box positions of the form, as the pre-printed slip has them (cm from the
// sheet's corner, no margins).
const std::vector<double> kLeftAccount{2.22, 2.65, 3.08, 3.51, 3.96, 4.40, 4.83, 5.27, 5.71, 6.14, 6.59, 7.04};
const std::vector<double> kLeftEuros{2.22, 2.65, 3.08, 3.51, 3.96, 4.40, 4.83, 5.27};
const std::vector<double> kLeftCents{5.79, 6.22};
const std::vector<double> kMiddleAccount{10.44, 10.87, 11.30, 11.73, 12.19, 12.63,
                                         13.06, 13.52, 13.97, 14.42, 14.87, 15.32};
const std::vector<double> kMiddleEuros{10.44, 10.87, 11.30, 11.73, 12.19, 12.63, 13.06, 13.52};
const std::vector<double> kMiddleCents{14.04, 14.48};
const std::vector<double> kMainAccount{19.74, 20.17, 20.60, 21.03, 21.49, 21.92,
                                       22.35, 22.78, 23.24, 23.67, 24.10, 24.53};
const std::vector<double> kMainEuros{27.95, 28.38, 28.81, 29.24, 29.67, 30.12, 30.56, 30.98};
const std::vector<double> kMainCents{31.50, 31.93};
// The main part's payer grid, columns 1 to 23.
const std::vector<double> kPayerGrid{21.98, 22.42, 22.86, 23.30, 23.74, 24.18, 24.62, 25.06,
                                     25.47, 25.94, 26.38, 26.79, 27.23, 27.67, 28.11, 28.55,
                                     28.99, 29.43, 29.87, 30.31, 30.75, 31.19, 31.63};

bool isFont(const Entry& e, const char* name, double size, bool bold) {
    return e.font.name == QLatin1String(name) && e.font.size == size && e.font.bold == bold && !e.font.italic &&
           !e.font.underline && !e.font.strikethru && e.color == QColor(0, 0, 0);
}

} // namespace

TEST(SlipLayoutTest, TableHasTheFormsPrintCounts) {
    int left = 0, middle = 0, main = 0;
    for (const SlipLayoutRow& row : SlipLayout) {
        const int prints = row.text == SlipText::Whole ? 1 : int(row.offsets.size());
        (row.part == SlipPart::LeftStub ? left : row.part == SlipPart::MiddleStub ? middle : main) += prints;
        if (row.text == SlipText::Whole) {
            EXPECT_EQ(row.offsets.size(), 1u);
        }
    }
    EXPECT_EQ(left, 30);
    EXPECT_EQ(middle, 30);
    EXPECT_EQ(main, 184);
}

TEST(SlipLayoutTest, EmptyFormPrintsBlanksSlashAndEmptyStrings) {
    const auto prints = place({});
    ASSERT_EQ(prints.size(), 1u + 30 + 30 + 184);
    EXPECT_EQ(prints.front().text, QString()) << "the empty text that opens the page";
    EXPECT_FALSE(prints.front().endLine);

    // Every box of every part is a blank.
    for (const auto& row : {kLeftAccount, kMiddleAccount, kMainAccount})
        EXPECT_EQ(boxes(prints, row, 1.08), QString(12, ' '));
    EXPECT_EQ(boxes(prints, kLeftEuros, 1.95), QString(8, ' '));
    EXPECT_EQ(boxes(prints, kMiddleCents, 1.95), QStringLiteral("  "));
    EXPECT_EQ(boxes(prints, kMainCents, 1.08), QStringLiteral("  "));
    EXPECT_EQ(boxes(prints, kPayerGrid, 5.32), QString(23, ' ')) << "payer line 1";

    // The words line is "/" alone on every part; the whole strings are empty.
    EXPECT_EQ(one(prints, 1.18, 2.72).text, QStringLiteral("/"));
    EXPECT_EQ(one(prints, 9.36, 2.72).text, QStringLiteral("/"));
    EXPECT_EQ(one(prints, 21.49, 1.75).text, QStringLiteral("/"));
    EXPECT_EQ(one(prints, 17.16, 3.95).text, QString());
    EXPECT_EQ(one(prints, 17.16, 4.55).text, QString());
    EXPECT_EQ(one(prints, 0.28, 3.95).text, QString());
    EXPECT_EQ(one(prints, 11.52, 9.52).text, QString()) << "middle receipt's town";
    for (const Entry& e : prints)
        EXPECT_TRUE(e.text == QLatin1String(" ") || e.text == QLatin1String("/") || e.text.isEmpty()) << e.text.toStdString();
}

TEST(SlipLayoutTest, PositionsWithoutMargins) {
    const auto prints = place({});
    // The first account-number box of each part, and the corners the form names.
    one(prints, 2.22, 1.08);
    one(prints, 3.34, 9.52); // left receipt's town
    one(prints, 10.44, 1.08);
    one(prints, 19.74, 1.08);
    one(prints, 31.93, 1.08); // main part's second cent box
    one(prints, 21.49, 1.75); // main words line
    one(prints, 17.13, 2.57); // payee line 1, column 1
    one(prints, 17.13, 3.15); // payee line 2, column 1
    one(prints, 31.65, 2.57); // payee line 1, column 34
    one(prints, 21.98, 6.72); // street, column 1
    // Both receipts' whole strings share their offsets and rows.
    for (double part : {0.0, 8.18}) {
        one(prints, 1.38 + part, 3.12);  // payee
        one(prints, 0.28 + part, 4.55);  // reason 2
        one(prints, 1.50 + part, 8.55);  // payer
        one(prints, 1.50 + part, 9.05);  // street
        one(prints, 0.60 + part, 9.52);  // postal code
    }
    // The receipts' box rows: account at 1.08, euros and cents at 1.95.
    boxes(prints, kLeftEuros, 1.95);
    boxes(prints, kLeftCents, 1.95);
    boxes(prints, kMiddleEuros, 1.95);
    boxes(prints, kMainEuros, 1.08);
}

TEST(SlipLayoutTest, AmountAndAccountFillTheirBoxesOnEveryPart) {
    SlipFaces f;
    f.AccountNumber = QStringLiteral("123");
    f.Euros = QStringLiteral("150");
    f.Cents = QStringLiteral("5");
    const auto prints = place(f);

    const QString account = QStringLiteral("123") + QString(9, ' ');
    const QString euros = QString(5, ' ') + QStringLiteral("150");
    const QString cents = QStringLiteral("5 ");
    EXPECT_EQ(boxes(prints, kLeftAccount, 1.08), account);
    EXPECT_EQ(boxes(prints, kMiddleAccount, 1.08), account);
    EXPECT_EQ(boxes(prints, kMainAccount, 1.08), account);
    EXPECT_EQ(boxes(prints, kLeftEuros, 1.95), euros);
    EXPECT_EQ(boxes(prints, kMiddleEuros, 1.95), euros);
    EXPECT_EQ(boxes(prints, kMainEuros, 1.08), euros);
    EXPECT_EQ(boxes(prints, kLeftCents, 1.95), cents);
    EXPECT_EQ(boxes(prints, kMiddleCents, 1.95), cents);
    EXPECT_EQ(boxes(prints, kMainCents, 1.08), cents);
    // The main part's euro digits 1, 5, 0 in boxes 6, 7 and 8 (offsets 26.92, 27.36, 27.78).
    EXPECT_EQ(one(prints, 26.92 + 3.2, 1.08).text, QStringLiteral("1"));
    EXPECT_EQ(one(prints, 27.78 + 3.2, 1.08).text, QStringLiteral("0"));
}

TEST(SlipLayoutTest, FontsOfEachPart) {
    const auto prints = place({});
    for (double x : kLeftAccount)
        EXPECT_TRUE(isFont(one(prints, x, 1.08), "Courier New", 10, true));
    for (double x : kLeftCents)
        EXPECT_TRUE(isFont(one(prints, x, 1.95), "Courier New", 10, true));
    for (double x : kMiddleAccount)
        EXPECT_TRUE(isFont(one(prints, x, 1.08), "Verdana", 8, true)) << "bold on, name and size kept";
    for (double x : kMiddleCents)
        EXPECT_TRUE(isFont(one(prints, x, 1.95), "Verdana", 8, true));
    for (double x : kMainAccount)
        EXPECT_TRUE(isFont(one(prints, x, 1.08), "Courier New", 10, true));
    for (double part : {0.0, 8.18}) {
        EXPECT_TRUE(isFont(one(prints, 1.18 + part, 2.72), "Arial", 6, false)) << "words line";
        EXPECT_TRUE(isFont(one(prints, 1.38 + part, 3.12), "Verdana", 8, false)) << "payee";
        EXPECT_TRUE(isFont(one(prints, 0.28 + part, 3.95), "Arial", 7, false)) << "reason 1";
        EXPECT_TRUE(isFont(one(prints, 0.28 + part, 4.55), "Arial", 7, false)) << "reason 2";
        EXPECT_TRUE(isFont(one(prints, 3.34 + part, 9.52), "Verdana", 8, false)) << "town";
    }
    EXPECT_TRUE(isFont(one(prints, 21.49, 1.75), "Verdana", 8, false));
    EXPECT_TRUE(isFont(one(prints, 17.13, 2.57), "Courier New", 10, true));
    EXPECT_TRUE(isFont(one(prints, 17.16, 3.95), "Verdana", 8, false));
    EXPECT_TRUE(isFont(one(prints, 17.16, 4.55), "Verdana", 8, false));
    for (double x : kPayerGrid)
        EXPECT_TRUE(isFont(one(prints, x, 6.72), "Courier New", 10, true));
    EXPECT_TRUE(isFont(prints.back(), "Courier New", 10, true)) << "the part ends in Courier New 10 bold";
}

TEST(SlipLayoutTest, MarginsShiftEveryPrint) {
    const float top = static_cast<float>(0.5 + -0.3);
    const auto plain = place({});
    const auto moved = place({}, 0.5, top);
    ASSERT_EQ(plain.size(), moved.size());
    one(moved, 2.72, 0.78);
    one(moved, 20.24, 0.78);
    for (std::size_t i = 1; i < plain.size(); ++i) {
        EXPECT_NEAR(moved[i].xCm - plain[i].xCm, 0.5, 1e-5);
        EXPECT_NEAR(moved[i].yCm - plain[i].yCm, -0.3, 1e-5);
    }
}

TEST(SlipLayoutTest, NamesAndAddressBoxByBoxOnTheMainPartWholeOnTheReceipts) {
    SlipFaces f;
    f.Payee1 = QStringLiteral(" ENEL ENERGIA");
    f.Payee2 = QStringLiteral("SPA");
    f.Payer1 = QStringLiteral("MARIO ROSSI");
    f.Street = QStringLiteral("VIA D'ANNUNZIO 12");
    f.PostCode = QStringLiteral("123");
    f.Town = QStringLiteral("ROMA");
    f.Reason1 = QString(60, 'X');
    f.Words = QStringLiteral(" CENTOCINQUANTA ");
    f.WordsCents = QStringLiteral("05");
    const auto prints = place(f);

    EXPECT_EQ(boxes(prints, shifted({13.93, 14.38, 14.83, 15.23}, 3.2), 2.57), QStringLiteral("ENEL"))
        << "a leading blank is trimmed away: column 1 holds the first letter";
    EXPECT_EQ(one(prints, 28.45 + 3.2, 2.57).text, QStringLiteral(" "));
    EXPECT_EQ(one(prints, 17.13, 3.15).text, QStringLiteral("S"));
    EXPECT_EQ(boxes(prints, kPayerGrid, 5.32), (QStringLiteral("MARIO ROSSI") + QString(12, ' ')));
    EXPECT_EQ(boxes(prints, kPayerGrid, 6.72), (QStringLiteral("VIA D'ANNUNZIO 12") + QString(6, ' ')));

    // Postal code in columns 1-5, town from column 7; column 6 is never printed.
    const std::vector<double> postCode(kPayerGrid.begin(), kPayerGrid.begin() + 5);
    const std::vector<double> town(kPayerGrid.begin() + 6, kPayerGrid.end());
    EXPECT_EQ(boxes(prints, postCode, 7.57), QStringLiteral("123  "));
    EXPECT_EQ(boxes(prints, town, 7.57), QStringLiteral("ROMA") + QString(13, ' '));
    EXPECT_TRUE(at(prints, 24.18, 7.57).empty());

    // The receipts print the names whole; the main part's reasons too, uncut.
    EXPECT_EQ(one(prints, 1.38, 3.12).text, QStringLiteral("ENEL ENERGIA"));
    EXPECT_EQ(one(prints, 9.68, 8.55).text, QStringLiteral("MARIO ROSSI"));
    EXPECT_EQ(one(prints, 0.60, 9.52).text, QStringLiteral("123"));
    EXPECT_EQ(one(prints, 11.52, 9.52).text, QStringLiteral("ROMA"));
    EXPECT_EQ(one(prints, 17.16, 3.95).text, QString(60, 'X'));
    EXPECT_EQ(one(prints, 8.46, 3.95).text, QString(60, 'X'));
    for (double x : {1.18, 9.36})
        EXPECT_EQ(one(prints, x, 2.72).text, QStringLiteral("CENTOCINQUANTA/05"));
    EXPECT_EQ(one(prints, 21.49, 1.75).text, QStringLiteral("CENTOCINQUANTA/05"));
}

TEST(SlipLayoutTest, WordsLineOfCentsAlone) {
    SlipFaces f;
    f.WordsCents = QStringLiteral("50");
    EXPECT_EQ(one(place(f), 21.49, 1.75).text, QStringLiteral("/50"));
}
