// The register records on disk: every field at its offset, padded with
// blanks and cut at its width, one byte per character, and back through the
// card's boxes.

#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ReasonRecord.h"
#include "registers/reasons/ReasonSamples.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Field {
    int offset;
    int width;
    const char* text;
};

// `r` holds the texts of `fields`, in the file's order and covering it whole.
template <class R, std::size_t N>
void expectLayout(const R& r, std::initializer_list<Field> fields, const std::array<BoxBinding<R>, N>& boxes) {
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), R::Length);
    int end = 0;
    for (const Field& f : fields) {
        EXPECT_EQ(f.offset, end) << f.text;
        EXPECT_EQ(bytes.mid(f.offset, f.width), QByteArray(f.text).leftJustified(f.width, ' ')) << f.text;
        end = f.offset + f.width;
    }
    EXPECT_EQ(end, R::Length);
    EXPECT_EQ(R::decode(bytes), r);

    QWidget form;
    for (const BoxBinding<R>& b : boxes)
        (new QLineEdit(&form))->setObjectName(QString::fromLatin1(b.box));
    WriteBoxes<R>(form, boxes, r);
    EXPECT_EQ(ReadBoxes<R>(form, boxes), r);
}

} // namespace

TEST(RecordLayout, EveryRegisterRecordsFieldsLieAtTheirOffsetsAndRoundTripThroughTheBoxes) {
    PayeeRecord payee;
    payee.Payee1 = "ROSSI MARIO";
    payee.Payee2 = "SECONDA RIGA";
    payee.AccountNumber = "12345678";
    payee.HomePhone = "011 123";
    payee.OfficePhone = "011 456";
    payee.FaxNumber = "011 789";
    payee.MobilePhone = "347 123.45-67";
    payee.Email = "mario.rossi@example.it";
    payee.VatNumber = "00000000018";
    payee.TaxCode = "RSSMRA85T10A562S";
    payee.CardNumber = "4111111111111111";
    payee.Notes = "A & B <srl>";
    expectLayout(payee,
                 {{0, 34, "ROSSI MARIO"}, {34, 34, "SECONDA RIGA"}, {68, 12, "12345678"}, {80, 20, "011 123"},
                  {100, 20, "011 456"}, {120, 20, "011 789"}, {140, 20, "347 123.45-67"},
                  {160, 50, "mario.rossi@example.it"}, {210, 11, "00000000018"}, {221, 16, "RSSMRA85T10A562S"},
                  {237, 16, "4111111111111111"}, {253, 600, "A & B <srl>"}},
                 PayeeBoxes);

    PayerRecord payer;
    payer.Payer1 = "ROSSI MARIO";
    payer.Payer2 = "SECONDA";
    payer.Street = "VIA ROMA 1";
    payer.PostCode = "00100";
    payer.Town = "ROMA";
    payer.HomePhone = "06 1";
    payer.OfficePhone = "06 2";
    payer.FaxNumber = "06 3";
    payer.MobilePhone = "347";
    payer.Email = "m@r.it";
    payer.VatNumber = "00000000018";
    payer.TaxCode = "RSSMRA85T10A562S";
    payer.CardNumber = "4111111111111111";
    payer.Notes = "fine";
    expectLayout(payer,
                 {{0, 23, "ROSSI MARIO"}, {23, 23, "SECONDA"}, {46, 23, "VIA ROMA 1"}, {69, 5, "00100"},
                  {74, 17, "ROMA"}, {91, 20, "06 1"}, {111, 20, "06 2"}, {131, 20, "06 3"}, {151, 20, "347"},
                  {171, 50, "m@r.it"}, {221, 11, "00000000018"}, {232, 16, "RSSMRA85T10A562S"},
                  {248, 16, "4111111111111111"}, {264, 600, "fine"}},
                 PayerBoxes);

    expectLayout(reason("CANONE ACQUA", "", "120", "50", "nota"),
                 {{0, 60, "CANONE ACQUA"}, {60, 60, ""}, {120, 8, "120"}, {128, 2, "50"}, {130, 1200, "nota"}},
                 ReasonBoxes);
}

TEST(RecordLayout, ATextLongerThanItsFieldIsCutNotShiftedAndOneOfExactlyItsWidthComesBackWhole) {
    PayeeRecord r;
    r.Notes = QString(700, 'x');
    r.CardNumber = "1";
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.size(), PayeeRecord::Length);
    EXPECT_EQ(PayeeRecord::decode(bytes).Notes.size(), 600);
    EXPECT_EQ(PayeeRecord::decode(bytes).CardNumber, "1");

    const ReasonRecord full = reason(QString(60, 'A'), QString(60, 'B'), QString(8, '9'), "05", QString(1200, 'N'));
    const QByteArray packed = full.encode();
    EXPECT_EQ(packed, QByteArray(60, 'A') + QByteArray(60, 'B') + QByteArray(8, '9') + "05" + QByteArray(1200, 'N'));
    EXPECT_EQ(ReasonRecord::decode(packed), full);
}

TEST(RecordLayout, OnlyBlanksAreTrimmedSoNotesKeepTheirLineBreaks) {
    EXPECT_TRUE(reason(" CANONE").encode().startsWith("CANONE "));
    const QString notes = QStringLiteral("prima riga\r\nseconda\triga\r\n\t");
    const ReasonRecord back = ReasonRecord::decode(reason("  X  ", "", "", "", notes).encode());
    EXPECT_EQ(back.Reason1, "X");
    EXPECT_EQ(back.Notes, notes);
}

TEST(RecordLayout, CharactersOutsideTheCodePageNeverShiftAField) {
    const QByteArray bytes = reason(QString::fromUtf8("CAFFÈ ✓ €"), "DUE", "1", "00").encode();
    ASSERT_EQ(bytes.size(), ReasonRecord::Length);
    EXPECT_EQ(bytes.mid(60, 3), QByteArray("DUE"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0xC8) << "È is one Windows-1252 byte";
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0x80) << "€ is one Windows-1252 byte";
    EXPECT_EQ(ReasonRecord::decode(bytes).Reason1, QString::fromUtf8("CAFFÈ ? €"));
}

TEST(RecordLayout, AShortRecordReadsItsMissingBytesAsBlanks) {
    const ReasonRecord back = ReasonRecord::decode(QByteArray("ABC") + QByteArray(57, ' ') + "DEF");
    EXPECT_EQ(back.Reason1, "ABC");
    EXPECT_EQ(back.Reason2, "DEF");
    EXPECT_TRUE(back.Euros.isEmpty());
    EXPECT_TRUE(back.Notes.isEmpty());
}
