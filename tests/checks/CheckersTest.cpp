#include "common/HelpCatalogue.h"
#include "checks/frmCF.h"
#include "checks/frmCalcIva.h"
#include "checks/frmCarta.h"
#include "services/frmHelpForm.h"
#include "support/TestPlatform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

using namespace platform;

namespace {

// What one message box showed.
struct Shown {
    QString text;
    QString title;
    MsgIcon icon;
};
bool operator==(const Shown& a, const Shown& b) { return a.text == b.text && a.title == b.title && a.icon == b.icon; }
void PrintTo(const Shown& s, std::ostream* os) { *os << s.text.toStdString() << " / " << s.title.toStdString(); }

const QString kVatResult = "Risultato controllo partita IVA";
const QString kMissing = "Attenzione: parametro mancante";

class Checkers : public ::testing::Test {
protected:
    TestPlatform tp;

    // The only message shown since the last call.
    Shown onlyMessage() {
        EXPECT_EQ(tp.messages.shown.size(), 1u) << tp.messages.texts().join(" | ").toStdString();
        const Shown s = tp.messages.shown.empty()
                            ? Shown{}
                            : Shown{tp.messages.last().text, tp.messages.last().title, tp.messages.last().icon};
        tp.messages.shown.clear();
        return s;
    }
    // Opens the checker as a register card does: the value written into its
    // box, then the window shown modally and operated by `script`.
    template <class F>
    void openWith(TextBox* const F::*box, const QString& value, std::function<void(F&)> script) {
        F& f = Forms::get<F>();
        (f.*box)->setText(value);
        tp.modal.expect(F::staticMetaObject.className(), [script](QWidget& w) { script(static_cast<F&>(w)); });
        f.ShowModal();
    }
    static void paste(TextBox* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    }
    // A Control-key combination as the desktop delivers it: its control
    // character as the text (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24).
    static void controlKey(TextBox* box, Qt::Key key, char16_t code) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier, QString(QChar(code)));
        QCoreApplication::sendEvent(box, &press);
    }
};

} // namespace

TEST_F(Checkers, VatNumberResultsNameTheOffice) {
    openWith<frmCalcIva>(&frmCalcIva::txtIva, "00000000018", [&](frmCalcIva& f) {
        EXPECT_TRUE(f.cmdCalcolaIva->isEnabled()) << "the card's write enables the check";
        f.cmdCalcolaIva->click();
        EXPECT_EQ(onlyMessage(),
                  (Shown{QString::fromUtf8(
                             "Il numero di partita IVA è ESATTO. E' stato rilasciato dall'Ufficio di Torino."),
                         kVatResult, MsgIcon::Information}));
        const std::pair<const char*, Shown> cases[] = {
            {"00000000017", {"Numero di partita IVA ERRATO!", kVatResult, MsgIcon::Exclamation}},
            {"00000000000", {"Numero di partita IVA SBAGLIATO !", kVatResult, MsgIcon::Exclamation}},
        };
        for (const auto& [value, expected] : cases) {
            f.txtIva->setText(value);
            f.cmdCalcolaIva->click();
            EXPECT_EQ(onlyMessage(), expected) << value;
        }
        f.txtIva->setText("00000000406");
        QTest::keyClick(f.txtIva, Qt::Key_Return);
        EXPECT_TRUE(onlyMessage().text.endsWith(QString::fromUtf8("Forlì.")));
        f.txtIva->setText("00000001206");
        f.cmdCalcolaIva->click();
        EXPECT_TRUE(onlyMessage().text.endsWith("Ufficio di Bologna 2.")) << "code 120, as code 101";
    });
}

TEST_F(Checkers, VatNumberRefusesBlankAndShortValues) {
    openWith<frmCalcIva>(&frmCalcIva::txtIva, "", [&](frmCalcIva& f) {
        EXPECT_FALSE(f.cmdCalcolaIva->isEnabled());
        f.imgLogo->click(); // nothing while the check button is disabled
        EXPECT_TRUE(tp.messages.shown.empty());
        QTest::keyClick(f.txtIva, Qt::Key_Return); // Enter checks all the same
        EXPECT_EQ(onlyMessage(), (Shown{QString::fromUtf8("Non è stato specificato alcun valore."), kMissing,
                                        MsgIcon::Exclamation}));
        f.txtIva->setText("   ");
        EXPECT_FALSE(f.cmdCalcolaIva->isEnabled());
        QTest::keyClick(f.txtIva, Qt::Key_Return);
        EXPECT_EQ(onlyMessage().text, QString::fromUtf8("Non è stato specificato alcun valore."));
        for (const char* shortValue : {"1234567890", " 1234567890"}) {
            f.txtIva->setText(shortValue);
            f.imgLogo->click();
            EXPECT_EQ(onlyMessage(), (Shown{"Il numero di partita IVA deve essere costituito da 11 cifre.", kMissing,
                                            MsgIcon::Exclamation}))
                << shortValue;
        }
    });
}

TEST_F(Checkers, VatBoxTakesDigitsByTypingAndByPasting) {
    openWith<frmCalcIva>(&frmCalcIva::txtIva, "12", [&](frmCalcIva& f) {
        const Shown notice{"Digitare solo caratteri numerici.", "Attenzione!", MsgIcon::Exclamation};
        f.txtIva->end(false);
        for (const char* key : {"a", " ", "-"}) {
            QTest::keyClicks(f.txtIva, key);
            EXPECT_EQ(onlyMessage(), notice) << key;
            EXPECT_EQ(f.txtIva->text(), "12");
        }
        QTest::keyClick(f.txtIva, Qt::Key_Backspace);
        EXPECT_EQ(f.txtIva->text(), "1");
        EXPECT_TRUE(tp.messages.shown.empty());

        for (const char* junk : {"0A1", "123 456", "12-3"}) {
            paste(f.txtIva, junk);
            EXPECT_EQ(onlyMessage(), notice) << junk;
            EXPECT_EQ(f.txtIva->text(), "1") << junk;
        }
        paste(f.txtIva, "23456789012345");
        EXPECT_EQ(f.txtIva->text(), "12345678901") << "the limit of 11 holds for pastes";
        EXPECT_TRUE(tp.messages.shown.empty());

        // Copy, paste and cut from the keyboard are refused keys here.
        QGuiApplication::clipboard()->setText("9");
        f.txtIva->setText("123");
        f.txtIva->selectAll();
        const std::pair<Qt::Key, char16_t> combos[] = {{Qt::Key_C, 3}, {Qt::Key_V, 22}, {Qt::Key_X, 24}};
        for (const auto& [key, code] : combos) {
            controlKey(f.txtIva, key, code);
            EXPECT_EQ(onlyMessage(), notice) << int(code);
            EXPECT_EQ(f.txtIva->text(), "123") << int(code);
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "9") << "nothing was copied";
    });
}

TEST_F(Checkers, NewSheetLogoHelpAndClose) {
    openWith<frmCalcIva>(&frmCalcIva::txtIva, "00000000018", [&](frmCalcIva& f) {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.imgLogo->click();
        EXPECT_EQ(tp.messages.shown.size(), 1u) << "the logo checks while the button is enabled";
        tp.messages.shown.clear();
        f.cmdGuida->setFocus();
        f.imgNuovo->click();
        EXPECT_EQ(f.txtIva->text(), "");
        EXPECT_FALSE(f.cmdCalcolaIva->isEnabled());
        EXPECT_EQ(f.focusWidget(), f.txtIva);

        tp.modal.expect("frmHelpForm", [](QWidget& w) {
            auto& help = static_cast<frmHelpForm&>(w);
            EXPECT_EQ(help.lblTitolo->text(), "Controllo del numero di partita IVA");
            const QString rule(35, '-');
            EXPECT_TRUE(help.txtTesto->text().contains(
                "\r\n\r\n" + rule + "\r\nUno sguardo al numero di partita IVA\r\n" + rule + "\r\n\r\n"));
            EXPECT_EQ(help.txtTesto->text().count("\r\n\r\n"), 6) << "nine pieces, three of them on one block";
        });
        f.cmdGuida->click();
        f.cmdChiudi->click();
    });
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmCalcIva>());
    EXPECT_EQ(Forms::get<frmCalcIva>().txtIva->text(), "") << "the next opening starts empty";
}

TEST_F(Checkers, TaxCodeResults) {
    const QString title = "Risultato controllo codice fiscale";
    openWith<frmCF>(&frmCF::txtCarta, "AAAAAA00A00A000I", [&](frmCF& f) {
        f.cmdCheckCard->click();
        EXPECT_EQ(onlyMessage(), (Shown{"Codice fiscale CORRETTO.", title, MsgIcon::Information}));
        f.txtCarta->setText("AAAAAA00A00A000X");
        f.cmdCheckCard->click();
        EXPECT_EQ(onlyMessage(), (Shown{"Codice fiscale ERRATO!", title, MsgIcon::Critical}));
        f.txtCarta->setText("aaaaaa00a00a000i");
        f.cmdCheckCard->click();
        EXPECT_EQ(onlyMessage().text, "Codice fiscale CORRETTO.") << "small letters are read as capitals";
        // Anything but letters and digits among the first fifteen: never right.
        for (const QString& odd : {QString(15, '*') + "2", QString::fromUtf8("ÀAAAAA00A00A000I")}) {
            f.txtCarta->setText(odd);
            EXPECT_EQ(f.txtCarta->text(), odd) << "left in the box by the filter";
            f.cmdCheckCard->click();
            EXPECT_EQ(onlyMessage(), (Shown{"Codice fiscale ERRATO!", title, MsgIcon::Critical}));
        }
    });
}

TEST_F(Checkers, TaxCodeRefusesShortValuesEvenFromEnter) {
    openWith<frmCF>(&frmCF::txtCarta, "AAAAAA00A00A000", [&](frmCF& f) {
        const Shown refusal{"Il codice fiscale deve essere costituito da 16 caratteri.", kMissing,
                            MsgIcon::Exclamation};
        f.cmdCheckCard->click();
        EXPECT_EQ(onlyMessage(), refusal);
        f.txtCarta->clear();
        EXPECT_FALSE(f.cmdCheckCard->isEnabled());
        QTest::keyClick(f.txtCarta, Qt::Key_Return);
        EXPECT_EQ(onlyMessage(), refusal);
    });
}

TEST_F(Checkers, TaxCodeBoxFiltersTypingAndPasting) {
    openWith<frmCF>(&frmCF::txtCarta, "", [&](frmCF& f) {
        QTest::keyClicks(f.txtCarta, "rss mra");
        EXPECT_EQ(f.txtCarta->text(), "RSS*MRA");
        EXPECT_EQ(f.txtCarta->cursorPosition(), 7);
        EXPECT_TRUE(f.cmdCheckCard->isEnabled());
        // With a "*" in the box, a letter typed in the middle sends the caret to the end.
        f.txtCarta->setCursorPosition(1);
        QTest::keyClicks(f.txtCarta, "x");
        EXPECT_EQ(f.txtCarta->text(), "RXSS*MRA");
        EXPECT_EQ(f.txtCarta->cursorPosition(), 8);

        f.txtCarta->clear();
        QTest::keyClicks(f.txtCarta, " ");
        EXPECT_EQ(f.txtCarta->text(), "*");
        EXPECT_TRUE(f.cmdCheckCard->isEnabled());

        f.txtCarta->clear();
        paste(f.txtCarta, "rss/mra 85t10a562s and more");
        EXPECT_EQ(f.txtCarta->text(), "rss*mra*85t10a56") << "filtered and held to 16";
        EXPECT_TRUE(tp.messages.shown.empty());

        // The Control-key combinations pass here: Ctrl+V pastes, filtered.
        f.txtCarta->clear();
        QGuiApplication::clipboard()->setText("ab/c");
        controlKey(f.txtCarta, Qt::Key_V, 22);
        EXPECT_EQ(f.txtCarta->text(), "ab*c");
        EXPECT_TRUE(tp.messages.shown.empty());
    });
}

TEST_F(Checkers, CardResults) {
    const QString title = "Risultato controllo carta di credito";
    openWith<frmCarta>(&frmCarta::txtCarta, "4111111111111111", [&](frmCarta& f) {
        f.cmdCheckCard->click();
        EXPECT_EQ(onlyMessage(), (Shown{QString::fromUtf8("NUMERO VALIDO.\r\n\r\nLa carta di credito è del tipo Visa."),
                                        title, MsgIcon::Information}));
        const std::pair<const char*, Shown> cases[] = {
            {"5610000000000001",
             {QString::fromUtf8("NUMERO VALIDO.\r\n\r\nLa carta di credito è del tipo Australian BankCard."), title,
              MsgIcon::Information}},
            {"561000000000001", {"Tipo di carta di credito sconosciuto.", title, MsgIcon::Exclamation}},
            {"4111111111111112", {"Numero di carta di credito NON valido.", title, MsgIcon::Exclamation}},
        };
        for (const auto& [value, expected] : cases) {
            f.txtCarta->setText(value);
            f.cmdCheckCard->click();
            EXPECT_EQ(onlyMessage(), expected) << value;
        }
        f.txtCarta->clear();
        QTest::keyClick(f.txtCarta, Qt::Key_Return);
        EXPECT_EQ(onlyMessage(),
                  (Shown{"Inserire un numero di carta di credito prima di premere il pulsante di convalida.",
                         "Convalida non eseguibile", MsgIcon::Exclamation}));
    });
}

TEST_F(Checkers, CardBoxRefusesNonDigitsTypedOrPasted) {
    openWith<frmCarta>(&frmCarta::txtCarta, "4111", [&](frmCarta& f) {
        const Shown notice{
            "Inserire il numero della carta di credito digitando solo caratteri numerici senza spazi o trattini.",
            "Attenzione!", MsgIcon::Information};
        f.txtCarta->end(false);
        QTest::keyClicks(f.txtCarta, "-");
        EXPECT_EQ(onlyMessage(), notice);
        paste(f.txtCarta, "1111 1111");
        EXPECT_EQ(onlyMessage(), notice);
        EXPECT_EQ(f.txtCarta->text(), "4111");
        paste(f.txtCarta, "11111111111111111111");
        EXPECT_EQ(f.txtCarta->text(), "4111111111111111");
        EXPECT_TRUE(tp.messages.shown.empty());
    });
}

TEST_F(Checkers, CopyPutsTheTrimmedValueOnTheClipboard) {
    openWith<frmCalcIva>(&frmCalcIva::txtIva, " 123 ", [&](frmCalcIva& f) {
        f.imgCopia->click();
        EXPECT_EQ(tp.clipboard.held, "123");
        EXPECT_EQ(onlyMessage(), (Shown{QString::fromUtf8("Il numero di partita IVA corrente è stato copiato negli "
                                                          "Appunti di Windows con successo."),
                                        "Copia effettuata", MsgIcon::Information}));
        tp.clipboard.held = "before";
        f.txtIva->setText("   ");
        f.imgCopia->click();
        EXPECT_EQ(onlyMessage(), (Shown{"Impossibile copiare negli Appunti di Windows. Nessun numero di partita IVA "
                                        "corrente.",
                                        "Operazione non applicabile", MsgIcon::Information}));
        EXPECT_EQ(tp.clipboard.held, "before");
        EXPECT_EQ(tp.clipboard.writes, 1);
    });
}

TEST_F(Checkers, AFailingClipboardIsReportedNotConfirmed) {
    tp.clipboard.broken = true;
    openWith<frmCarta>(&frmCarta::txtCarta, "4111111111111111", [&](frmCarta& f) {
        f.imgCopia->click();
        EXPECT_EQ(onlyMessage(), (Shown{"Impossibile copiare negli Appunti di Windows.", "Copia non effettuata",
                                        MsgIcon::Exclamation}));
    });
}

TEST_F(Checkers, InTheTaxCodeAndCardCheckersAnyMouseButtonActsOnTheIcons) {
    openWith<frmCF>(&frmCF::txtCarta, "RSSMRA85T10A562S", [&](frmCF& f) {
        QTest::mouseClick(f.imgCopia, Qt::RightButton);
        EXPECT_EQ(tp.clipboard.held, "RSSMRA85T10A562S");
        EXPECT_EQ(onlyMessage().title, "Copia effettuata");
        QTest::mouseClick(f.imgCopia, Qt::LeftButton);
        EXPECT_EQ(onlyMessage().title, "Copia effettuata") << "one copy per click";
        QTest::mouseClick(f.imgNuovo, Qt::MiddleButton);
        EXPECT_EQ(f.txtCarta->text(), "");
    });
    openWith<frmCalcIva>(&frmCalcIva::txtIva, "00000000018", [&](frmCalcIva& f) {
        QTest::mouseClick(f.imgCopia, Qt::RightButton);
        EXPECT_TRUE(tp.messages.shown.empty()) << "only a left click copies in the VAT checker";
        QTest::mouseClick(f.imgNuovo, Qt::LeftButton);
        EXPECT_EQ(f.txtIva->text(), "");
    });
}

TEST_F(Checkers, HelpTopicsKeepTheirLinesTogether) {
    const HelpTopic card = HelpCatalogue::CardNumber();
    const QString list = card.paragraphs.value(2);
    EXPECT_TRUE(list.startsWith("   1. American Express\r\n   2. Australian BankCard\r\n"));
    EXPECT_TRUE(list.endsWith("\r\n   9. Visa"));
    EXPECT_EQ(card.paragraphs.size(), 6); // 14 pieces, nine of them one list
    const HelpTopic cf = HelpCatalogue::TaxCode();
    EXPECT_EQ(cf.paragraphs.size(), 9); // 11 pieces, three of them one block
    EXPECT_EQ(cf.paragraphs.value(2).split("\r\n").value(1), "Uno sguardo al codice fiscale");

    openWith<frmCarta>(&frmCarta::txtCarta, "", [&](frmCarta& f) {
        tp.modal.expect("frmHelpForm", [](QWidget& w) {
            EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(), "Controllo del numero di carta di credito");
        });
        f.cmdGuida->click();
    });
}
