// The lookup design, run over each twin's table: the slip search's and the
// registers' (add a row to LookupTwins as one comes).

#include "common/Lookup.h"
#include "common/PayeeRecord.h"
#include "common/PayerRecord.h"
#include "common/ReasonRecord.h"
#include "common/SlipRecord.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payers/frmFindEsecutore.h"
#include "registers/reasons/frmFindCausale.h"
#include "slips/SlipSearch.h"
#include "slips/frmBollettini.h"
#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QDir>
#include <QRandomGenerator>
#include <QFile>
#include <QTest>

#include <array>
#include <set>

using platform::MsgAnswer;

namespace {

// A register-like record of two fields: a name, and a code that not every
// record has.
struct NoteRecord {
    QString Name;
    QString Code;
    static constexpr std::array<FixedField<NoteRecord>, 2> Layout{{{&NoteRecord::Name, 12}, {&NoteRecord::Code, 6}}};
    static constexpr int Length = recordLength(Layout);
    static NoteRecord decode(const QByteArray& bytes) { return decodeRecord(bytes, Layout); }
    QByteArray encode() const { return encodeRecord(*this, Layout); }
};

const LookupTable<NoteRecord>& NoteTable() {
    static const LookupTable<NoteRecord> table{
        .files = [](const QWidget&) { return ArchiveFiles{QStringLiteral("Note.ndb"), QStringLiteral("Note.tmp")}; },
        .modes = {{.name = QStringLiteral("carica"),
                   .button = nullptr,
                   .caption = {},
                   .line = [](const NoteRecord& r,
                              qint64 n) { return JoinedLine({r.Name, u"  -  ", r.Code, RecordTail(n)}); },
                   .lists = {},
                   .fields = {}},
                  {.name = QStringLiteral("cc"),
                   .button = "cmdCategoria",
                   .caption = QStringLiteral("Codice"),
                   .line = [](const NoteRecord& r,
                              qint64 n) { return JoinedLine({r.Code, u" (C)  -  ", r.Name, RecordTail(n)}); },
                   .lists = WhenFilled(&NoteRecord::Code),
                   .fields = {}},
                  {.name = QStringLiteral("nn"),
                   .button = "cmdDescrizione",
                   .caption = QStringLiteral("Nome"),
                   .line = [](const NoteRecord& r, qint64 n) { return JoinedLine({r.Name, RecordTail(n)}); },
                   .lists = {},
                   .fields = {}}},
        .resortOpening = {},
        .printPrompt = QStringLiteral("Stampa elenco note"),
        .printPage = QStringLiteral("Elenco note"),
        .printLayout = {},
        .countCaption = QStringLiteral(" schede trovate"),
        .trimModeName = true,
        .pickFailed = {}};
    return table;
}

struct NoteTwin {
    using Record = NoteRecord;
    static const LookupTable<NoteRecord>& table() { return NoteTable(); }
    static QString archive() { return QStringLiteral("Note.ndb"); }
    static void prepare() {}
    // Record n; every third has no code.
    static NoteRecord sample(int n) {
        return {QStringLiteral("NOME %1").arg(QChar(u'Z' - n)), n % 3 == 0 ? QString() : QString::number(n * 7)};
    }
    static QString printTitle() { return QStringLiteral("Elenco note"); }
    static QString printPrompt() { return QStringLiteral("Stampa elenco note"); }
    static QString emptyListNotice() { return QStringLiteral("La lista non contiene nessuna voce."); }
};

struct SlipTwin {
    using Record = SlipRecord;
    static const LookupTable<SlipRecord>& table() { return SlipLookupTable(); }
    static QString archive() { return QStringLiteral("2026.ccp"); }
    static void prepare() { Forms::get<frmBollettini>().lblFile->setText(QStringLiteral("2026")); }
    static SlipRecord sample(int n) {
        SlipRecord r;
        r.Euros = QString::number(100 - n * 9);
        r.Cents = QStringLiteral("50");
        r.AccountNumber = QString::number(1000 + n * 13);
        r.Payee1 = QStringLiteral("INTESTATARIO %1").arg(QChar(u'Z' - n));
        r.Reason1 = QStringLiteral("CAUSALE %1").arg(n);
        r.Payer1 = QStringLiteral("ESECUTORE %1").arg(n % 2);
        return r;
    }
    static QString printTitle() { return QStringLiteral("    Riepilogo versamenti anno 2026"); }
    static QString printPrompt() { return QStringLiteral("Stampa riepilogo versamenti"); }
    static QString emptyListNotice() { return QStringLiteral("La lista non contiene alcuna voce."); }
};

struct PayeeTwin {
    using Record = PayeeRecord;
    static const LookupTable<PayeeRecord>& table() { return PayeeLookupTable(); }
    static QString archive() { return QStringLiteral("Intestatari.idb"); }
    static void prepare() {}
    // Record n; every other has no account number, every third no VAT number.
    static PayeeRecord sample(int n) {
        PayeeRecord r;
        r.Payee1 = QStringLiteral("INTESTATARIO %1").arg(QChar(u'Z' - n));
        r.AccountNumber = n % 2 ? QString::number(1000 + n * 13) : QString();
        r.VatNumber = n % 3 ? QString::number(n).rightJustified(11, QLatin1Char('0')) : QString();
        r.TaxCode = QStringLiteral("CF%1").arg(n);
        return r;
    }
    static QString printTitle() { return QStringLiteral("Elenco intestatari"); }
    static QString printPrompt() { return QStringLiteral("Stampa elenco intestatari"); }
    static QString emptyListNotice() { return QStringLiteral("La lista non contiene nessuna voce."); }
};

struct ReasonTwin {
    using Record = ReasonRecord;
    static const LookupTable<ReasonRecord>& table() { return ReasonLookupTable(); }
    static QString archive() { return QStringLiteral("Causali.cdb"); }
    static void prepare() {}
    // Record n; every third has no second line, every fourth no amount.
    static ReasonRecord sample(int n) {
        ReasonRecord r;
        r.Reason1 = QStringLiteral("CAUSALE %1").arg(QChar(u'Z' - n));
        r.Reason2 = n % 3 ? QStringLiteral("RIGA %1").arg(n) : QString();
        r.Euros = n % 4 ? QString::number(100 - n * 9) : QString();
        r.Cents = n % 4 ? QStringLiteral("50") : QString();
        r.Notes = QStringLiteral("nota %1").arg(n);
        return r;
    }
    static QString printTitle() { return QStringLiteral("Elenco causali"); }
    static QString printPrompt() { return QStringLiteral("Stampa elenco causali"); }
    static QString emptyListNotice() { return QStringLiteral("La lista non contiene nessuna voce."); }
};

struct PayerTwin {
    using Record = PayerRecord;
    static const LookupTable<PayerRecord>& table() { return PayerLookupTable(); }
    static QString archive() { return QStringLiteral("Esecutori.edb"); }
    static void prepare() {}
    // Record n; every other has no town, every third no VAT number.
    static PayerRecord sample(int n) {
        PayerRecord r;
        r.Payer1 = QStringLiteral("ESECUTORE %1").arg(QChar(u'Z' - n));
        r.Town = n % 2 ? QStringLiteral("LOCALITA %1").arg(QChar(u'A' + n)) : QString();
        r.VatNumber = n % 3 ? QString::number(n).rightJustified(11, QLatin1Char('0')) : QString();
        r.TaxCode = QStringLiteral("CF%1").arg(n);
        return r;
    }
    static QString printTitle() { return QStringLiteral("Elenco esecutori"); }
    static QString printPrompt() { return QStringLiteral("Stampa elenco esecutori"); }
    static QString emptyListNotice() { return QStringLiteral("La lista non contiene nessuna voce."); }
};

// A bare lookup window: the shared controls, a button per mode of the
// twin's table, and a pick target that records what it was handed.
template <class Twin>
class LookupWindow : public Form {
public:
    using R = typename Twin::Record;
    LookupWindow() : Form(Kind::Dialog) {
        setObjectName(QStringLiteral("frmLookupUnderTest"));
        buttons = CreateModeButtons(this, Twin::table());
        search = new TextBox(this);
        list = new LineList(this);
        list->resize(600, 300);
        hint = new PictureButton(QStringLiteral("Fare doppio clic sulla voce selezionata"), this);
        hint->setVisible(false);
        memory = new QLabel(this);
        memory->setVisible(false);
        count = new QLabel(this);
        print = new PictureButton(this);
        close = new PictureButton(this);
        lookup = std::make_unique<LookupList<R>>(
            *this, Twin::table(),
            LookupControls{.list = list, .search = search, .hint = hint, .memory = memory, .count = count,
                           .print = print, .close = close},
            [this](const R& record, qint64 number) { picked.push_back({record, number}); });
        LookupHandlers h{.listClick = [this] { lookup->ShowHint(); },
                         .listDblClick = [this] { lookup->Pick(); },
                         .searchEnter = [this] { lookup->Pick(); },
                         .hintDblClick = [this] { lookup->Pick(); },
                         .searchChange = [this] { lookup->TypeAhead(); },
                         .searchGotFocus = [this] { lookup->SearchGotFocus(); },
                         .searchLostFocus = [this] { lookup->SearchLostFocus(); },
                         .listMouseMove = [this](Qt::MouseButtons b, QPoint p) { lookup->RowToolTip(b, p); },
                         .printClick = [this] { lookup->Print(); },
                         .closeClick = [this] { lookup->Close(); },
                         .modeClicks = {}};
        for (QPushButton* b : buttons)
            h.modeClicks.push_back([this, b] { lookup->ModeButton(b); });
        lookup->Wire(h);
    }

    std::vector<QPushButton*> buttons;
    TextBox* search;
    LineList* list;
    PictureButton* hint;
    QLabel* memory;
    QLabel* count;
    PictureButton* print;
    PictureButton* close;
    std::unique_ptr<LookupList<R>> lookup;
    std::vector<PickedRecord<R>> picked;

protected:
    void Form_Load() override { lookup->Load(); }
};

template <class Twin>
class LookupDesign : public ::testing::Test {
protected:
    using R = typename Twin::Record;
    using Window = LookupWindow<Twin>;
    TestPlatform tp;
    const LookupTable<R>& table = Twin::table();
    QList<R> records;

    LookupDesign() {
        SetPrintClock([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 7, 2)); });
        SetPrintDateSeparator(QStringLiteral("/"));
        Twin::prepare();
    }
    ~LookupDesign() override {
        SetPrintClock({});
        SetPrintDateSeparator(QString());
    }

    void store(int count, const QByteArray& tail = {}) {
        records.clear();
        QFile file(tp.path(Twin::archive()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int n = 1; n <= count; ++n) {
            records.append(Twin::sample(n));
            file.write(records.back().encode());
        }
        file.write(tail);
    }
    Window& open() {
        Window& w = Forms::get<Window>();
        w.show();
        return w;
    }
    // The lines a layout must show: one per listed record, each once.
    std::multiset<QString> expected(const LookupModeRow<R>& mode) const {
        std::multiset<QString> lines;
        for (int i = 0; i < records.size(); ++i)
            if (!mode.lists || mode.lists(records[i]))
                lines.insert(mode.line(records[i], i + 1));
        return lines;
    }
    static std::multiset<QString> shown(const Window& w) {
        const QStringList lines = ListLines(*w.list);
        return {lines.begin(), lines.end()};
    }
    // The record whose line in `mode` is the list's line `row`.
    int recordOfRow(const Window& w, const LookupModeRow<R>& mode, int row) const {
        for (int i = 0; i < records.size(); ++i)
            if (mode.line(records[i], i + 1) == w.list->text(row))
                return i + 1;
        return 0;
    }
    void expectCount(const Window& w) const {
        if (!table.countCaption.isEmpty()) {
            EXPECT_EQ(w.count->text(), QString::number(w.list->count()) + table.countCaption);
        }
    }
};

using LookupTwins = ::testing::Types<SlipTwin, NoteTwin, PayeeTwin, PayerTwin, ReasonTwin>;
TYPED_TEST_SUITE(LookupDesign, LookupTwins);

TYPED_TEST(LookupDesign, OpensOnTheFirstLayoutWithEveryRecordOnceAndAllButtonsEnabled) {
    this->store(7, QByteArray(5, 'x'));
    auto& w = this->open();
    const auto& opening = this->table.modes.front();
    EXPECT_EQ(w.memory->text(), opening.name);
    EXPECT_EQ(this->shown(w), this->expected(opening));
    EXPECT_EQ(w.list->count(), 7) << "the trailing partial record is not listed";
    this->expectCount(w);
    EXPECT_EQ(w.list->currentRow(), -1);
    EXPECT_FALSE(w.hint->isVisibleTo(&w));
    ASSERT_EQ(w.buttons.size(), this->table.modes.size() - 1);
    for (std::size_t i = 0; i < w.buttons.size(); ++i) {
        EXPECT_TRUE(w.buttons[i]->isEnabled());
        EXPECT_EQ(w.buttons[i]->text(), this->table.modes[i + 1].caption);
        EXPECT_EQ(w.buttons[i]->objectName(), QString::fromLatin1(this->table.modes[i + 1].button));
    }
    EXPECT_EQ(w.lookup->modeButtons(), w.buttons);
}

// Records with every field filled, from the code page's letters and signs
// (accents, the euro, dashes, quotes) and blanks: each layout, built from the
// fields it decodes, shows the lines of the whole records in their order,
// each line one item that accessibility tools read.
TYPED_TEST(LookupDesign, EveryLayoutShowsTheLinesOfTheWholeRecordsEachAnAccessibleItem) {
    using R = typename TestFixture::R;
    const QByteArray alphabet("AZaz09 .,'-\xE0\xE9\xC8\x80\x96\x92\x93\x8A\x9A    ");
    QRandomGenerator random(5);
    QByteArray bytes;
    for (int n = 0; n < 40; ++n)
        for (int i = 0; i < R::Length; ++i)
            bytes += alphabet[random.bounded(int(alphabet.size()))];
    {
        QFile file(this->tp.path(TypeParam::archive()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QList<R> whole;
    for (int n = 0; n < 40; ++n)
        whole.append(R::decode(bytes.mid(qsizetype(n) * R::Length, R::Length)));

    for (std::size_t m = 0; m < this->table.modes.size(); ++m) {
        // A window per layout: without a screen reader running, nothing
        // tells an accessible list that its items changed.
        auto& w = this->open();
        const auto& mode = this->table.modes[m];
        if (m > 0)
            w.buttons[m - 1]->click();
        const QStringList lines = ListLines(*w.list);
        EXPECT_EQ(lines, LookupLines(this->table, mode, whole)) << mode.name.toStdString();

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.list);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->role(), QAccessible::List);
        ASSERT_EQ(list->childCount(), lines.size());
        for (int row = 0; row < lines.size(); row += 7) {
            QAccessibleInterface* item = list->child(row);
            ASSERT_TRUE(item);
            EXPECT_EQ(item->role(), QAccessible::ListItem);
            EXPECT_EQ(item->text(QAccessible::Name), lines[row]);
        }
        w.Unload();
    }
}

TYPED_TEST(LookupDesign, EachModeButtonListsItsRecordsAndIsTheOneDisabled) {
    this->store(7);
    auto& w = this->open();
    w.search->setText(QStringLiteral("typed"));
    for (std::size_t i = 0; i < w.buttons.size(); ++i) {
        const auto& mode = this->table.modes[i + 1];
        w.buttons[i]->click();
        EXPECT_EQ(w.memory->text(), mode.name);
        EXPECT_EQ(this->shown(w), this->expected(mode)) << mode.name.toStdString();
        QStringList inOrder = ListLines(*w.list);
        SortAsListBox(inOrder);
        EXPECT_EQ(ListLines(*w.list), inOrder) << "a mode button lists in list-box order";
        this->expectCount(w);
        for (std::size_t j = 0; j < w.buttons.size(); ++j)
            EXPECT_EQ(w.buttons[j]->isEnabled(), i != j);
        EXPECT_EQ(w.list->currentRow(), -1);
        EXPECT_EQ(w.search->text(), "typed") << "a build leaves the search text";
    }
    w.Unload();
    EXPECT_EQ(this->open().memory->text(), this->table.modes.front().name) << "every opening starts afresh";
}

TYPED_TEST(LookupDesign, APickInEveryLayoutHandsOverTheRecordOfTheLineAndCloses) {
    this->store(7);
    for (std::size_t m = 0; m < this->table.modes.size(); ++m) {
        for (int row : {0, 2}) {
            auto& w = this->open();
            if (m > 0)
                w.buttons[m - 1]->click();
            ASSERT_GT(w.list->count(), row);
            w.list->setCurrentRow(row);
            EXPECT_TRUE(w.hint->isVisibleTo(&w)) << "a selected line shows the hint";
            const int number = this->recordOfRow(w, this->table.modes[m], row);
            ASSERT_GT(number, 0);
            const QPointer<typename TestFixture::Window> alive(&w);
            w.lookup->Pick();
            ASSERT_EQ(w.picked.size(), 1u);
            EXPECT_EQ(w.picked[0].number, number);
            EXPECT_EQ(w.picked[0].record.encode(), this->records[number - 1].encode());
            EXPECT_TRUE(w.isUnloaded());
        }
    }
}

TYPED_TEST(LookupDesign, NothingSelectedOrALineThatNoLongerMatchesPicksNothingAndStaysOpen) {
    this->store(4);
    auto& w = this->open();
    w.lookup->Pick();
    QTest::keyClick(w.search, Qt::Key_Return);
    EXPECT_TRUE(w.picked.empty());
    EXPECT_FALSE(w.isUnloaded());

    w.list->setCurrentRow(1);
    this->store(0); // the archive emptied under the list
    w.lookup->Pick();
    EXPECT_TRUE(w.picked.empty());
    EXPECT_FALSE(w.isUnloaded());
    EXPECT_TRUE(this->tp.messages.shown.empty());

    w.memory->setText(QStringLiteral("no such mode"));
    this->store(4);
    w.lookup->Pick();
    EXPECT_TRUE(w.picked.empty());

    // The close button writes nothing; the hint's double click picks.
    w.Unload();
    auto& v = this->open();
    v.list->setCurrentRow(0);
    v.close->click();
    EXPECT_TRUE(v.isUnloaded());
    EXPECT_TRUE(v.picked.empty());
    auto& u = this->open();
    u.list->setCurrentRow(0);
    u.hint->DblClick();
    EXPECT_EQ(u.picked.size(), 1u);
}

TYPED_TEST(LookupDesign, AnArchiveThatCannotBeReadListsNothingAndFailsThePickAsTheTableSays) {
    ASSERT_TRUE(QDir(this->tp.dir.path()).mkpath(TypeParam::archive()));
    auto& w = this->open();
    EXPECT_EQ(w.list->count(), 0);
    this->expectCount(w);
    w.list->setLines({this->table.modes.front().line(TypeParam::sample(1), 1)});
    w.list->setCurrentRow(0);
    w.lookup->Pick();
    EXPECT_TRUE(w.picked.empty());
    EXPECT_FALSE(w.isUnloaded());
    EXPECT_EQ(this->tp.messages.shown.size(), this->table.pickFailed ? 1u : 0u);
}

TYPED_TEST(LookupDesign, TypeAheadSelectsTheFirstLineBeginningWithTheTextAndEnterPicksIt) {
    this->store(7);
    auto& w = this->open();
    const QString first = w.list->text(2);
    const QString start = first.left(first.indexOf(QLatin1Char(' ')) + 2).toLower();
    QTest::keyClicks(w.search, start);
    ASSERT_GE(w.list->currentRow(), 0);
    EXPECT_TRUE(w.list->text(w.list->currentRow()).startsWith(start, Qt::CaseInsensitive));
    EXPECT_EQ(w.list->currentRow(), FindLineStarting(*w.list, start));
    EXPECT_TRUE(w.hint->isVisibleTo(&w));
    EXPECT_EQ(w.list->count(), 7) << "type-ahead selects, it does not filter";

    QTest::keyClicks(w.search, QStringLiteral("#nothing"));
    EXPECT_EQ(w.list->currentRow(), -1);
    EXPECT_FALSE(w.hint->isVisibleTo(&w));

    w.search->setText(start);
    const int number = this->recordOfRow(w, this->table.modes.front(), w.list->currentRow());
    QTest::keyClick(w.search, Qt::Key_Return);
    ASSERT_EQ(w.picked.size(), 1u);
    EXPECT_EQ(w.picked[0].number, number);
}

TYPED_TEST(LookupDesign, RowTooltipFollowsThePointerWhileNoButtonIsHeldAndTheSearchBoxShowsItsFocus) {
    this->store(3);
    auto& w = this->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint second = w.list->rowRect(1).center();
    w.lookup->RowToolTip(Qt::NoButton, second);
    EXPECT_EQ(w.list->toolTip(), " " + w.list->text(1) + " ");
    w.lookup->RowToolTip(Qt::LeftButton, w.list->rowRect(0).center());
    EXPECT_EQ(w.list->toolTip(), " " + w.list->text(1) + " ");
    w.lookup->RowToolTip(Qt::NoButton, QPoint(5, w.list->viewport()->height() - 3));
    EXPECT_EQ(w.list->toolTip(), QString());

    // The search box shows whether it has the focus.
    w.lookup->SearchGotFocus();
    EXPECT_EQ(w.search->backColor(), Colors::Focus);
    w.lookup->SearchLostFocus();
    EXPECT_EQ(w.search->backColor(), Colors::WindowBackground);
}

TYPED_TEST(LookupDesign, PrintsTheListAsShownUnderTheTablesTitle) {
    this->store(5);
    auto& w = this->open();
    if (!w.buttons.empty())
        w.buttons.back()->click();
    w.search->setText(w.list->text(0).left(3));
    const QStringList shown = ListLines(*w.list);
    this->tp.messages.answers = {MsgAnswer::OK};
    w.print->click();
    EXPECT_EQ(this->tp.messages.last().title, TypeParam::printPrompt());
    const QStringList printed = this->tp.printer.lines();
    ASSERT_EQ(printed.size(), shown.size() + 9);
    EXPECT_EQ(printed[1], TypeParam::printTitle());
    for (int i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(printed[4 + i].endsWith(shown[i])) << "every line, whatever the search selects";
    EXPECT_TRUE(printed[shown.size() + 6].endsWith(QString::number(shown.size())));
    EXPECT_FALSE(w.isUnloaded());
}

TYPED_TEST(LookupDesign, AMissingArchiveIsCreatedEmptyAndItsEmptyListIsNotPrinted) {
    auto& w = this->open();
    EXPECT_EQ(w.list->count(), 0);
    this->expectCount(w);
    EXPECT_TRUE(QFile::exists(this->tp.path(TypeParam::archive())));
    w.print->click();
    EXPECT_EQ(this->tp.messages.last().text, TypeParam::emptyListNotice());
    EXPECT_TRUE(this->tp.printer.lines().isEmpty());
    EXPECT_FALSE(w.isUnloaded());
}

TEST(LookupImport, WritesItsBoxesInOrderAndSkipsTheConditionalOnesWhenTheirFieldIsBlank) {
    QWidget form;
    for (const char* name : {"txtNome", "txtCodice"}) {
        auto* box = new TextBox(&form);
        box->setObjectName(QString::fromLatin1(name));
        box->setText(QStringLiteral("before"));
    }
    static constexpr std::array<ImportBinding<NoteRecord>, 2> boxes{
        {{"txtNome", &NoteRecord::Name, nullptr}, {"txtCodice", &NoteRecord::Code, &NoteRecord::Code}}};
    WriteImport<NoteRecord>(form, boxes, NoteRecord{QStringLiteral("ROSSI"), QString()});
    EXPECT_EQ(BoxText(FindBox(form, QStringLiteral("txtNome"))), "ROSSI");
    EXPECT_EQ(BoxText(FindBox(form, QStringLiteral("txtCodice"))), "before") << "a blank condition leaves the box as it was";
    WriteImport<NoteRecord>(form, boxes, NoteRecord{QString(), QStringLiteral("77")});
    EXPECT_EQ(BoxText(FindBox(form, QStringLiteral("txtNome"))), QString()) << "an unconditional blank field empties its box";
    EXPECT_EQ(BoxText(FindBox(form, QStringLiteral("txtCodice"))), "77");
}

TEST(LookupLines, RegisterTailAndFilledFilter) {
    EXPECT_EQ(JoinedLine({u"A", u" ", u"", u"B"}) + RecordTail(12), "A B  [ Rec. 12 ]");
    const auto filled = WhenFilled(&NoteRecord::Code);
    EXPECT_FALSE(filled(NoteRecord{QStringLiteral("X"), QStringLiteral("   ")}));
    EXPECT_TRUE(filled(NoteRecord{QString(), QStringLiteral(" 1")}));
    EXPECT_NE(LookupModeNamed(NoteTable(), QStringLiteral(" cc ")), nullptr) << "this table trims the mode";
    EXPECT_EQ(LookupModeNamed(NoteTable(), QStringLiteral("CC")), nullptr) << "case counts";
    EXPECT_EQ(LookupModeNamed(NoteTable(), QStringLiteral("\tcc")), nullptr) << "only blanks are trimmed";
    EXPECT_EQ(LookupModeNamed(NoteTable(), QString()), nullptr);
    EXPECT_EQ(LookupModeNamed(SlipLookupTable(), QStringLiteral(" Conto")), nullptr) << "the slip search does not";
}

} // namespace
