#pragma once
// A binding table per record type: which box of a window shows which field of
// the record, in field order. Cards, lookups and the print routine read and
// write the boxes through it.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <span>

// One box of a window and the record field it shows.
template <class R>
struct BoxBinding {
    const char* box;
    QString R::*field;
};

// The box of `form` with this object name; nullptr when it has none.
QWidget* FindBox(const QWidget& form, const QString& name);
// A box's text as it stands (one-line or several-line box).
QString BoxText(const QWidget* box);
// Writes a box's text; its change handling runs as typing would.
void SetBoxText(QWidget* box, const QString& text);
// True when the box holds nothing but blanks.
bool BoxIsBlank(const QWidget* box);

// The record the boxes hold, their texts as they stand.
template <class R>
R ReadBoxes(const QWidget& form, std::span<const BoxBinding<R>> boxes) {
    R record;
    for (const BoxBinding<R>& b : boxes)
        record.*b.field = BoxText(FindBox(form, QString::fromLatin1(b.box)));
    return record;
}

// Writes every field of the record into its box, in field order.
template <class R>
void WriteBoxes(QWidget& form, std::span<const BoxBinding<R>> boxes, const R& record) {
    for (const BoxBinding<R>& b : boxes)
        SetBoxText(FindBox(form, QString::fromLatin1(b.box)), record.*b.field);
}

// The boxes' names, in field order.
template <class R>
QStringList BoxNames(std::span<const BoxBinding<R>> boxes) {
    QStringList names;
    for (const BoxBinding<R>& b : boxes)
        names << QString::fromLatin1(b.box);
    return names;
}

// Writes the record on show into lblPosizione: a blank and the digits.
void ShowRecordNumber(QLabel* position, qint64 number);

