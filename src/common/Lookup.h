#pragma once
// The lookup design: a window that lists every record of an archive as one
// text line in a sorted list, in one of a few layouts (LookupMode, kept in the
// hidden lblMemory), lets the user find a line by typing its beginning, shows
// the line under the pointer as a tooltip, prints the list, and picks a line
// by a double click, by Enter in the search box or by a double click on the
// hint. The pick finds the record behind the line by rebuilding each record's
// line in the current mode from the fields that line reads (see
// LookupPick.h), hands the record read whole to the window's pick
// target and closes the window.
//
// The slip search and the register lookups are its twins. What sets one
// apart is a LookupTable (the archive, one row per mode, the print titles,
// the count caption) and a pick target (which boxes of which window the
// picked record fills). A window owns one LookupList and calls it from its
// handlers; the LookupList wires the shared controls to those handlers.

#include "common/BoxBindings.h"
#include "common/Controls.h"
#include "common/FixedRecord.h"
#include "common/Form.h"
#include "common/LookupPick.h"
#include "common/PictureButton.h"
#include "common/PrintedList.h"
#include "common/ProgramFiles.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SortedList.h"

#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

// ---------------------------------------------------------------- the table

// One layout of the list.
template <class R>
struct LookupModeRow {
    QString name;        // the LookupMode value lblMemory holds
    const char* button;  // object name of the button that lists in it; nullptr: the opening layout
    QString caption;     // the button's caption
    std::function<QString(const R&, qint64)> line; // the line of record n
    std::function<bool(const R&)> lists;           // which records it lists; empty: every record
    // The fields `line` and `lists` read: only those are decoded when the
    // list is built. Empty: the whole record.
    std::vector<QString R::*> fields;
};

template <class R>
struct LookupTable {
    // The archive and its temporary file, named when a build or a pick runs.
    std::function<ArchiveFiles(const QWidget& window)> files;
    // The layouts; the first is the one every opening shows.
    std::vector<LookupModeRow<R>> modes;
    // Run after the list-box order on the opening layout only: reorders
    // `order`, the lines' list-box order; empty: none.
    std::function<void(const QStringList& lines, LineOrder& order)> resortOpening;
    // The print: PrintLookupList with these titles, unless `printLayout` is set.
    QString printPrompt;
    QString printPage;
    std::function<PrintedListLayout(const QWidget& window)> printLayout;
    // Follows the number of lines in the count label (" schede trovate").
    QString countCaption;
    // The mode is read from lblMemory without its surrounding blanks.
    bool trimModeName = false;
    // Run when the archive cannot be read during a pick; empty: nothing shown.
    std::function<void()> pickFailed;
};

// Lists only the records whose field is not blank.
template <class R>
std::function<bool(const R&)> WhenFilled(QString R::*field) {
    return [field](const R& record) { return !trimBlanks(record.*field).isEmpty(); };
}

// The pieces one after the other, in one allocation.
QString JoinedLine(std::initializer_list<QStringView> pieces);
// The register lookups' line tail: "  [ Rec. ", n, " ]".
QString RecordTail(qint64 number);

// A register layout led by a key field: the key, its tag, the two name lines
// joined by a blank, the record's tail.
template <class R>
std::function<QString(const R&, qint64)> KeyedLine(QString R::*key, const QString& tag, QString R::*name1,
                                                   QString R::*name2) {
    return [key, tag, name1, name2](const R& r, qint64 n) {
        return JoinedLine({r.*key, tag, r.*name1, u" ", r.*name2, RecordTail(n)});
    };
}

// Lines in list order: sorted as a list box sorts, and re-sorted when the
// layout is the opening one and the table asks for it.
template <class R>
void OrderLookupLines(const LookupTable<R>& table, const LookupModeRow<R>& mode, QStringList& lines) {
    LineOrder order = ListBoxOrder(lines);
    if (&mode == &table.modes.front() && table.resortOpening)
        table.resortOpening(lines, order);
    ApplyLineOrder(lines, order);
}

// The lines of records 1..n (records[0] is record 1) in a layout, in list
// order: only the records the layout lists.
template <class R>
QStringList LookupLines(const LookupTable<R>& table, const LookupModeRow<R>& mode, const QList<R>& records) {
    QStringList lines;
    lines.reserve(records.size());
    qint64 number = 0;
    for (const R& record : records) {
        ++number;
        if (!mode.lists || mode.lists(record))
            lines.append(mode.line(record, number));
    }
    OrderLookupLines(table, mode, lines);
    return lines;
}

// A record decoded for a layout: only the fields the layout reads, when the
// record type can decode some of its fields.
template <class R>
R DecodeForMode(const LookupModeRow<R>& mode, const QByteArray& bytes) {
    if constexpr (requires { R::decode(bytes, std::span<QString R::* const>()); }) {
        if (!mode.fields.empty())
            return R::decode(bytes, std::span<QString R::* const>(mode.fields));
    }
    return R::decode(bytes);
}

// The lines of the archive's records in a layout, in list order, the records
// read and decoded a run at a time; none when the archive cannot be read.
template <class R>
QStringList ReadLookupLines(const LookupTable<R>& table, const LookupModeRow<R>& mode, RecordArchive& archive) {
    QStringList lines;
    if (!archive.IsOpen() && !archive.OpenArchive())
        return lines;
    lines.reserve(archive.RecordCount());
    const bool read = archive.ForEachRecordBytes([&](const QByteArray& bytes, qint64 number) {
        const R record = DecodeForMode(mode, bytes);
        if (!mode.lists || mode.lists(record))
            lines.append(mode.line(record, number));
    });
    archive.CloseArchive();
    if (!read)
        return {};
    lines.squeeze();
    OrderLookupLines(table, mode, lines);
    return lines;
}

// The layout a LookupMode value names; nullptr for any other text.
template <class R>
const LookupModeRow<R>* LookupModeNamed(const LookupTable<R>& table, const QString& name) {
    const QString key = table.trimModeName ? trimBlanks(name).toString() : name;
    for (const LookupModeRow<R>& mode : table.modes)
        if (mode.name == key)
            return &mode;
    return nullptr;
}

// One mode button per layout that has one, in table order: named, captioned,
// with the pointing hand.
template <class R>
std::vector<QPushButton*> CreateModeButtons(QWidget* window, const LookupTable<R>& table) {
    std::vector<QPushButton*> buttons;
    for (const LookupModeRow<R>& mode : table.modes) {
        if (!mode.button)
            continue;
        auto* button = new QPushButton(mode.caption, window);
        button->setObjectName(QString::fromLatin1(mode.button));
        button->setCursor(Qt::PointingHandCursor);
        buttons.push_back(button);
    }
    return buttons;
}

// ---------------------------------------------------------------- pick targets

// A card target: every field into its box, then the record number into
// lblPosizione, so the card shows the record as its record on show.
template <class R>
void WriteIntoCard(QWidget& card, QLabel* position, std::span<const BoxBinding<R>> boxes, const R& record,
                   qint64 number) {
    WriteBoxes(card, boxes, record);
    ShowRecordNumber(position, number);
}

// An import into another window: some fields into some boxes, in this order;
// a row with `onlyWhen` is written only when that field is not blank.
template <class R>
struct ImportBinding {
    const char* box;
    QString R::*field;
    QString R::*onlyWhen = nullptr;
};

template <class R>
void WriteImport(QWidget& form, std::span<const ImportBinding<R>> boxes, const R& record) {
    for (const ImportBinding<R>& b : boxes)
        if (!b.onlyWhen || !trimBlanks(record.*b.onlyWhen).isEmpty())
            SetBoxText(FindBox(form, QString::fromLatin1(b.box)), trimBlanks(record.*b.field).toString());
}

// ---------------------------------------------------------------- the window's part

// The shared controls of a lookup window.
struct LookupControls {
    LineList* list = nullptr;
    TextBox* search = nullptr;
    PictureButton* hint = nullptr;   // "Fare doppio clic sulla voce selezionata"
    QLabel* memory = nullptr;        // hidden: the LookupMode
    QLabel* count = nullptr;         // none: the window shows no count
    PictureButton* print = nullptr;
    PictureButton* close = nullptr;  // none: the window wires its own close
};

// The window's handlers, which the LookupList connects to their events. An
// empty handler is not connected.
struct LookupHandlers {
    std::function<void()> listClick;     // a line became the selected one
    std::function<void()> listDblClick;  // a double click on a line
    std::function<void()> searchEnter;   // Enter in the search box
    std::function<void()> hintDblClick;
    std::function<void()> searchChange;
    std::function<void()> searchGotFocus;
    std::function<void()> searchLostFocus;
    std::function<void(Qt::MouseButtons, QPoint)> listMouseMove;
    std::function<void()> printClick;
    std::function<void()> closeClick;
    // The mode buttons' handlers, in the order of the table's buttons.
    std::vector<std::function<void()>> modeClicks;
};

class LookupListBase {
public:
    LookupListBase(Form& window, const LookupControls& controls);
    virtual ~LookupListBase() = default;

    void Wire(const LookupHandlers& handlers);

    // Lists in the opening layout; the buttons keep their states.
    virtual void Load() = 0;
    // The pressed mode button: its layout, then it is disabled and the
    // other mode buttons enabled.
    void ModeButton(QPushButton* pressed);
    // Shows the hint.
    void ShowHint();
    // Selects the first line beginning with the search text, any case; hides
    // the hint when no line is selected then.
    void TypeAhead();
    // The line under the pointer becomes the list's tooltip, while no mouse
    // button is held.
    void RowToolTip(Qt::MouseButtons buttons, QPoint point);
    // The search box's focus colours.
    void SearchGotFocus();
    void SearchLostFocus();
    // Resolves the selected line in the current layout; a record found goes
    // to the pick target and the window closes. No line selected, or no
    // record whose line it is: nothing happens and the window stays open.
    virtual void Pick() = 0;
    // Prints the list as it stands.
    virtual void Print() = 0;
    // Closes the window; nothing is written.
    void Close();

    // The mode buttons, in table order.
    const std::vector<QPushButton*>& modeButtons() const { return buttons_; }

protected:
    virtual bool buildNamed(const QString& buttonName) = 0;
    void show(QStringList lines, const QString& modeName, const QString& countCaption);
    QStringList lines() const;
    void selectionChanged();

    Form& window_;
    LookupControls controls_;
    std::vector<QPushButton*> buttons_;
    std::function<void()> listClick_;
};

template <class R>
class LookupList : public LookupListBase {
public:
    using PickTarget = std::function<void(const R& record, qint64 number)>;

    LookupList(Form& window, const LookupTable<R>& table, const LookupControls& controls, PickTarget target)
        : LookupListBase(window, controls), table_(table), target_(std::move(target)) {
        for (const LookupModeRow<R>& mode : table_.modes)
            if (mode.button)
                if (auto* b = window.findChild<QPushButton*>(QString::fromLatin1(mode.button)))
                    buttons_.push_back(b);
    }

    void Load() override { build(table_.modes.front()); }

    void Pick() override {
        const LookupModeRow<R>* mode = LookupModeNamed(table_, controls_.memory->text());
        const QString picked = SelectedLine(*controls_.list);
        if (!mode || picked.isEmpty())
            return;
        RecordArchive file = archive();
        PickedRecord<R> found;
        const PickOutcome outcome = ResolvePickedLine<R>(
            file, picked, [mode](const QByteArray& bytes) { return DecodeForMode(*mode, bytes); }, mode->line,
            found);
        if (outcome == PickOutcome::Failed && table_.pickFailed)
            table_.pickFailed();
        if (outcome != PickOutcome::Found)
            return;
        target_(found.record, found.number);
        Close();
    }

    void Print() override {
        if (table_.printLayout)
            PrintList(lines(), table_.printLayout(window_));
        else
            PrintLookupList(*controls_.list, table_.printPrompt, table_.printPage);
    }

    const LookupTable<R>& table() const { return table_; }

protected:
    bool buildNamed(const QString& buttonName) override {
        for (const LookupModeRow<R>& mode : table_.modes)
            if (mode.button && buttonName == QLatin1String(mode.button)) {
                build(mode);
                return true;
            }
        return false;
    }

private:
    RecordArchive archive() const {
        const ArchiveFiles files = table_.files(window_);
        return RecordArchive(ProgramFilePath(files.archive), ProgramFilePath(files.temp), R::Length);
    }

    // An archive that cannot be read gives an empty list, without a message.
    void build(const LookupModeRow<R>& mode) {
        // The lines shown go before the new ones are built: the two lists are
        // never held at once.
        controls_.list->clear();
        RecordArchive file = archive();
        show(ReadLookupLines(table_, mode, file), mode.name, table_.countCaption);
    }

    const LookupTable<R>& table_;
    PickTarget target_;
};
