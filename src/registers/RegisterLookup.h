#pragma once
// The register lookup: every record of a register as one line of a sorted
// list, in one of four layouts (LookupMode, kept in lblMemory). It opens in
// the full layout "carica"; three buttons list by a key field instead, leaving
// out the records whose key is blank. Typing the beginning of a line selects
// it; a double click, Enter in the search box or a double click on the hint
// picks it: the record whose line, rebuilt in the layout, equals the picked
// line is handed to the window's target, and the lookup closes. The printer
// picture prints the list as it stands.
//
// The six lookups of the registers are this one design with a table each
// (file, record, title, captions, layouts, print titles); a twin states only
// where a pick goes.

#include "common/Controls.h"
#include "common/Form.h"
#include "common/LookupPick.h"
#include "common/PictureButton.h"
#include "common/ProgramFiles.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <span>

// One piece of a list line: a field of the record (trimmed) or a fixed text.
struct LinePart {
    int field = -1; // -1: the text
    QString text;
};

struct LookupLayout {
    QString mode;           // the LookupMode value: "carica", "cc" ...
    int keyField = -1;      // -1: every record; otherwise records whose key is not blank
    QList<LinePart> parts;  // the line, before "  [ Rec. n ]"
};

struct RegisterLookupTable {
    ArchiveFiles files;            // "Intestatari.idb", "Intestatari.tmp"
    std::span<const int> widths;   // the record's fields
    QString bannerHeading;
    std::array<QString, 3> captions; // cmdCategoria, cmdDescrizione, cmdPagamento
    std::array<LookupLayout, 4> layouts; // the opening layout, then one per button
    QString printPrompt;           // "Stampa elenco intestatari"
    QString printTitle;            // "Elenco intestatari"
};

// The line of record `number` in a layout; `fields` as the record holds them.
QString LookupLine(const LookupLayout& layout, const QStringList& fields, qint64 number);

// The lines of records 1..n (records[0] is record 1) in a layout, sorted as
// the list box sorts them.
QStringList BuildLookupLines(const LookupLayout& layout, const QList<QStringList>& records);

class RegisterLookup : public Form {
    Q_OBJECT
public:
    Panel* picContainer;
    PictureButton* cmdLogo;     // the banner; no action
    QGroupBox* fraCriteri;
    QPushButton* cmdCategoria;
    QPushButton* cmdDescrizione;
    QPushButton* cmdPagamento;
    QLabel* lblCerca;
    TextBox* txtCerca;
    QListWidget* lstCausali;
    PictureButton* lblFaiClic;  // the hint; a double click on it picks
    PictureButton* cmdGuida;    // prints the list
    QLabel* lblTrovati;
    PictureButton* cmdChiudi;
    QLabel* lblMemory;          // hidden: the LookupMode

    void cmdCategoria_Click();
    void cmdDescrizione_Click();
    void cmdPagamento_Click();
    void lstCausali_Click();
    void lstCausali_DblClick();
    void lblFaiClic_DblClick();
    void txtCerca_Change();
    void lstCausali_MouseMove(Qt::MouseButtons buttons, QPoint point);
    void cmdGuida_Click();
    void cmdChiudi_Click();

    const RegisterLookupTable& table() const { return table_; }

protected:
    RegisterLookup(const RegisterLookupTable& table, const QString& title);
    void Form_Load() override;
    // Where a picked record goes: its fields (trimmed) and its number.
    virtual void pickRecord(const QStringList& fields, qint64 number) = 0;

    // The register's records as field lists; none when it cannot be read.
    virtual QList<QStringList> readRegister() = 0;
    // The record whose line in `layout` is `picked`, read whole; false when
    // none is (or the register cannot be read).
    virtual bool resolvePick(const LookupLayout& layout, const QString& picked, QStringList& fields,
                             qint64& number) = 0;
    RecordArchive openRegister() const;

private:
    void wire();
    // Lists the register in the layout; a register that cannot be read gives
    // an empty list, without a message.
    void BuildLookupList(int layout);
    void showLayout(int layout, QPushButton* pressed);
    const LookupLayout* layoutOnShow() const;

    RegisterLookupTable table_;
};

// The lookup over a register of records R (R::fields() gives a record's
// fields in order).
template <class R>
class RecordLookup : public RegisterLookup {
protected:
    using RegisterLookup::RegisterLookup;

    QList<QStringList> readRegister() override {
        QList<QStringList> records;
        RecordArchive archive = openRegister();
        if (!archive.OpenArchive() || !archive.template ForEachRecord<R>([&](const R& record, qint64) {
                records.append(record.fields());
                return true;
            }))
            records.clear();
        return records;
    }

    bool resolvePick(const LookupLayout& layout, const QString& picked, QStringList& fields,
                     qint64& number) override {
        RecordArchive archive = openRegister();
        PickedRecord<R> found;
        const auto line = [&layout](const R& record, qint64 n) { return LookupLine(layout, record.fields(), n); };
        if (ResolvePickedLine<R>(archive, picked, line, found) != PickOutcome::Found)
            return false;
        fields = found.record.fields();
        number = found.number;
        return true;
    }
};
